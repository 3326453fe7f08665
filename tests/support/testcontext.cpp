#include "testcontext.h"

TestContext::TestContext(QDate heute) : clock(heute), ctx(messages, clock) {
    ctx.Datenpfad = dir.path() + u'/';
    ctx.standardDatenpfad = ctx.Datenpfad;
    ctx.einstellungsDatei = dir.path() + QStringLiteral("/config/PV.INI");
    ctx.alteEinstellungsDatei = dir.path() + QStringLiteral("/arbeitsverzeichnis/PV.ini");
}
