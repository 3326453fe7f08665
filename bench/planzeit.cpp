// The work plan on a real main window: "Plan" up to a painted window (against one pass over
// every sow and litter record), scrolling through the list, and printing the whole plan to PDF,
// with times and the page count. Optionally keeps a screenshot of the main window with the
// plan. Run it with QT_QPA_PLATFORM=offscreen where there is no display.
//
//   porvanta_planzeit <datenverzeichnis> <erster tag JJJJ-MM-TT> [bild.png] [plan.pdf]

#include "benchherde.h"
#include "plan/tarbeitsplan.h"
#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/consolemessages.h"
#include "platform/druckausgabe.h"
#include "programm/appcontext.h"
#include "programm/tpvmain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// Passes every call on and counts the pages.
class Seitenzaehler final : public Canvas {
public:
    explicit Seitenzaehler(Canvas& c) : c_(c) {}
    void setFont(const QString& f, double p, int s) override { c_.setFont(f, p, s); }
    void drawText(double x, double y, const QString& t) override { c_.drawText(x, y, t); }
    void drawLine(double a, double b, double c, double d) override { c_.drawLine(a, b, c, d); }
    void drawRect(double x, double y, double w, double h) override { c_.drawRect(x, y, w, h); }
    void setPen(double b, Linie a) override { c_.setPen(b, a); }
    void fillRect(double x, double y, double w, double h, std::uint32_t f) override {
        c_.fillRect(x, y, w, h, f);
    }
    double textWidth(const QString& t) const override { return c_.textWidth(t); }
    double textHeight() const override { return c_.textHeight(); }
    double pageWidth() const override { return c_.pageWidth(); }
    double pageHeight() const override { return c_.pageHeight(); }
    void newPage() override {
        ++seiten;
        c_.newPage();
    }
    int seiten = 1;

private:
    Canvas& c_;
};

class Gezaehlt final : public Druckbar {
public:
    explicit Gezaehlt(TArbeitsplan& p) : p_(p) {}
    void druckInhalt(Canvas& c) override {
        Seitenzaehler z(c);
        p_.druckInhalt(z);
        seiten = z.seiten;
    }
    QPageLayout::Orientation druckAusrichtung() const override { return p_.druckAusrichtung(); }
    int seiten = 0;

private:
    TArbeitsplan& p_;
};

double ms(const QElapsedTimer& t) {
    return double(t.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "Aufruf: porvanta_planzeit <datenverzeichnis> <JJJJ-MM-TT> "
                             "[bild.png] [plan.pdf]\n");
        return 1;
    }
    const QDate erster = QDate::fromString(QString::fromLatin1(argv[2]), Qt::ISODate);
    QTemporaryDir tmp;
    ConsoleMessages messages;
    FixedClock uhr(erster);
    AppContext ctx(messages, uhr);
    ctx.Datenpfad = QString::fromLocal8Bit(argv[1]) + u'/';
    ctx.standardDatenpfad = ctx.Datenpfad;
    ctx.einstellungsDatei = tmp.filePath(QStringLiteral("PV.INI"));
    qputenv("PORVANTA_DATENPFAD", argv[1]);
    TPVMain main(ctx);
    main.resize(1280, 800);
    main.show();
    QApplication::processEvents();

    TArbeitsplan* plan = main.arbeitsplan();
    QElapsedTimer t;
    t.start();
    plan->planAufstellen(TKurzDatum::aus(erster), -1);
    QApplication::processEvents();
    plan->repaint();
    const double oeffnen = ms(t);
    if (auto* sub = qobject_cast<QMdiSubWindow*>(plan->parentWidget())) sub->showMaximized();
    QApplication::processEvents();

    // Scrolling: one page further per step through the whole list.
    QScrollBar* leiste = plan->liste()->verticalScrollBar();
    int schritte = 0;
    t.restart();
    for (int v = 0; v <= leiste->maximum(); v += std::max(1, leiste->maximum() / 200)) {
        leiste->setValue(v);
        plan->liste()->viewport()->repaint();
        ++schritte;
    }
    const double scrollen = ms(t) / std::max(1, schritte);
    leiste->setValue(0);
    QApplication::processEvents();

    if (argc > 3) {
        // The picture shows the first rows with tasks.
        const auto& zeilen = plan->plan().zeilen;
        std::size_t i = 0;
        while (i < zeilen.size() && zeilen[i].Tage[0].leer() && zeilen[i].Tage[3].leer())
            ++i;
        plan->liste()->scrollTo(plan->liste()->model()->index(int(i), 0),
                                QAbstractItemView::PositionAtTop);
        QApplication::processEvents();
        main.grab().save(QString::fromLocal8Bit(argv[3]));
    }
    const QString pdf = argc > 4 ? QString::fromLocal8Bit(argv[4]) : tmp.filePath("plan.pdf");
    Gezaehlt druck(*plan);
    t.restart();
    const bool ok = druckausgabe::alsPdf(druck, pdf);
    const double drucken = ms(t);

    std::printf("Sauen: %zu, Planzeilen: %zu\n", ctx.Sauenliste.size(), plan->plan().zeilen.size());
    benchherde::WarteZeile("&Plan bis gezeichnet", oeffnen,
                           benchherde::EinDurchlaufMs(ctx.Sauenliste), "ein Durchlauf", 3.0);
    std::printf("Rollen: %.2f ms je Bild (%d Bilder)\n", scrollen, schritte);
    std::printf("PDF des ganzen Plans: %.1f ms, %d Seiten%s\n", drucken, druck.seiten,
                ok ? "" : " (FEHLER)");
    return ok ? 0 : 1;
}
