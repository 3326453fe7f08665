#include "feed/futterdateien.h"
#include "feed/futtermix.h"
#include "herd/sperren.h"
#include "support/begrenztesgeraet.h"
#include "support/testcontext.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QtTest>

namespace {

QByteArray rauschen(int n, quint32 seed) {
    QRandomGenerator g(seed);
    QByteArray b(n, '\0');
    for (char& c : b)
        c = char(g.bounded(256));
    return b;
}

QByteArray inhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

void schreiben(const QString& pfad, const QByteArray& daten) {
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(daten), daten.size());
}

// A mix file of noise: two whole records, the second with the name "Sau säugend".
QByteArray mischungsDatei() {
    QByteArray d = rauschen(2 * 2890, 7);
    d[0] = 3;
    d[2890] = 11;
    d.replace(2891, 11, QByteArray("Sau s\xE4ugend"));
    return d;
}

} // namespace

class TestFutterdateien : public QObject {
    Q_OBJECT
private slots:
    void felderAnIhrenStellen() {
        TKomponentenRec k;
        k.setName(QStringLiteral("Sojaöl"));
        k.setWert(fwPreis, 1.5);
        k.setWaehrung(Euro);
        QCOMPARE(k.bytes()[0], 6);
        QCOMPARE(k.bytes()[5], std::uint8_t(0xF6)); // Windows-1252
        QCOMPARE(k.bytes()[93], 0x81);              // Real48 1.5: exponent 129
        TMischungsPosten p;
        p.setInhalt(fwPreis, 2);
        p.setBeitrag(fwPreis, 2);
        p.setFest(true);
        QCOMPARE(p.bytes()[23 + 12 * 12], 0x82);
        QCOMPARE(p.bytes()[29 + 12 * 12], 0x82);
        QCOMPARE(p.bytes()[0], 1);
        TMischungRec m;
        m.setPosten(14, p);
        QCOMPARE(m.bytes()[26 + 14 * 179], 1);
        QCOMPARE(m.Posten(14), p);
    }

    void rundreiseBytegenau_data() {
        QTest::addColumn<bool>("mischung");
        QTest::addColumn<QByteArray>("datei");
        QTest::newRow("Komponenten") << false << rauschen(7 * 100, 1);
        QTest::newRow("Mischungen") << true << mischungsDatei();
        QTest::newRow("leer") << true << QByteArray();
    }
    void rundreiseBytegenau() {
        QFETCH(bool, mischung);
        QFETCH(QByteArray, datei);
        QBuffer ein(&datei);
        ein.open(QIODevice::ReadOnly);
        QByteArray aus;
        QBuffer b(&aus);
        b.open(QIODevice::WriteOnly);
        QByteArray erwartet = datei;
        if (mischung) {
            const auto liste = MischungenLesen(ein);
            QCOMPARE(int(liste.size()), datei.size() / 2890);
            if (!liste.empty()) QCOMPARE(liste[1].Name(), QStringLiteral("Sau säugend"));
            QVERIFY(MischungenSchreiben(b, liste));
            // The reserved 16th slot is written as zeros.
            for (int s = 0; s < erwartet.size(); s += 2890)
                erwartet.replace(s + 2711, 179, QByteArray(179, '\0'));
        } else {
            const auto liste = KomponentenLesen(ein);
            QCOMPARE(int(liste.size()), 7);
            QVERIFY(KomponentenSchreiben(b, liste));
        }
        QVERIFY(aus == erwartet);
    }

    void kurzeDateiSoWeitEsGeht_data() {
        QTest::addColumn<bool>("mischung");
        QTest::addColumn<int>("bytes");
        QTest::addColumn<int>("saetze");
        QTest::newRow("Komponenten 2,5") << false << 250 << 2;
        QTest::newRow("Komponenten 99 Bytes") << false << 99 << 0;
        QTest::newRow("Mischungen 1 und ein Byte") << true << 2891 << 1;
    }
    void kurzeDateiSoWeitEsGeht() {
        QFETCH(bool, mischung);
        QFETCH(int, bytes);
        QFETCH(int, saetze);
        QByteArray d = rauschen(bytes, 3);
        QBuffer ein(&d);
        ein.open(QIODevice::ReadOnly);
        const int n =
            mischung ? int(MischungenLesen(ein).size()) : int(KomponentenLesen(ein).size());
        QCOMPARE(n, saetze);
    }

    void versagendesGeraetMeldetFehler() {
        std::vector<TKomponentenRec> k(3);
        BegrenztesGeraet dev(250);
        QVERIFY(dev.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        QVERIFY(!KomponentenSchreiben(dev, k));
        std::vector<TMischungRec> m(2);
        BegrenztesGeraet dev2(2890 + 100);
        QVERIFY(dev2.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        QVERIFY(!MischungenSchreiben(dev2, m));
    }

    void schreibfehlerBehaeltAlteDateiUndMeldet() {
        TestContext tc;
        const QByteArray alt = mischungsDatei();
        schreiben(tc.pfad(QStringLiteral("MISCHUNG.DAT")), alt);
        Futtermix mix(tc.ctx);
        QCOMPARE(int(mix.Mischungen.size()), 2);
        mix.Laden(0);
        mix.AnteilSetzen(0, 0.5);
        bool weiter = true;
        {
            Groessengrenze g{rlim_t(4000)}; // less than the two records
            weiter = mix.SpeicherAbfrage(QStringLiteral("Neue"), -1);
        }
        QVERIFY(!weiter);
        QCOMPARE(tc.messages.texts().last(),
                 QStringLiteral("Die Datei MISCHUNG.DAT konnte nicht geschrieben werden!"));
        // Nothing lost: the mix is still there and still changed, the list as in the file.
        QVERIFY(mix.Geaendert);
        QCOMPARE(mix.Posten[0].Anteil(), 0.5);
        QCOMPARE(int(mix.Mischungen.size()), 2);
        QVERIFY(inhalt(tc.pfad(QStringLiteral("MISCHUNG.DAT"))) == alt);
    }

    void dateinameOhneGrossKlein() {
        TestContext tc;
        schreiben(tc.pfad(QStringLiteral("komponen.dat")), rauschen(300, 5));
        Futtermix mix(tc.ctx);
        QCOMPARE(int(mix.Komponenten.size()), 3);
        mix.KomponenteLoeschen(0);
        QVERIFY(mix.SpeicherAbfrage(QString(), -1));
        QCOMPARE(inhalt(tc.pfad(QStringLiteral("komponen.dat"))).size(), 200);
        QVERIFY(!QFile::exists(tc.pfad(QStringLiteral("KOMPONEN.DAT"))));
    }
};

QTEST_GUILESS_MAIN(TestFutterdateien)
#include "tst_futterdateien.moc"
