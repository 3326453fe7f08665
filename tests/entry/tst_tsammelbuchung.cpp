#include "controls/tdate_ed.h"
#include "controls/tnumedit.h"
#include "entry/sammeldruck.h"
#include "entry/tsammelbuchung.h"
#include "platform/recordingcanvas.h"
#include "support/fensterfixtur.h"
#include "support/modaltreiber.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

// Three sows: "A" weaned, "B" suckling, "C" mated.
void herdeAnlegen(AppContext& ctx) {
    const TKurzDatum belegt = dt(1, 10, 2012), geferkelt = dt(20, 1, 2013);
    ctx.Sauenliste = {sau("A", {wurf(2, belegt, geferkelt, dt(15, 2, 2013))}),
                      sau("B", {wurf(2, belegt, geferkelt)}), sau("C", {wurf(2, belegt)})};
    QVERIFY(HerdeSpeichern(ctx));
}

struct Buchen : Fenster<TSammelbuchung> {
    explicit Buchen(TestContext& t, int punkt) : Fenster(t) {
        w.EingabepunktSetzen(QStringLiteral("Punkt"), punkt);
        w.SauenSetzen({0, 1, 2});
    }
    // Runs the dialog modally; `f` fills it in and OK is pressed, which must close it.
    int ok(std::function<void()> f) {
        ModalTreiber treiber;
        treiber.dann([&](QDialog*) {
            f();
            c<QPushButton>("OKBtn")->click();
        });
        const int ergebnis = w.exec();
        return treiber.abgewiesen() ? -1 : ergebnis;
    }
};

} // namespace

class TestTSammelbuchung : public QObject {
    Q_OBJECT
private slots:
    // The box offers the boars, the last first, for a mating and the buyers, captioned
    // "Abnehmer", for a departure; the stall box the stalls; the count shows the chosen sows.
    void angebotJeEingabepunkt_data() {
        QTest::addColumn<int>("punkt");
        QTest::addColumn<QString>("beschriftung");
        QTest::addColumn<QStringList>("angebot");
        QTest::newRow("Belegen") << 1 << "Eber" << QStringList{"E3", "E2", "E1"};
        QTest::newRow("Abgang") << 5 << "Abnehmer" << QStringList{"Schlachthof", "Händler"};
    }

    void angebotJeEingabepunkt() {
        QFETCH(int, punkt);
        TestContext t;
        t.ctx.Eberliste = {"E1", "E2", "E3"};
        t.ctx.Hilfslisten[3] = {"Schlachthof", "Händler"};
        t.ctx.Hilfslisten[5] = {"Warte", "Abferkel"};
        Buchen f(t, 1);
        f.w.EingabepunktSetzen(QStringLiteral("Text"), punkt); // arranged again for another point
        QTEST(f.c<QLabel>("LEber")->text(), "beschriftung");
        auto* box = f.c<QComboBox>("ComboBox1");
        QStringList angebot;
        for (int i = 0; i < box->count(); ++i)
            angebot << box->itemText(i);
        QTEST(angebot, "angebot");
        QCOMPARE(f.c<QComboBox>("Stallwahl")->count(), 2);
        QCOMPARE(f.c<QLineEdit>("Anzahl")->text(), QStringLiteral("3"));
    }

    // Enter on the date goes on and opens the fields. Leaving it warns once of what the booking
    // would make implausible in the chosen sows: "A" was weaned on 15.2.; a mating on 16.2. is
    // too early, on 4.3. it is not.
    void datumSchaltetFreiUndWarntEinmal() {
        TestContext t;
        herdeAnlegen(t.ctx);
        Buchen f(t, 1);
        QVERIFY(f.zeigen());
        QVERIFY(!f.c<QWidget>("ComboBox1")->isEnabled());
        QVERIFY(!f.c<QWidget>("NumEdit1")->isEnabled());
        // Today, in the short form of every date.
        QCOMPARE(f.c<tdate_ed>("tdate_ed1")->text(), QStringLiteral("10.3.13"));
        f.tippen("tdate_ed1", {}, Qt::Key_Return); // left empty: nothing enabled
        QVERIFY(!f.c<QWidget>("ComboBox1")->isEnabled());
        const QString warnung =
            QStringLiteral("Sau A: Belegt 1 Tage nach dem Absetzen?\nBitte prüfen.");
        f.tippen("tdate_ed1", QStringLiteral("16.2.13"), Qt::Key_Return);
        QCOMPARE(t.messages.texts(), QStringList{warnung});
        QCOMPARE(t.messages.shown[0].kind, FakeMessages::Shown::Warning);
        f.tippen("tdate_ed1", QStringLiteral("16.2.13"), Qt::Key_Return); // unchanged: not again
        f.tippen("tdate_ed1", QStringLiteral("4.3.13"), Qt::Key_Return);
        QCOMPARE(t.messages.texts(), QStringList{warnung});
        QVERIFY(f.c<QWidget>("ComboBox1")->isEnabled());
        QVERIFY(f.c<QWidget>("NumEdit1")->isEnabled());
        QCOMPARE(Buchen::fokus(), QStringLiteral("ComboBox1"));
        // Escape asks before the typed date is dropped; Nein keeps the dialog.
        t.messages.planAnswer(MessageService::Answer::No);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(f.w.isVisible());
        QCOMPARE(t.messages.count(QStringLiteral("Eingaben verwerfen?")), 1);
    }

    void okBuchtUndFragt_data() {
        QTest::addColumn<QString>("datum");
        QTest::addColumn<bool>("ja");
        QTest::newRow("Yes saves") << "4.3.13" << true;
        QTest::newRow("No reloads") << "4.3.13" << false;
        QTest::newRow("no date closes unchanged") << "" << false;
    }

    // Weaning for all three: "C" has not farrowed and is told; "B" is booked with the weight
    // typed, in grams. Ja saves, Nein reloads the herd as it was saved; without a date nothing
    // is booked or asked.
    void okBuchtUndFragt() {
        QFETCH(QString, datum);
        QFETCH(bool, ja);
        TestContext t;
        herdeAnlegen(t.ctx);
        Buchen f(t, 4);
        t.messages.planAnswer(ja ? MessageService::Answer::Yes : MessageService::Answer::No);
        const int ergebnis = f.ok([&] {
            f.c<tdate_ed>("tdate_ed1")->setText(datum);
            f.c<TNumEdit>("Absetzgewicht")->setWert(61.25);
        });
        QCOMPARE(ergebnis, int(ja ? QDialog::Accepted : QDialog::Rejected));
        const QStringList gefragt{"Zur Sau C liegt keine Abferkeleintrag vor!",
                                  "Sauen abspeichern?"};
        QCOMPARE(t.messages.texts(), datum.isEmpty() ? QStringList() : gefragt);
        QVERIFY(!t.ctx.Geaendert);
        const TWurfRec& b = t.ctx.Sauenliste[1].wuerfe.back();
        QCOMPARE(b.Absetzen() == dt(4, 3, 2013), ja);
        QCOMPARE(int(b.Absetzgewicht()), ja ? 61250 : 0);
    }

    void sammeldruckEineSeiteJeSau() {
        TestContext t;
        herdeAnlegen(t.ctx);
        Sammeldruck druck(t.ctx, {2, 0, 1});
        RecordingCanvas c(2100, 2970);
        druck.druckInhalt(c);
        QCOMPARE(c.pageCount(), 3);
        QStringList namen;
        for (const auto& i : c.texts())
            if (i.text == u"A" || i.text == u"B" || i.text == u"C")
                namen << i.text + QString::number(i.page);
        QCOMPARE(namen, (QStringList{"C0", "A1", "B2"}));
    }
};

QTEST_MAIN(TestTSammelbuchung)
#include "tst_tsammelbuchung.moc"
