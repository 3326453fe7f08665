#pragma once

// Small helpers shared by the herd tests.

#include "herd/kurzdatum.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QMetaType>
#include <QTest>

// A record date from its bytes: day, month, year byte (year - 1900), Zusatz.
inline TKurzDatum D(int tag, int monat, int jahrByte, int zusatz = 0) {
    return TKurzDatum{std::uint8_t(tag), std::uint8_t(monat), std::uint8_t(jahrByte),
                      std::uint8_t(zusatz)};
}

// The record date of a calendar day, built without the code under test.
inline TKurzDatum K(QDate q) {
    return D(q.day(), q.month(), q.year() - 1900);
}

// Lets QCOMPARE print record dates as their bytes.
inline char* toString(const TKurzDatum& d) {
    return QTest::toString(
        QStringLiteral("%1.%2.[%3]/%4").arg(d.Tag).arg(d.Monat).arg(d.Jahr).arg(d.Zusatz));
}

Q_DECLARE_METATYPE(TKurzDatum)

inline QByteArray inhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

inline bool schreiben(const QString& pfad, const QByteArray& daten) {
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && f.write(daten) == daten.size();
}

// Every name in a directory, hidden ones included, sorted.
inline QStringList namen(const QString& ordner) {
    QStringList l = QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    l.sort();
    return l;
}
