#include "stall/stalljournal.h"

#include "platform/safewrite.h"

#include <QFile>

namespace stalljournal {

namespace {
// A field keeps its line and its place: no line breaks, no separators inside it.
QString feld(QString s) {
    for (QChar& c : s)
        if (c == u';' || c.category() == QChar::Other_Control) c = u' ';
    return s.trimmed();
}
} // namespace

QString Zeile(const QDateTime& zeit, const QString& geraet, const QString& sau, int wurf,
              const QString& was) {
    return zeit.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")) + QStringLiteral("; ") +
           feld(geraet) + QStringLiteral("; ") + feld(sau) + QStringLiteral("; ") +
           (wurf > 0 ? QString::number(wurf) : QStringLiteral("-")) + QStringLiteral("; ") +
           feld(was);
}

bool Anfuegen(const QString& datei, const QString& zeile, QString* grund) {
    QByteArray alt;
    QFile f(datei);
    if (f.exists()) {
        if (!f.open(QIODevice::ReadOnly)) {
            if (grund) *grund = f.errorString();
            return false;
        }
        alt = f.readAll();
        f.close();
        if (!alt.isEmpty() && !alt.endsWith('\n')) alt += '\n';
    }
    const QByteArray neu = alt + zeile.toUtf8() + '\n';
    return writeFileSafely(
        datei, [&](QIODevice& d) { return d.write(neu) == neu.size(); }, {}, grund);
}

QStringList Lesen(const QString& datei, int anzahl) {
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly)) return {};
    // Only the end of a long journal is shown.
    const qint64 max = qint64(anzahl) * 400;
    if (f.size() > max) f.seek(f.size() - max);
    QStringList z = QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
    if (f.size() > max && !z.isEmpty()) z.removeFirst(); // cut in the middle
    while (z.size() > anzahl)
        z.removeFirst();
    return z;
}

} // namespace stalljournal
