#include "controls/tdate_ed.h"
#include "entry/sammelbuchung.h"
#include "entry/tsauauswahl.h"
#include "programm/tpvmain.h"
#include "stamm/planrecords.h"
#include "stamm/terminnamen.h"
#include "support/apphilfe.h"
#include "support/modaltreiber.h"
#include "support/testcontext.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// "A" weaned, "B" suckling, "C" mated, "D" without litters; saved, as the main window loads
// the herd file.
void herdeAnlegen(AppContext& ctx) {
    const TKurzDatum belegt = dt(1, 10, 2012), geferkelt = dt(20, 1, 2013);
    ctx.Sauenliste = {sau("A", {wurf(2, belegt, geferkelt, dt(15, 2, 2013))}),
                      sau("B", {wurf(2, belegt, geferkelt), wurf(3, belegt, geferkelt)}),
                      sau("C", {wurf(2, belegt)}), sau("D")};
    QVERIFY(HerdeSpeichern(ctx));
}

// Picks entry `zeile` in the pick dialog.
ModalTreiber::Handler eintragWaehlen(int zeile, QStringList* gesehen = nullptr) {
    return [=](QDialog* d) {
        auto* liste = kind<QListWidget>(d, "ListBox1");
        if (gesehen) {
            *gesehen << d->windowTitle() << d->property("helpContext").toString()
                     << QString::number(liste->currentRow());
            for (int i = 0; i < liste->count(); ++i)
                *gesehen << liste->item(i)->text();
        }
        liste->setCurrentRow(zeile);
        kind<QPushButton>(d, "OKBtn")->click();
    };
}

// Chooses every sow the selection window shows (none with `alle` false) and leaves with OK.
ModalTreiber::Handler sauenWaehlen(bool alle, std::array<bool, 7>* filter = nullptr) {
    return [=](QDialog* d) {
        auto* a = qobject_cast<TSauAuswahl*>(d);
        if (!a) return;
        int sortierung = 0;
        if (filter) a->AnzeigeHolen(*filter, sortierung);
        auto* liste = kind<QListView>(a, "ListBox1");
        if (alle)
            liste->selectAll();
        else
            liste->clearSelection();
        kind<QPushButton>(a, "OKBtn")->click();
    };
}

} // namespace

class TestSammelbefehle : public QObject {
    Q_OBJECT
private slots:
    void eingabepunkteImWahldialog() {
        TestContext t;
        herdeAnlegen(t.ctx);
        TPVMain w(t.ctx);
        ModalTreiber treiber;
        QStringList gesehen;
        treiber.dann([&](QDialog* d) {
            eintragWaehlen(0, &gesehen)(d);
            d->reject();
        });
        w.menuItem(QStringLiteral("Sammel1"))->trigger();
        QCOMPARE(treiber.behandelt(), 1);
        QCOMPARE(gesehen.mid(0, 3), (QStringList{"Eingabepunkt", "270", "0"}));
        QCOMPARE(gesehen.mid(3), sammelbuchung::Eingabepunkte(Terminnamen(t.ctx.Planzeiten)));
        QVERIFY(t.messages.shown.isEmpty()); // nothing changed: no question
    }

    void neinAufErsteFrageLaedtHerdeNeu() {
        TestContext t;
        herdeAnlegen(t.ctx);
        TPVMain w(t.ctx);
        t.ctx.Sauenliste[0].rec.setStall(QStringLiteral("ungespeichert")); // a card change
        t.ctx.Geaendert = true;
        t.messages.planAnswer(MessageService::Answer::No);
        ModalTreiber treiber; // the pick dialog is cancelled
        w.Sammel1Click();
        QCOMPARE(t.messages.texts(), QStringList{"bisherige Tierdatenänderungen speichern?"});
        QVERIFY(t.messages.shown[0].buttons == MessageService::Buttons::YesNoCancel);
        QCOMPARE(t.ctx.Sauenliste[0].rec.Stall(), QString());
        QVERIFY(!t.ctx.Geaendert);
        QCOMPARE(treiber.behandelt(), 1);

        // Cancel ends before anything opens and keeps the change.
        t.ctx.Sauenliste[0].rec.setStall(QStringLiteral("ungespeichert"));
        t.ctx.Geaendert = true;
        t.messages.planAnswer(MessageService::Answer::Cancel);
        w.Sammel1Click();
        QCOMPARE(treiber.behandelt(), 1);
        QCOMPARE(t.ctx.Sauenliste[0].rec.Stall(), QStringLiteral("ungespeichert"));
    }

    void filterErreichenDieAuswahl_data() {
        QTest::addColumn<int>("punkt");
        // Leer Belegt Tragend Säugend Verkauft leerJS umrauschen
        QTest::addColumn<QString>("filter");
        QTest::newRow("Stall ändern") << 0 << "1111011";
        QTest::newRow("Belegen") << 1 << "1110011";
        QTest::newRow("1. TK.-Kontr.") << 2 << "0110000";
        QTest::newRow("Absetzen") << 4 << "0001000";
        QTest::newRow("litter date 1") << 10 << "0111001";
    }
    void filterErreichenDieAuswahl() {
        QFETCH(int, punkt);
        TestContext t;
        herdeAnlegen(t.ctx);
        TPVMain w(t.ctx);
        TPlanTermin impfen = t.ctx.Planzeiten.entry(psBelegen, 2);
        impfen.setName(QStringLiteral("Impfen")); // litter date 1: entry point 10
        t.ctx.Planzeiten.setEntry(psBelegen, 2, impfen);
        ModalTreiber treiber;
        treiber.dann(eintragWaehlen(punkt));
        QString gezeigt;
        treiber.dann([&](QDialog* d) {
            std::array<bool, 7> f{};
            int sortierung = 0;
            if (auto* a = qobject_cast<TSauAuswahl*>(d)) a->AnzeigeHolen(f, sortierung);
            for (bool b : f)
                gezeigt += b ? u'1' : u'0';
            d->reject();
        });
        w.Sammel1Click();
        QCOMPARE(treiber.behandelt(), 2);
        QTEST(gezeigt, "filter");
        // Prepared again for one sow with the settings' filters afterwards.
        std::array<bool, 7> danach{};
        int sortierung = 0;
        w.sauAuswahl()->AnzeigeHolen(danach, sortierung);
        QVERIFY(danach == t.ctx.einstellungen.anzeige);
    }

    // Weaning for every suckling sow shown, with a date, saved.
    void absetzenFuerGewaehlteSauen() {
        TestContext t;
        herdeAnlegen(t.ctx);
        TPVMain w(t.ctx);
        ModalTreiber treiber;
        treiber.dann(eintragWaehlen(sammelbuchung::epAbsetzen));
        treiber.dann(sauenWaehlen(true));
        QString titel;
        treiber.dann([&](QDialog* d) {
            titel = d->windowTitle();
            kind<tdate_ed>(d, "tdate_ed1")->setText(QStringLiteral("4.3.13"));
            kind<QPushButton>(d, "OKBtn")->click();
        });
        t.messages.planAnswer(MessageService::Answer::Yes);
        w.Sammel1Click();
        QCOMPARE(treiber.behandelt(), 3);
        QCOMPARE(titel, QStringLiteral("Sammelbuchung"));
        QCOMPARE(t.messages.texts(), QStringList{"Sauen abspeichern?"});
        HerdeLaden(t.ctx);
        QCOMPARE(t.ctx.Sauenliste[1].wuerfe.back().Absetzen(), dt(4, 3, 2013));
        QVERIFY(!t.ctx.Sauenliste[1].wuerfe.front().Absetzen().vorhanden()); // not the last litter
    }

    void keineSauGewaehlt_data() {
        QTest::addColumn<QString>("befehl");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("entry") << QString("Sammel1")
                               << "Es wurden keine Sauen zur Eingabe ausgewählt!";
        QTest::newRow("print") << QString("Sammelausdruck1")
                               << "Es wurden keine Sauen zum Ausdruck ausgewählt!";
    }
    void keineSauGewaehlt() {
        QFETCH(QString, befehl);
        QFETCH(QString, meldung);
        TestContext t;
        herdeAnlegen(t.ctx);
        TPVMain w(t.ctx);
        ModalTreiber treiber;
        if (befehl == u"Sammel1") treiber.dann(eintragWaehlen(0));
        treiber.dann(sauenWaehlen(false));
        w.menuItem(befehl)->trigger();
        QCOMPARE(t.messages.texts(), QStringList{meldung});
        QCOMPARE(treiber.behandelt(), befehl == u"Sammel1" ? 2 : 1);
    }

    void nummernansichtTasten() {
        TestContext t;
        herdeAnlegen(t.ctx);
        TPVMain w(t.ctx);
        t.ctx.einstellungen.einzelspeicherung = false;
        QVERIFY(!w.menuItem(QStringLiteral("baum1"))->isVisible());
        QCOMPARE(w.menuItem(QStringLiteral("baum1"))->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::Key_A));
        ModalTreiber treiber;
        QStringList zeilen;
        treiber.dann([&](QDialog* d) {
            auto* liste = kind<QListWidget>(d, "ListBox1");
            liste->setCurrentRow(1);
            QTest::keyClicks(liste, QStringLiteral("+x"));
            zeilen << liste->item(1)->text() << liste->item(3)->text();
        });
        w.menuItem(QStringLiteral("baum1"))->trigger();
        QCOMPARE(zeilen, (QStringList{"S B                 - W3 - W4", "S D                "}));
        QVERIFY(t.ctx.Geaendert);
    }
};

QTEST_MAIN(TestSammelbefehle)
#include "tst_sammelbefehle.moc"
