#include "bericht/argumente.h"
#include "bericht/ausgabe.h"
#include "bericht/berichte.h"
#include "platform/clock.h"
#include "platform/consolemessages.h"
#include "programm/appcontext.h"

#include "platform/safewrite.h"
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <memory>

namespace {

constexpr int kFehler = 2;

int abbrechen(const QString& text) {
    std::fprintf(stderr, "porvanta-bericht: %s\n", qPrintable(text));
    return kFehler;
}

int ausfuehren(const Befehlszeile& b) {
    std::unique_ptr<Clock> uhr = std::make_unique<SystemClock>();
    if (b.hat(QStringLiteral("--heute"))) {
        const QDate heute = IsoDatum(b.wert(QStringLiteral("--heute")));
        if (!heute.isValid())
            return abbrechen(QStringLiteral("--heute: \"%1\" ist kein Datum der Form JJJJ-MM-TT.")
                                 .arg(b.wert(QStringLiteral("--heute"))));
        uhr = std::make_unique<FixedClock>(heute);
    }
    ConsoleMessages meldungen;
    AppContext ctx(meldungen, *uhr);
    try {
        DatenLaden(ctx, b);
        const Bericht bericht = BerichtBauen(ctx, b);
        const bool pdf = b.hat(QStringLiteral("--pdf"));
        const QString datei = b.wert(pdf ? QStringLiteral("--pdf") : QStringLiteral("--csv"));
        if (!pdf && !bericht.csv)
            return abbrechen(
                QStringLiteral("Den Bericht %1 gibt es nur als PDF.").arg(b.worte.first()));
        if (pdf && !bericht.seiten)
            return abbrechen(
                QStringLiteral("Den Bericht %1 gibt es nur als CSV.").arg(b.worte.first()));
        QString grund;
        if (!(pdf ? PdfSchreiben(bericht, datei, &grund) : CsvSchreiben(bericht, datei, &grund)))
            return abbrechen(SchreibFehlerText(QFileInfo(datei).fileName(),
                                               QFileInfo(datei).absoluteFilePath(), grund));
    } catch (const Berichtsfehler& f) {
        return abbrechen(f.text);
    }
    return 0;
}

// Qt's own notes (a missing runtime directory and the like) would mix with the messages.
void nurErnstes(QtMsgType typ, const QMessageLogContext&, const QString& text) {
    if (typ == QtCriticalMsg || typ == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
}

} // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(nurErnstes);
    // No display is needed: the pages are drawn for a PDF file only.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Porvanta"));
    QGuiApplication::setOrganizationName(QStringLiteral("Porvanta"));

    Befehlszeile b;
    QString fehler;
    if (!BefehlszeileLesen(app.arguments().mid(1), b, fehler)) return abbrechen(fehler);
    if (b.hilfe) {
        std::fputs(qPrintable(Hilfetext()), stdout);
        return 0;
    }
    if (!OptionenPruefen(b, fehler)) return abbrechen(fehler);
    return ausfuehren(b);
}
