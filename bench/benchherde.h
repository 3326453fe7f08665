#pragma once

// What the benchmarks share: a demo herd made by the demo tool and loaded as the program does,
// and the baseline's sum over one record.

#include "programm/appcontext.h"
#include "platform/clock.h"
#include "platform/consolemessages.h"

#include <QDate>
#include <QProcess>
#include <QTemporaryDir>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace benchherde {

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

} // namespace benchherde
