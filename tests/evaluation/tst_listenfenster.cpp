// The list windows (register, day book, hit list, comparisons): opened from the menu, through
// the filter dialog where there is one, painting only the lines in view, keys, the print panel
// with its range, a cancelled long printout and failed writes.

#include "auswertungtesthilfe.h"
#include "controls/tnumedit.h"
#include "evaluation/hitliste.h"
#include "evaluation/tabsetzen.h"
#include "evaluation/thitliste.h"
#include "evaluation/tsaubewegung.h"
#include "evaluation/tvergleich.h"
#include "programm/tpvmain.h"
#include "support/apphilfe.h"
#include "support/modaltreiber.h"
#include "support/testcontext.h"

#include "platform/safewrite.h"
#include <QFile>
#include <QFrame>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

namespace {

// 3,000 sows with a litter each, farrowed, a loss and weaned over a year.
void HerdeFuellen(AppContext& ctx) {
    for (int i = 0; i < 3000; ++i) {
        Sau s = SauMit(QString::number(i + 1), TageAddierenDatum(i % 250, dt(1, 1, 2011)));
        const TKurzDatum f = TageAddierenDatum(i % 200, dt(1, 3, 2012));
        s.wuerfe.push_back(WurfMit(12, 1, 0, f, TageAddierenDatum(28, f), {1 + i % 9}));
        ctx.Sauenliste.push_back(s);
    }
}

// 3,000 sows over a year each in the evaluation period, born counts and origins repeating.
void AuswertungsherdeFuellen(AppContext& ctx) {
    for (int i = 0; i < 3000; ++i) {
        Sau s = Sau1(QStringLiteral("S%1").arg(i + 1), 0,
                     {Wurf(1, i % 30, 115 + i % 30, 365, 6 + i % 9)});
        s.rec.setHerkunft(QStringLiteral("H%1").arg(i % 4));
        ctx.Sauenliste.push_back(s);
    }
}

} // namespace

class TstListenfenster : public QObject {
    Q_OBJECT
private slots:
    void init() {
        t_ = std::make_unique<TestContext>();
        HerdeFuellen(t_->ctx);
    }

    // `dialog`: through the filter dialog; without, the window opens at once, here over an empty
    // herd.
    void ausDemMenue_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<bool>("dialog");
        QTest::addColumn<QString>("titel");
        QTest::newRow("TierbewSauen1") << "TierbewSauen1" << false << "Sauenbewegungen";
        QTest::newRow("FerkelAbgang1") << "FerkelAbgang1" << false << "Ferkelabgänge";
        QTest::newRow("Hitliste1") << "Hitliste1" << true << "Hitliste    Belegen";
        QTest::newRow("Eber1") << "Eber1" << true << "Ebervergleich  Belegen";
        QTest::newRow("Herkunft1") << "Herkunft1" << true << "Herkunftsvergleich  Belegen";
        QTest::newRow("Rasse1") << "Rasse1" << true << "Rassenvergleich  Belegen";
    }
    void ausDemMenue() {
        QFETCH(QString, item);
        QFETCH(bool, dialog);
        QFETCH(QString, titel);
        TestContext t;
        if (dialog) AuswertungsherdeFuellen(t.ctx);
        TPVMain w(t.ctx);
        auto* mdi = w.findChild<QMdiArea*>("MDIClient");
        // The list windows among the children (the work plan lives there too).
        const auto listen = [mdi] {
            QList<QMdiSubWindow*> l;
            for (QMdiSubWindow* s : mdi->subWindowList())
                if (qobject_cast<Listenfenster*>(s->widget())) l << s;
            return l;
        };
        ModalTreiber treiber;
        if (dialog) {
            // Cancel opens nothing.
            treiber.dann([](QDialog* d) { d->reject(); });
            w.menuItem(item)->trigger();
            QVERIFY(listen().isEmpty());
            treiber.dann([](QDialog* d) { d->accept(); });
        }
        w.menuItem(item)->trigger();
        QCOMPARE(treiber.behandelt(), dialog ? 2 : 0);
        QCOMPARE(listen().size(), 1);
        QMdiSubWindow* sub = listen().first();
        QVERIFY2(sub->widget()->windowTitle().startsWith(titel),
                 qPrintable(sub->widget()->windowTitle()));
        if (!dialog) {
            auto* fenster = static_cast<Listenfenster*>(sub->widget());
            fenster->druckanfrage(); // the panel with 1 .. 0
            QVERIFY(!fenster->Panel1->isHidden());
            QCOMPARE(fenster->NumEdit2->AsInteger(), 0);
        }
    }

    // Keys, the print panel and files: a short range as PDF; a failed write names the file, its
    // full path and the reason.
    void tastenPanelUndDateien() {
        QMdiArea mdi;
        mdi.resize(800, 600);
        mdi.show();
        TAbsetzen* w = AbsetzenOeffnen(t_->ctx, &mdi);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QScrollBar* bar = w->ScrollBox1->verticalScrollBar();
        const std::pair<Qt::Key, int> tasten[] = {
            {Qt::Key_PageDown, w->ScrollBox1->viewport()->height()},
            {Qt::Key_PageUp, 0},
            {Qt::Key_End, bar->maximum()},
            {Qt::Key_Home, 0}};
        for (const auto& [taste, wert] : tasten) {
            QTest::keyClick(w->ScrollBox1, taste);
            QCOMPARE(bar->value(), wert);
        }
        QTemporaryDir dir;
        w->NumEdit1->setWert(3);
        w->NumEdit2->setWert(40);
        w->BereichUebernehmen();
        QVERIFY(w->PdfSpeichern(dir.filePath("f.pdf")));
        QVERIFY(inhalt(dir.filePath("f.pdf")).startsWith("%PDF-"));
        QVERIFY(!w->CsvSpeichern(dir.filePath("fehlt/f.csv")));
        QVERIFY(!w->PdfSpeichern(dir.filePath("fehlt/f.pdf")));
        const QString grund = QStringLiteral("Der Ordner ist nicht vorhanden.");
        QCOMPARE(t_->messages.texts(),
                 (QStringList{SchreibFehlerText("f.csv", dir.filePath("fehlt/f.csv"), grund),
                              SchreibFehlerText("f.pdf", dir.filePath("fehlt/f.pdf"), grund)}));
        QTest::mouseClick(w->DruckBtn, Qt::LeftButton);
        QVERIFY(w->Panel1->isVisible());
        QCOMPARE(w->NumEdit1->AsInteger(), 1);
        QCOMPARE(w->NumEdit2->AsInteger(), int(w->liste().Tage.size()));
        // Escape first closes the panel, then the window.
        QTest::keyClick(w->NumEdit1, Qt::Key_Escape);
        QVERIFY(!w->Panel1->isVisible());
        QPointer<TAbsetzen> weg(w);
        QTest::keyClick(w->ScrollBox1, Qt::Key_Escape);
        QTRY_VERIFY(weg.isNull());
        QVERIFY(mdi.subWindowList().isEmpty());
    }

    // Only the lines in view are painted. The range typed in the print panel is printed; Enter
    // in its second field prints.
    void maltNurSichtbaresDrucktDenBereich() {
        TSaubewegung w(t_->ctx);
        w.resize(640, 400);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(int(w.liste().size()), 3000);
        QTRY_VERIFY(w.ScrollBox1->letzteGemalt() >= 0);
        const int h = w.ScrollBox1->zeilenhoehe();
        const int sichtbar = w.ScrollBox1->viewport()->height() / h + 1;
        QCOMPARE(w.ScrollBox1->ersteGemalt(), 0);
        QVERIFY(w.ScrollBox1->letzteGemalt() <= sichtbar);
        // The whole list can be reached: the last line comes into view at the end.
        QScrollBar* bar = w.ScrollBox1->verticalScrollBar();
        bar->setValue(bar->maximum());
        QTRY_COMPARE(w.ScrollBox1->letzteGemalt(), 2999);
        QVERIFY(w.ScrollBox1->ersteGemalt() > 2999 - sichtbar - 1);
        // Where the columns fit there is nothing to scroll sideways; narrower, the arrow keys
        // bring the right columns into view.
        QScrollBar* seitlich = w.ScrollBox1->horizontalScrollBar();
        QCOMPARE(seitlich->maximum(), 0);
        w.resize(300, 400);
        QTRY_VERIFY(seitlich->maximum() > 0);
        QTest::keyClick(w.ScrollBox1, Qt::Key_Right);
        QVERIFY(seitlich->value() > 0);
        w.druckanfrage();
        w.NumEdit1->selectAll();
        QTest::keyClicks(w.NumEdit1, "2999");
        QTest::keyClick(w.NumEdit1, Qt::Key_Return);
        QVERIFY(w.NumEdit2->hasFocus());
        w.NumEdit2->selectAll();
        QTest::keyClicks(w.NumEdit2, "9999");
        // Enter in the second field prints: without a printer the preview opens.
        ModalTreiber treiber;
        bool vorschau = false;
        treiber.dann([&](QDialog* d) { vorschau = d->windowTitle() == "Druckvorschau"; });
        QTest::keyClick(w.NumEdit2, Qt::Key_Return);
        QVERIFY(vorschau);
        QVERIFY(w.Panel1->isHidden());
        RecordingCanvas c(860, 1200);
        w.druckInhalt(c);
        QStringList tvg; // each line carries its sow's TVG "T" + number
        for (const QString& text : texte(c))
            if (text.startsWith(u'T') && text != "TVG-Nr.") tvg << text;
        QCOMPARE(tvg, (QStringList{w.liste()[2998].TVG.text(), w.liste()[2999].TVG.text()}));
        QVERIFY(t_->messages.shown.isEmpty());
        // A long printout can be cancelled: nothing is written and nothing told.
        w.druckanfrage();
        w.BereichUebernehmen();
        QTemporaryDir dir;
        const QString pdf = dir.filePath("b.pdf");
        bool gesehen = false;
        QTimer::singleShot(0, &w, [&] {
            if (auto* p = w.findChild<QProgressDialog*>("Fortschritt")) {
                gesehen = true;
                p->cancel();
            }
        });
        QVERIFY(!w.PdfSpeichern(pdf));
        QVERIFY(gesehen);
        QVERIFY(w.abgebrochen());
        QVERIFY(!QFile::exists(pdf));
        QVERIFY(t_->messages.shown.isEmpty());
    }

    // The hit list window: the list by index and the hit list printout down to the last place.
    void hitlisteFenster() {
        TestContext t;
        AuswertungsherdeFuellen(t.ctx);
        t.ctx.einstellungen.index = {0, 100, 0, 0, 0, 0, 0};
        THitliste w(t.ctx);
        w.Auswerten(AllesFilter());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(int(w.liste().size()), 3000);
        QVERIFY(w.liste().front().Leistungsindex >= w.liste().back().Leistungsindex);
        w.druckanfrage();
        QCOMPARE(w.NumEdit2->AsInteger(), 3000);
        w.BereichUebernehmen();
        w.Panel1->hide();
        QCOMPARE(w.druckAusrichtung(), QPageLayout::Portrait);
        RecordingCanvas c(800, 1100);
        w.druckInhalt(c);
        QVERIFY(c.pageCount() > 10);
        QCOMPARE(texte(c, 0).contains("weibl."), t.ctx.einstellungen.weibliche);
        QVERIFY(texte(c, c.pageCount() - 1).contains(w.liste().back().SauNr.text()));
        // The herd's working copy is shared until the herd changes; the next list sees the change.
        t.ctx.Sauenliste.pop_back();
        t.ctx.SauenGeaendert();
        w.Auswerten(AllesFilter());
        QCOMPARE(int(w.liste().size()), 2999);
        QVERIFY(t.messages.shown.isEmpty());
    }

private:
    std::unique_ptr<TestContext> t_;
};

QTEST_MAIN(TstListenfenster)
#include "tst_listenfenster.moc"
