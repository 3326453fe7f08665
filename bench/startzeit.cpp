// Start-up of the real main window on a data directory up to a usable, painted window, then
// opening the sow selection (F2, "Eingabe") until it is painted, twice, against one pass over
// every sow and litter record. Prints the times and the resident memory. Run it with
// QT_QPA_PLATFORM=offscreen where there is no display.
//
//   porvanta_startzeit <datenverzeichnis>

#include "benchherde.h"
#include "entry/tsauauswahl.h"
#include "platform/clock.h"
#include "platform/consolemessages.h"
#include "programm/appcontext.h"
#include "programm/startorte.h"
#include "programm/tpvmain.h"
#include "prozess.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

#include <algorithm>
#include <cstdio>

namespace {

// Opens the selection as the menu does and returns the milliseconds until it stood painted
// on the screen; then closes it with "Zurück".
double auswahlOeffnen(TPVMain& main) {
    QElapsedTimer t;
    double ms = -1;
    QTimer wache;
    wache.setInterval(0);
    QObject::connect(&wache, &QTimer::timeout, [&] {
        TSauAuswahl* dlg = main.sauAuswahl();
        if (!dlg || QApplication::activeModalWidget() != dlg || !dlg->isVisible()) return;
        dlg->repaint();
        ms = double(t.nsecsElapsed()) / 1e6;
        wache.stop();
        dlg->reject();
    });
    wache.start();
    t.start();
    main.Eingabe1Click();
    return ms;
}

// The main window started anew with the overview at start on or off: milliseconds until it
// stood painted, the overview (when on) built and shown.
double neuStarten(AppContext& ctx, bool mitUebersicht) {
    QFile ini(ctx.einstellungsDatei);
    if (!ini.open(QIODevice::WriteOnly)) return -1;
    ini.write(mitUebersicht ? "[PRUEFUNG]\r\nUEBERSICHT=1\r\n" : "[PRUEFUNG]\r\nUEBERSICHT=0\r\n");
    ini.close();
    QElapsedTimer t;
    t.start();
    TPVMain main(ctx);
    main.show();
    QApplication::processEvents();
    main.repaint();
    return double(t.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    QElapsedTimer abMain;
    abMain.start();
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: porvanta_startzeit <datenverzeichnis>\n");
        return 1;
    }
    QApplication::setApplicationName(QStringLiteral("Porvanta"));
    QTranslator qtDeutsch;
    if (qtDeutsch.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtDeutsch);

    // Built-in settings: a store that does not exist yet, no older file.
    QTemporaryDir einstellungen;
    ConsoleMessages messages;
    SystemClock uhr;
    AppContext ctx(messages, uhr);
    Startorte orte;
    orte.konfigOrdner = einstellungen.path();
    orte.arbeitsOrdner = einstellungen.path();
    orte.programmOrdner = einstellungen.path();
    orte.datenpfadVorgabe = QString::fromLocal8Bit(argv[1]);
    StartorteSetzen(ctx, orte);

    const long rssVorher = prozess::rssKiB();
    QElapsedTimer t;
    t.start();
    TPVMain main(ctx);
    main.show();
    QApplication::processEvents();
    main.repaint();
    const double fenster = double(t.nsecsElapsed()) / 1e6;
    const double abStart = prozess::msSeitProzessstart();
    const double seitMain = double(abMain.nsecsElapsed()) / 1e6;
    const long rssFenster = prozess::rssKiB();

    const double erstes = auswahlOeffnen(main);
    const double zweites = auswahlOeffnen(main);
    const long rssAuswahl = prozess::rssKiB();

    std::printf("Sauen: %zu\n", ctx.Sauenliste.size());
    std::printf("Hauptfenster bereit: %.1f ms (TPVMain bis gezeichnet), %.1f ms ab main(), "
                "%.0f ms ab Prozessstart\n",
                fenster, seitMain, abStart);
    if (ctx.Sauenliste.empty()) {
        std::printf("F2 bis Auswahl gezeichnet: %.1f ms, erneut %.1f ms\n", erstes, zweites);
    } else {
        const double durchlauf = benchherde::EinDurchlaufMs(ctx.Sauenliste);
        benchherde::WarteZeile("F2 bis Auswahl gezeichnet", erstes, durchlauf, "ein Durchlauf",
                               3.0);
        benchherde::WarteZeile("F2 erneut", zweites, durchlauf, "ein Durchlauf", 3.0);
    }
    std::printf("RSS vor dem Hauptfenster %.1f MiB, mit Hauptfenster %.1f MiB, nach der Auswahl "
                "%.1f MiB, Spitze %.1f MiB\n",
                double(rssVorher) / 1024.0, double(rssFenster) / 1024.0,
                double(rssAuswahl) / 1024.0, double(prozess::spitzeKiB()) / 1024.0);
    // Start-up with and without the overview, alternating, the fastest of three each. The
    // first window goes first: it would follow the herd each new window reads.
    main.hide();
    double ohne = 1e300, mit = 1e300;
    for (int i = 0; i < 3; ++i) {
        ohne = std::min(ohne, neuStarten(ctx, false));
        mit = std::min(mit, neuStarten(ctx, true));
    }
    // Without sows the two are a few milliseconds of window and their ratio says nothing.
    if (ctx.Sauenliste.empty())
        std::printf("Start ohne Übersicht %.1f ms, mit Übersicht %.1f ms\n", ohne, mit);
    else
        std::printf("Start ohne Übersicht %.1f ms, mit Übersicht %.1f ms, Faktor %.2f (Ziel <= "
                    "1.2)\n",
                    ohne, mit, mit / ohne);
    // For bench/run.sh, which sets these against the empty program and the loading alone.
    std::printf("rss_kib %ld\n", rssAuswahl);
    std::printf("fenster_ms %.1f\n", fenster);
    return 0;
}
