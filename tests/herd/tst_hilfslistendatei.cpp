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

} // namespace

class TestHilfslistenDatei : public QObject {
    Q_OBJECT
private slots:
    // Records in any order; a record cut short, or a disk failing, keeps the whole records read
    // and is told. Bytes handed out in small pieces are no failure.
    void listenLesen_data() {
        QTest::addColumn<QByteArray>("daten");
        QTest::addColumn<qint64>("versagtAb");
        QTest::addColumn<QStringList>("liste0");
        QTest::addColumn<QStringList>("liste6");
        QTest::addColumn<int>("fehler");
        const qint64 nie = 1 << 20;
        const QByteArray zwei = satz(0, "DE") + satz(0, "DL");
        QTest::newRow("0 bytes") << QByteArray() << nie << QStringList() << QStringList() << 0;
        QTest::newRow("list 6 loaded") << satz(6, "sechs") + satz(0, "DE") << nie
                                       << QStringList{"DE"} << QStringList{"sechs"} << 0;
        QTest::newRow("any record order, file order within a list")
            << satz(0, "Pietrain") + satz(5, "Stall 1") + satz(0, "Landrasse") << nie
            << QStringList{"Pietrain", "Landrasse"} << QStringList() << 0;
        QTest::newRow("read error in the middle keeps what was read")
            << zwei.left(kHilfslistenSatz + 60) << nie << QStringList{"DE"} << QStringList() << 1;
        QTest::newRow("length byte above 15 is clamped")
            << satz(0, "ABCDEFGHIJKLMNO", 200) << nie << QStringList{"ABCDEFGHIJKLMNO"}
            << QStringList() << 0;
        QTest::newRow("Windows-1252 text")
            << satz(0, "Gro\337e \200") << nie << QStringList{"Große €"} << QStringList() << 0;
        QTest::newRow("disk fails in the second record")
            << zwei << qint64(kHilfslistenSatz + 5) << QStringList{"DE"} << QStringList() << 1;
        QTest::newRow("disk fails at once")
            << zwei << qint64(0) << QStringList{} << QStringList() << 1;
    }
    void listenLesen() {
        QFETCH(QByteArray, daten);
        QFETCH(qint64, versagtAb);
        QFETCH(int, fehler);
        BegrenztesGeraet dev(versagtAb, daten, 7);
        QVERIFY(dev.open(QIODevice::ReadOnly));
        FakeMessages msg;
        THilfslisten l;
        HilfslistenLesen(dev, l, msg);
        QTEST(l[0], "liste0");
        QTEST(l[6], "liste6");
        QCOMPARE(msg.count(QStringLiteral("Lesefehler in Datei HILFSLST.DAT!")), fehler);
        QCOMPARE(int(msg.shown.size()), fehler);
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
        b.close();
        b.open(QIODevice::ReadOnly);
        THilfslisten zurueck;
        FakeMessages msg;
        HilfslistenLesen(b, zurueck, msg);
        QCOMPARE(zurueck, l);
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
