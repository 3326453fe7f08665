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
#include <QRandomGenerator>
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

// ---- Random herds

// The one source of chance of the property tests, seeded so that a failure comes back.
class Zufall {
public:
    explicit Zufall(quint32 seed) : r_(seed) {}
    // A whole number from `von` to `bis`, both included.
    int zahl(int von, int bis) { return von + int(r_.bounded(quint32(bis - von) + 1)); }
    // True once in `n` draws.
    bool einmalIn(int n) { return zahl(1, n) == 1; }
    // Every byte of a record drawn.
    template <class R> void rauschen(R& rec) {
        for (auto& x : rec.bytes())
            x = std::uint8_t(zahl(0, 255));
    }
    // Up to `max` characters: separators, quotes, umlauts and the euro sign.
    QString text(int max) {
        static const QString zeichen = QStringLiteral("abcXYZ09 ;,\"'äöüß€-/");
        QString t;
        for (int n = zahl(0, max); n > 0; --n)
            t += zeichen[zahl(0, int(zeichen.size()) - 1)];
        return t;
    }
    // Any record date: none, either end of the stored range, days the calendar lacks, an
    // extra byte.
    TKurzDatum datum() {
        if (einmalIn(4)) return {};
        if (einmalIn(8)) return einmalIn(2) ? D(1, 1, 0) : D(31, 12, 255);
        return D(zahl(1, 31), zahl(1, 12), zahl(0, 255), einmalIn(5) ? zahl(1, 9) : 0);
    }

private:
    QRandomGenerator r_;
};

// How a random herd is drawn: the day its dates count from, and whether every field is drawn
// over its whole range instead of as a chain of litters with edge data among them.
struct Herdenart {
    QDate tag0 = QDate(2020, 1, 1); // day 0 of the herd's dates
    bool alleFelder = false;        // every field of the records drawn over its whole range
};

// A litter mated on day `tag` (of `a.tag0`) and, unless it is the last, farrowed and weaned;
// the last stops at any stage. Moves `tag` on to the next mating.
inline TWurfRec zufallsWurf(Zufall& z, int nr, int& tag, bool letzter, const Herdenart& a) {
    const auto d = [&](int n) { return TKurzDatum::aus(a.tag0.addDays(n)); };
    const int stufe = letzter ? z.zahl(0, 7) : 7; // 0-1 mated, 2 checked, 3-4 suckling, 5-7 weaned
    const int f = tag + z.zahl(100, 125), ab = z.einmalIn(20) ? f : f + z.zahl(18, 35);
    const int geb = z.einmalIn(15) ? 255 * z.zahl(0, 1) : z.zahl(0, 16);
    TWurfRec w =
        wurf(nr, d(tag), stufe >= 3 ? d(f) : TKurzDatum{}, stufe >= 5 ? d(ab) : TKurzDatum{}, geb);
    w.setEber(1, QStringLiteral("E%1").arg(z.zahl(0, 5)));
    w.setTodgeborene(std::uint8_t(z.einmalIn(20) ? geb : std::min(geb, z.zahl(0, 2))));
    if (z.einmalIn(4)) w.setBelegen(2, d(tag + 21));
    if (stufe == 2) w.setTKDatum(1, d(tag + 30));
    w.setTKErgebnis(1, std::uint8_t(z.zahl(0, 1)));
    w.setAusgleich(std::int8_t(z.einmalIn(30) ? z.zahl(-128, 127) : z.zahl(-2, 2)));
    const int verluste = z.einmalIn(20) ? 14 : z.zahl(0, 4);
    for (int slot = 1; slot <= verluste; ++slot) {
        w.setEintrag(slot, QStringLiteral("U%1").arg(z.zahl(0, 5)));
        w.setVerlusttag(slot, std::uint8_t(z.einmalIn(10) ? 255 : z.zahl(1, 90)));
    }
    if (z.einmalIn(5)) w.setEintrag(14, "Spreizer");
    if (z.einmalIn(40)) w.setAbferkeln(z.einmalIn(2) ? D(1, 1, 0) : D(31, 12, 255));
    tag = (stufe >= 5 ? ab : f) + z.zahl(4, 30);
    return w;
}

// Every field of a litter drawn over its whole range.
inline void alleWurffelder(Zufall& z, TWurfRec& r) {
    for (int k = 1; k <= 3; ++k) {
        r.setBelegen(k, z.datum());
        r.setEber(k, z.text(10));
        r.setMal(k, std::uint8_t(z.zahl(0, 255)));
    }
    r.setTKDatum(z.zahl(1, 2), z.datum());
    r.setTKErgebnis(1, std::uint8_t(z.zahl(0, 1)));
    r.setAbferkeln(z.datum());
    r.setAbsetzen(z.datum());
    r.setGeborene(std::uint8_t(z.zahl(0, 255)));
    r.setTodgeborene(std::uint8_t(z.zahl(0, 30)));
    r.setAusgleich(std::int8_t(z.zahl(-128, 127)));
    r.setAbsetzgewicht(std::uint16_t(z.zahl(0, 65535)));
    r.setFutter(z.zahl(1, 4), std::uint16_t(z.zahl(0, 65535)));
    r.setWurfTermin(z.zahl(1, 8), z.datum());
    for (int e = 1, m = z.zahl(0, 14); e <= m; ++e) {
        r.setEintrag(e, z.text(15));
        r.setVerlusttag(e, std::uint8_t(z.zahl(0, 255)));
    }
    r.setWurfNotiz(z.text(75));
}

// The number of litters of a random sow: up to four, one sow in 25 very many.
inline int zufallsWurfzahl(Zufall& z) {
    return z.einmalIn(25) ? z.zahl(5, 40) : z.zahl(0, 4);
}

// Sow `nr` with every field of her records drawn over its whole range, litter numbers with gaps.
inline Sau alleFelderSau(Zufall& z, int nr) {
    Sau s;
    s.rec.setSauNr(QString::number(nr) + u'-' + z.text(3).remove(u' ').left(2));
    s.rec.setStall(z.text(15));
    s.rec.setHerkunft(z.text(15));
    s.rec.setRasse(z.text(15));
    s.rec.setZugang(z.datum());
    s.rec.setAbgang(z.datum());
    s.rec.setSauTermin(z.zahl(1, 4), z.datum());
    s.rec.setVerkaufspreis(z.zahl(0, 1) ? z.zahl(0, 99999) / 100.0 : 0);
    s.rec.setVerkaufsgewicht(std::uint16_t(z.zahl(0, 65535)));
    s.rec.setEinkaufWaehrung(TWaehrung(z.zahl(0, 4)));
    s.rec.setSauNotiz(z.text(20) + u'\n' + z.text(20));
    for (int k = 1, n = zufallsWurfzahl(z), wurfNr = 0; k <= n; ++k) {
        wurfNr += z.zahl(1, 3);
        s.wuerfe.push_back(TWurfRec::leer(std::uint8_t(wurfNr)));
        alleWurffelder(z, s.wuerfe.back());
    }
    return s;
}

// Sow `nr`: come in before her first mating on days 0..113 (or on no day, or at the start of the
// stored range), with a chain of litters, now and then gone by day 340, now and then in an odd
// stall.
inline Sau zufallsSau(Zufall& z, int nr, const Herdenart& a = {}) {
    if (a.alleFelder) return alleFelderSau(z, nr);
    int tag = z.zahl(0, 113);
    Sau s = sau(QString::number(nr), {}, TKurzDatum::aus(a.tag0.addDays(tag - z.zahl(1, 200))));
    for (int k = 1, n = zufallsWurfzahl(z); k <= n; ++k)
        s.wuerfe.push_back(zufallsWurf(z, k, tag, k == n, a));
    if (z.einmalIn(8)) s.rec.setAbgang(TKurzDatum::aus(a.tag0.addDays(z.zahl(0, 340))));
    if (z.einmalIn(10))
        s.rec.setStall(z.einmalIn(2) ? QStringLiteral("Ä 7/\"ü\"") : QString(15, u'Z'));
    if (z.einmalIn(30)) s.rec.setZugang(z.einmalIn(2) ? TKurzDatum{} : D(1, 1, 0));
    return s;
}

// `sauen` random sows "1".."n" (see zufallsSau).
inline Herde zufallsHerde(quint32 seed, int sauen, const Herdenart& a = {}) {
    Zufall z(seed);
    Herde h;
    for (int i = 1; i <= sauen; ++i)
        h.push_back(zufallsSau(z, i, a));
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
