#pragma once

// What the benchmarks share: a demo herd made by the demo tool and loaded as the program does,
// and the baseline's sum over one record.

#include "platform/clock.h"
#include "platform/consolemessages.h"
#include "programm/appcontext.h"

#include <QDate>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace benchherde {

// The herd sizes to measure: "--groessen=1000,40000" replaces the default 1,000, 10,000 and
// 40,000. True when `arg` was that option.
inline bool GroessenLesen(const std::string& arg, std::vector<int>& groessen) {
    if (arg.rfind("--groessen=", 0) != 0) return false;
    groessen.clear();
    for (const QString& t : QString::fromStdString(arg.substr(11)).split(u','))
        groessen.push_back(t.toInt());
    return true;
}

// The demo herd of `n` sows as of `heute`, written into `dir` and loaded from there.
inline Herde demoHerde(int n, QDate heute, QTemporaryDir& dir) {
    const int rc = QProcess::execute(QStringLiteral(PORVANTA_DEMOHERDE),
                                     {dir.path(), QString::number(n), QStringLiteral("--seed"),
                                      QStringLiteral("1"), QStringLiteral("--heute"),
                                      heute.toString(Qt::ISODate)});
    if (rc != 0) {
        std::fprintf(stderr, "demoherde failed (%d)\n", rc);
        std::exit(2);
    }
    ConsoleMessages msg;
    FixedClock uhr(heute);
    AppContext ctx(msg, uhr);
    ctx.Datenpfad = dir.path() + u'/';
    HerdeLaden(ctx);
    return std::move(ctx.Sauenliste);
}

// Every byte of a record read once.
inline std::uint64_t satzSumme(const std::array<std::uint8_t, 512>& b) {
    std::uint64_t w = 0;
    for (std::size_t i = 0; i < b.size(); i += 8) {
        std::uint64_t x;
        std::memcpy(&x, b.data() + i, 8);
        w ^= x;
    }
    return w;
}

// The baseline of the herd benchmarks: every byte of every sow and litter record read once.
inline std::uint64_t HerdenSumme(const Herde& h) {
    std::uint64_t summe = 0;
    for (const Sau& s : h) {
        summe += satzSumme(s.rec.bytes());
        for (const TWurfRec& w : s.wuerfe)
            summe += satzSumme(w.bytes());
    }
    return summe;
}

// The fastest of at least `mal` runs of `f`, in milliseconds. With `mindestMs`, short runs go
// on until they have taken that long together (at most 2,000 runs): the fastest of a few runs
// of a tenth of a millisecond says more about the machine's moment than about the code.
template <class F> double SchnellsteMs(F&& f, int mal, double mindestMs = 0) {
    double best = 1e300, zusammen = 0;
    for (int i = 0; i < mal || (zusammen < mindestMs && i < 2000); ++i) {
        const auto start = std::chrono::steady_clock::now();
        f();
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        best = std::min(best, ms);
        zusammen += ms;
    }
    return best;
}

// The fastest of ten such passes over `h`, in milliseconds: the honest limit of a wait that
// walks the herd once.
inline double EinDurchlaufMs(const Herde& h) {
    return SchnellsteMs(
        [&h] {
            volatile std::uint64_t s = HerdenSumme(h);
            (void)s;
        },
        10);
}

// One line of the waits: the time, its limit and their ratio against the goal.
inline void WarteZeile(const char* was, double zeit, double basis, const char* basisName,
                       double ziel) {
    std::printf("%-34s %9.1f ms  %-22s %8.1f ms  %6.2f  (Ziel <= %.1f)\n", was, zeit, basisName,
                basis, zeit / basis, ziel);
}

} // namespace benchherde
