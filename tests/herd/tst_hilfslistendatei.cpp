#include "herd/hilfslisten.h"
#include "support/begrenztesgeraet.h"
#include "support/herdbau.h"
#include "support/testcontext.h"

#include <QBuffer>
#include <QFile>
#include <QtTest>

namespace {

QByteArray satz(int liste, const QByteArray& text, int laengenByte = -1) {
    QByteArray s(kHilfslistenSatz, '\0');
    s[0] = char(liste);
    s[1] = char(laengenByte >= 0 ? laengenByte : text.size());
    for (int i = 0; i < text.size() && i < 15; ++i)
        s[2 + i] = text[i];
    return s;
}

THilfslisten lesen(const QByteArray& daten, FakeMessages& msg) {
    QBuffer b;
    b.setData(daten);
    b.open(QIODevice::ReadOnly);
    THilfslisten l;
    HilfslistenLesen(b, l, msg);
    return l;
}

} // namespace

class TestHilfslistenDatei : public QObject {
    Q_OBJECT
private slots:
    void listenLesen_data() {
        QTest::addColumn<QByteArray>("daten");
        QTest::addColumn<QStringList>("liste0");
        QTest::addColumn<QStringList>("liste6");
        QTest::addColumn<int>("fehler");
        QTest::newRow("0 bytes") << QByteArray() << QStringList() << QStringList() << 0;
        QTest::newRow("list 6 loaded")
            << satz(6, "sechs") + satz(0, "DE") << QStringList{"DE"} << QStringList{"sechs"} << 0;
        QTest::newRow("any record order, file order within a list")
            << satz(0, "Pietrain") + satz(5, "Stall 1") + satz(0, "Landrasse")
            << QStringList{"Pietrain", "Landrasse"} << QStringList() << 0;
        QTest::newRow("read error in the middle keeps what was read")
            << satz(0, "DE") + satz(0, "DL").left(60) << QStringList{"DE"} << QStringList() << 1;
        QTest::newRow("length byte above 15 is clamped")
            << satz(0, "ABCDEFGHIJKLMNO", 200) << QStringList{"ABCDEFGHIJKLMNO"} << QStringList()
            << 0;
        QTest::newRow("Windows-1252 text")
            << satz(0, "Gro\337e \200") << QStringList{"Große €"} << QStringList() << 0;
    }
    void listenLesen() {
        QFETCH(QByteArray, daten);
        QFETCH(int, fehler);
        FakeMessages msg;
        const THilfslisten l = lesen(daten, msg);
        QTEST(l[0], "liste0");
        QTEST(l[6], "liste6");
        QCOMPARE(msg.count(QStringLiteral("Lesefehler in Datei HILFSLST.DAT!")), fehler);
        QCOMPARE(int(msg.shown.size()), fehler);
    }
    // A disk failing while the lists are read: the whole records read stay, and it is told.
    // Bytes handed out in small pieces are no failure.
    void versagendesGeraetWirdGemeldet_data() {
        QTest::addColumn<qint64>("versagtAb");
        QTest::addColumn<QStringList>("liste0");
        QTest::addColumn<int>("fehler");
        QTest::newRow("in pieces to the end") << qint64(1000) << QStringList{"DE", "DL"} << 0;
        QTest::newRow("fails in the second record")
            << qint64(kHilfslistenSatz + 5) << QStringList{"DE"} << 1;
        QTest::newRow("fails at once") << qint64(0) << QStringList{} << 1;
    }
    void versagendesGeraetWirdGemeldet() {
        QFETCH(qint64, versagtAb);
        BegrenztesGeraet dev(versagtAb, satz(0, "DE") + satz(0, "DL"), 7);
        QVERIFY(dev.open(QIODevice::ReadOnly));
        FakeMessages msg;
        THilfslisten l;
        HilfslistenLesen(dev, l, msg);
        QTEST(l[0], "liste0");
        QTEST(msg.count(QStringLiteral("Lesefehler in Datei HILFSLST.DAT!")), "fehler");
    }

    void rundreiseSchreibtListenInFolge() {
        THilfslisten l;
        l[5] = QStringList{"Abferkel 1", "Deckzentrum"};
        l[0] = QStringList{"Große Weiße", ""};
        l[3] = QStringList{"Müller"};
        QBuffer b;
        b.open(QIODevice::WriteOnly);
        QVERIFY(HilfslistenSchreiben(b, l));
        const QByteArray d = b.data();
        QCOMPARE(d.size(), 5 * kHilfslistenSatz);
        for (int i = 0; i < 5; ++i) // list 0, then 3, then 5
            QCOMPARE(int(d[kHilfslistenSatz * i]), (QList<int>{0, 0, 3, 5, 5}[i]));
        FakeMessages msg;
        QCOMPARE(lesen(d, msg), l);
    }
    // Without the file the lists are emptied silently; the file is saved in place.
    void ladenUndSpeichern() {
        TestContext t;
        t.ctx.Hilfslisten[2] = QStringList{"alt"};
        HilfslistenLaden(t.ctx.Hilfslisten, t.ctx.Datenpfad, t.messages);
        for (const QStringList& l : t.ctx.Hilfslisten)
            QVERIFY(l.isEmpty());
        QVERIFY(schreiben(t.pfad(QStringLiteral("HILFSLST.DAT")),
                          satz(1, "erdr\374ckt") + satz(1, "Durchfall")));
        HilfslistenLaden(t.ctx.Hilfslisten, t.ctx.Datenpfad, t.messages);
        QCOMPARE(t.ctx.Hilfslisten[1], (QStringList{"erdrückt", "Durchfall"}));
        t.ctx.Hilfslisten[1].append(QStringLiteral("lebensschwach"));
        QVERIFY(HilfslistenSpeichern(t.ctx.Hilfslisten, t.ctx.Datenpfad, t.messages));
        QCOMPARE(QDir(t.dir.path()).entryList(QDir::Files), QStringList{"HILFSLST.DAT"});
        HilfslistenLaden(t.ctx.Hilfslisten, t.ctx.Datenpfad, t.messages);
        QCOMPARE(t.ctx.Hilfslisten[1].size(), 3);
        QVERIFY(t.messages.shown.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestHilfslistenDatei)
#include "tst_hilfslistendatei.moc"
