// Resident memory with a herd loaded: the process before loading (the empty program), after
// HerdeLaden and after building the selection entries, against the herd file's size; and the
// time of that first loading in a fresh process.
//
//   porvanta_speicher <datenverzeichnis>

#include "entry/auswahlliste.h"
#include "herd/herdfile.h"
#include "platform/clock.h"
#include "platform/consolemessages.h"
#include "programm/appcontext.h"
#include "prozess.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: porvanta_speicher <datenverzeichnis>\n");
        return 1;
    }
    ConsoleMessages msg;
    SystemClock uhr;
    AppContext ctx(msg, uhr);
    ctx.Datenpfad = QString::fromLocal8Bit(argv[1]) + u'/';
    const qint64 datei = QFileInfo(ctx.datei(QString::fromLatin1(kHerdeDatei))).size();

    const long leer = prozess::rssKiB();
    QElapsedTimer t;
    t.start();
    HerdeLaden(ctx);
    const double laden = double(t.nsecsElapsed()) / 1e6;
    const long geladen = prozess::rssKiB();
    Auswahlliste liste;
    liste.aufbauen(ctx.Sauenliste, ctx.Tragezeit, Sortierung::Numerisch);
    const long mitAuswahl = prozess::rssKiB();

    const double basis = double(leer) + double(datei) / 1024.0;
    std::printf("Herdendatei %.1f MiB, %zu Sauen\n", double(datei) / 1048576.0,
                ctx.Sauenliste.size());
    std::printf("RSS leer %.1f MiB, geladen %.1f MiB (Faktor %.2f), mit Auswahl %.1f MiB "
                "(Faktor %.2f), Spitze %.1f MiB\n",
                double(leer) / 1024.0, double(geladen) / 1024.0, double(geladen) / basis,
                double(mitAuswahl) / 1024.0, double(mitAuswahl) / basis,
                double(prozess::spitzeKiB()) / 1024.0);
    std::printf("Laden %.1f ms\n", laden);
    // For bench/run.sh, which sets the start-up against the loading in a fresh process.
    std::printf("laden_ms %.1f\n", laden);
    return 0;
}
