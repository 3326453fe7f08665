#include "controls/tnumedit.h"
#include "entry/tsauauswahl.h"
#include "herd/herdfile.h"
#include "support/fensterfixtur.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {

// Sows mated on 1.2.2013 ("belegt"), in the given groups.
void herde(TestContext& t, const QStringList& nummern, const QList<int>& gruppen = {}) {
    for (qsizetype i = 0; i < nummern.size(); ++i) {
        t.ctx.Sauenliste.push_back(sau(nummern[i], {wurf(1, dt(1, 2, 2013))}));
        t.ctx.Sauenliste.back().rec.setGruppe(std::int8_t(gruppen.value(i, 0)));
    }
    StatusNeuBerechnen(t.ctx.Sauenliste);
}

const std::array<bool, 7> kAlle{true, true, true, true, true, true, true};

struct Auswahl : Fenster<TSauAuswahl> {
    Auswahl(TestContext& t, int modus, int sort = 0, std::array<bool, 7> f = kAlle) : Fenster(t) {
        w.Vorbereiten(f, modus, sort);
        QVERIFY(zeigen());
    }
    QListView* liste() { return c<QListView>("ListBox1"); }
    using Fenster::klick;
    void klick(int zeile) { klick(liste(), zeile); }
    // Chooses a line of the group box as the user does.
    void gruppe(int i) {
        c<QComboBox>("Gruppe")->setCurrentIndex(i);
        emit c<QComboBox>("Gruppe")->activated(i);
    }
};

} // namespace

class TestTSauAuswahl : public QObject {
    Q_OBJECT
private slots:
    // Typing searches from the top; the arrows move without wrapping, a click takes the number.
    // Opened again, the list shows the sows as they are.
    void tippenPfeileUndKlick() {
        TestContext t;
        herde(t, {"3", "120", "12", "45"});
        Auswahl w(t, 0);
        auto* e = w.c<QLineEdit>("Edit1");
        w.w.zeileWaehlen(3); // alphanumeric: 12, 120, 3, 45
        QTest::keyClicks(e, QStringLiteral("120"));
        QCOMPARE(w.w.aktuelleZeile(), 1);
        QCOMPARE(w.w.GewaehlteSau(), 1);
        QTest::keyClick(e, '9'); // no match: selection unchanged
        QCOMPARE(w.w.aktuelleZeile(), 1);
        e->setFocus();
        QTest::keyClick(e, Qt::Key_Up);
        QTest::keyClick(e, Qt::Key_Up); // no wrap
        QCOMPARE(w.w.aktuelleZeile(), 0);
        QTest::keyClick(e, Qt::Key_Down);
        QCOMPARE(w.w.aktuelleZeile(), 1);
        QCOMPARE(e->text(), QStringLiteral("120"));
        w.klick(2);
        QCOMPARE(e->text(), QStringLiteral("3"));
        QCOMPARE(e->selectedText(), QStringLiteral("3"));
        // A sow changed while the list was hidden shows as she is now when it opens again.
        w.w.hide();
        t.ctx.Sauenliste[3].rec.setSauNr("46");
        emit t.ctx.meldung.geaendert(false);
        QVERIFY(w.zeigen());
        QCOMPARE(w.w.liste().zeile(3).nummer(), QStringLiteral("46"));
    }

    void gruppenZuweisenUndBeimSchliessenFragen_data() {
        QTest::addColumn<int>("antwort");
        QTest::addColumn<int>("gruppeImFile");
        QTest::addColumn<bool>("offen");
        QTest::newRow("Ja saves") << int(MessageService::Answer::Yes) << 0 << false;
        QTest::newRow("Nein reloads") << int(MessageService::Answer::No) << 3 << false;
        QTest::newRow("Abbrechen stays") << int(MessageService::Answer::Cancel) << 3 << true;
    }

    void gruppenZuweisenUndBeimSchliessenFragen() {
        QFETCH(int, antwort);
        TestContext t;
        herde(t, {"1", "2", "3"}, {3, 3, 1});
        QVERIFY(HerdeSpeichern(t.ctx));
        Auswahl w(t, 2);
        QCOMPARE(w.c<QComboBox>("Gruppe")->count(), 2 + 8); // "-", "JS", 0..7
        w.gruppe(5);                                        // "3"
        QCOMPARE(w.w.GewaehlteSauen(), (std::vector<int>{0, 1}));
        QCOMPARE(w.c<TNumEdit>("NumEdit1")->Wert(), 2.0);
        w.klick(0); // deselect sow 1: out of group 3
        QCOMPARE(int(t.ctx.Sauenliste[0].rec.Gruppe()), 0);
        QVERIFY(w.w.gruppeGeaendert());
        // Pending groups hold the herd: the barn books nothing meanwhile.
        QVERIFY(t.ctx.geoeffnet.offen(1));
        w.klick(2); // select sow 3: into group 3
        QCOMPARE(int(t.ctx.Sauenliste[2].rec.Gruppe()), 3);
        QCOMPARE(w.c<TNumEdit>("NumEdit1")->Wert(), 2.0);
        t.messages.planAnswer(MessageService::Answer(antwort));
        w.c<QPushButton>("CancelBtn")->click();
        QCOMPARE(t.messages.count(QStringLiteral("Geänderte Gruppenzuordnung speichern?")), 1);
        QTEST(w.w.isVisible(), "offen");
        QTEST(t.ctx.geoeffnet.offen(1), "offen");
        QTEST(int(std::int8_t(inhalt(t.pfad("SAUWURF.DAT")).at(164))), "gruppeImFile");
        if (antwort == int(MessageService::Answer::No))
            QCOMPARE(int(t.ctx.Sauenliste[0].rec.Gruppe()), 3);
    }

    // The keyboard does what the mouse does: Space marks a line and puts her into the chosen
    // group, the count follows, and Enter takes the marked sows only.
    void tastaturWieMaus() {
        TestContext t;
        herde(t, {"1", "2", "3"});
        Auswahl w(t, 2);
        w.gruppe(3); // "1"
        QListView* liste = w.liste();
        liste->selectionModel()->setCurrentIndex(liste->model()->index(1, 0),
                                                 QItemSelectionModel::NoUpdate);
        QTest::keyClick(liste, Qt::Key_Space);
        QCOMPARE(int(t.ctx.Sauenliste[1].rec.Gruppe()), 1);
        QCOMPARE(w.c<TNumEdit>("NumEdit1")->Wert(), 1.0);
        t.messages.planAnswer(MessageService::Answer::Yes); // keep the new group
        QTest::keyClick(liste, Qt::Key_Return);
        QVERIFY(!w.w.isVisible());
        QCOMPARE(w.w.result(), int(QDialog::Accepted));
        QCOMPARE(w.w.GewaehlteSauen(), std::vector<int>{1});
    }

    // Choosing a group or "alle" selects shown sows only; prepared again for the next batch
    // entry the group box starts empty and a click regroups nobody.
    void gruppeWaehltNurGezeigteSauenErneutVorbereitet() {
        TestContext t;
        t.ctx.einstellungen.autosort = false;
        herde(t, {"1", "2", "3", "4"}, {3, 3, 3, 0});
        t.ctx.Sauenliste[1].rec.setAbgang(dt(1, 3, 2013));
        StatusNeuBerechnen(t.ctx.Sauenliste);
        const std::array<bool, 7> ohneVerkaufte{true, true, true, true, false, true, true};
        Auswahl w(t, 2, 0, ohneVerkaufte);
        w.gruppe(5); // "3"
        QCOMPARE(w.w.GewaehlteSauen(), (std::vector<int>{0, 2}));
        w.w.hide();
        w.w.Vorbereiten(ohneVerkaufte, 2, 0);
        QVERIFY(w.zeigen());
        QCOMPARE(w.c<QComboBox>("Gruppe")->currentIndex(), 0);
        w.klick(2); // sow 4
        QCOMPARE(int(t.ctx.Sauenliste[3].rec.Gruppe()), 0);
        QVERIFY(!w.w.gruppeGeaendert());
        w.c<QPushButton>("Button2")->click();
        QCOMPARE(w.c<TNumEdit>("NumEdit1")->Wert(), 3.0);
        // Back to one sow only the current line stays selected. A new sort order without
        // autosort offers to sort again; the boxes and the order read back.
        w.w.Vorbereiten(kAlle, 0, 0);
        const QModelIndexList sel = w.liste()->selectionModel()->selectedIndexes();
        QCOMPARE(sel.size(), 1);
        QCOMPARE(sel[0], w.liste()->currentIndex());
        QCOMPARE(w.w.GewaehlteSau(), w.w.GewaehlteSauen().front());
        w.w.Vorbereiten({true, false, true, false, true, false, true}, 0, 4);
        QVERIFY(w.c<QPushButton>("Button1")->isVisible());
        w.c<QCheckBox>("CheckBox2")->click();
        std::array<bool, 7> f{};
        int s = -1;
        w.w.AnzeigeHolen(f, s);
        QCOMPARE(f, (std::array<bool, 7>{true, true, true, false, true, false, true}));
        QCOMPARE(s, 4);
    }

    void einzigeSauLoeschen() {
        TestContext t;
        herde(t, {"77"});
        Auswahl w(t, 0);
        t.messages.planAnswer(MessageService::Answer::Yes);
        w.c<QPushButton>("LoeschenBtn")->click();
        QCOMPARE(t.messages.texts(),
                 QStringList{"Wollen Sie die Sau 77 wirklich komplett entfernen!"});
        QCOMPARE(t.messages.shown[0].buttons, MessageService::Buttons::YesNoDefaultNo);
        QVERIFY(t.ctx.Sauenliste.empty());
        QCOMPARE(w.c<QLineEdit>("Edit2")->text(), QStringLiteral("0"));
        QCOMPARE(QFileInfo(t.pfad(QStringLiteral("SAUWURF.DAT"))).size(), 0); // saved at once
        // OK on the empty list cancels.
        w.c<QPushButton>("OKBtn")->click();
        QCOMPARE(w.w.result(), int(QDialog::Rejected));
        QCOMPARE(w.w.GewaehlteSau(), -1);
    }

    void wurfwahlGibtPosition() {
        TestContext t;
        t.ctx.Sauenliste.push_back(sau("5", {wurf(2), wurf(3), wurf(4)}));
        StatusNeuBerechnen(t.ctx.Sauenliste);
        Auswahl w(t, 1);
        w.c<QPushButton>("OKBtn")->click(); // no litter yet: the choice opens
        QVERIFY(w.w.isVisible());
        auto* wuerfe = w.c<QListWidget>("ListBox2");
        QVERIFY(wuerfe->isVisible());
        QCOMPARE(wuerfe->count(), 3);
        QCOMPARE(wuerfe->item(0)->text(), QStringLiteral("2"));
        QCOMPARE(wuerfe->currentRow(), 2);
        Auswahl::klick(wuerfe, 1);
        QTest::mouseDClick(wuerfe->viewport(), Qt::LeftButton, {},
                           wuerfe->visualItemRect(wuerfe->item(1)).center());
        QCOMPARE(w.w.result(), int(QDialog::Accepted));
        QCOMPARE(w.w.GewaehlterWurf(), 1);
        QCOMPARE(w.w.GewaehlteSau(), 0);
    }
};

QTEST_MAIN(TestTSauAuswahl)
#include "tst_tsauauswahl.moc"
