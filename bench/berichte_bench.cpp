// The movements register and the piglet day book at scale: building each list against one
// pass that reads every sow and litter record, the literal insertion and walk against the
// fast builds (up to 10,000 sows), and all movement lines of the largest herd printed to PDF
// with its page count. Each time is the fastest of several runs.
//
//   porvanta_berichte_bench [--groessen=1000,10000,40000] [--pdf=FILE]

#include "benchherde.h"
#include "evaluation/ferkelbuch.h"
#include "evaluation/saubewegung.h"
#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/consolemessages.h"
#include "platform/druckausgabe.h"
#include "programm/appcontext.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>

namespace {

const QDate kHeute(2024, 3, 10);

// The fastest of at least `mal` runs, repeated for a fifth of a second when they are short.
double bestzeit(const std::function<void()>& f, int mal = 7) {
    return benchherde::SchnellsteMs(f, mal, 200);
}

// Baseline: every byte of every sow and litter record read once.
void durchlauf(const Herde& h) {
    benchmark::DoNotOptimize(benchherde::HerdenSumme(h));
}

std::vector<QString> bewegungenEinfuegend(const Herde& h) {
    std::vector<TBewegung> l;
    for (const Sau& s : h) {
        auto it = l.begin();
        while (it != l.end() && DatumVor(it->Zugang, s.rec.Zugang()))
            ++it;
        l.insert(it, TBewegung{Kurzname::aus(s.rec.SauNrZeichen()), s.rec.Zugang(), s.rec.Abgang(),
                               Kurzname::aus(s.rec.HerkunftZeichen()),
                               Kurzname::aus(s.rec.AbnehmerZeichen()),
                               Kurzname::aus(s.rec.TVGZeichen())});
    }
    std::vector<QString> nr;
    for (const auto& b : l)
        nr.push_back(b.SauNr.text());
    return nr;
}

// The day book by walking the list from its start for every event.
std::vector<TAbgangTag> ferkelGelaufen(const Herde& h) {
    std::vector<TAbgangTag> l;
    auto add = [&l](TKurzDatum d, Ferkelereignis art, int n) {
        auto it = l.begin();
        while (it != l.end() &&
               (DatumVor(it->Datum, d) || (!DatumVor(d, it->Datum) && Anzahl(*it, art) == 0)))
            ++it;
        if (it != l.end() && !DatumVor(d, it->Datum)) {
            Anzahl(*it, art) += n;
            return;
        }
        TAbgangTag neu;
        neu.Datum = d;
        Anzahl(neu, art) = n;
        l.insert(it, neu);
    };
    for (const Sau& s : h)
        for (const TWurfRec& w : s.wuerfe) {
            const int lebend = int(w.Geborene()) - int(w.Todgeborene());
            if (lebend <= 0 || !w.Abferkeln().vorhanden()) continue;
            add(w.Abferkeln(), Ferkelereignis::Geburt, lebend);
            int k = 0;
            while (k < 14 && w.Verlusttag(k + 1) > 0) {
                add(TageAddierenDatum(w.Verlusttag(k + 1) - 1, w.Abferkeln()),
                    Ferkelereignis::Verlust, 1);
                ++k;
            }
            if (w.Absetzen().vorhanden())
                add(w.Absetzen(), Ferkelereignis::Absetzen, lebend + w.Ausgleich() - k);
        }
    return l;
}

bool gleich(const std::vector<TAbgangTag>& a, const std::vector<TAbgangTag>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].Datum != b[i].Datum || a[i].Geboren != b[i].Geboren ||
            a[i].Verlust != b[i].Verlust || a[i].Abgesetzt != b[i].Abgesetzt)
            return false;
    return true;
}

// Counts the sheets of a printout.
class Seitenzaehler final : public Druckbar {
public:
    Seitenzaehler(const std::vector<TBewegung>& l) : l_(l) {}
    void druckInhalt(Canvas& c) override {
        struct Zaehlend final : Canvas {
            Canvas& c;
            int& seiten;
            Zaehlend(Canvas& c, int& s) : c(c), seiten(s) {}
            void setFont(const QString& f, double p, int s) override { c.setFont(f, p, s); }
            void drawText(double x, double y, const QString& t) override { c.drawText(x, y, t); }
            void drawLine(double a, double b, double x, double y) override {
                c.drawLine(a, b, x, y);
            }
            void drawRect(double x, double y, double w, double h) override {
                c.drawRect(x, y, w, h);
            }
            void setPen(double b, Linie a) override { c.setPen(b, a); }
            void fillRect(double x, double y, double w, double h, std::uint32_t f) override {
                c.fillRect(x, y, w, h, f);
            }
            double textWidth(const QString& t) const override { return c.textWidth(t); }
            double textHeight() const override { return c.textHeight(); }
            double pageWidth() const override { return c.pageWidth(); }
            double pageHeight() const override { return c.pageHeight(); }
            void newPage() override {
                ++seiten;
                c.newPage();
            }
        } z(c, seiten);
        seiten = 1;
        BewegungenDrucken(z, l_, 1, int(l_.size()), QStringLiteral("Arial"));
    }
    int seiten = 0;

private:
    const std::vector<TBewegung>& l_;
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::vector<int> groessen{1000, 10000, 40000};
    QString pdf;
    for (int i = 1; i < argc; ++i) {
        if (benchherde::GroessenLesen(argv[i], groessen)) continue;
        const QString a = QString::fromLocal8Bit(argv[i]);
        if (a.startsWith(QStringLiteral("--pdf="))) pdf = a.mid(6);
    }
    std::printf("%-40s %7s %10s %10s %8s %8s\n", "Operation / Basis", "Sauen", "Zeit ms",
                "Basis ms", "Faktor", "Ziel");
    auto zeile = [](const char* op, int n, double t, double b, const char* ziel) {
        std::printf("%-40s %7d %10.3f %10.3f %8.2f %8s\n", op, n, t, b, t / b, ziel);
    };
    std::vector<TBewegung> groesste;
    for (int n : groessen) {
        QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/porvanta-bench-XXXXXX"));
        const Herde h = benchherde::demoHerde(n, kHeute, dir);
        const double basis = bestzeit([&] { durchlauf(h); });
        const double bew = bestzeit([&] { benchmark::DoNotOptimize(BewegungenBilden(h)); });
        const double fer = bestzeit([&] { benchmark::DoNotOptimize(FerkelbuchBilden(h)); });
        zeile("Bewegungen bilden / Satz-Durchlauf", n, bew, basis, "<= 3");
        zeile("Ferkelbuch bilden / Satz-Durchlauf", n, fer, basis, "<= 3");
        if (n <= 10000) {
            std::vector<QString> nr;
            for (const auto& b : BewegungenBilden(h))
                nr.push_back(b.SauNr.text());
            const bool ok1 = bewegungenEinfuegend(h) == nr;
            const bool ok2 = gleich(ferkelGelaufen(h), FerkelbuchBilden(h).Tage);
            const double e1 =
                bestzeit([&] { benchmark::DoNotOptimize(bewegungenEinfuegend(h)); }, 3);
            const double e2 = bestzeit([&] { benchmark::DoNotOptimize(ferkelGelaufen(h)); }, 3);
            zeile(ok1 ? "  wörtlich einfügend / schnell" : "  wörtlich einfügend: ANDERS", n, e1,
                  bew, "");
            zeile(ok2 ? "  wörtlich gelaufen / schnell" : "  wörtlich gelaufen: ANDERS", n, e2, fer,
                  "");
        }
        groesste = BewegungenBilden(h);
    }
    QTemporaryDir aus;
    const QString datei = pdf.isEmpty() ? aus.filePath(QStringLiteral("b.pdf")) : pdf;
    Seitenzaehler d(groesste);
    const auto a = std::chrono::steady_clock::now();
    const bool ok = druckausgabe::alsPdf(d, datei);
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - a).count();
    std::printf("\nAlle %zu Bewegungszeilen als PDF: %.0f ms, %d Seiten, %.1f MiB%s\n",
                groesste.size(), ms, d.seiten, QFileInfo(datei).size() / 1048576.0,
                ok ? "" : " (FEHLER)");
    return ok ? 0 : 1;
}
