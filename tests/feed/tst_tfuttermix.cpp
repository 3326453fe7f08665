#include "controls/tnumedit.h"
#include "feed/futterdateien.h"
#include "feed/tfuttermix.h"
#include "programm/tpvmain.h"
#include "support/fensterfixtur.h"
#include "support/modaltreiber.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QtTest>

namespace {

using A = MessageService::Answer;

TKomponentenRec komponente(const QString& name, std::initializer_list<double> werte,
                           TWaehrung w = DM) {
    TKomponentenRec k;
    k.setName(name);
    int m = 0;
    for (double v : werte)
        k.setWert(m++, v);
    k.setWaehrung(w);
    return k;
}

TMischungRec mischung(const QString& name, const std::vector<TKomponentenRec>& teile,
                      double anteil) {
    TMischungRec r;
    r.setName(name);
    for (std::size_t i = 0; i < teile.size(); ++i) {
        TMischungsPosten p;
        p.setName(teile[i].Name());
        for (int m = 0; m < kFutterWerte; ++m)
            p.setInhalt(m, teile[i].Wert(m));
        p.setAnteil(anteil);
        p.beitraegeBerechnen();
        r.setPosten(int(i), p);
    }
    return r;
}

// A data directory with three components (wheat in Euro) and the mixes "Alpha" and "Beta".
struct Futterdaten {
    TestContext tc;
    std::vector<TKomponentenRec> komp{
        komponente("Weizen", {880, 13.8, 120, 3.4, 1.9, 580, 26, 18, 17, 0.6, 3.3, 0.1, 20}, Euro),
        komponente("Gerste", {880, 12.6, 105, 3.8, 1.8, 520, 50, 22, 21, 0.7, 3.5, 0.2, 34}),
        komponente("Sojaschrot", {880, 14.1, 440, 27, 6, 70, 60, 15, 60, 3, 6.5, 0.2, 70})};

    Futterdaten() {
        QVERIFY(KomponentenSpeichern(tc.ctx.Datenpfad, komp));
        QVERIFY(MischungenSpeichern(tc.ctx.Datenpfad, {mischung("Alpha", {komp[1]}, 1.0),
                                                       mischung("Beta", {komp[0], komp[2]}, 0.5)}));
    }
    std::vector<TMischungRec> gespeichert() const { return MischungenLaden(tc.ctx.Datenpfad); }
};

struct Mix : Fenster<TFuttermix> {
    explicit Mix(TestContext& t) : Fenster(t) { QVERIFY(zeigen()); }
    void hinzufuegen(int komponente) {
        w.ListBox2->setCurrentRow(komponente);
        w.HinzufuegenBtn->click();
    }
    void namenTippen(const QString& name) {
        w.ComboBox1->setFocus(Qt::TabFocusReason);
        w.ComboBox1->lineEdit()->clear();
        QTest::keyClicks(w.ComboBox1->lineEdit(), name);
        w.ListBox2->setFocus(Qt::TabFocusReason);
    }
    void waehlen(int i) {
        w.ComboBox1->setFocus(Qt::TabFocusReason);
        w.ComboBox1->setCurrentIndex(i);
        emit w.ComboBox1->activated(i);
    }
    // A key on a line of the component list (Enter opens its dialog).
    void taste(int zeile, Qt::Key k) {
        w.ListBox2->setCurrentRow(zeile);
        w.ListBox2->setFocus();
        QTest::keyClick(w.ListBox2, k);
    }
};

} // namespace

class TestTFuttermix : public QObject {
    Q_OBJECT
private slots:
    void getippterNameWirdAngehaengtGewaehlteErsetzt() {
        Futterdaten d;
        const QByteArray alpha = roh(d.gespeichert()[0]);
        {
            Mix f(d.tc);
            f.namenTippen("Laktation");
            f.hinzufuegen(2);
            QVERIFY(f.w.SpeichernBtnClick());
            QCOMPARE(f.w.ComboBox1->count(), 3);
            QCOMPARE(f.w.ComboBox1->currentIndex(), 2);
        }
        auto liste = d.gespeichert();
        QCOMPARE(int(liste.size()), 3);
        QCOMPARE(liste[2].Name(), "Laktation");
        QCOMPARE(liste[2].Posten(0).Name(), "Sojaschrot");
        {
            Mix f(d.tc);
            f.waehlen(1);
            QCOMPARE(f.w.mix().Anzahl, 2);
            f.w.mix().AnteilSetzen(0, 0.25);
            QVERIFY(f.w.SpeichernBtnClick());
        }
        liste = d.gespeichert();
        QCOMPARE(int(liste.size()), 3);
        QCOMPARE(liste[1].Name(), "Beta");
        QCOMPARE(liste[1].Posten(0).Anteil(), 0.25);
        QVERIFY(roh(liste[0]) == alpha);
        QCOMPARE(d.tc.messages.texts(), (QStringList{"Mischungen Laktation abspeichern?",
                                                     "Mischungen Beta abspeichern?"}));
    }

    void fremdeWaehrungNurInDerMischungUmgerechnet() {
        Futterdaten d;
        const QByteArray komponenten = inhalt(d.tc.pfad("KOMPONEN.DAT"));
        Mix f(d.tc);
        f.hinzufuegen(0); // Weizen, 20 Euro/dt, shown in DM
        const TMischungsPosten p = f.w.mix().Posten[0];
        QVERIFY(qAbs(p.Inhalt(fwPreis) - 20 * 1.95583) < 1e-9);
        QCOMPARE(f.w.ListBox2->item(0)->data(Qt::UserRole).toStringList().last(), "39,12");
        f.namenTippen("Neu");
        QVERIFY(f.w.SpeichernBtnClick());
        QVERIFY(inhalt(d.tc.pfad("KOMPONEN.DAT")) == komponenten);
        // Edited in the dialog, the price keeps its own currency.
        ModalTreiber treiber;
        treiber.dann([](QDialog* dlg) {
            auto* preis = dlg->findChild<TNumEdit*>("Preisein");
            QCOMPARE(preis->Waehrung(), Euro);
            QCOMPARE(preis->Wert(), 20.0);
            preis->setWert(21);
            dlg->findChild<QPushButton*>("OKBtn")->click();
        });
        f.taste(0, Qt::Key_Return);
        QCOMPARE(treiber.behandelt(), 1);
        QVERIFY(f.w.SpeichernBtnClick());
        const auto gespeichert = KomponentenLaden(d.tc.ctx.Datenpfad);
        QCOMPARE(gespeichert[0].Wert(fwPreis), 21.0);
        QCOMPARE(gespeichert[0].Waehrung(), Euro);
        QCOMPARE(d.tc.messages.texts().last(), "Geänderte Komponentenliste speichern?");
    }

    void alleEntferntFragtNachLoeschen_data() {
        QTest::addColumn<int>("antwort");
        QTest::addColumn<int>("bleiben");
        QTest::addColumn<bool>("geschlossen");
        QTest::newRow("Nein behält sie") << int(A::No) << 2 << true;
        QTest::newRow("Ja löscht sie sofort") << int(A::Yes) << 1 << true;
        QTest::newRow("Abbrechen bleibt offen") << int(A::Cancel) << 2 << false;
    }
    void alleEntferntFragtNachLoeschen() {
        QFETCH(int, antwort);
        Futterdaten d;
        Mix f(d.tc);
        f.waehlen(1);
        f.w.ListBox1->setCurrentRow(1);
        f.w.EntfernenBtn->click();
        QCOMPARE(f.w.ListBox1->currentRow(), 0); // the line before when the last went
        f.w.EntfernenBtn->click();
        QVERIFY(!f.w.EntfernenBtn->isEnabled());
        d.tc.messages.planAnswer(A(antwort));
        QTEST(f.w.close(), "geschlossen");
        QCOMPARE(d.tc.messages.texts(), QStringList{"Mischung Beta löschen?"});
        QTEST(int(d.gespeichert().size()), "bleiben");
        QCOMPARE(d.gespeichert()[0].Name(), "Alpha");
    }

    void speicherAbfrage_data() {
        QTest::addColumn<bool>("komponenteGeaendert");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<int>>("antworten");
        QTest::addColumn<QStringList>("texte");
        QTest::addColumn<bool>("geschlossen");
        QTest::addColumn<int>("mischungen");
        QTest::addColumn<int>("komponenten");
        const QString k = "Geänderte Komponentenliste speichern?",
                      m = "Mischungen Neu abspeichern?";
        const auto zeile = [](const char* n, bool kompGeaendert, const char* name, QList<int> a,
                              QStringList texte, bool zu, int mischungen, int komponenten) {
            QTest::newRow(n) << kompGeaendert << QString(name) << a << texte << zu << mischungen
                             << komponenten;
        };
        zeile("Ja", false, "Neu", {int(A::Yes)}, {m}, true, 3, 3);
        zeile("Nein", false, "Neu", {int(A::No)}, {m}, true, 2, 3);
        zeile("Abbrechen", false, "Neu", {int(A::Cancel)}, {m}, false, 2, 3);
        zeile("ohne Namen", false, "  ", {int(A::Yes)},
              {"Mischungen    abspeichern?", "Die Mischung hat keinen Namen!"}, false, 2, 3);
        zeile("Komponenten ja", true, "Neu", {int(A::Yes), int(A::No)}, {k, m}, true, 2, 2);
        zeile("Komponenten nein", true, "Neu", {int(A::No), int(A::No)}, {k, m}, true, 2, 3);
    }
    void speicherAbfrage() {
        QFETCH(bool, komponenteGeaendert);
        QFETCH(QString, name);
        QFETCH(QList<int>, antworten);
        Futterdaten d;
        Mix f(d.tc);
        if (komponenteGeaendert) {
            f.taste(1, Qt::Key_Delete);
            QCOMPARE(f.w.ListBox2->currentRow(), 0);
        }
        f.namenTippen(name);
        f.hinzufuegen(0);
        for (int a : antworten)
            d.tc.messages.planAnswer(A(a));
        QTEST(f.w.close(), "geschlossen");
        QTEST(d.tc.messages.texts(), "texte");
        QTEST(int(d.gespeichert().size()), "mischungen");
        QTEST(int(KomponentenLaden(d.tc.ctx.Datenpfad).size()), "komponenten");
    }

    // A typed share gives the contributions and the arrows take the editor along; a mix holds
    // at most 15 entries; a new component is refused without a name.
    void anteilTippenHoechstensFuenfzehnNeueKomponente() {
        Futterdaten d;
        Mix f(d.tc);
        f.hinzufuegen(1);
        f.hinzufuegen(2);
        f.w.ListBox1->setCurrentRow(0);
        QVERIFY(f.w.NumEdit1->isVisible());
        f.w.NumEdit1->setFocus(Qt::TabFocusReason);
        f.w.NumEdit1->selectAll();
        QTest::keyClicks(f.w.NumEdit1, "0,8");
        QTest::keyClick(f.w.NumEdit1, Qt::Key_Down);
        QCOMPARE(f.w.mix().Posten[0].Anteil(), 0.8);
        QCOMPARE(f.w.mix().Summen[fwRProt], 84.0);
        QCOMPARE(f.w.ListBox1->currentRow(), 1);
        QVERIFY(f.w.NumEdit1->hasFocus());
        QTest::keyClick(f.w.NumEdit1, Qt::Key_Up);
        QCOMPARE(f.w.ListBox1->currentRow(), 0);
        f.w.CheckBox1->click();
        QVERIFY(f.w.mix().Posten[0].Fest());
        QVERIFY(f.w.mix().Geaendert);
        f.w.ListBox2->setFocus(Qt::TabFocusReason);
        QVERIFY(!f.w.NumEdit1->isVisible());
        f.hinzufuegen(3); // "> neu" is no component
        QCOMPARE(f.w.mix().Anzahl, 2);
        for (int i = 0; i < 14; ++i)
            f.hinzufuegen(i % 3);
        QCOMPARE(f.w.mix().Anzahl, 15);
        QCOMPARE(f.w.ListBox1->count(), 15);
        QCOMPARE(f.w.ListBox1->currentRow(), 14);
        // A new component needs a name.
        ModalTreiber treiber;
        treiber.dann([&](QDialog* dlg) {
            dlg->findChild<QPushButton*>("OKBtn")->click();
            QVERIFY(dlg->isVisible());
            dlg->findChild<QLineEdit*>("Edit1")->setText(" Kalk ");
            dlg->findChild<TNumEdit*>("NumEdit10")->setWert(380);
            dlg->findChild<QPushButton*>("OKBtn")->click();
        });
        f.taste(3, Qt::Key_Return);
        QCOMPARE(d.tc.messages.texts(), QStringList{"Die Komponente hat keinen Namen!"});
        QCOMPARE(int(f.w.mix().Komponenten.size()), 4);
        QCOMPARE(f.w.mix().Komponenten[3].Name(), "Kalk");
        QCOMPARE(f.w.mix().Komponenten[3].Wert(fwCa), 380.0);
        QCOMPARE(f.w.ListBox2->item(4)->text(), "> neu");
        QVERIFY(f.w.mix().KomponentenGeaendert);
        d.tc.messages.planAnswer(A::No);
    }

    void zieleWerdenNichtGespeichert() {
        Futterdaten d;
        {
            Mix f(d.tc);
            ModalTreiber treiber;
            treiber.dann([](QDialog* dlg) {
                dlg->findChild<TNumEdit*>("NumEdit3")->setWert(170);
                dlg->findChild<QPushButton*>("OKBtn")->click();
            });
            f.w.ZielBtn->click();
            QCOMPARE(f.w.mix().Ziele[fwRProt], 170.0);
            QVERIFY(f.w.mix().Geaendert);
            d.tc.messages.planAnswer(A::No);
            f.waehlen(0);
            f.w.close();
        }
        Mix f(d.tc);
        QCOMPARE(f.w.mix().Ziele[fwTS], 880.0);
        QCOMPARE(f.w.mix().Ziele[fwRProt], 0.0);
    }

    // A target that cannot be met is told with what stands in the way; the shares stay.
    void optimierenOhneLoesungMeldetUndLaesstAnteile_data() {
        QTest::addColumn<bool>("fest");
        QTest::addColumn<double>("rprot");
        QTest::addColumn<QString>("grund");
        QTest::newRow("more than either gives")
            << false << 300.0 << "Nicht gleichzeitig erreichbar: TS, RProt";
        QTest::newRow("all fixed, the two give 112.5") << true << 150.0 << "Nicht erreicht: RProt";
    }
    void optimierenOhneLoesungMeldetUndLaesstAnteile() {
        QFETCH(bool, fest);
        QFETCH(double, rprot);
        QFETCH(QString, grund);
        Futterdaten d;
        Mix f(d.tc);
        f.hinzufuegen(0);
        f.hinzufuegen(1);
        for (int i = 0; i < 2; ++i) {
            f.w.mix().AnteilSetzen(i, 0.5);
            f.w.mix().FestSetzen(i, fest);
        }
        f.w.mix().Ziele[fwRProt] = rprot;
        f.w.OptimierenBtn->click();
        QCOMPARE(d.tc.messages.texts(), QStringList{"Es konnte kein Optimum ermittelt werden.\n"
                                                    "Bitte überprüfen Sie die Vorgaben.\n" +
                                                    grund});
        QCOMPARE(f.w.mix().Posten[0].Anteil(), 0.5);
        if (!fest) { // a third component makes it reachable: the result is taken, nothing told
            f.hinzufuegen(2);
            f.w.OptimierenBtn->click();
            QCOMPARE(d.tc.messages.shown.size(), 1);
            QVERIFY(qAbs(f.w.mix().Summen[fwRProt] - rprot) < 1e-6);
        }
        d.tc.messages.planAnswer(A::No);
    }

    void jedesMalEinNeuesFensterEscapeSchliesst() {
        Futterdaten d;
        TPVMain haupt(d.tc.ctx);
        haupt.show();
        QVERIFY(QTest::qWaitForWindowActive(&haupt));
        haupt.menuItem("Futter1")->trigger();
        haupt.menuItem("Futter1")->trigger();
        // The feed windows among the main window's children (the work plan lives there too).
        const auto futterfenster = [&haupt] {
            QList<TFuttermix*> out;
            for (QMdiSubWindow* s : haupt.mdiArea()->subWindowList())
                if (auto* f = qobject_cast<TFuttermix*>(s->widget())) out << f;
            return out;
        };
        const auto fenster = futterfenster();
        QCOMPARE(fenster.size(), 2);
        TFuttermix* w = fenster[1];
        // A change in one window is its own.
        w->ListBox2->setCurrentRow(0);
        w->HinzufuegenBtn->click();
        QCOMPARE(fenster[0]->mix().Anzahl, 0);
        d.tc.messages.planAnswer(A::No);
        QTest::keyClick(w->ListBox2, Qt::Key_Escape);
        QTRY_COMPARE(futterfenster().size(), 1);
        QCOMPARE(d.tc.messages.texts(), QStringList{"Mischungen  abspeichern?"});
    }
};

QTEST_MAIN(TestTFuttermix)
#include "tst_tfuttermix.moc"
