// The herd file: reading and its rules, writing, and loading and saving through the
// application context on a data directory.

#include "herd/herdfile.h"
#include "programm/appcontext.h"
#include "support/herdbau.h"
#include "support/testcontext.h"

#include <QBuffer>
#include <QTest>

#include <unistd.h>

namespace {

const QDate kHeute(2013, 3, 10);
const TKurzDatum kBelegt = D(10, 1, 113);
const TKurzDatum kAbgang = D(1, 3, 113);
const QString kDat = QStringLiteral("SAUWURF.DAT");
const QString kBak = QStringLiteral("SAUWURF.BAK");

using Bytes = std::array<std::uint8_t, 512>;

TSauRec sauRec(const QString& nr, int gruppe = 1, TKurzDatum abgang = {}) {
    TSauRec s;
    s.setSauNr(nr);
    s.setGruppe(std::int8_t(gruppe));
    s.setAbgang(abgang);
    return s;
}

TWurfRec wurfRec(int nr, TKurzDatum belegen1 = {}, const QString& eber1 = {}) {
    TWurfRec w = TWurfRec::leer(std::uint8_t(nr));
    w.setBelegen(1, belegen1);
    w.setEber(1, eber1);
    return w;
}

template <typename... R> QByteArray datei(const R&... recs) {
    QByteArray out;
    ((out += roh(recs)), ...);
    return out;
}

// The file a herd should give: every record as it is, bytes 504..507 of a sow zero.
QByteArray dateiAus(const Herde& herde) {
    QByteArray out;
    for (const Sau& s : herde) {
        out += datei(s.rec).replace(504, 4, QByteArray(4, '\0'));
        for (const TWurfRec& w : s.wuerfe)
            out += datei(w);
    }
    return out;
}

// Everything a herd holds in memory: each sow's litter count and records.
QByteArray abbild(const Herde& herde) {
    QByteArray out;
    for (const Sau& s : herde)
        out += QByteArray::number(qulonglong(s.wuerfe.size())) + dateiAus({s});
    return out;
}

HerdeGelesen lesen(const QByteArray& daten, FakeMessages& msg) {
    QBuffer b;
    b.setData(daten);
    b.open(QIODevice::ReadOnly);
    return HerdeLesen(b, kHeute, msg);
}

// Sows in state "belegt", with state and group stored as the loader computes them.
Herde kleineHerde(int n, const QString& praefix = QStringLiteral("S")) {
    Herde h;
    for (int i = 0; i < n; ++i) {
        h.push_back({sauRec(praefix + QString::number(i + 1)), {wurfRec(1, kBelegt)}});
        h.back().rec.setStatus(2);
    }
    return h;
}

enum AlteSicherung { Keine, Aeltere, Verknuepft };

// String fields next to another field or at the end of a record.
struct Zeichenfeld {
    const char* name;
    bool sau;
    std::size_t offset, laenge;
    QString (*lesen)(const Bytes&);
};

const Zeichenfeld kZeichenfelder[] = {
    {"SauNr", true, 6, 10, [](const Bytes& b) { return TSauRec(b).SauNr(); }},
    {"Abnehmer", true, 146, 15, [](const Bytes& b) { return TSauRec(b).Abnehmer(); }},
    {"Eber3", false, 36, 10, [](const Bytes& b) { return TWurfRec(b).Eber(3); }},
    {"Eintrag14", false, 406, 15, [](const Bytes& b) { return TWurfRec(b).Eintrag(14); }},
    {"WurfNotiz", false, 436, 75, [](const Bytes& b) { return TWurfRec(b).WurfNotiz(); }},
};

} // namespace

class TestHerdfile : public QObject {
    Q_OBJECT

private slots:
    void ladeRegeln_data() {
        QTest::addColumn<QByteArray>("daten");
        QTest::addColumn<QStringList>("sauen"); // per sow "litter numbers:state:group"
        QTest::addColumn<QStringList>("eber");
        QTest::addColumn<int>("lesefehler"); // records that could not be read

        const QStringList keine;
        QTest::newRow("empty file") << QByteArray() << keine << keine << 0;
        QTest::newRow("sow followed by sow gets a blank litter")
            << datei(sauRec("1", 2), sauRec("2", 2), wurfRec(1, kBelegt))
            << QStringList{"1:6:-1", "1:2:2"} << keine << 0;
        QTest::newRow("file ending in a sow")
            << datei(sauRec("1", 2), wurfRec(1, kBelegt), sauRec("2", 3))
            << QStringList{"1:2:2", ":6:-1"} << keine << 0;
        QTest::newRow("departed sow drops a litter without first mating, and its boar")
            << datei(sauRec("1", 2, kAbgang), wurfRec(1, kBelegt), wurfRec(2, {}, "Dropped"))
            << QStringList{"1:5:2"} << keine << 0;
        QTest::newRow("sow in the herd keeps a litter without first mating")
            << datei(sauRec("1", 2), wurfRec(1, kBelegt), wurfRec(2, {}, "Kept"))
            << QStringList{"1,2:0:2"} << QStringList{"Kept"} << 0;
        // The dropped litter leaves her without litters: the next sow record gives her a blank one.
        QTest::newRow("departed sow whose only litter has no mating, then another sow")
            << datei(sauRec("1", 4, kAbgang), wurfRec(3), sauRec("2", 2), wurfRec(1, kBelegt))
            << QStringList{"1:5:4", "1:2:2"} << keine << 0;
        QTest::newRow("litters before the first sow are dropped")
            << datei(wurfRec(5, kBelegt, "Early"), wurfRec(6), sauRec("1", 2),
                     wurfRec(1, kBelegt, "Late"))
            << QStringList{"1:2:2"} << QStringList{"Late"} << 0;
        QTest::newRow("litters in file order")
            << datei(sauRec("1", 2), wurfRec(3, kBelegt), wurfRec(1, kBelegt), wurfRec(2, kBelegt))
            << QStringList{"3,1,2:2:2"} << keine << 0;
        QTest::newRow("group -1 in state belegt becomes 0")
            << datei(sauRec("1", -1), wurfRec(1, kBelegt)) << QStringList{"1:2:0"} << keine << 0;
        // A record that cannot be read is dropped and reported once.
        QTest::newRow("511 bytes of a sow") << datei(sauRec("1")).left(511) << keine << keine << 1;
    }
    void ladeRegeln() {
        QFETCH(QByteArray, daten);
        QFETCH(int, lesefehler);

        FakeMessages msg;
        const HerdeGelesen r = lesen(daten, msg);
        QCOMPARE(
            msg.texts(),
            QStringList(lesefehler, QStringLiteral("Fehler beim Lesen der Datei SAUWURF.DAT!")));
        for (const FakeMessages::Shown& m : msg.shown)
            QCOMPARE(m.kind, FakeMessages::Shown::Error);
        QCOMPARE(r.lesefehler, lesefehler);
        QStringList ist;
        for (const Sau& s : r.herde) {
            QStringList n;
            for (const TWurfRec& w : s.wuerfe)
                n << QString::number(w.WurfNr());
            ist << n.join(u',') +
                       QStringLiteral(":%1:%2").arg(int(s.rec.Status())).arg(int(s.rec.Gruppe()));
        }
        QTEST(ist, "sauen");
        QTEST(r.eberliste, "eber");
    }
    // The blank litter is 512 zero bytes with litter number 1; nothing of the sow leaks into it.
    void leererWurfIstNullBytes() {
        FakeMessages msg;
        TSauRec s1 = sauRec("1");
        s1.bytes()[0] = s1.bytes()[200] = 0x5A;
        const HerdeGelesen r = lesen(datei(s1, sauRec("2"), wurfRec(4, kBelegt)), msg);
        QCOMPARE(r.herde.size(), std::size_t(2));
        QCOMPARE(r.herde[0].wuerfe.size(), std::size_t(1));
        Bytes erwartet{};
        erwartet[1] = 1;
        QVERIFY(r.herde[0].wuerfe[0].bytes() == erwartet);
    }
    void eberliste_data() {
        // Litters of one sow; per litter up to three matings "boar@days ago" ("boar@" without a
        // date), separated by "|".
        QTest::addColumn<QStringList>("wuerfe");
        QTest::addColumn<QStringList>("eber");

        QTest::newRow("oldest mating counts, in either order")
            << QStringList{"A@300", "A@20", "B@100", "C@20", "C@300"} << QStringList{"B", "A", "C"};
        QTest::newRow("equal counts by name ignoring case")
            << QStringList{"beta@50|Alpha@50|GAMMA@50"} << QStringList{"Alpha", "beta", "GAMMA"};
        QTest::newRow("count before name, compared as numbers")
            << QStringList{"A@1000|B@40|C@5"} << QStringList{"C", "B", "A"};
        QTest::newRow("names compared exactly")
            << QStringList{"a@30|A@10"} << QStringList{"A", "a"};
        QTest::newRow("shorter name first on equal counts")
            << QStringList{"Ab@5|A@5"} << QStringList{"A", "Ab"};
        QTest::newRow("today and no date count 0 days")
            << QStringList{"Z@1|Y@0|X@"} << QStringList{"X", "Y", "Z"};
        QTest::newRow("empty boar names are left out")
            << QStringList{"@9|Öko@5|"} << QStringList{"Öko"};
    }
    void eberliste() {
        QFETCH(QStringList, wuerfe);

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
        QTEST(lesen(daten, msg).eberliste, "eber");
    }
    // A boar is known by the characters of its name: bytes behind the name's end and a length
    // byte beyond the field do not make another boar.
    void eberNachNamenNichtNachBytes() {
        const auto belegt = [](int tageZurueck) { return K(kHeute.addDays(-tageZurueck)); };
        const std::size_t eber1 = 14; // Eber[1]: length byte, then 10 characters
        TWurfRec w2 = wurfRec(2, belegt(20), "Max");
        std::copy_n("XYZ", 3, w2.bytes().begin() + eber1 + 4);
        TWurfRec w3 = wurfRec(3, belegt(50), "Maximilian");
        w3.bytes()[eber1] = 200;

        FakeMessages msg;
        const HerdeGelesen r = lesen(datei(sauRec("1"), wurfRec(1, belegt(300), "Max"), w2, w3,
                                           wurfRec(4, belegt(100), "Maximilian")),
                                     msg);
        QCOMPARE(r.eberliste, (QStringList{"Maximilian", "Max"}));
    }

    // A sow's litters are read as one run: runs longer than a read block, ending at a block's
    // end or one record beyond, and cut short by the end of the file.
    void wurfreihenUeberBlockgrenzen_data() {
        QTest::addColumn<QList<int>>("wuerfeJeSau");
        QTest::addColumn<int>("restBytes"); // stray bytes after the last record

        QTest::newRow("run longer than a block") << QList<int>{300, 2} << 0;
        QTest::newRow("runs ending at and after a block's end")
            << QList<int>{126, 127, 128, 1} << 0;
        QTest::newRow("long last run cut short") << QList<int>{3, 400} << 100;
    }
    void wurfreihenUeberBlockgrenzen() {
        QFETCH(QList<int>, wuerfeJeSau);
        QFETCH(int, restBytes);

        Herde herde;
        for (int n : wuerfeJeSau) {
            Sau s{sauRec(QString::number(herde.size() + 1)), {}};
            for (int i = 1; i <= n; ++i)
                s.wuerfe.push_back(wurfRec(i % 200 + 1, kBelegt));
            s.rec.setStatus(2);
            herde.push_back(s);
        }
        FakeMessages msg;
        const HerdeGelesen r = lesen(dateiAus(herde) + QByteArray(restBytes, '\x01'), msg);
        QCOMPARE(r.lesefehler, restBytes > 0 ? 1 : 0);
        QVERIFY(abbild(r.herde) == abbild(herde));
    }

    // Records come back byte for byte, reserved bytes and out-of-range values included; only
    // bytes 504..507 of a sow are written as zero. A last sow without litters is written alone.
    void rundreiseByteGenau() {
        Zufall zufall(512);
        QByteArray original;
        for (int s = 0; s <= 60; ++s) {
            TSauRec sau;
            zufall.rauschen(sau);
            sau.bytes()[sauofs::Art] = 0;
            // Departed, so state and group are known: state 5, group kept when not negative.
            sau.bytes()[sauofs::Abgang] = std::uint8_t(zufall.zahl(1, 255));
            sau.setStatus(5);
            sau.setGruppe(std::int8_t(zufall.zahl(0, 127)));
            original += datei(sau);
            const int n = s == 60 ? 0 : zufall.zahl(1, 5);
            for (int i = 0; i < n; ++i) {
                TWurfRec w;
                zufall.rauschen(w);
                w.bytes()[wurfofs::WurfNr] = std::uint8_t(zufall.zahl(1, 255));
                w.bytes()[wurfofs::Belegen] = std::uint8_t(zufall.zahl(1, 255));
                original += datei(w);
            }
        }
        FakeMessages msg;
        const HerdeGelesen r = lesen(original, msg);
        QCOMPARE(msg.texts(), QStringList());
        QCOMPARE(r.herde.size(), std::size_t(61));
        QVERIFY(r.herde.back().wuerfe.empty());

        for (qsizetype pos = 0; pos < original.size(); pos += 512)
            if (original[pos + 1] == 0) original.replace(pos + 504, 4, QByteArray(4, '\0'));
        QVERIFY(herdBytes(r.herde) == original);
    }
    void zeichenkettenBleibenImFeld_data() {
        QTest::addColumn<int>("feld");
        QTest::addColumn<int>("laengenbyte");
        QTest::addColumn<int>("zeichen");

        for (int i = 0; i < int(std::size(kZeichenfelder)); ++i) {
            const int n = int(kZeichenfelder[i].laenge);
            for (int l : {255, n + 1, n - 1})
                QTest::addRow("%s, length %d", kZeichenfelder[i].name, l)
                    << i << l << std::min(l, n);
        }
    }
    // A length byte beyond the field reads the whole field and nothing after it.
    void zeichenkettenBleibenImFeld() {
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
            b[f.offset + 1 + i] = std::uint8_t('a' + i % 26);
            inhalt += QLatin1Char(char('a' + i % 26));
        }
        QCOMPARE(f.lesen(b), inhalt.left(zeichen));
    }
    // Writing cuts a text to its field and never touches the next field; the sow's note ends at
    // the first 0 byte or after 335 bytes.
    void zuLangeTexteWerdenGekuerzt() {
        TSauRec s;
        s.bytes()[17] = 7; // the length byte of the next field
        s.setSauNr(QStringLiteral("12345678901234"));
        QCOMPARE(s.SauNr(), QStringLiteral("1234567890"));
        QCOMPARE(int(s.bytes()[17]), 7);

        TWurfRec w = TWurfRec::leer(1);
        w.setWurfNotiz(QString(100, u'n'));
        QCOMPARE(w.WurfNotiz(), QString(75, u'n'));

        std::fill(s.bytes().begin() + 504, s.bytes().end(), std::uint8_t('p'));
        s.setSauNotiz(QString(400, u'x'));
        QCOMPARE(s.SauNotiz(), QString(335, u'x'));
        QCOMPARE(s.bytes()[504], std::uint8_t('p'));
        s.bytes()[169 + 10] = 0;
        QCOMPARE(s.SauNotiz(), QString(10, u'x'));
        s.setSauNotiz(QStringLiteral("Zeile 1\nZeile 2"));
        QCOMPARE(s.SauNotiz(), QStringLiteral("Zeile 1\nZeile 2"));
    }
    void sicherungsdatei_data() {
        QTest::addColumn<bool>("backupdatei");
        QTest::addColumn<bool>("alteDatei");
        QTest::addColumn<int>("alteSicherung");
        QTest::addColumn<QString>("dat"); // the names the files have before the save
        QTest::addColumn<QString>("bak");

        QTest::newRow("on, first save, older backup")
            << true << false << int(Aeltere) << kDat << kBak;
        // Left so by a save whose final rename failed.
        QTest::newRow("on, backup is a second name of the file")
            << true << true << int(Verknuepft) << kDat << kBak;
        QTest::newRow("off, previous file") << false << true << int(Keine) << kDat << kBak;
        QTest::newRow("names in other letter case")
            << true << true << int(Aeltere) << QString("SauWurf.Dat") << QString("sauwurf.bak");
    }
    // Without a herd file loading empties the herd and the boar list, without a message. The herd
    // file and its backup are found whatever their letter case. With BACKUPDATEI on, the
    // file a save replaces survives as the backup (without a previous file an older backup stays);
    // with it off no backup is made. Nothing else is left behind.
    void sicherungsdatei() {
        QFETCH(bool, backupdatei);
        QFETCH(bool, alteDatei);
        QFETCH(int, alteSicherung);
        QFETCH(QString, dat);
        QFETCH(QString, bak);

        TestContext tc(kHeute);
        Herde alt = kleineHerde(2, QStringLiteral("Alt"));
        alt[1].wuerfe[0].setEber(2, QStringLiteral("Max"));
        alt[1].wuerfe[0].setBelegen(2, D(11, 1, 113));
        const QByteArray aelter = dateiAus(kleineHerde(1, QStringLiteral("Uralt")));
        if (alteDatei) QVERIFY(schreiben(tc.pfad(dat), dateiAus(alt)));
        if (alteSicherung == Aeltere) QVERIFY(schreiben(tc.pfad(bak), aelter));
        if (alteSicherung == Verknuepft)
            QCOMPARE(::link(QFile::encodeName(tc.pfad(dat)).constData(),
                            QFile::encodeName(tc.pfad(bak)).constData()),
                     0);

        tc.ctx.Sauenliste = kleineHerde(2);
        tc.ctx.Eberliste = QStringList{QStringLiteral("Alt")};
        tc.ctx.Geaendert = true;
        HerdeLaden(tc.ctx);
        QVERIFY(abbild(tc.ctx.Sauenliste) == abbild(alteDatei ? alt : Herde{}));
        QCOMPARE(tc.ctx.Eberliste, alteDatei ? QStringList{QStringLiteral("Max")} : QStringList());
        QCOMPARE(tc.ctx.Geaendert, false);
        tc.ctx.einstellungen.backupdatei = backupdatei;
        tc.ctx.Sauenliste = kleineHerde(3);
        tc.ctx.Geaendert = true;
        QVERIFY(HerdeSpeichern(tc.ctx));
        QCOMPARE(tc.ctx.Geaendert, false);
        QVERIFY(inhalt(tc.pfad(dat)) == dateiAus(tc.ctx.Sauenliste));
        QStringList danach = backupdatei ? QStringList{bak, dat} : QStringList{dat};
        danach.sort();
        QCOMPARE(namen(tc.dir.path()), danach);
        if (backupdatei) QVERIFY(inhalt(tc.pfad(bak)) == (alteDatei ? dateiAus(alt) : aelter));
        QCOMPARE(tc.messages.texts(), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestHerdfile)
#include "tst_herdfile.moc"
