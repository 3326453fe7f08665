// Where the farmer waits, in the real windows on a copy of a herd: the first save of a day,
// OK on a card that changed one litter, OK of a batch weaning of 50 sows (each to the file
// saved and the open windows refreshed; the fastest of five cards and of three batches)
// against the herd save (the fastest of five, for the cards and batches those beside them), and
// "Auswahl" from OK in its filter up to the painted figures (first of the run, first after the
// bookings, then again on the shared working copy) against one pass over every sow and litter
// record, with the time the filter takes to be ready against a tenth of a second. The main window
// has the overview and the work plan open, as on a farm PC. Run it with QT_QPA_PLATFORM=offscreen
// where there is no display.
//
//   porvanta_wartezeit <datenverzeichnis> <heute JJJJ-MM-TT>

#include "benchherde.h"
#include "controls/tdate_ed.h"
#include "controls/tnumedit.h"
#include "entry/tsammelbuchung.h"
#include "entry/tsauwurfeingabe.h"
#include "evaluation/filtervorgabe.h"
#include "evaluation/tauswertung.h"
#include "herd/saustatus.h"
#include "plan/tarbeitsplan.h"
#include "programm/tpvmain.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMdiArea>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

// Questions answered Yes (save the batch), everything else counted.
class JaMeldungen final : public MessageService {
public:
    void error(const QString& t) override { melden(t); }
    void warning(const QString& t) override { melden(t); }
    void information(const QString& t) override { melden(t); }
    Answer errorOkCancel(const QString& t) override { return melden(t), Answer::Ok; }
    Answer warningOkCancel(const QString& t) override { return melden(t), Answer::Ok; }
    Answer question(const QString&, Buttons) override { return Answer::Yes; }

private:
    static void melden(const QString& t) { std::fprintf(stderr, "%s\n", qPrintable(t)); }
};

double ms(const QElapsedTimer& t) {
    return double(t.nsecsElapsed()) / 1e6;
}

// Lets the zero timers of the change notice run: the windows refresh.
void nachlaufen() {
    QApplication::processEvents();
    QApplication::processEvents();
}

bool kopieren(const QString& von, const QString& nach) {
    for (const QString& name : QDir(von).entryList(QDir::Files))
        if (!QFile::copy(QDir(von).filePath(name), QDir(nach).filePath(name))) return false;
    return true;
}

std::vector<int> sauenImZustand(const Herde& h, TSauStatus status, std::size_t n) {
    std::vector<int> out;
    for (std::size_t i = 0; i < h.size() && out.size() < n; ++i)
        if (!h[i].rec.Abgang().vorhanden() && SauStatus(h[i]) == status) out.push_back(int(i));
    return out;
}

// The herd save alone: the herd is written as it is, with no change announced.
double speichern(AppContext& ctx) {
    QElapsedTimer t;
    t.start();
    HerdeSpeichern(ctx);
    return ms(t);
}

// OK on the card of `sau` after the count of female piglets of her current litter changed.
double karteOK(AppContext& ctx, QWidget* parent, int sau) {
    TSauWurfEingabe karte(ctx, parent);
    karte.TermineBeschriften(Terminnamen(ctx.Planzeiten));
    karte.SauOeffnen(sau);
    karte.show();
    QApplication::processEvents();
    if (auto* weibliche = karte.findChild<TNumEdit*>(QStringLiteral("Gelten")))
        weibliche->setWert(weibliche->Wert() > 0 ? weibliche->Wert() - 1 : 1);
    QElapsedTimer t;
    t.start();
    karte.OKBtnClick();
    nachlaufen();
    return ms(t);
}

double sammelAbsetzen(AppContext& ctx, QWidget* parent, const std::vector<int>& sauen) {
    TSammelbuchung dlg(ctx, parent);
    dlg.EingabepunktSetzen(QStringLiteral("Absetzen"), 4);
    dlg.SauenSetzen(sauen);
    dlg.show();
    QApplication::processEvents();
    dlg.findChild<tdate_ed*>(QStringLiteral("tdate_ed1"))
        ->setText(KurzDatumText(TKurzDatum::aus(ctx.heute())));
    QElapsedTimer t;
    t.start();
    dlg.OKBtnClick();
    nachlaufen();
    return ms(t);
}

// Notes a paint event of the widget it watches.
class Gemalt final : public QObject {
public:
    bool ja = false;
    bool eventFilter(QObject*, QEvent* e) override {
        ja = ja || e->type() == QEvent::Paint;
        return false;
    }
};

struct AuswahlZeiten {
    double bedienbar = 0; // from the menu to the filter dialog ready for typing
    double abOK = 0;      // from OK in the filter to the figures painted
};

// "Auswahl" as the farmer opens it from the menu: the filter dialog (with the whole time and
// the usual choices, as confirmed before), read for a moment, OK, up to the figures painted in
// their child window, which is closed again.
AuswahlZeiten auswahlGezeichnet(AppContext& ctx, TPVMain& main) {
    TAuswertungsFilter f;
    f.Von = TKurzDatum::aus(1, 1, 1980);
    f.Bis = TKurzDatum::aus(ctx.heute());
    f.NurGanzeWuerfe = true;
    FilterMerken(ctx, f);
    AuswahlZeiten z;
    QElapsedTimer gesamt, abOK;
    // Runs first in the dialog's loop: what the dialog asks of the loop (its painting, then
    // the working copy) runs before it is taken as ready.
    QTimer::singleShot(0, [&] {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
        z.bedienbar = ms(gesamt);
        QTimer::singleShot(200, [&] {
            QWidget* dlg = QApplication::activeModalWidget();
            auto* ok = dlg ? dlg->findChild<QPushButton*>(QStringLiteral("OKBtn")) : nullptr;
            abOK.start();
            if (ok) ok->click();
        });
    });
    gesamt.start();
    main.menuItem("Auswahl1")->trigger();
    const auto fenster = main.mdiArea()->findChildren<TAuswertung*>();
    if (fenster.size() != 1) {
        std::fprintf(stderr, "Auswahl nicht geöffnet\n");
        std::exit(1);
    }
    // The figures are painted when the event loop has handed their pane its paint event.
    Gemalt gemalt;
    if (auto* zahlen = fenster.front()->findChild<QWidget*>(QStringLiteral("PaintBox2")))
        zahlen->installEventFilter(&gemalt);
    QElapsedTimer grenze;
    grenze.start();
    while (!gemalt.ja && grenze.elapsed() < 5000)
        QApplication::processEvents();
    z.abOK = ms(abOK);
    if (!gemalt.ja) {
        std::fprintf(stderr, "Auswahl nicht gezeichnet\n");
        std::exit(1);
    }
    delete fenster.front()->parentWidget(); // the child window's frame
    return z;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "Aufruf: porvanta_wartezeit <datenverzeichnis> <JJJJ-MM-TT>\n");
        return 1;
    }
    const QDate heute = QDate::fromString(QString::fromLatin1(argv[2]), Qt::ISODate);
    QTemporaryDir daten, einstellungen;
    if (!kopieren(QString::fromLocal8Bit(argv[1]), daten.path())) return 1;
    JaMeldungen meldungen;
    FixedClock uhr(heute);
    AppContext ctx(meldungen, uhr);
    ctx.Datenpfad = daten.path() + u'/';
    ctx.standardDatenpfad = ctx.Datenpfad;
    ctx.einstellungsDatei = einstellungen.filePath(QStringLiteral("PV.INI"));
    ctx.tagesKopie = true;
    TPVMain main(ctx);
    main.resize(1280, 800);
    main.show();
    QApplication::processEvents();
    main.arbeitsplan()->planAufstellen(TKurzDatum::aus(heute), -1);
    nachlaufen();

    const double erstes = speichern(ctx);
    double save = 1e300;
    for (int i = 0; i < 5; ++i)
        save = std::min(save, speichern(ctx));
    // The first evaluation of the run copies the whole herd while its filter is open.
    const AuswahlZeiten auswahlZuerst = auswahlGezeichnet(ctx, main);
    // One sow for the card, then three batches of 50 others: each weaning counts once.
    const auto saeugend = sauenImZustand(ctx.Sauenliste, stSaeugend, 151);
    if (saeugend.size() < 151) {
        std::fprintf(stderr, "zu wenige säugende Sauen\n");
        return 1;
    }
    // Saves later in the run take longer than the first few, whatever comes between them (the
    // file system is still writing back the earlier ones). So each card and each batch is
    // followed by a plain save, and measured against the fastest of those beside it.
    double karte = 1e300, karteBasis = 1e300;
    for (int i = 0; i < 5; ++i) {
        karte = std::min(karte, karteOK(ctx, &main, saeugend[0]));
        karteBasis = std::min(karteBasis, speichern(ctx));
        nachlaufen(); // the windows redo what the save's change notice asks before the next
    }
    double sammel = 1e300, sammelBasis = 1e300;
    for (int i = 0; i < 3; ++i) {
        const auto von = saeugend.begin() + 1 + 50 * i;
        sammel = std::min(sammel, sammelAbsetzen(ctx, &main, std::vector<int>(von, von + 50)));
        sammelBasis = std::min(sammelBasis, speichern(ctx));
        nachlaufen();
    }
    // The first opening after a change copies the changed sows again; another one shares
    // that copy.
    const AuswahlZeiten auswahl = auswahlGezeichnet(ctx, main);
    AuswahlZeiten auswahlErneut = auswahlGezeichnet(ctx, main);
    for (int i = 0; i < 2; ++i) { // the fastest of three
        const AuswahlZeiten z = auswahlGezeichnet(ctx, main);
        auswahlErneut.abOK = std::min(auswahlErneut.abOK, z.abOK);
        auswahlErneut.bedienbar = std::min(auswahlErneut.bedienbar, z.bedienbar);
    }
    const double durchlauf = benchherde::EinDurchlaufMs(ctx.Sauenliste);

    std::printf("Sauen: %zu\n", ctx.Sauenliste.size());
    benchherde::WarteZeile("Erstes Speichern des Tages", erstes, save, "Herde speichern", 1.3);
    benchherde::WarteZeile("OK auf der Karte (ein Wurf)", karte, karteBasis, "Herde speichern",
                           1.3);
    benchherde::WarteZeile("OK Sammel-Absetzen, 50 Sauen", sammel, sammelBasis, "Herde speichern",
                           1.3);
    benchherde::WarteZeile("Auswahl zuerst ab OK", auswahlZuerst.abOK, durchlauf, "ein Durchlauf",
                           3.0);
    benchherde::WarteZeile("Auswahl nach Änderung ab OK", auswahl.abOK, durchlauf, "ein Durchlauf",
                           3.0);
    benchherde::WarteZeile("Auswahl erneut ab OK", auswahlErneut.abOK, durchlauf, "ein Durchlauf",
                           3.0);
    // Opening the filter makes the working copy: the whole herd at first, then the changed
    // sows. A dialog ready within a tenth of a second reads as at once.
    const auto filterZeile = [](const char* was, double zeit) {
        benchherde::WarteZeile(was, zeit, 100.0, "eine Zehntelsekunde", 1.0);
    };
    filterZeile("Filter bis bedienbar, zuerst", auswahlZuerst.bedienbar);
    filterZeile("Filter bis bedienbar, nach Änd.", auswahl.bedienbar);
    filterZeile("Filter bis bedienbar, erneut", auswahlErneut.bedienbar);
    return 0;
}
