#include "programm/startorte.h"

#include "herd/textfunktionen.h"
#include "programm/appcontext.h"
#include "programm/einstellungenspeicher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

Startorte Startorte::ausSystem() {
    Startorte o;
    o.konfigOrdner = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    o.arbeitsOrdner = QDir::currentPath();
    o.programmOrdner = QCoreApplication::applicationDirPath();
    o.benutzerDatenOrdner = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    o.datenpfadVorgabe = qEnvironmentVariable("PORVANTA_DATENPFAD");
    return o;
}

void StartorteSetzen(AppContext& ctx, const Startorte& orte) {
    ctx.einstellungsDatei =
        QDir(orte.konfigOrdner).filePath(QString::fromLatin1(einstellungen::kStoreName));
    ctx.alteEinstellungsDatei =
        QDir(orte.arbeitsOrdner).filePath(QString::fromLatin1(einstellungen::kAlteDatei));
    // The program's own directory when it can be written, else the per-user data folder.
    if (QFileInfo(orte.programmOrdner).isWritable()) {
        ctx.standardDatenpfad = PfadMitTrenner(orte.programmOrdner);
    } else {
        QDir().mkpath(orte.benutzerDatenOrdner);
        ctx.standardDatenpfad = PfadMitTrenner(orte.benutzerDatenOrdner);
    }
    ctx.datenpfadVorgabe =
        orte.datenpfadVorgabe.isEmpty() ? QString() : PfadMitTrenner(orte.datenpfadVorgabe);
    ctx.Datenpfad = ctx.standardDatenpfad;
}
