#pragma once

// Small process figures for the measuring programs: resident memory and the time since the
// process started.

#include <QFile>
#include <QString>

#include <ctime>
#include <unistd.h>

namespace prozess {

// A "VmRSS"-style line of /proc/self/status in KiB; -1 when unknown.
inline long statusKiB(const char* feld) {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray name = QByteArray(feld) + ':';
    for (const QByteArray& zeile : f.readAll().split('\n'))
        if (zeile.startsWith(name)) return zeile.mid(name.size()).trimmed().split(' ')[0].toLong();
    return -1;
}
inline long rssKiB() {
    return statusKiB("VmRSS");
}
inline long spitzeKiB() {
    return statusKiB("VmHWM");
}

// Milliseconds since the kernel started this process (clock-tick resolution, 10 ms).
inline double msSeitProzessstart() {
    QFile f(QStringLiteral("/proc/self/stat"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray s = f.readAll();
    // Field 22 (starttime) counts from the end of the command name in parentheses.
    const QList<QByteArray> felder = s.mid(s.lastIndexOf(')') + 2).split(' ');
    if (felder.size() < 20) return -1;
    const double start = felder[19].toDouble() / double(::sysconf(_SC_CLK_TCK));
    timespec t{};
    ::clock_gettime(CLOCK_BOOTTIME, &t);
    return (double(t.tv_sec) + double(t.tv_nsec) * 1e-9 - start) * 1000.0;
}

} // namespace prozess
