// The herd file: reading and its rules, writing, and loading and saving through the
// application context on a data directory.

#include "app/appcontext.h"
#include "herd/herdfile.h"
#include "herdtesthilfe.h"
#include "sperren.h"
#include "support/testcontext.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTest>

#include <unistd.h>

namespace {

const QDate kHeute(2013, 3, 10);
const QString kLesefehler = QStringLiteral("Fehler beim Lesen der Datei SAUWURF.DAT!");
const QString kSchreibfehler =
    QStringLiteral("Die Datei SAUWURF.DAT konnte nicht geschrieben werden!");

using Bytes = std::array<std::uint8_t, 512>;

TSauRec sauRec(const QString& nr, int gruppe = 1, TKurzDatum abgang = {}) {
    TSauRec s;
    s.setSauNr(nr);
    s.setGruppe(std::int8_t(gruppe));
    s.setAbgang(abgang);
    return s;
}

TWurfRec wurfRec(int nr, TKurzDatum belegen1 = {}) {
    TWurfRec w = TWurfRec::leer(std::uint8_t(nr));
    w.setBelegen(1, belegen1);
    return w;
}

const TKurzDatum kBelegt = D(10, 1, 113);
const TKurzDatum kAbgang = D(1, 3, 113);

// The file bytes of a sequence of records.
template <typename... R> QByteArray datei(const R&... recs) {
    QByteArray out;
    (out.append(reinterpret_cast<const char*>(recs.bytes().data()), 512), ...);
    return out;
}

// The file a herd should give: every record as it is, bytes 504..507 of a sow zero.
QByteArray dateiAus(const Herde& herde) {
    QByteArray out;
    for (const Sau& s : herde) {
        QByteArray rec(reinterpret_cast<const char*>(s.rec.bytes().data()), 512);
        rec.replace(504, 4, QByteArray(4, '\0'));
        out += rec;
        for (const TWurfRec& w : s.wuerfe)
            out.append(reinterpret_cast<const char*>(w.bytes().data()), 512);
    }
    return out;
}

// Everything a herd holds in memory, for comparisons.
QByteArray abbild(const Herde& herde) {
    QByteArray out;
    for (const Sau& s : herde) {
        out += "S" + QByteArray::number(qulonglong(s.wuerfe.size()));
        out.append(reinterpret_cast<const char*>(s.rec.bytes().data()), 512);
        for (const TWurfRec& w : s.wuerfe)
            out.append(reinterpret_cast<const char*>(w.bytes().data()), 512);
    }
    return out;
}

HerdeGelesen lesen(const QByteArray& daten, FakeMessages& msg) {
    QBuffer b;
    b.setData(daten);
    b.open(QIODevice::ReadOnly);
    return HerdeLesen(b, kHeute, msg);
}

// A sow in state "belegt" with the state and a group stored as the loader computes them.
Sau belegteSau(const QString& nr, int gruppe = 1) {
    Sau s{sauRec(nr, gruppe), {wurfRec(1, kBelegt)}};
    s.rec.setStatus(2);
    return s;
}

Herde kleineHerde(int n, const QString& praefix = QStringLiteral("S")) {
    Herde h;
    for (int i = 0; i < n; ++i)
        h.push_back(belegteSau(praefix + QString::number(i + 1)));
    return h;
}

QByteArray dateiInhalt(const QString& pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) return "<missing>";
    return f.readAll();
}

bool schreibeDatei(const QString& pfad, const QByteArray& inhalt) {
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && f.write(inhalt) == inhalt.size();
}

// The names in a directory, sorted by their characters.
QStringList eintraege(const QString& ordner) {
    QStringList l = QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    l.sort();
    return l;
}

// Accepts `grenze` bytes, then refuses every write.
class BegrenztesGeraet : public QIODevice {
public:
    explicit BegrenztesGeraet(qint64 grenze) : grenze_(grenze) {}
    QByteArray daten;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* d, qint64 n) override {
        const qint64 frei = grenze_ - daten.size();
        if (frei <= 0) return -1;
        const qint64 k = std::min(n, frei);
        daten.append(d, k);
        return k;
    }

private:
    qint64 grenze_;
};

} // namespace

class TestHerdfile : public QObject {
    Q_OBJECT

private slots:
    void ladeRegeln_data();
    void ladeRegeln();
    void leererWurfIstNullBytes();
    void eberliste_data();
    void eberliste();
    void eberNachNamenNichtNachBytes();
    void lesefehler_data();
    void lesefehler();

    void rundreiseByteGenau();
    void rundreiseGleicheHerde();
    void zeichenkettenBleibenImFeld_data();
    void zeichenkettenBleibenImFeld();
    void zuLangerTextWirdGekuerzt();
    void sauNotiz();
    void schreibfehler_data();
    void schreibfehler();

    void ladenOhneHerde_data();
    void ladenOhneHerde();
    void speichernUndLaden();
    void speichernFehlschlag_data();
    void speichernFehlschlag();
    void sicherungsdatei_data();
    void sicherungsdatei();
    void sicherungIstSchonVerknuepft();
    void dateinameOhneGrossKlein_data();
    void dateinameOhneGrossKlein();
};

void TestHerdfile::ladeRegeln_data() {
    QTest::addColumn<QByteArray>("daten");
    QTest::addColumn<QStringList>("wuerfe"); // per sow: the litter numbers in list order
    QTest::addColumn<QList<int>>("status");
    QTest::addColumn<QList<int>>("gruppe");
    QTest::addColumn<QStringList>("eber");

    const auto mitEber = [](TWurfRec w, int k, const QString& name, TKurzDatum d) {
        w.setEber(k, name);
        w.setBelegen(k, d);
        return w;
    };
    const TWurfRec ohneBelegung3 = wurfRec(3);

    QTest::newRow("empty file") << QByteArray() << QStringList() << QList<int>() << QList<int>()
                                << QStringList();
    QTest::newRow("sow followed by sow gets a blank litter")
        << datei(sauRec("1", 2), sauRec("2", 2), wurfRec(1, kBelegt)) << QStringList{"1", "1"}
        << QList<int>{6, 2} << QList<int>{-1, 2} << QStringList();
    QTest::newRow("file ending in a sow")
        << datei(sauRec("1", 2), wurfRec(1, kBelegt), sauRec("2", 3)) << QStringList{"1", ""}
        << QList<int>{2, 6} << QList<int>{2, -1} << QStringList();
    QTest::newRow("departed sow drops a litter without first mating")
        << datei(sauRec("1", 2, kAbgang), wurfRec(1, kBelegt),
                 mitEber(wurfRec(2), 2, QStringLiteral("Dropped"), kBelegt))
        << QStringList{"1"} << QList<int>{5} << QList<int>{2} << QStringList();
    QTest::newRow("sow in the herd keeps a litter without first mating")
        << datei(sauRec("1", 2), wurfRec(1, kBelegt),
                 mitEber(wurfRec(2), 2, QStringLiteral("Kept"), kBelegt))
        << QStringList{"1,2"} << QList<int>{0} << QList<int>{2} << QStringList{"Kept"};
    QTest::newRow("departed sow whose only litter has no mating, last in file")
        << datei(sauRec("1", 2), wurfRec(1, kBelegt), sauRec("2", 4, kAbgang), ohneBelegung3)
        << QStringList{"1", ""} << QList<int>{2, 5} << QList<int>{2, 4} << QStringList();
    // The dropped litter leaves the sow without litters, so the next sow record gives her
    // the blank one.
    QTest::newRow("departed sow whose only litter has no mating, then another sow")
        << datei(sauRec("1", 4, kAbgang), ohneBelegung3, sauRec("2", 2), wurfRec(1, kBelegt))
        << QStringList{"1", "1"} << QList<int>{5, 2} << QList<int>{4, 2} << QStringList();
    QTest::newRow("litters before the first sow are dropped")
        << datei(mitEber(wurfRec(5, kBelegt), 1, QStringLiteral("Early"), kBelegt),
                 wurfRec(6, kBelegt), sauRec("1", 2),
                 mitEber(wurfRec(1, kBelegt), 1, QStringLiteral("Late"), kBelegt))
        << QStringList{"1"} << QList<int>{2} << QList<int>{2} << QStringList{"Late"};
    QTest::newRow("only litters") << datei(wurfRec(1, kBelegt), wurfRec(2)) << QStringList()
                                  << QList<int>() << QList<int>() << QStringList();
    QTest::newRow("litters in file order")
        << datei(sauRec("1", 2), wurfRec(3, kBelegt), wurfRec(1, kBelegt), wurfRec(2, kBelegt))
        << QStringList{"3,1,2"} << QList<int>{2} << QList<int>{2} << QStringList();
    QTest::newRow("stored group -1 in state belegt becomes 0")
        << datei(sauRec("1", -1), wurfRec(1, kBelegt)) << QStringList{"1"} << QList<int>{2}
        << QList<int>{0} << QStringList();
    QTest::newRow("stored group -7 of a departed sow becomes 0")
        << datei(sauRec("1", -7, kAbgang), wurfRec(1, kBelegt)) << QStringList{"1"} << QList<int>{5}
        << QList<int>{0} << QStringList();
    QTest::newRow("group 5 with one litter without mating becomes -1")
        << datei(sauRec("1", 5), wurfRec(1)) << QStringList{"1"} << QList<int>{6} << QList<int>{-1}
        << QStringList();
    QTest::newRow("group 0 stays in state leer")
        << datei(sauRec("1", 0), wurfRec(1, kBelegt), wurfRec(2)) << QStringList{"1,2"}
        << QList<int>{0} << QList<int>{0} << QStringList();
    QTest::newRow("group 127 stays")
        << datei(sauRec("1", 127), wurfRec(1, kBelegt)) << QStringList{"1"} << QList<int>{2}
        << QList<int>{127} << QStringList();
    TSauRec falscherStatus = sauRec("1", 3);
    falscherStatus.setStatus(4);
    QTest::newRow("stored state is recomputed")
        << datei(falscherStatus, wurfRec(1, kBelegt)) << QStringList{"1"} << QList<int>{2}
        << QList<int>{3} << QStringList();
}

void TestHerdfile::ladeRegeln() {
    QFETCH(QByteArray, daten);
    QFETCH(QStringList, wuerfe);
    QFETCH(QList<int>, status);
    QFETCH(QList<int>, gruppe);
    QFETCH(QStringList, eber);

    FakeMessages msg;
    const HerdeGelesen r = lesen(daten, msg);
    QCOMPARE(msg.texts(), QStringList());
    QCOMPARE(r.lesefehler, 0);

    QStringList nummern;
    QList<int> st, gr;
    for (const Sau& s : r.herde) {
        QStringList n;
        for (const TWurfRec& w : s.wuerfe)
            n << QString::number(w.WurfNr());
        nummern << n.join(u',');
        st << s.rec.Status();
        gr << s.rec.Gruppe();
    }
    QCOMPARE(nummern, wuerfe);
    QCOMPARE(st, status);
    QCOMPARE(gr, gruppe);
    QCOMPARE(r.eberliste, eber);
}

// The litter given to a sow followed directly by another sow is 512 zero bytes with
// litter number 1.
void TestHerdfile::leererWurfIstNullBytes() {
    FakeMessages msg;
    TSauRec s1 = sauRec("1");
    s1.bytes()[0] = 0x5A; // reserved bytes of the sow do not leak into the litter
    s1.bytes()[200] = 0x5A;
    const HerdeGelesen r = lesen(datei(s1, sauRec("2"), wurfRec(4, kBelegt)), msg);
    QCOMPARE(r.herde.size(), std::size_t(2));
    QCOMPARE(r.herde[0].wuerfe.size(), std::size_t(1));
    Bytes erwartet{};
    erwartet[1] = 1;
    QVERIFY(r.herde[0].wuerfe[0].bytes() == erwartet);
    QCOMPARE(r.herde[1].wuerfe.size(), std::size_t(1));
    QCOMPARE(int(r.herde[1].wuerfe[0].WurfNr()), 4);
}

void TestHerdfile::eberliste_data() {
    // Litters of one sow; per litter up to three matings "boar@days ago", "boar@" for a
    // mating without a date, separated by "|".
    QTest::addColumn<QStringList>("wuerfe");
    QTest::addColumn<QStringList>("eber");

    QTest::newRow("oldest mating counts")
        << QStringList{"A@300", "A@20", "B@100"} << QStringList{"B", "A"};
    QTest::newRow("oldest mating counts, other order")
        << QStringList{"A@20", "B@100", "A@300"} << QStringList{"B", "A"};
    QTest::newRow("equal counts by name ignoring case")
        << QStringList{"beta@50|Alpha@50|GAMMA@50"} << QStringList{"Alpha", "beta", "GAMMA"};
    QTest::newRow("counts compared as numbers")
        << QStringList{"C@1000|B@40|A@5"} << QStringList{"A", "B", "C"};
    QTest::newRow("count before name") << QStringList{"Z@5", "A@40"} << QStringList{"Z", "A"};
    QTest::newRow("names compared exactly") << QStringList{"a@30|A@10"} << QStringList{"A", "a"};
    QTest::newRow("shorter name first on equal counts")
        << QStringList{"Ab@5|A@5"} << QStringList{"A", "Ab"};
    QTest::newRow("mating without date counts 0 days")
        << QStringList{"Y@5|X@"} << QStringList{"X", "Y"};
    QTest::newRow("today counts 0 days") << QStringList{"Y@0|X@"} << QStringList{"X", "Y"};
    QTest::newRow("all three matings") << QStringList{"A@9|B@8|C@7"} << QStringList{"C", "B", "A"};
    QTest::newRow("empty boar names are left out") << QStringList{"@9|A@5|"} << QStringList{"A"};
    QTest::newRow("boar used in many litters")
        << QStringList{"E@400", "E@250", "E@90", "F@260"} << QStringList{"F", "E"};
}

void TestHerdfile::eberliste() {
    QFETCH(QStringList, wuerfe);
    QFETCH(QStringList, eber);

    QByteArray daten = datei(sauRec("1"));
    int nr = 0;
    for (const QString& w : wuerfe) {
        TWurfRec rec = wurfRec(++nr, kBelegt);
        const QStringList belegungen = w.split(u'|');
        for (int k = 1; k <= belegungen.size(); ++k) {
            const QStringList teile = belegungen[k - 1].split(u'@');
            rec.setEber(k, teile[0]);
            const QString tage = teile.value(1);
            rec.setBelegen(k, tage.isEmpty() ? TKurzDatum{} : K(kHeute.addDays(-tage.toInt())));
        }
        daten += datei(rec);
    }
    FakeMessages msg;
    QCOMPARE(lesen(daten, msg).eberliste, eber);
}

// A boar is known by the characters of its name: bytes behind the name's end and a length
// byte beyond the field do not make another boar.
void TestHerdfile::eberNachNamenNichtNachBytes() {
    const auto belegt = [](int tageZurueck) { return K(kHeute.addDays(-tageZurueck)); };
    const std::size_t eber1 = 14; // Eber[1]: length byte, then 10 characters
    TWurfRec w1 = wurfRec(1, belegt(300));
    w1.setEber(1, QStringLiteral("Max"));
    TWurfRec w2 = wurfRec(2, belegt(20));
    w2.setEber(1, QStringLiteral("Max"));
    std::copy_n("XYZ", 3, w2.bytes().begin() + eber1 + 4);
    TWurfRec w3 = wurfRec(3, belegt(50));
    w3.setEber(1, QStringLiteral("Maximilian"));
    w3.bytes()[eber1] = 200;
    TWurfRec w4 = wurfRec(4, belegt(100));
    w4.setEber(1, QStringLiteral("Maximilian"));

    FakeMessages msg;
    const HerdeGelesen r = lesen(datei(sauRec("1"), w1, w2, w3, w4), msg);
    QCOMPARE(r.eberliste, (QStringList{QStringLiteral("Maximilian"), QStringLiteral("Max")}));
}

void TestHerdfile::lesefehler_data() {
    QTest::addColumn<QByteArray>("daten");
    QTest::addColumn<QStringList>("sauen");
    QTest::addColumn<int>("fehler");

    const QByteArray zwei = datei(sauRec("1"), wurfRec(1, kBelegt));
    QTest::newRow("1024 + 100 stray bytes")
        << zwei + QByteArray(100, '\0') << QStringList{"1"} << 1;
    QTest::newRow("1024 + 511 bytes")
        << zwei + datei(sauRec("2")).left(511) << QStringList{"1"} << 1;
    QTest::newRow("one byte") << QByteArray(1, '\0') << QStringList() << 1;
    QTest::newRow("511 bytes") << datei(sauRec("1")).left(511) << QStringList() << 1;
    QTest::newRow("whole records") << zwei + datei(sauRec("2")) << QStringList{"1", "2"} << 0;
}

void TestHerdfile::lesefehler() {
    QFETCH(QByteArray, daten);
    QFETCH(QStringList, sauen);
    QFETCH(int, fehler);

    FakeMessages msg;
    const HerdeGelesen r = lesen(daten, msg);
    QStringList nummern;
    for (const Sau& s : r.herde)
        nummern << s.rec.SauNr();
    QCOMPARE(nummern, sauen);
    if (!r.herde.empty()) QCOMPARE(r.herde[0].wuerfe.size(), std::size_t(1));
    QCOMPARE(msg.shown.size(), fehler);
    for (const FakeMessages::Shown& m : msg.shown) {
        QCOMPARE(m.kind, FakeMessages::Shown::Error);
        QCOMPARE(m.text, kLesefehler);
    }
    QCOMPARE(r.lesefehler, fehler);
}

// Records come back byte for byte, reserved bytes and out-of-range values included; only
// bytes 504..507 of a sow are written as zero.
void TestHerdfile::rundreiseByteGenau() {
    QRandomGenerator zufall(512);
    const auto rauschen = [&](Bytes& b) {
        for (auto& x : b)
            x = std::uint8_t(zufall.bounded(256));
    };
    QByteArray original;
    for (int s = 0; s < 60; ++s) {
        TSauRec sau;
        rauschen(sau.bytes());
        sau.bytes()[sauofs::Art] = 0;
        // Departed, so state and group are known: state 5, group kept when not negative.
        sau.bytes()[sauofs::Abgang] = std::uint8_t(1 + zufall.bounded(255));
        sau.setStatus(5);
        sau.setGruppe(std::int8_t(zufall.bounded(128)));
        original += datei(sau);
        const int n = 1 + zufall.bounded(5);
        for (int i = 0; i < n; ++i) {
            TWurfRec w;
            rauschen(w.bytes());
            w.bytes()[wurfofs::WurfNr] = std::uint8_t(1 + zufall.bounded(255));
            w.bytes()[wurfofs::Belegen] = std::uint8_t(1 + zufall.bounded(255));
            original += datei(w);
        }
    }
    FakeMessages msg;
    const HerdeGelesen r = lesen(original, msg);
    QCOMPARE(msg.texts(), QStringList());
    QCOMPARE(r.herde.size(), std::size_t(60));

    QBuffer aus;
    aus.open(QIODevice::WriteOnly);
    QVERIFY(HerdeSchreiben(aus, r.herde));

    QByteArray erwartet = original;
    for (qsizetype pos = 0; pos < erwartet.size(); pos += 512)
        if (erwartet[pos + 1] == 0) erwartet.replace(pos + 504, 4, QByteArray(4, '\0'));
    QCOMPARE(aus.data().size(), erwartet.size());
    QVERIFY(aus.data() == erwartet);
}

// A herd as the loader leaves it is written and read back unchanged, a last sow without
// litters included.
void TestHerdfile::rundreiseGleicheHerde() {
    Herde h = kleineHerde(3);
    h[1].wuerfe.push_back(wurfRec(2, D(3, 3, 113)));
    h[1].wuerfe.back().setEber(1, QStringLiteral("Öko-Eber"));
    h[1].rec.setSauNotiz(QStringLiteral("Zeile 1\nZeile 2 – „gut“ 5 €"));
    h[1].rec.setVerkaufspreis(123.45);
    h[1].rec.setVerkaufWaehrung(Euro);
    Sau jung{sauRec(QStringLiteral("JS"), -1), {}};
    jung.rec.setStatus(6);
    h.push_back(jung);

    QBuffer aus;
    aus.open(QIODevice::WriteOnly);
    QVERIFY(HerdeSchreiben(aus, h));
    QVERIFY(aus.data() == dateiAus(h));

    FakeMessages msg;
    const HerdeGelesen r = lesen(aus.data(), msg);
    QCOMPARE(msg.texts(), QStringList());
    QVERIFY(abbild(r.herde) == abbild(h));
    QCOMPARE(r.herde[1].rec.SauNotiz(), QStringLiteral("Zeile 1\nZeile 2 – „gut“ 5 €"));
    QCOMPARE(r.herde[1].rec.Verkaufspreis(), 123.45);
    QCOMPARE(r.eberliste, QStringList{QStringLiteral("Öko-Eber")});
}

namespace {

// The string fields next to another field or at the end of a record.
struct Zeichenfeld {
    const char* name;
    bool sau;
    std::size_t offset;
    std::size_t laenge;
    QString (*lesen)(const Bytes&);
};

const Zeichenfeld kZeichenfelder[] = {
    {"SauNr", true, 6, 10, [](const Bytes& b) { return TSauRec(b).SauNr(); }},
    {"Stall", true, 17, 15, [](const Bytes& b) { return TSauRec(b).Stall(); }},
    {"Abnehmer", true, 146, 15, [](const Bytes& b) { return TSauRec(b).Abnehmer(); }},
    {"Eber1", false, 14, 10, [](const Bytes& b) { return TWurfRec(b).Eber(1); }},
    {"Eber3", false, 36, 10, [](const Bytes& b) { return TWurfRec(b).Eber(3); }},
    {"Belegnote3", false, 82, 15, [](const Bytes& b) { return TWurfRec(b).Belegnote(3); }},
    {"FerkelnNote", false, 168, 15, [](const Bytes& b) { return TWurfRec(b).FerkelnNote(); }},
    {"Eintrag14", false, 406, 15, [](const Bytes& b) { return TWurfRec(b).Eintrag(14); }},
    {"WurfNotiz", false, 436, 75, [](const Bytes& b) { return TWurfRec(b).WurfNotiz(); }},
};

} // namespace

void TestHerdfile::zeichenkettenBleibenImFeld_data() {
    QTest::addColumn<int>("feld");
    QTest::addColumn<int>("laengenbyte");
    QTest::addColumn<int>("zeichen");

    for (int i = 0; i < int(std::size(kZeichenfelder)); ++i) {
        const Zeichenfeld& f = kZeichenfelder[i];
        const int n = int(f.laenge);
        QTest::addRow("%s, length %d", f.name, 200) << i << 200 << n;
        QTest::addRow("%s, length %d", f.name, 255) << i << 255 << n;
        QTest::addRow("%s, length %d", f.name, n + 1) << i << n + 1 << n;
        QTest::addRow("%s, length %d", f.name, n) << i << n << n;
        QTest::addRow("%s, length %d", f.name, n - 1) << i << n - 1 << n - 1;
        QTest::addRow("%s, length 0", f.name) << i << 0 << 0;
    }
}

// A length byte beyond the field reads the whole field and nothing after it.
void TestHerdfile::zeichenkettenBleibenImFeld() {
    QFETCH(int, feld);
    QFETCH(int, laengenbyte);
    QFETCH(int, zeichen);

    const Zeichenfeld& f = kZeichenfelder[feld];
    Bytes b;
    b.fill('#');
    b[1] = f.sau ? 0 : 1;
    b[f.offset] = std::uint8_t(laengenbyte);
    QString inhalt;
    for (std::size_t i = 0; i < f.laenge; ++i) {
        const char c = char('a' + i % 26);
        b[f.offset + 1 + i] = std::uint8_t(c);
        inhalt += QLatin1Char(c);
    }
    QCOMPARE(f.lesen(b), inhalt.left(zeichen));
}

void TestHerdfile::zuLangerTextWirdGekuerzt() {
    TSauRec s;
    s.bytes()[17] = 7; // the length byte of the next field
    s.setSauNr(QStringLiteral("12345678901234"));
    QCOMPARE(s.SauNr(), QStringLiteral("1234567890"));
    QCOMPARE(int(s.bytes()[6]), 10);
    QCOMPARE(int(s.bytes()[17]), 7);

    // Ten characters are ten bytes, also when one of them lies outside the 16-bit range.
    s.setSauNr(QStringLiteral("\U0001F416234567890X"));
    QCOMPARE(s.SauNr(), QStringLiteral("?234567890"));

    // A shorter text leaves the bytes behind it as they were.
    s.setSauNr(QStringLiteral("Ä1"));
    QCOMPARE(s.SauNr(), QStringLiteral("Ä1"));
    QCOMPARE(int(s.bytes()[6]), 2);
    QCOMPARE(int(s.bytes()[7]), 0xC4);
    QCOMPARE(s.bytes()[9], std::uint8_t('3'));

    TWurfRec w = TWurfRec::leer(1);
    w.setWurfNotiz(QString(100, u'n'));
    QCOMPARE(w.WurfNotiz(), QString(75, u'n'));
    QCOMPARE(int(w.bytes()[436]), 75);
}

// The sow's note ends at the first 0 byte or after 335 bytes, never in bytes 504..511.
void TestHerdfile::sauNotiz() {
    TSauRec s;
    std::fill(s.bytes().begin() + 169, s.bytes().begin() + 504, std::uint8_t('n'));
    std::fill(s.bytes().begin() + 504, s.bytes().end(), std::uint8_t('p'));
    QCOMPARE(s.SauNotiz(), QString(335, u'n'));

    s.bytes()[169 + 10] = 0;
    QCOMPARE(s.SauNotiz(), QString(10, u'n'));

    s.setSauNotiz(QStringLiteral("Zeile 1\nZeile 2"));
    QCOMPARE(s.SauNotiz(), QStringLiteral("Zeile 1\nZeile 2"));
    QCOMPARE(int(s.bytes()[169 + 7]), 10);
    QCOMPARE(int(s.bytes()[169 + 15]), 0);
    QCOMPARE(s.bytes()[504], std::uint8_t('p'));

    s.setSauNotiz(QString(400, u'x'));
    QCOMPARE(s.SauNotiz(), QString(335, u'x'));
    QCOMPARE(s.bytes()[504], std::uint8_t('p'));
}

void TestHerdfile::schreibfehler_data() {
    QTest::addColumn<qint64>("grenze");
    QTest::addColumn<bool>("ok");

    // 100 sows with two litters each: 153,600 bytes.
    const qint64 gesamt = 100 * 3 * 512;
    QTest::newRow("nothing accepted") << qint64(0) << false;
    QTest::newRow("half a record") << qint64(256) << false;
    QTest::newRow("1,000 bytes") << qint64(1000) << false;
    QTest::newRow("128 KiB") << qint64(128 * 1024) << false;
    QTest::newRow("128 KiB - 1") << qint64(128 * 1024 - 1) << false;
    QTest::newRow("all but the last byte") << gesamt - 1 << false;
    QTest::newRow("everything") << gesamt << true;
}

void TestHerdfile::schreibfehler() {
    QFETCH(qint64, grenze);
    QFETCH(bool, ok);

    Herde h = kleineHerde(100);
    for (Sau& s : h)
        s.wuerfe.push_back(wurfRec(2, D(1, 2, 113)));
    BegrenztesGeraet dev(grenze);
    QVERIFY(dev.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    QCOMPARE(HerdeSchreiben(dev, h), ok);
    QVERIFY(dev.daten.size() <= grenze);
    QVERIFY(dateiAus(h).startsWith(dev.daten));
    if (ok) QVERIFY(dev.daten == dateiAus(h));
}

void TestHerdfile::ladenOhneHerde_data() {
    QTest::addColumn<bool>("leereDatei");
    QTest::newRow("no file") << false;
    QTest::newRow("empty file") << true;
}

// A missing or empty herd file gives an empty herd, without a message.
void TestHerdfile::ladenOhneHerde() {
    QFETCH(bool, leereDatei);

    TestContext tc(kHeute);
    if (leereDatei) QVERIFY(schreibeDatei(tc.pfad(QStringLiteral("SAUWURF.DAT")), QByteArray()));
    tc.ctx.Sauenliste = kleineHerde(2);
    tc.ctx.Eberliste = QStringList{QStringLiteral("Alt")};
    tc.ctx.Geaendert = true;

    HerdeLaden(tc.ctx);
    QVERIFY(tc.ctx.Sauenliste.empty());
    QVERIFY(tc.ctx.Eberliste.isEmpty());
    QCOMPARE(tc.ctx.Geaendert, false);
    QCOMPARE(tc.messages.texts(), QStringList());
}

void TestHerdfile::speichernUndLaden() {
    TestContext tc(kHeute);
    Herde h = kleineHerde(3);
    h[2].wuerfe[0].setEber(2, QStringLiteral("Max"));
    h[2].wuerfe[0].setBelegen(2, D(11, 1, 113));
    tc.ctx.Sauenliste = h;
    tc.ctx.Geaendert = true;

    QVERIFY(HerdeSpeichern(tc.ctx));
    QCOMPARE(tc.ctx.Geaendert, false);
    QCOMPARE(tc.messages.texts(), QStringList());
    QVERIFY(dateiInhalt(tc.pfad(QStringLiteral("SAUWURF.DAT"))) == dateiAus(h));

    tc.ctx.Sauenliste.clear();
    tc.ctx.Geaendert = true;
    HerdeLaden(tc.ctx);
    QVERIFY(abbild(tc.ctx.Sauenliste) == abbild(h));
    QCOMPARE(tc.ctx.Eberliste, QStringList{QStringLiteral("Max")});
    QCOMPARE(tc.ctx.Geaendert, false);
}

namespace {

enum Sperre { SchreibgeschuetzterOrdner, Dateigroessengrenze, OrdnerStattDatei };

} // namespace

void TestHerdfile::speichernFehlschlag_data() {
    QTest::addColumn<int>("sperre");
    QTest::newRow("read-only data directory") << int(SchreibgeschuetzterOrdner);
    QTest::newRow("disk refuses to grow the file") << int(Dateigroessengrenze);
    QTest::newRow("SAUWURF.DAT is a directory") << int(OrdnerStattDatei);
}

// A failed save tells the user, keeps the herd and Geaendert, and leaves the old file as
// it was.
void TestHerdfile::speichernFehlschlag() {
    QFETCH(int, sperre);

    TestContext tc(kHeute);
    const QString ordner = tc.dir.path();
    const QString dat = tc.pfad(QStringLiteral("SAUWURF.DAT"));
    if (sperre == OrdnerStattDatei) {
        QVERIFY(QDir(ordner).mkdir(QStringLiteral("SAUWURF.DAT")));
    } else {
        tc.ctx.Sauenliste = kleineHerde(1, QStringLiteral("Alt"));
        QVERIFY(HerdeSpeichern(tc.ctx));
    }
    const QByteArray alt = dateiInhalt(dat);
    const QStringList eintraegeVorher = eintraege(ordner);

    const Herde neu = kleineHerde(4);
    tc.ctx.Sauenliste = neu;
    tc.ctx.Geaendert = true;
    tc.messages.clear();

    bool ok = true;
    if (sperre == SchreibgeschuetzterOrdner) {
        OrdnerSchreibschutz schutz(ordner);
        if (!schutz.wirksam())
            QSKIP("This process can write into a directory without write permission.");
        ok = HerdeSpeichern(tc.ctx);
    } else if (sperre == Dateigroessengrenze) {
        Groessengrenze grenze(1024);
        ok = HerdeSpeichern(tc.ctx);
    } else {
        ok = HerdeSpeichern(tc.ctx);
    }

    QCOMPARE(ok, false);
    QCOMPARE(tc.messages.shown.size(), 1);
    QCOMPARE(tc.messages.shown[0].kind, FakeMessages::Shown::Error);
    QCOMPARE(tc.messages.shown[0].text, kSchreibfehler);
    QCOMPARE(tc.ctx.Geaendert, true);
    QVERIFY(abbild(tc.ctx.Sauenliste) == abbild(neu));
    QVERIFY(dateiInhalt(dat) == alt);
    QCOMPARE(eintraege(ordner), eintraegeVorher);
    if (sperre == OrdnerStattDatei) QVERIFY(QFileInfo(dat).isDir());
}

void TestHerdfile::sicherungsdatei_data() {
    QTest::addColumn<bool>("backupdatei");
    QTest::addColumn<bool>("alteDatei");
    QTest::addColumn<bool>("alteSicherung");

    QTest::newRow("on, previous file") << true << true << false;
    QTest::newRow("on, previous file and an older backup") << true << true << true;
    QTest::newRow("on, first save") << true << false << false;
    QTest::newRow("off, previous file") << false << true << false;
    QTest::newRow("off, previous file and an older backup") << false << true << true;
    QTest::newRow("off, first save") << false << false << false;
}

// With BACKUPDATEI on the file replaced by a save survives as SAUWURF.BAK; with it off no
// backup is made.
void TestHerdfile::sicherungsdatei() {
    QFETCH(bool, backupdatei);
    QFETCH(bool, alteDatei);
    QFETCH(bool, alteSicherung);

    TestContext tc(kHeute);
    const QString dat = tc.pfad(QStringLiteral("SAUWURF.DAT"));
    const QString bak = tc.pfad(QStringLiteral("SAUWURF.BAK"));
    const QByteArray vorher = dateiAus(kleineHerde(2, QStringLiteral("Alt")));
    const QByteArray aelter = dateiAus(kleineHerde(1, QStringLiteral("Uralt")));
    if (alteDatei) QVERIFY(schreibeDatei(dat, vorher));
    if (alteSicherung) QVERIFY(schreibeDatei(bak, aelter));

    tc.ctx.einstellungen.backupdatei = backupdatei;
    tc.ctx.Sauenliste = kleineHerde(3);
    tc.ctx.Geaendert = true;
    QVERIFY(HerdeSpeichern(tc.ctx));
    QCOMPARE(tc.ctx.Geaendert, false);
    QVERIFY(dateiInhalt(dat) == dateiAus(tc.ctx.Sauenliste));

    QStringList erwartet{QStringLiteral("SAUWURF.DAT")};
    if ((backupdatei && alteDatei) || alteSicherung)
        erwartet.prepend(QStringLiteral("SAUWURF.BAK"));
    QCOMPARE(eintraege(tc.dir.path()), erwartet);
    if (backupdatei && alteDatei)
        QVERIFY(dateiInhalt(bak) == vorher);
    else if (alteSicherung)
        QVERIFY(dateiInhalt(bak) == aelter);
    QCOMPARE(tc.messages.texts(), QStringList());
}

// A backup that is a second name of the herd file itself (left so by a save whose final
// rename failed) is replaced without leaving anything behind.
void TestHerdfile::sicherungIstSchonVerknuepft() {
    TestContext tc(kHeute);
    const QString dat = tc.pfad(QStringLiteral("SAUWURF.DAT"));
    const QString bak = tc.pfad(QStringLiteral("SAUWURF.BAK"));
    const QByteArray vorher = dateiAus(kleineHerde(2, QStringLiteral("Alt")));
    QVERIFY(schreibeDatei(dat, vorher));
    QCOMPARE(::link(QFile::encodeName(dat).constData(), QFile::encodeName(bak).constData()), 0);

    tc.ctx.Sauenliste = kleineHerde(3);
    QVERIFY(HerdeSpeichern(tc.ctx));
    QCOMPARE(eintraege(tc.dir.path()),
             (QStringList{QStringLiteral("SAUWURF.BAK"), QStringLiteral("SAUWURF.DAT")}));
    QVERIFY(dateiInhalt(bak) == vorher);
    QVERIFY(dateiInhalt(dat) == dateiAus(tc.ctx.Sauenliste));
}

void TestHerdfile::dateinameOhneGrossKlein_data() {
    QTest::addColumn<QString>("dat");
    QTest::addColumn<QString>("bak"); // an existing backup, or empty

    QTest::newRow("sauwurf.dat") << "sauwurf.dat"
                                 << "";
    QTest::newRow("SauWurf.Dat") << "SauWurf.Dat"
                                 << "";
    QTest::newRow("SAUWURF.DAT") << "SAUWURF.DAT"
                                 << "";
    QTest::newRow("sauwurf.dat and sauwurf.bak") << "sauwurf.dat"
                                                 << "sauwurf.bak";
}

// The herd file and its backup are found whatever their letter case and saved in place.
void TestHerdfile::dateinameOhneGrossKlein() {
    QFETCH(QString, dat);
    QFETCH(QString, bak);

    TestContext tc(kHeute);
    const Herde alt = kleineHerde(2, QStringLiteral("Alt"));
    QVERIFY(schreibeDatei(tc.pfad(dat), dateiAus(alt)));
    if (!bak.isEmpty()) QVERIFY(schreibeDatei(tc.pfad(bak), QByteArray("old backup")));

    HerdeLaden(tc.ctx);
    QVERIFY(abbild(tc.ctx.Sauenliste) == abbild(alt));

    tc.ctx.Sauenliste.push_back(belegteSau(QStringLiteral("Neu")));
    QVERIFY(HerdeSpeichern(tc.ctx));
    QCOMPARE(tc.messages.texts(), QStringList());

    const QString bakName = bak.isEmpty() ? QStringLiteral("SAUWURF.BAK") : bak;
    QStringList erwartet{dat, bakName};
    erwartet.sort();
    QCOMPARE(eintraege(tc.dir.path()), erwartet);
    QVERIFY(dateiInhalt(tc.pfad(dat)) == dateiAus(tc.ctx.Sauenliste));
    QVERIFY(dateiInhalt(tc.pfad(bakName)) == dateiAus(alt));

    HerdeLaden(tc.ctx);
    QCOMPARE(tc.ctx.Sauenliste.size(), std::size_t(3));
}

QTEST_GUILESS_MAIN(TestHerdfile)
#include "tst_herdfile.moc"
