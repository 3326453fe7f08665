#include "programm/appcontext.h"
#include "entry/sammelbuchung.h"
#include "plan/terminnamen.h"
#include "support/testcontext.h"

#include <QtTest>

using namespace sammelbuchung;

namespace {

TKurzDatum dt(int d, int m, int y) {
    return TKurzDatum::aus(d, m, y);
}

const TKurzDatum tag = dt(4, 3, 2013);

// A litter mated `matings` times from 1.10.2012 on; farrowed and weaned as asked.
TWurfRec wurf(int nr, int matings, bool abgeferkelt = false, bool abgesetzt = false) {
    TWurfRec w = TWurfRec::leer(std::uint8_t(nr));
    for (int k = 1; k <= matings; ++k) {
        w.setBelegen(k, dt(k, 10, 2012));
        w.setEber(k, QStringLiteral("Alt"));
    }
    if (abgeferkelt) w.setAbferkeln(dt(20, 1, 2013));
    if (abgesetzt) w.setAbsetzen(dt(15, 2, 2013));
    return w;
}

Sau sau(const QString& nr, std::vector<TWurfRec> wuerfe) {
    Sau s;
    s.rec.setSauNr(nr);
    s.rec.setZugang(dt(1, 1, 2012));
    s.wuerfe = std::move(wuerfe);
    return s;
}

Buchung buchung(int ep, int mal = 1, bool tragend = false, double kg = 0) {
    Buchung b;
    b.eingabepunkt = ep;
    b.datum = tag;
    b.eber = ep == epBelegen ? QStringLiteral("Eber-Nummer-12") : QStringLiteral("Schlachthof");
    b.mal = mal;
    b.tragend = tragend;
    b.absetzgewichtKg = kg;
    return b;
}

} // namespace

class TestSammelbuchung : public QObject {
    Q_OBJECT
private slots:
    void bookingPerEntryPoint_data();
    void bookingPerEntryPoint();
    void unfittingSowToldOthersBooked();
    void entryList_data();
    void entryList();
    void numberingView_data();
    void numberingView();
};

void TestSammelbuchung::bookingPerEntryPoint_data() {
    QTest::addColumn<Sau>("vorher");
    QTest::addColumn<Buchung>("b");
    QTest::addColumn<Sau>("nachher");
    QTest::addColumn<QString>("meldung");

    const auto gebucht = [](Sau s, auto f) {
        f(s);
        return s;
    };
    const Sau abgesetzt = sau("A", {wurf(3, 1, true, true)});
    QTest::newRow("mating after weaning: next litter")
        << abgesetzt << buchung(epBelegen, 2)
        << gebucht(abgesetzt,
                   [](Sau& s) {
                       TWurfRec w = TWurfRec::leer(4);
                       w.setBelegen(1, tag);
                       w.setEber(1, QStringLiteral("Eber-Numme"));
                       w.setMal(1, 2);
                       s.wuerfe.push_back(w);
                   })
        << QString();
    const Sau zwei = sau("B", {wurf(1, 2)});
    QTest::newRow("two matings: third, Mal 1 stays 0")
        << zwei << buchung(epBelegen)
        << gebucht(zwei,
                   [](Sau& s) {
                       s.wuerfe[0].setBelegen(3, tag);
                       s.wuerfe[0].setEber(3, QStringLiteral("Eber-Numme"));
                   })
        << QString();
    const Sau drei = sau("C", {wurf(1, 3)});
    QTest::newRow("three matings: third overwritten")
        << drei << buchung(epBelegen, 3)
        << gebucht(drei,
                   [](Sau& s) {
                       s.wuerfe[0].setBelegen(3, tag);
                       s.wuerfe[0].setEber(3, QStringLiteral("Eber-Numme"));
                       s.wuerfe[0].setMal(3, 3);
                   })
        << QString();
    const Sau saeugend = sau("17", {wurf(1, 1, true)});
    QTest::newRow("suckling sow not mated") << saeugend << buchung(epBelegen) << saeugend
                                            << QStringLiteral("Die Sau 17 ist zur Zeit säugend!");
    const Sau belegt = sau("E", {wurf(2, 1)});
    QTest::newRow("second check without first fills the first")
        << belegt << buchung(epTK2, 1, true)
        << gebucht(belegt,
                   [](Sau& s) {
                       s.wuerfe[0].setTKDatum(1, tag);
                       s.wuerfe[0].setTKErgebnis(1, 1);
                   })
        << QString();
    const Sau geprueft =
        gebucht(belegt, [](Sau& s) { s.wuerfe[0].setTKDatum(1, dt(1, 11, 2012)); });
    QTest::newRow("second check after first")
        << geprueft << buchung(epTK2)
        << gebucht(geprueft, [](Sau& s) { s.wuerfe[0].setTKDatum(2, tag); }) << QString();
    QTest::newRow("check of a farrowed sow refused")
        << saeugend << buchung(epTK1) << saeugend
        << QStringLiteral("Die Sau 17 wird zur Zeit nicht als belegt oder tragend geführt!");
    QTest::newRow("check of a sow without litter refused")
        << sau("G", {}) << buchung(epTK1) << sau("G", {})
        << QStringLiteral("Die Sau G wird zur Zeit nicht als belegt oder tragend geführt!");
    QTest::newRow("weaning with weight in grams")
        << saeugend << buchung(epAbsetzen, 1, false, 7.2346)
        << gebucht(saeugend,
                   [](Sau& s) {
                       s.wuerfe[0].setAbsetzen(tag);
                       s.wuerfe[0].setAbsetzgewicht(7235);
                   })
        << QString();
    const Sau gewogen = gebucht(saeugend, [](Sau& s) { s.wuerfe[0].setAbsetzgewicht(6000); });
    QTest::newRow("weaning without weight keeps it")
        << gewogen << buchung(epAbsetzen)
        << gebucht(gewogen, [](Sau& s) { s.wuerfe[0].setAbsetzen(tag); }) << QString();
    QTest::newRow("weaning without farrowing refused")
        << belegt << buchung(epAbsetzen) << belegt
        << QStringLiteral("Zur Sau E liegt keine Abferkeleintrag vor!");
    QTest::newRow("departure with buyer")
        << belegt << buchung(epAbgang)
        << gebucht(belegt,
                   [](Sau& s) {
                       s.rec.setAbgang(tag);
                       s.rec.setAbnehmer(QStringLiteral("Schlachthof"));
                   })
        << QString();
    Buchung stall = buchung(epStall);
    stall.stall = QStringLiteral("Abferkelstall Nord");
    QTest::newRow("stall cut to 15") << belegt << stall << gebucht(belegt, [](Sau& s) {
        s.rec.setStall(QStringLiteral("Abferkelstall N"));
    }) << QString();
    QTest::newRow("sow date 3") << belegt << buchung(8)
                                << gebucht(belegt, [](Sau& s) { s.rec.setSauTermin(3, tag); })
                                << QString();
    QTest::newRow("litter date 8 into the last litter")
        << abgesetzt << buchung(17)
        << gebucht(abgesetzt, [](Sau& s) { s.wuerfe.back().setWurfTermin(8, tag); }) << QString();
    QTest::newRow("mating of a sow without litter leaves her")
        << sau("G", {}) << buchung(epBelegen) << sau("G", {}) << QString();
}

void TestSammelbuchung::bookingPerEntryPoint() {
    QFETCH(Sau, vorher);
    QFETCH(Buchung, b);
    QFETCH(Sau, nachher);
    QFETCH(QString, meldung);
    b.datum.Zusatz = 2; // the date is booked without its suffix
    QCOMPARE(SauBuchen(vorher, b), meldung);
    QVERIFY(vorher.rec == nachher.rec);
    QCOMPARE(vorher.wuerfe.size(), nachher.wuerfe.size());
    for (std::size_t i = 0; i < vorher.wuerfe.size(); ++i)
        QVERIFY2(vorher.wuerfe[i] == nachher.wuerfe[i], qPrintable(QString::number(i)));
}

void TestSammelbuchung::unfittingSowToldOthersBooked() {
    TestContext t;
    t.ctx.Sauenliste = {sau("A", {wurf(1, 1, true, true)}), sau("17", {wurf(1, 1, true)}),
                        sau("B", {wurf(1, 1)})};
    QCOMPARE(SauenBuchen(t.ctx, {2, 1, 0}, buchung(epBelegen)), 2);
    QCOMPARE(t.messages.texts(), QStringList{QStringLiteral("Die Sau 17 ist zur Zeit säugend!")});
    QVERIFY(t.ctx.Geaendert);
    QCOMPARE(t.ctx.Sauenliste[0].wuerfe.size(), std::size_t(2));
    QCOMPARE(t.ctx.Sauenliste[1].wuerfe[0].Belegen(2).vorhanden(), false);
    QCOMPARE(t.ctx.Sauenliste[2].wuerfe[0].Belegen(2), tag);
}

void TestSammelbuchung::entryList_data() {
    QTest::addColumn<Terminnamen>("namen");
    QTest::addColumn<QStringList>("liste");
    const QStringList fest{"Stall ändern",
                           "Belegen",
                           "1. TK.-Kontr.",
                           "2. TK.-Kontr.",
                           "Absetzen",
                           "Abgang",
                           "-",
                           "-",
                           "-",
                           "-"};
    Terminnamen zwei;
    zwei[10] = QStringLiteral("Impfen");
    zwei[12] = QStringLiteral("Entwurmen");
    QTest::newRow("slots 10 and 12") << zwei << fest + QStringList{"Impfen", "-", "Entwurmen"};
    QTest::newRow("all empty") << Terminnamen() << fest;
    Terminnamen sauTermin;
    sauTermin[2] = QStringLiteral("Klauen");
    sauTermin[17] = QStringLiteral("Letzter");
    QStringList lang = fest;
    lang[8] = QStringLiteral("Klauen");
    lang << "-"
         << "-"
         << "-"
         << "-"
         << "-"
         << "-"
         << "-"
         << "Letzter";
    QTest::newRow("sow date and last slot") << sauTermin << lang;
}

void TestSammelbuchung::entryList() {
    QFETCH(Terminnamen, namen);
    QFETCH(QStringList, liste);
    QCOMPARE(Eingabepunkte(namen), liste);
}

void TestSammelbuchung::numberingView_data() {
    QTest::addColumn<std::vector<int>>("vorher");
    QTest::addColumn<QChar>("taste");
    QTest::addColumn<std::vector<int>>("nachher");
    QTest::addColumn<bool>("geaendert");
    QTest::newRow("plus renumbers")
        << std::vector{2, 5, 6} << QChar(u'+') << std::vector{3, 4, 5} << true;
    QTest::newRow("minus at 1 stays")
        << std::vector{1, 2} << QChar(u'-') << std::vector{1, 2} << false;
    QTest::newRow("minus") << std::vector{3, 4} << QChar(u'-') << std::vector{2, 3} << true;
    QTest::newRow("equals closes gaps")
        << std::vector{4, 7, 7} << QChar(u'=') << std::vector{4, 5, 6} << true;
    QTest::newRow("other key") << std::vector{4, 7} << QChar(u'x') << std::vector{4, 7} << false;
    QTest::newRow("no litters") << std::vector<int>{} << QChar(u'+') << std::vector<int>{} << false;
    QTest::newRow("stays within a byte")
        << std::vector{254, 255} << QChar(u'+') << std::vector{254, 255} << false;
}

void TestSammelbuchung::numberingView() {
    QFETCH(std::vector<int>, vorher);
    QFETCH(QChar, taste);
    QFETCH(std::vector<int>, nachher);
    QFETCH(bool, geaendert);
    Sau s = sau(QStringLiteral("S-12"), {});
    for (int nr : vorher)
        s.wuerfe.push_back(TWurfRec::leer(std::uint8_t(nr)));
    QCOMPARE(BaumTaste(s, taste), geaendert);
    QString zeile = QStringLiteral("S S-12             ");
    for (std::size_t i = 0; i < nachher.size(); ++i) {
        QCOMPARE(int(s.wuerfe[i].WurfNr()), nachher[i]);
        zeile += QStringLiteral(" - W") + QString::number(nachher[i]);
    }
    QCOMPARE(BaumZeile(s), zeile);
}

QTEST_GUILESS_MAIN(TestSammelbuchung)
#include "tst_sammelbuchung.moc"
