// The feed files (components and mixes, byte for byte, short files, failing writes) and the
// mix report (CSV and printout).

#include "feed/futterdateien.h"
#include "feed/futtermix.h"
#include "feed/mischungsbericht.h"
#include "herd/sperren.h"
#include "platform/csvwriter.h"
#include "platform/recordingcanvas.h"
#include "support/begrenztesgeraet.h"
#include "support/herdbau.h"
#include "support/testcontext.h"

#include "platform/safewrite.h"
#include <QBuffer>
#include <QtTest>

namespace {

QByteArray rauschen(int n, quint32 seed) {
    Zufall z(seed);
    QByteArray b(n, '\0');
    for (char& c : b)
        c = char(z.zahl(0, 255));
    return b;
}

// A mix file of noise: two whole records, the second with the name "Sau säugend".
QByteArray mischungsDatei() {
    QByteArray d = rauschen(2 * 2890, 7);
    d[0] = 3;
    d[2890] = 11;
    d.replace(2891, 11, QByteArray("Sau s\xE4ugend"));
    return d;
}

// A mix of wheat (fixed, 0.6) and soybean meal (0.4) and an entry with share 0.
struct Beispiel {
    TestContext tc;
    Futtermix mix{tc.ctx};
    Beispiel() {
        TKomponentenRec w, s, k;
        w.setName("Weizen");
        s.setName("Soja; \"HP\"");
        k.setName("Kalk");
        for (int m = 0; m < kFutterWerte; ++m) {
            w.setWert(m, m == fwTS ? 880 : m + 1);
            s.setWert(m, m == fwTS ? 880 : 10 * (m + 1));
        }
        w.setWaehrung(DM);
        s.setWaehrung(DM);
        mix.Komponenten = {w, s, k};
        mix.Hinzufuegen(0);
        mix.Hinzufuegen(1);
        mix.Hinzufuegen(2);
        mix.AnteilSetzen(0, 0.6);
        mix.FestSetzen(0, true);
        mix.AnteilSetzen(1, 0.4);
        mix.Name = "Laktation";
    }
};

} // namespace

class TestFutterdateien : public QObject {
    Q_OBJECT
private slots:
    void felderAnIhrenStellen() {
        TKomponentenRec k;
        k.setName("Sojaöl");
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

    // Whole records come back byte for byte; a short file is read as far as it goes.
    void rundreiseBytegenau_data() {
        QTest::addColumn<bool>("mischung");
        QTest::addColumn<QByteArray>("datei");
        QTest::addColumn<int>("saetze");
        QTest::newRow("Komponenten") << false << rauschen(7 * 100, 1) << 7;
        QTest::newRow("Mischungen") << true << mischungsDatei() << 2;
        QTest::newRow("leer") << true << QByteArray() << 0;
        QTest::newRow("Komponenten 2,5") << false << rauschen(250, 3) << 2;
        QTest::newRow("Komponenten 99 Bytes") << false << rauschen(99, 3) << 0;
        QTest::newRow("Mischungen 1 und ein Byte") << true << mischungsDatei().left(2891) << 1;
    }
    void rundreiseBytegenau() {
        QFETCH(bool, mischung);
        QFETCH(QByteArray, datei);
        QFETCH(int, saetze);
        QBuffer ein(&datei);
        ein.open(QIODevice::ReadOnly);
        QByteArray aus;
        QBuffer b(&aus);
        b.open(QIODevice::WriteOnly);
        QByteArray erwartet = datei.left(saetze * (mischung ? 2890 : 100));
        if (mischung) {
            const auto liste = MischungenLesen(ein);
            QCOMPARE(int(liste.size()), saetze);
            if (saetze > 1) QCOMPARE(liste[1].Name(), "Sau säugend");
            QVERIFY(MischungenSchreiben(b, liste));
            // The reserved 16th slot is written as zeros.
            for (int s = 0; s < erwartet.size(); s += 2890)
                erwartet.replace(s + 2711, 179, QByteArray(179, '\0'));
        } else {
            const auto liste = KomponentenLesen(ein);
            QCOMPARE(int(liste.size()), saetze);
            QVERIFY(KomponentenSchreiben(b, liste));
        }
        QVERIFY(aus == erwartet);
    }

    // Writing to a full disk fails; reading from a failing one keeps the whole records read
    // and tells of the failure, where a file that merely ends does not.
    void versagendesGeraetMeldetFehler() {
        std::vector<TKomponentenRec> k(3);
        BegrenztesGeraet dev(250);
        QVERIFY(dev.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        QVERIFY(!KomponentenSchreiben(dev, k));
        std::vector<TMischungRec> m(2);
        BegrenztesGeraet dev2(2890 + 100);
        QVERIFY(dev2.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        QVERIFY(!MischungenSchreiben(dev2, m));
        const QByteArray datei = mischungsDatei();
        for (const qint64 grenze : {qint64(kMischungSize + 10), qint64(datei.size() + 1)}) {
            BegrenztesGeraet lesen(grenze, datei, 100);
            QVERIFY(lesen.open(QIODevice::ReadOnly));
            bool fehler = false;
            const auto gelesen = MischungenLesen(lesen, &fehler);
            QCOMPARE(fehler, grenze <= datei.size());
            QCOMPARE(int(gelesen.size()), fehler ? 1 : 2);
        }
    }

    // The mixing window tells when a file failed on the way.
    void lesefehlerWirdGemeldet() {
        TestContext tc;
        QVERIFY(QFile::link("/proc/self/mem", tc.pfad("KOMPONEN.DAT")));
        const Futtermix mix(tc.ctx);
        QCOMPARE(tc.messages.texts(), QStringList{"Fehler beim Lesen der Datei KOMPONEN.DAT!"});
    }

    void schreibfehlerBehaeltAlteDateiUndMeldet() {
        TestContext tc;
        const QByteArray alt = mischungsDatei();
        QVERIFY(schreiben(tc.pfad("MISCHUNG.DAT"), alt));
        Futtermix mix(tc.ctx);
        QCOMPARE(int(mix.Mischungen.size()), 2);
        mix.Laden(0);
        mix.AnteilSetzen(0, 0.5);
        bool weiter = true;
        {
            Groessengrenze g{rlim_t(4000)}; // less than the two records
            weiter = mix.SpeicherAbfrage("Neue", -1);
        }
        QVERIFY(!weiter);
        // The message names the file, its full path and the reason.
        QCOMPARE(tc.messages.texts().last(),
                 SchreibFehlerText("MISCHUNG.DAT", tc.pfad("MISCHUNG.DAT"),
                                   "Die Datei wird zu groß für den Datenträger."));
        // Nothing lost: the mix is still there and still changed, the list as in the file.
        QVERIFY(mix.Geaendert);
        QCOMPARE(mix.Posten[0].Anteil(), 0.5);
        QCOMPARE(int(mix.Mischungen.size()), 2);
        QVERIFY(inhalt(tc.pfad("MISCHUNG.DAT")) == alt);
    }

    void dateinameOhneGrossKlein() {
        TestContext tc;
        QVERIFY(schreiben(tc.pfad("komponen.dat"), rauschen(300, 5)));
        Futtermix mix(tc.ctx);
        QCOMPARE(int(mix.Komponenten.size()), 3);
        mix.KomponenteLoeschen(0);
        QVERIFY(mix.SpeicherAbfrage(QString(), -1));
        QCOMPARE(inhalt(tc.pfad("komponen.dat")).size(), 200);
        QVERIFY(!QFile::exists(tc.pfad("KOMPONEN.DAT")));
    }

    // Numbers in a table: decimal comma, rounded, never "-0"; a bare carriage return inside a
    // text keeps its field together.
    void csvFelder() {
        CsvWriter w;
        w.zahl(1234.5678, 3).zahl(-0.0001, 3).text(QStringLiteral("a\rb"));
        QCOMPARE(w.bytes(), "\xEF\xBB\xBF" + QByteArray("1234,568;0,000;\"a\rb\"\r\n"));
    }

    void csvDerMischung() {
        Beispiel b;
        const QList<QByteArray> zeilen =
            MischungAlsCsv(b.mix, " Preis in DM").bytes().mid(3).split('\n');
        QCOMPARE(zeilen.size(), 7); // heads, 3 entries, totals, targets, nothing after the last
        QCOMPARE(zeilen[0], QByteArray("Fest;Menge;Name;TS;MJ;RProt;Lys;Meth;St\xC3\xA4rk;RFas;"
                                       "RFett;RAsche;Ca;P;Na;Preis in DM\r"));
        QCOMPARE(zeilen[1],
                 QByteArray("X;0,600;Weizen;528;1,2;2;2,4;3,0;4;4;5;5;6,0;6,6;7,2;7,80\r"));
        QVERIFY(zeilen[2].startsWith(";0,400;\"Soja; \"\"HP\"\"\";352;8,0;"));
        QVERIFY(zeilen[4].startsWith(";;Gesamt;880;"));
        QCOMPARE(zeilen[5], QByteArray(";;Ziel;880;0,0;0;0,0;0,0;0;0;0;0;0,0;0,0;0,0\r"));
    }

    // The printout lists the entries with a share; one with share 0 is left out.
    void druckOhneNullanteile() {
        Beispiel b;
        RecordingCanvas c(1200, 800);
        MischungDrucken(c, b.mix, "Arial", "DM");
        QStringList t;
        for (const auto& i : c.texts())
            t << i.text;
        QVERIFY(t.contains("  Weizen") && t.contains("  Soja; \"HP\""));
        QVERIFY(!t.contains("  Kalk"));
    }
};

QTEST_MAIN(TestFutterdateien)
#include "tst_futterdateien.moc"
