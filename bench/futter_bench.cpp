// The feed optimiser on 10,000 random mixes of 2 to 15 components, some fixed, with random
// targets: realistic contents, and badly scaled ones (contents 0.001 to 10,000, prices 0.01
// to 1,000). A table after the runs gives the mean and the longest time per mix.
//
//   porvanta_futter_bench [Google Benchmark options]

#include "feed/optimierer.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kMischungen = 10000;

struct Mischung {
    std::array<TMischungsPosten, kMischungPosten> posten{};
    int n = 0;
    std::array<double, kNaehrwerte> ziele{};
};

std::vector<Mischung> mischungen(bool schief) {
    static const double grenze[kFutterWerte] = {900, 18,  480, 30,  8,   650, 150,
                                                990, 900, 350, 120, 120, 90};
    static const double typisch[kNaehrwerte] = {880, 13, 170, 9, 3, 350, 60, 60, 60, 8, 5, 2};
    std::mt19937 g(schief ? 2 : 1);
    std::uniform_real_distribution<double> u(0, 1);
    const auto logGleich = [&](double von, double bis) {
        return std::exp(std::log(von) + u(g) * (std::log(bis) - std::log(von)));
    };
    std::vector<Mischung> alle(kMischungen);
    for (Mischung& m : alle) {
        m.n = 2 + int(g() % 14);
        for (int i = 0; i < m.n; ++i) {
            TMischungsPosten& p = m.posten[std::size_t(i)];
            p.setName(QStringLiteral("K%1").arg(i));
            for (int w = 0; w < kFutterWerte; ++w) {
                double v = schief ? logGleich(0.001, 10000) : u(g) * grenze[w];
                if (w == fwTS)
                    v = schief ? logGleich(100, 1000) : 850 + 50 * u(g);
                else if (w == fwPreis)
                    v = schief ? logGleich(0.01, 1000) : 5 + v;
                else if (g() % 4 == 0)
                    v = 0;
                p.setInhalt(w, v);
            }
            if (g() % 8 == 0) {
                p.setFest(true);
                p.setAnteil(0.2 * u(g));
            }
        }
        m.ziele[fwTS] = 880;
        for (int r = 1; r < kNaehrwerte; ++r)
            m.ziele[std::size_t(r)] = g() % 3 == 0 ? 0 : typisch[r] * (0.3 + 1.2 * u(g));
    }
    return alle;
}

std::map<std::string, std::pair<double, double>> gErgebnis; // mean and longest, ms

// One iteration optimises every mix once, each on a copy as the window's mix.
void Optimieren10000(benchmark::State& state) {
    const bool schief = state.range(0) != 0;
    const std::vector<Mischung> alle = mischungen(schief);
    double laengste = 0, summe = 0;
    int geloest = 0;
    for (auto _ : state) {
        summe = 0;
        geloest = 0;
        for (const Mischung& m : alle) {
            auto posten = m.posten;
            const auto start = std::chrono::steady_clock::now();
            const OptimierAusgang a = Optimieren(posten, m.n, m.ziele);
            const double ms =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
            summe += ms;
            laengste = std::max(laengste, ms);
            geloest += a.ok ? 1 : 0;
        }
    }
    state.counters["geloest"] = geloest;
    gErgebnis[schief ? "schief" : "realistisch"] = {summe / kMischungen, laengste};
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RegisterBenchmark("Optimieren_10000_Mischungen", Optimieren10000)
        ->Arg(0)
        ->Arg(1)
        ->Iterations(1)
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    std::printf("\n%-40s %14s %14s %8s\n", "Futteroptimierung, 10.000 Mischungen", "ms je Mischung",
                "längste ms", "Ziel");
    for (const auto& [art, zeit] : gErgebnis)
        std::printf("%-40s %14.3f %14.3f %8s\n", art.c_str(), zeit.first, zeit.second, "< 5");
    benchmark::Shutdown();
    return 0;
}
