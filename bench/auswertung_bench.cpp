// The evaluations at scale: the working copy (whole, and after 50 sows changed), and on it the
// evaluation "Auswahl", the hit list, the comparisons and the service groups over the whole
// herd; the overview and the open points on the herd itself. Each against one pass that reads
// every sow and litter record, on demo herds of 1,000, 10,000 and 40,000 sows. A table after
// the runs gives the time, the baseline and the ratio (the fastest repetition of each).
//
//   porvanta_auswertung_bench [--groessen=1000,10000,40000] [Google Benchmark options]

#include "benchherde.h"
#include "entry/offenepunkte.h"
#include "evaluation/auswertung.h"
#include "evaluation/belegwochen.h"
#include "evaluation/hitliste.h"
#include "evaluation/vergleich.h"
#include "plan/uebersicht.h"
#include "platform/clock.h"
#include "platform/consolemessages.h"
#include "programm/appcontext.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <memory>

namespace {

const QDate kHeute(2024, 3, 10);
std::vector<int> gGroessen{1000, 10000, 40000};

// The demo herd of `n` sows, made once by the demo tool and loaded as the program does.
const Herde& herde(int n) {
    static std::map<int, std::unique_ptr<Herde>> herden;
    auto& h = herden[n];
    if (h) return *h;
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/porvanta-bench-XXXXXX"));
    h = std::make_unique<Herde>(benchherde::demoHerde(n, kHeute, dir));
    return *h;
}

// Baseline: every byte of every sow and litter record read once.
void SauenWuerfeDurchlauf(benchmark::State& state) {
    const Herde& h = herde(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(benchherde::HerdenSumme(h));
}

// The overview's counts and lists, and the open points, each one pass over the herd.
void Uebersicht(benchmark::State& state) {
    const Herde& h = herde(int(state.range(0)));
    const TPlanZeiten zeiten = PlanZeitenStandard();
    for (auto _ : state)
        benchmark::DoNotOptimize(UebersichtBilden(h, zeiten, PruefGrenzen{}, 113, kHeute).bestand);
}

void OffenePunkteBench(benchmark::State& state) {
    const Herde& h = herde(int(state.range(0)));
    const OffenePunkteVorgaben v =
        PunkteVorgaben(PruefGrenzen{}, PlanZeitenStandard(), 113, kHeute);
    for (auto _ : state)
        benchmark::DoNotOptimize(OffenePunkte(h, v).size());
}

// The working copy of the live herd, shared by the evaluation windows opened after it (the
// first of them waits for it): made whole by the first evaluation of a run and after sows came
// or went,
void Arbeitskopie(benchmark::State& state) {
    const Herde& h = herde(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(Auswertungskopie(h, true).sauenAnzahl());
}

// and after a booking of 50 sows spread over the herd from the copy before, copying their
// blocks again.
void ArbeitskopieNachSammel(benchmark::State& state) {
    const Herde& h = herde(int(state.range(0)));
    const Auswertungskopie vorige(h, true);
    std::vector<int> geaendert;
    for (std::size_t i = 0; i < 50; ++i)
        geaendert.push_back(int(h.size() * (2 * i + 1) / 100));
    for (auto _ : state)
        benchmark::DoNotOptimize(Auswertungskopie(h, true, vorige, geaendert).sauenAnzahl());
}

// What opening "Auswahl" computes on the kept working copy: filter, figures and replacement
// rate over every sow; the period covers the whole herd book.
void AuswertungAuswahl(benchmark::State& state) {
    const Herde& h = herde(int(state.range(0)));
    const Einstellungen e;
    std::size_t wuerfe = 0;
    const Auswertungskopie kopie(h);
    for (auto _ : state) {
        TAuswertungsStand st;
        st.Modus = amAuswahl;
        st.filter.Von = TKurzDatum::aus(1, 1, 1980);
        st.filter.Bis = TKurzDatum::aus(31, 12, kHeute.year());
        st.filter.NurGanzeWuerfe = true;
        KennzahlenBerechnen(st, kopie, e);
        wuerfe = std::size_t(st.Summe.Wuerfe);
        benchmark::DoNotOptimize(st.Summe.Geborene);
    }
    state.counters["Wuerfe"] = double(wuerfe);
}

TAuswertungsFilter ganzesHerdbuch() {
    TAuswertungsFilter f;
    f.Von = TKurzDatum::aus(1, 1, 1980);
    f.Bis = TKurzDatum::aus(31, 12, kHeute.year());
    return f;
}

// "Hitliste": on the kept copy, every sow's sum, index and the ordered list.
void Hitliste(benchmark::State& state) {
    const Herde& h = herde(int(state.range(0)));
    Einstellungen e;
    e.index = {20, 40, 10, 10, 10, 10, 0};
    const Auswertungskopie kopie(h, true);
    for (auto _ : state) {
        const auto liste = HitlisteBilden(kopie, ganzesHerdbuch(), e);
        benchmark::DoNotOptimize(liste.data());
    }
}

// "Vergleich" by boar (arg 1), origin (2) or breed (3), with the rows as shown.
void Vergleich(benchmark::State& state) {
    const Herde& h = herde(int(state.range(0)));
    const auto art = Vergleichsart(state.range(1));
    const Einstellungen e;
    const Auswertungskopie kopie(h, true);
    for (auto _ : state) {
        const auto zeilen = VergleichZeilen(VergleichBilden(kopie, ganzesHerdbuch(), art, e), art);
        benchmark::DoNotOptimize(zeilen.data());
    }
}

// "Belegwochen": on the kept copy, every litter into its week's group, over the whole
// herd book.
void Belegwochen(benchmark::State& state) {
    const Herde& h = herde(int(state.range(0)));
    const Belegwochenrahmen rahmen{Gruppenraster(), 115, kHeute, {}};
    const Auswertungskopie kopie(h, true);
    for (auto _ : state) {
        const auto gruppen = BelegwochenBilden(kopie, ganzesHerdbuch(), rahmen);
        benchmark::DoNotOptimize(gruppen.data());
    }
}

class Sammler : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) {
            if (r.run_type != Run::RT_Iteration || r.error_occurred) continue;
            const double ms =
                r.GetAdjustedRealTime() * (r.time_unit == benchmark::kMillisecond   ? 1.0
                                           : r.time_unit == benchmark::kMicrosecond ? 1e-3
                                                                                    : 1e-6);
            const std::string name = r.run_name.function_name + "/" + r.run_name.args;
            auto [it, neu] = ms_.try_emplace(name, ms);
            if (!neu) it->second = std::min(it->second, ms);
        }
        ConsoleReporter::ReportRuns(runs);
    }
    const double* zeit(const std::string& n) const {
        auto it = ms_.find(n);
        return it == ms_.end() ? nullptr : &it->second;
    }

private:
    std::map<std::string, double> ms_;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        const std::string a = argv[i];
        if (!benchherde::GroessenLesen(a, gGroessen)) args.push_back(argv[i]);
    }
    int n = int(args.size());
    benchmark::Initialize(&n, args.data());
    if (benchmark::ReportUnrecognizedArguments(n, args.data())) return 1;
    for (int g : gGroessen) {
        benchmark::RegisterBenchmark("Auswertung_Auswahl", AuswertungAuswahl)
            ->Arg(g)
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("Uebersicht", Uebersicht)
            ->Arg(g)
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("OffenePunkte", OffenePunkteBench)
            ->Arg(g)
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("Hitliste", Hitliste)
            ->Arg(g)
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
        for (int art = 1; art <= 3; ++art)
            benchmark::RegisterBenchmark("Vergleich", Vergleich)
                ->Args({g, art})
                ->UseRealTime()
                ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("Belegwochen", Belegwochen)
            ->Arg(g)
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("Arbeitskopie", Arbeitskopie)
            ->Arg(g)
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("Arbeitskopie_Sammel", ArbeitskopieNachSammel)
            ->Arg(g)
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("Sauen_Wuerfe_Durchlauf", SauenWuerfeDurchlauf)
            ->Arg(g)
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
    }
    // Every herd is loaded before the first run, as the program loads its herd at start: a herd
    // loaded later would fill the gaps the earlier runs left in the heap.
    for (int g : gGroessen)
        herde(g);
    Sammler s;
    benchmark::RunSpecifiedBenchmarks(&s);
    std::printf("\n%-44s %7s %12s %12s %8s %8s\n", "Operation / Basis", "Sauen", "Zeit ms",
                "Basis ms", "Faktor", "Ziel");
    for (int g : gGroessen) {
        const double* a = s.zeit("Auswertung_Auswahl/" + std::to_string(g));
        const double* b = s.zeit("Sauen_Wuerfe_Durchlauf/" + std::to_string(g));
        if (a && b)
            std::printf("%-44s %7d %12.3f %12.3f %8.2f %8s\n",
                        "Auswertung Auswahl / Sauen + Würfe lesen", g, *a, *b, *a / *b, "<= 3");
        const std::pair<std::string, const char*> weitere[] = {
            {"Hitliste/" + std::to_string(g), "Hitliste / Sauen + Würfe lesen"},
            {"Uebersicht/" + std::to_string(g), "Übersicht / Sauen + Würfe lesen"},
            {"OffenePunkte/" + std::to_string(g), "Offene Punkte / Sauen + Würfe lesen"},
            {"Vergleich/" + std::to_string(g) + "/1", "Vergleich Eber / Sauen + Würfe lesen"},
            {"Vergleich/" + std::to_string(g) + "/2", "Vergleich Herkunft / Sauen + Würfe lesen"},
            {"Vergleich/" + std::to_string(g) + "/3", "Vergleich Rasse / Sauen + Würfe lesen"},
            {"Belegwochen/" + std::to_string(g), "Belegwochen / Sauen + Würfe lesen"},
            {"Arbeitskopie/" + std::to_string(g), "Arbeitskopie ganz / Sauen + Würfe"},
            {"Arbeitskopie_Sammel/" + std::to_string(g),
             "Arbeitskopie nach 50 Sauen / Sauen + Würfe"}};
        for (const auto& [name, text] : weitere)
            if (const double* z = s.zeit(name); z && b)
                std::printf("%-44s %7d %12.3f %12.3f %8.2f %8s\n", text, g, *z, *b, *z / *b,
                            "<= 3");
    }
    benchmark::Shutdown();
    return 0;
}
