#include "entry/toffenepunkte.h"
#include "entry/tsauwurfeingabe.h"
#include "plan/tuebersicht.h"
#include "support/fensterfixtur.h"
#include "support/modaltreiber.h"

#include <QTreeWidget>
#include <QtTest>

namespace {

// Today 10.6.2013, a Monday: sow "A" farrows today (mated 113 days before), sow "B" farrowed
// 30 alive.
void herde(TestContext& t) {
    TWurfRec abf = wurf(1, dt(17, 2, 2013));
    abf.setTKDatum(1, dt(15, 3, 2013));
    abf.setTKErgebnis(1, 1);
    t.ctx.Tragezeit = 113;
    t.ctx.Sauenliste = {sau("A", {abf}),
                        sau("B", {wurf(1, dt(1, 1, 2013), dt(25, 4, 2013), dt(20, 5, 2013), 30)})};
}

// The card that opens: its sow and the control with the focus.
struct Geoeffnet {
    int sau = -2;
    QString feld;
};

// Enter on `w`: the card it opens, closed again.
Geoeffnet enterDruecken(QWidget* w) {
    ModalTreiber treiber;
    Geoeffnet g;
    treiber.dann([&g](QDialog* d) {
        auto* karte = qobject_cast<TSauWurfEingabe*>(d);
        QTRY_VERIFY(karte && QApplication::focusWidget() &&
                    karte->isAncestorOf(QApplication::focusWidget()));
        g.sau = karte->sauIndex();
        g.feld = Fenster<TSauWurfEingabe>::fokus();
        d->reject();
    });
    QTest::keyClick(w, Qt::Key_Return);
    return g;
}

} // namespace

class TestTUebersicht : public QObject {
    Q_OBJECT
private slots:
    // Enter on a sow's line of the overview opens her card at the date, on an open point at
    // the field in question.
    void enterOeffnetDieKarte() {
        TestContext t(QDate(2013, 6, 10));
        herde(t);
        Fenster<TUebersicht> f(t);
        QVERIFY(f.zeigen());
        QTreeWidgetItem* woche = f.w.liste()->topLevelItem(1);
        QTreeWidgetItem* abferkeln = woche->child(faAbferkeln);
        QCOMPARE(abferkeln->text(1), QStringLiteral("1"));
        abferkeln->setExpanded(true);
        QCOMPARE(abferkeln->childCount(), 1);
        QCOMPARE(abferkeln->child(0)->text(1), QStringLiteral("10.6.13"));
        f.w.liste()->setCurrentItem(abferkeln->child(0));
        Geoeffnet g = enterDruecken(f.w.liste());
        QCOMPARE(g.sau, 0);
        QCOMPARE(g.feld, QStringLiteral("Abferkeln"));

        Fenster<TOffenePunkte> p(t);
        QVERIFY(p.zeigen());
        QCOMPARE(p.w.liste().size(), std::size_t(1));
        QCOMPARE(p.w.liste()[0].art, plausibel::Art::ZuVieleLebende);
        p.w.ScrollBox1->setFocus();
        g = enterDruecken(p.w.ScrollBox1);
        QCOMPARE(g.sau, 1);
        QCOMPARE(g.feld, QStringLiteral("geborene"));
    }

    void warntEinmalNichtBeimGeladenenWert() {
        TestContext t(QDate(2013, 6, 10));
        herde(t);
        Fenster<TSauWurfEingabe> k(t);
        k.w.SauOeffnen(1);
        QVERIFY(k.zeigen());
        k.w.seiteWaehlen(1);
        k.tippen("geborene", QStringLiteral("30")); // as loaded: no warning
        QVERIFY(t.messages.shown.isEmpty());
        k.tippen("geborene", QStringLiteral("45"));
        k.tippen("geborene", QStringLiteral("45"));
        QCOMPARE(t.messages.texts(),
                 QStringList{QStringLiteral("45 lebend geborene Ferkel? Bitte prüfen.")});
        QCOMPARE(k.c<QLineEdit>("geborene")->text(), QStringLiteral("45")); // the value stays
        k.tippen("Absetzen", QStringLiteral("31.2.13"));
        QCOMPARE(t.messages.texts().last(),
                 QStringLiteral("Den 31.2. gibt es nicht. Bitte prüfen."));
        t.ctx.einstellungen.pruefung.warnen = false;
        k.tippen("geborene", QStringLiteral("46"));
        QCOMPARE(t.messages.shown.size(), 2);
    }
};

QTEST_MAIN(TestTUebersicht)
#include "tst_tuebersicht.moc"
