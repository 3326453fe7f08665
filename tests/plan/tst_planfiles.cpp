#include "platform/safewrite.h"
#include "stamm/planfiles.h"
#include "stamm/terminnamen.h"
#include "support/begrenztesgeraet.h"
#include "support/herdbau.h"
#include "support/testcontext.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

// An older 251-byte plan type, byte by byte: flag i (state 0..6, then page 0..4) is bit i%7.
QByteArray alterSatz(const QByteArray& name, const QList<QByteArray>& staelle, qint16 gruppe,
                     int flags) {
    QByteArray s(251, '\0');
    s[0] = char(name.size());
    s.replace(1, name.size(), name);
    for (int i = 0; i < 12; ++i)
        s[16 + i] = char((flags >> (i % 7)) & 1);
    for (int i = 0; i < staelle.size(); ++i) {
        s[28 + 11 * i] = char(staelle[i].size());
        s.replace(28 + 11 * i + 1, staelle[i].size(), staelle[i]);
    }
    s[248] = char(gruppe & 0xFF);
    s[249] = char((gruppe >> 8) & 0xFF);
    s[250] = 1;
    return s;
}

} // namespace

class TestPlanFiles : public QObject {
    Q_OBJECT
private slots:
    void plantypformatNachGroesse_data() {
        QTest::addColumn<int>("groesse");
        QTest::addColumn<bool>("alt");
        QTest::addColumn<int>("anzahl");
        QTest::addColumn<bool>("fehler");
        QTest::newRow("empty file takes the old branch") << 0 << true << 0 << false;
        QTest::newRow("3 x 251") << 753 << true << 3 << false;
        QTest::newRow("2 x 351") << 702 << false << 2 << false;
        QTest::newRow("multiple of both is old") << 251 * 351 << true << 351 << false;
        QTest::newRow("351 and a stray byte") << 352 << false << 1 << true;
    }

    void plantypformatNachGroesse() {
        QFETCH(int, groesse);
        QBuffer b;
        b.setData(QByteArray(groesse, '\x01'));
        b.open(QIODevice::ReadOnly);
        const PlanTypenGelesen r = PlanTypenLesen(b, groesse);
        QTEST(r.altesFormat, "alt");
        QTEST(int(r.typen.size()), "anzahl");
        QTEST(r.fehler, "fehler");
    }

    void altePlantypenUmgewandelt() {
        TestContext t;
        QByteArray erster =
            alterSatz("Abferkelstall", {"Stall 1", "ABCDEFGHIJ", "", "x"}, -1, 0x55);
        erster[28 + 9] = 'Z';        // a byte behind the first stall name's length
        erster[28 + 33] = char(200); // a length byte beyond the 10 characters of the field
        QVERIFY(schreiben(t.pfad(QStringLiteral("PLANTYPE.DAT")),
                          erster + alterSatz("Gruppe 3", {}, 3, 0x11)));
        DatenLaden(t.ctx);
        QCOMPARE(int(t.ctx.Plantypen.size()), 2);

        QByteArray erwartet(351, '\0');
        const auto setzen = [&](int pos, const QByteArray& teil) {
            erwartet.replace(pos, teil.size(), teil);
        };
        setzen(0, erster.left(28));
        setzen(28, "\x07Stall 1");
        setzen(44, "\012ABCDEFGHIJ");
        setzen(76, "\012x"); // length clamped to the 10 characters of the old slot
        setzen(348, "\xff\xff\x01");
        QCOMPARE(roh(t.ctx.Plantypen[0]).toHex(' '), erwartet.toHex(' '));
        QCOMPARE(t.ctx.Plantypen[1].Gruppe(), std::int16_t(3));

        QVERIFY(PlanTypenSpeichern(t.ctx.Plantypen, t.ctx.Datenpfad, t.messages));
        const QByteArray neu = inhalt(t.pfad(QStringLiteral("PLANTYPE.DAT")));
        QCOMPARE(neu.size(), 2 * 351);
        QCOMPARE(neu.left(351), roh(t.ctx.Plantypen[0]));
        const std::vector<TPlanTyp> vorher = t.ctx.Plantypen;
        DatenLaden(t.ctx); // now the newer format
        QVERIFY(t.ctx.Plantypen == vorher);
        QVERIFY(t.messages.shown.isEmpty());
    }

    void planzeitenLaden_data() {
        QTest::addColumn<int>("groesse"); // -1: no file
        QTest::addColumn<int>("abferkeln");
        QTest::addColumn<int>("tragezeit");
        QTest::addColumn<bool>("gelesen");
        QTest::newRow("missing: defaults, silently") << -1 << 0 << 113 << false;
        QTest::newRow("one byte short") << 1949 << 120 << 113 << false;
        QTest::newRow("farrowing from day 114") << 1950 << 114 << 114 << true;
        QTest::newRow("longer file: first record") << 2000 << 110 << 110 << true;
    }

    void planzeitenLaden() {
        QFETCH(int, groesse);
        QFETCH(int, abferkeln);
        QFETCH(bool, gelesen);
        TestContext t;
        TPlanZeiten z;
        z.setEntry(psBelegen, 0,
                   TPlanTermin::mit(QStringLiteral("Abferkeln"), abferkeln, 116, "A"));
        if (groesse >= 0)
            QVERIFY(schreiben(t.pfad(QStringLiteral("PLANZEIT.DAT")),
                              (roh(z) + QByteArray(100, 'x')).left(groesse)));
        DatenLaden(t.ctx);
        QTEST(t.ctx.Tragezeit, "tragezeit");
        QVERIFY(t.ctx.Planzeiten == (gelesen ? z : PlanZeitenStandard()));
        const QStringList meldung{QStringLiteral("Lesefehler in der Datei PLANZEIT.DAT")};
        QCOMPARE(t.messages.texts(), gelesen || groesse < 0 ? QStringList() : meldung);
        // A missing plan types file leaves the list empty, silently.
        t.ctx.Plantypen.resize(1);
        DatenLaden(t.ctx);
        QVERIFY(t.ctx.Plantypen.empty());
    }

    void dateienOhneGrossKleinGefunden() {
        TestContext t;
        TPlanZeiten z;
        z.setEntry(psBelegen, 0, TPlanTermin::mit(QStringLiteral("Abferkeln"), 116, 118, "A"));
        QVERIFY(schreiben(t.pfad(QStringLiteral("planzeit.dat")), roh(z)));
        QVERIFY(schreiben(t.pfad(QStringLiteral("PlanType.Dat")), roh(TPlanTyp())));
        DatenLaden(t.ctx);
        QCOMPARE(t.ctx.Tragezeit, 116);
        QCOMPARE(int(t.ctx.Plantypen.size()), 1);
        // Saving replaces those files instead of adding a second spelling.
        QVERIFY(PlanZeitenSpeichern(t.ctx.Planzeiten, t.ctx.Datenpfad, t.messages) &&
                PlanTypenSpeichern(t.ctx.Plantypen, t.ctx.Datenpfad, t.messages));
        QCOMPARE(QDir(t.dir.path()).entryList(QDir::Files, QDir::Name),
                 (QStringList{"PlanType.Dat", "planzeit.dat"}));
    }

    void schreibfehlerGemeldet_data() {
        QTest::addColumn<QString>("datei");
        QTest::newRow("plan times") << QStringLiteral("PLANZEIT.DAT");
        QTest::newRow("plan types") << QStringLiteral("PLANTYPE.DAT");
    }

    void schreibfehlerGemeldet() {
        QFETCH(QString, datei);
        TestContext t;
        QVERIFY(QDir(t.dir.path()).mkdir(datei)); // a folder in the file's place
        const bool ok = datei == QStringLiteral("PLANZEIT.DAT")
                            ? PlanZeitenSpeichern(t.ctx.Planzeiten, t.ctx.Datenpfad, t.messages)
                            : PlanTypenSpeichern(t.ctx.Plantypen, t.ctx.Datenpfad, t.messages);
        QVERIFY(!ok);
        QCOMPARE(t.messages.texts(), QStringList{SchreibFehlerText(
                                         datei, t.pfad(datei),
                                         QStringLiteral("Unter diesem Namen steht ein Ordner."))});
    }

    // The task dates are the rows 0-3 of the page "Wurfunabh." and 2-9 of "ab Belegen"; every
    // other row of every page bears a name too, which no slot may take.
    void terminnamenAusIhrenZeilen() {
        TPlanZeiten z;
        for (int seite = 0; seite < 5; ++seite)
            for (int zeile = 0; zeile < 15; ++zeile)
                z.setEntry(
                    seite, zeile,
                    TPlanTermin::mit(QStringLiteral("%1/%2").arg(seite).arg(zeile), 0, 0, ""));
        const Terminnamen n(z);
        for (int slot = 0; slot < 20; ++slot) {
            QString erwartet;
            if (slot < 4) erwartet = QStringLiteral("%1/%2").arg(psWurfunabhaengig).arg(slot);
            if (slot >= 10 && slot < 18)
                erwartet = QStringLiteral("%1/%2").arg(psBelegen).arg(slot - 8);
            QCOMPARE(n[std::size_t(slot)], erwartet);
        }
    }

    // A disk failing while the plan types are read in small pieces: the whole records read
    // stay, the failure is seen. (A plan-times record cut short is in the loading table.)
    void versagendesGeraetWirdErkannt() {
        const QByteArray typ = roh(TPlanTyp());
        BegrenztesGeraet typen(typ.size() + 100, typ + typ, 64);
        QVERIFY(typen.open(QIODevice::ReadOnly));
        const PlanTypenGelesen g = PlanTypenLesen(typen, 2 * typ.size());
        QVERIFY(g.fehler);
        QCOMPARE(int(g.typen.size()), 1);
    }
};

QTEST_GUILESS_MAIN(TestPlanFiles)
#include "tst_planfiles.moc"
