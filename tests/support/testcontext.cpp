#include "testcontext.h"

#include "programm/startorte.h"

TestContext::TestContext(QDate heute) : clock(heute), ctx(messages, clock) {
    // The same start-up wiring as the program, on folders of the temporary directory.
    Startorte orte;
    orte.konfigOrdner = dir.filePath(QStringLiteral("config"));
    orte.arbeitsOrdner = dir.filePath(QStringLiteral("arbeitsverzeichnis"));
    orte.programmOrdner = dir.path();
    orte.benutzerDatenOrdner = dir.filePath(QStringLiteral("benutzer"));
    StartorteSetzen(ctx, orte);
}
