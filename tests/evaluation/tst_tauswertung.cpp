// The filter dialog, the evaluation window with its panes and buttons, and the menu entries.

#include "auswertungtesthilfe.h"
#include "controls/tdate_ed.h"
#include "evaluation/auswertunglayout.h"
#include "evaluation/filtervorgabe.h"
#include "evaluation/tauswertung.h"
#include "evaluation/tauswertungfilter.h"
#include "herd/herdfile.h"
#include "platform/recordingcanvas.h"
#include "programm/tpvmain.h"
#include "support/apphilfe.h"
#include "support/modaltreiber.h"
#include "support/testcontext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

Herde Beispielherde() {
    TWurfRec a = Wurf(1, 0, 115, 140, 12, 1), b = Wurf(2, 147, 262, 290, 11);
    Verluste(a, {{"erdrückt", 2}, {"Durchfall", 4}});
    a.setEintrag(14, "Spreizer");
    b.setAusgleich(2);
    Sau s1 = Sau1("17", 0, {a, b});
    s1.rec.setHerkunft("A");
    Sau s2 = Sau1("18", 0, {Wurf(1, 10, 125, 150, 9)});
    s2.rec.setHerkunft("A");
    s2.rec.setRasse("DL");
    Sau s3 = Sau1("19", 0, {Wurf(1, 20, 135, -1, 14)});
    return {s1, s2, s3};
}

} // namespace

class TstTAuswertung : public QObject {
    Q_OBJECT
private slots:
    // The filter offers the herd's origins, breeds and boars and the usual choices; it keeps
    // what was confirmed for the run, and the period for the next run.
    void filterListenUndWahl() {
        TestContext t;
        t.ctx.Sauenliste = Beispielherde();
        t.ctx.Eberliste = QStringList{"Ajax", "Bruno"};
        {
            TAuswertungFilter d(t.ctx);
            const auto* herkunft = kind<QComboBox>(&d, "ComboBox2");
            QCOMPARE(herkunft->count(), 1); // two sows from "A", one without origin
            QCOMPARE(herkunft->itemText(0), "A");
            QCOMPARE(kind<QComboBox>(&d, "ComboBox3")->count(), 1);
            QCOMPARE(kind<QComboBox>(&d, "ComboBox1")->itemText(1), "Bruno");
            TAuswertungsFilter f;
            d.FilterLesen(f);
            QCOMPARE(f.Von, TKurzDatum::aus(QDate(2013, 3, 10)));
            QCOMPARE(f.Datumsart, daBelegen);
            QVERIFY(f.NurGanzeWuerfe && !f.NurVorhandeneSauen && !f.NurErsterWurf);
            kind<QRadioButton>(&d, "RadioGroup1_0")->click();
            d.FilterLesen(f);
            QCOMPARE(f.Datumsart, daEinstallen);
        }
        t.ctx.einstellungen.filterVon = QDate(2012, 1, 1);
        t.ctx.einstellungen.filterBis = QDate(2012, 12, 31);
        {
            TAuswertungFilter d(t.ctx);
            TAuswertungsFilter f;
            d.FilterLesen(f);
            QCOMPARE(f.Von.alsQDate(), QDate(2012, 1, 1));
            QCOMPARE(f.Bis.alsQDate(), QDate(2012, 12, 31));
            QVERIFY(f.NurGanzeWuerfe);
            d.findChild<tdate_ed*>("Beleg1")->SetDatum(TKurzDatum::aus(QDate(2011, 6, 1)));
            kind<QRadioButton>(&d, "RadioGroup1_3")->click();
            kind<QCheckBox>(&d, "CheckBox1")->setChecked(false);
            kind<QCheckBox>(&d, "CheckBox2")->setChecked(true);
            kind<QComboBox>(&d, "ComboBox2")->setCurrentIndex(0);
            d.accept();
        }
        QCOMPARE(t.ctx.einstellungen.filterVon, QDate(2011, 6, 1));
        QCOMPARE(t.ctx.einstellungen.filterBis, QDate(2012, 12, 31));
        TAuswertungFilter d(t.ctx);
        TAuswertungsFilter f;
        d.FilterLesen(f);
        QCOMPARE(f.Von.alsQDate(), QDate(2011, 6, 1));
        QCOMPARE(f.Datumsart, daAbsetzen);
        QVERIFY(!f.NurGanzeWuerfe && f.NurVorhandeneSauen);
        QCOMPARE(f.HerkunftFilter, "A");
        // A new run starts with the period of the settings and the usual choices.
        t.ctx.auswertungsfilter.reset();
        const TAuswertungsFilter neu = FilterVorgabe(t.ctx);
        QCOMPARE(neu.Von.alsQDate(), QDate(2011, 6, 1));
        QCOMPARE(neu.Datumsart, daBelegen);
        QVERIFY(neu.NurGanzeWuerfe && neu.HerkunftFilter.isEmpty());
    }

    void filterVerborgeneGruppenLesenLeer_data() {
        QTest::addColumn<int>("gruppe");
        for (int i = 0; i < 7; ++i)
            QTest::newRow(QByteArray::number(i)) << i;
    }
    void filterVerborgeneGruppenLesenLeer() {
        QFETCH(int, gruppe);
        TestContext t;
        TAuswertungFilter d(t.ctx);
        for (const char* c : {"CheckBox1", "CheckBox2", "CheckBox3"})
            kind<QCheckBox>(&d, c)->setChecked(true);
        for (const char* c : {"ComboBox1", "ComboBox2", "ComboBox3"})
            kind<QComboBox>(&d, c)->setEditText("X");
        std::array<bool, 7> sichtbar{true, true, true, true, true, true, true};
        sichtbar[std::size_t(gruppe)] = false;
        d.FilterSichtbarkeit(sichtbar);
        TAuswertungsFilter f; // the caller's empty dates
        d.FilterLesen(f);
        const bool gelesen[7] = {f.Von.vorhanden() && f.Bis.vorhanden(),
                                 f.NurGanzeWuerfe,
                                 f.NurVorhandeneSauen,
                                 f.NurErsterWurf,
                                 !f.EberFilter.isEmpty(),
                                 !f.HerkunftFilter.isEmpty(),
                                 !f.RasseFilter.isEmpty()};
        for (int i = 0; i < 7; ++i)
            QCOMPARE(gelesen[i], i != gruppe);
    }

    // The title of each mode and whether the loss timing chart can be opened; Escape closes
    // the window.
    void jederModus_data() {
        QTest::addColumn<int>("modus");
        QTest::addColumn<bool>("zeitpunkt");
        QTest::addColumn<QString>("titel");
        QTest::newRow("Wurf") << int(amSauWurf) << false << "Sau /Wurf";
        QTest::newRow("Sau") << int(amSau) << false << "Sau";
        QTest::newRow("Eber") << int(amEber) << false << "Auswertung  Belegen";
        QTest::newRow("Auswahl") << int(amAuswahl) << true << "Auswertung  Belegen";
    }
    void jederModus() {
        QFETCH(int, modus);
        TestContext t;
        t.ctx.Sauenliste = Beispielherde();
        QPointer<TAuswertung> w = new TAuswertung(t.ctx);
        if (modus == amSauWurf)
            w->SauWurfAuswerten(0, 1);
        else if (modus == amSau)
            w->SauAuswerten(0);
        else
            w->HerdeAuswerten(TAuswertungsModus(modus), AllesFilter());
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QTEST(!kind<QPushButton>(w, "Button1")->isHidden(), "zeitpunkt");
        QFETCH(QString, titel);
        QVERIFY2(w->windowTitle().startsWith(titel), qPrintable(w->windowTitle()));
        QVERIFY(kind<QWidget>(w, "Gauge1")->isHidden());
        QVERIFY(!QGuiApplication::overrideCursor()); // the wait cursor went with the walk
        QTest::keyClick(w.data(), Qt::Key_Escape);
        QTRY_VERIFY(w.isNull());
    }

    void ausgelassenerWurfImWurfModus() {
        TestContext t;
        t.ctx.Sauenliste = Beispielherde();
        TAuswertung w(t.ctx);
        w.SauWurfAuswerten(2, 0); // suckling: not in the working copy
        QCOMPARE(w.stand().Wurf, -1);
        QCOMPARE(AngezeigteWurfNr(w.stand(), w.kopie()), 1);
        RecordingCanvas c(800, 1100);
        w.druckInhalt(c);
        QVERIFY(texte(c).contains(QString::fromUtf8(kNichtAusgewertet)));
        QVERIFY(!texte(c).contains("Zwischenwurfzeit"));
    }

    // The menu's selection runs through the filter dialog, which makes the working copy while
    // the farmer chooses; the evaluation takes that one. From the evaluation child the chart
    // opens as a child beside it; Escape closes it, and the main menu's "Drucken" prints it
    // (without a printer: the preview).
    void menueAuswahlUndZeitpunktAlsKindfenster() {
        TestContext t;
        QVERIFY(schreiben(t.pfad("SAUWURF.DAT"), herdBytes(Beispielherde())));
        TPVMain m(t.ctx);
        m.showNormal();
        m.resize(1200, 900);
        QVERIFY(QTest::qWaitForWindowActive(&m));
        const Auswertungskopie* vorOK = nullptr;
        {
            ModalTreiber filter;
            filter.dann([&](QDialog* d) {
                QTRY_VERIFY(t.ctx.auswertungskopien[0].kopie); // made while the filter is open
                vorOK = t.ctx.auswertungskopien[0].kopie.get();
                d->findChild<tdate_ed*>("Beleg1")->SetDatum(Tag(0));
                d->findChild<tdate_ed*>("Beleg2")->SetDatum(Tag(5000));
                d->accept();
            });
            m.menuItem("Auswahl1")->trigger();
            QCOMPARE(filter.behandelt(), 1);
        }
        // The evaluation windows among the children (the work plan lives there too).
        const auto auswertungen = m.mdiArea()->findChildren<TAuswertung*>();
        QCOMPARE(auswertungen.size(), 1);
        TAuswertung* w = auswertungen.first();
        QCOMPARE(w->stand().Modus, amAuswahl);
        QCOMPARE(w->stand().Summe.Sauen, 2); // the suckling sow's only litter is left out
        QVERIFY(vorOK);
        QCOMPARE(&w->kopie(), vorOK);
        QPointer<QWidget> chart = w->Button1Click();
        auto* rahmen = qobject_cast<QMdiSubWindow*>(chart->parentWidget());
        QVERIFY(rahmen);
        QTRY_COMPARE(m.mdiArea()->activeSubWindow(), rahmen);

        ModalTreiber treiber;
        QString titel;
        treiber.dann([&](QDialog* d) { titel = d->windowTitle(); });
        m.menuItem("Drucken1")->trigger();
        QTRY_COMPARE(treiber.behandelt(), 1);
        QCOMPARE(titel, "Druckvorschau");

        // Back in the main window the chart has the keys.
        m.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m));
        QTRY_VERIFY(QApplication::focusWidget() == chart ||
                    chart->isAncestorOf(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(chart.isNull());
        QTRY_COMPARE(m.mdiArea()->subWindowList().count(rahmen), 0);
    }
};

QTEST_MAIN(TstTAuswertung)
#include "tst_tauswertung.moc"
