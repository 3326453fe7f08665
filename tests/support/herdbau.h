#pragma once

// The one set of builders for the tests: record dates, litters, sows and herds, and the files
// they are stored in. Everything is built field by field through the record accessors, never
// through the code under test.

#include "herd/herdfile.h"
#include "herd/kurzdatum.h"
#include "herd/sauherde.h"

#include <QBuffer>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMetaType>
#include <QTest>
#include <initializer_list>
#include <utility>
#include <vector>

// ---- Dates

// A calendar date, four-digit year.
inline TKurzDatum dt(int tag, int monat, int jahr) {
    return TKurzDatum::aus(tag, monat, jahr);
}

// A record date from its bytes: day, month, year byte (year - 1900), Zusatz.
inline TKurzDatum D(int tag, int monat, int jahrByte, int zusatz = 0) {
    return TKurzDatum{std::uint8_t(tag), std::uint8_t(monat), std::uint8_t(jahrByte),
                      std::uint8_t(zusatz)};
}

// The record date of a calendar day, built from its bytes.
inline TKurzDatum K(QDate q) {
    return D(q.day(), q.month(), q.year() - 1900);
}

// Day `n` after 1.1.2020; below 0 no date.
inline TKurzDatum Tag(int n) {
    return n < 0 ? TKurzDatum{} : TKurzDatum::aus(QDate(2020, 1, 1).addDays(n));
}

// Lets QCOMPARE print record dates as their bytes.
inline char* toString(const TKurzDatum& d) {
    return QTest::toString(
        QStringLiteral("%1.%2.[%3]/%4").arg(d.Tag).arg(d.Monat).arg(d.Jahr).arg(d.Zusatz));
}

Q_DECLARE_METATYPE(TKurzDatum)
Q_DECLARE_METATYPE(TWurfRec)
Q_DECLARE_METATYPE(Sau)
Q_DECLARE_METATYPE(Herde)

// ---- Litters

// A litter with its first mating, farrowing, weaning and born piglets.
inline TWurfRec wurf(int nr, TKurzDatum belegen = {}, TKurzDatum abferkeln = {},
                     TKurzDatum absetzen = {}, int geb = 0) {
    TWurfRec w = TWurfRec::leer(std::uint8_t(nr));
    w.setBelegen(1, belegen);
    w.setAbferkeln(abferkeln);
    w.setAbsetzen(absetzen);
    w.setGeborene(std::uint8_t(geb));
    return w;
}

// A litter on day numbers (see Tag): mated on `beleg` by boar "Ajax", farrowed and weaned on
// the given days (-1: not yet), with born and born-dead piglets.
inline TWurfRec Wurf(int nr, int beleg, int ferkeln = -1, int absetzen = -1, int geb = 0,
                     int tot = 0) {
    TWurfRec w = wurf(nr, Tag(beleg), Tag(ferkeln), Tag(absetzen), geb);
    w.setEber(1, "Ajax");
    w.setMal(1, 1);
    w.setTodgeborene(std::uint8_t(tot));
    return w;
}

// Losses (cause, Verlusttag) from slot 1 up.
inline void Verluste(TWurfRec& w, std::initializer_list<std::pair<const char*, int>> v) {
    int slot = 1;
    for (const auto& [ursache, tag] : v) {
        w.setEintrag(slot, QString::fromUtf8(ursache));
        w.setVerlusttag(slot++, std::uint8_t(tag));
    }
}

// A farrowed litter: born, dead, fostering, weaning and loss days (one a slot from 1 up).
inline TWurfRec WurfMit(int geborene, int tot, int ausgleich, TKurzDatum abferkeln,
                        TKurzDatum absetzen, std::initializer_list<int> verlusttage = {}) {
    TWurfRec w = wurf(1, {}, abferkeln, absetzen, geborene);
    w.setTodgeborene(std::uint8_t(tot));
    w.setAusgleich(std::int8_t(ausgleich));
    int slot = 1;
    for (int t : verlusttage)
        w.setVerlusttag(slot++, std::uint8_t(t));
    return w;
}

// ---- Sows and herds

// A sow stalled in on 1.1.2012 unless said otherwise.
inline Sau sau(const QString& nr, std::vector<TWurfRec> wuerfe = {},
               TKurzDatum zugang = dt(1, 1, 2012)) {
    Sau s;
    s.rec.setSauNr(nr);
    s.rec.setZugang(zugang);
    s.wuerfe = std::move(wuerfe);
    return s;
}

// A sow on day numbers (see Tag): come in on `zugang`, gone on `abgang` (-1: still here).
inline Sau Sau1(const QString& nr, int zugang, std::vector<TWurfRec> wuerfe, int abgang = -1) {
    Sau s = sau(nr, std::move(wuerfe), Tag(zugang));
    s.rec.setAbgang(Tag(abgang));
    return s;
}

// A sow for the registers: in and out, origin, buyer, and the TVG "T" + her number.
inline Sau SauMit(const QString& nr, TKurzDatum zugang, TKurzDatum abgang = {},
                  const QString& herkunft = {}, const QString& abnehmer = {}) {
    Sau s = sau(nr, {}, zugang);
    s.rec.setAbgang(abgang);
    s.rec.setHerkunft(herkunft);
    s.rec.setAbnehmer(abnehmer);
    s.rec.setTVG(QStringLiteral("T") + nr);
    return s;
}

// Sows "1".."n" with no dates, each with one blank litter.
inline Herde nummernHerde(int n) {
    Herde h;
    for (int i = 1; i <= n; ++i)
        h.push_back(sau(QString::number(i), {TWurfRec::leer(1)}, {}));
    return h;
}

// ---- Files

inline QByteArray inhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

// The bytes of a record.
template <class R> QByteArray roh(const R& r) {
    return QByteArray(reinterpret_cast<const char*>(r.bytes().data()), qsizetype(r.bytes().size()));
}

// Writes a file, with the given modification time if one is given.
inline bool schreiben(const QString& pfad, const QByteArray& daten, const QDateTime& zeit = {}) {
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly) || f.write(daten) != daten.size()) return false;
    f.flush();
    return !zeit.isValid() || f.setFileTime(zeit, QFileDevice::FileModificationTime);
}

// The bytes of a herd as its file holds them.
inline QByteArray herdBytes(const Herde& h) {
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    HerdeSchreiben(b, h);
    return b.data();
}

// A herd file of sows "1".."n", each with one blank litter.
inline bool herdeSchreiben(const QString& pfad, int sauen) {
    return schreiben(pfad, herdBytes(nummernHerde(sauen)));
}

// Every name in a directory, hidden ones included, sorted.
inline QStringList namen(const QString& ordner) {
    QStringList l = QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    l.sort();
    return l;
}
