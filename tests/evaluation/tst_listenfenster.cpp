// The register and day book windows: opened from the menu, painting only the lines in view,
// keys, the print panel with its range, a cancelled long printout, PDF and table files.

#include "app/tpvmain.h"
#include "berichtshilfe.h"
#include "controls/tnumedit.h"
#include "evaluation/tabsetzen.h"
#include "evaluation/tsaubewegung.h"
#include "support/modaltreiber.h"
#include "support/testcontext.h"
#include <QPointer>
#include <QPushButton>

#include <QFile>
#include <QFrame>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressDialog>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

namespace {

// 3,000 sows with a litter each, farrowed, a loss and weaned over a year.
void HerdeFuellen(AppContext& ctx) {
    for (int i = 0; i < 3000; ++i) {
        Sau s = SauMit(QString::number(i + 1), TageAddierenDatum(i % 250, D(1, 1, 2011)));
        const TKurzDatum f = TageAddierenDatum(i % 200, D(1, 3, 2012));
        s.wuerfe.push_back(WurfMit(12, 1, 0, f, TageAddierenDatum(28, f), {1 + i % 9}));
        ctx.Sauenliste.push_back(s);
    }
}

template <class W> W* Oeffnen(QMdiArea& mdi) {
    QMdiSubWindow* sub = mdi.activeSubWindow();
    return sub ? qobject_cast<W*>(sub->widget()) : nullptr;
}

} // namespace

class TstListenfenster : public QObject {
    Q_OBJECT
private slots:
    void init();
    void ausDemMenue_data();
    void ausDemMenue();
    void maltNurSichtbares();
    void tastenUndPanel();
    void bereichGetippt();
    void langerDruckAbbrechen();
    void dateien();

private:
    std::unique_ptr<TestContext> t_;
};

void TstListenfenster::init() {
    t_ = std::make_unique<TestContext>();
    HerdeFuellen(t_->ctx);
}

void TstListenfenster::ausDemMenue_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("titel");
    QTest::newRow("Tierbew. Sauen") << "TierbewSauen1"
                                    << "Sauenbewegungen";
    QTest::newRow("Ferkel Abgang") << "FerkelAbgang1"
                                   << "Ferkelabgänge";
}

void TstListenfenster::ausDemMenue() {
    QFETCH(QString, item);
    QFETCH(QString, titel);
    TestContext leer;
    TPVMain w(leer.ctx);
    w.menuItem(item)->trigger();
    auto* mdi = w.findChild<QMdiArea*>(QStringLiteral("MDIClient"));
    // The list window among the children (the work plan lives there too).
    const auto fensterListe = mdi->findChildren<Listenfenster*>();
    QCOMPARE(fensterListe.size(), 1);
    Listenfenster* fenster = fensterListe.first();
    QCOMPARE(fenster->windowTitle(), titel);
    // The print request shows the panel, here over an empty herd: 1 .. 0.
    fenster->druckanfrage();
    QVERIFY(!fenster->Panel1->isHidden());
    QCOMPARE(fenster->NumEdit2->AsInteger(), 0);
}

void TstListenfenster::maltNurSichtbares() {
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
}

void TstListenfenster::tastenUndPanel() {
    QMdiArea mdi;
    mdi.resize(800, 600);
    mdi.show();
    TAbsetzen* w = AbsetzenOeffnen(t_->ctx, &mdi);
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QScrollBar* bar = w->ScrollBox1->verticalScrollBar();
    QTest::keyClick(w->ScrollBox1, Qt::Key_PageDown);
    QCOMPARE(bar->value(), w->ScrollBox1->viewport()->height());
    QTest::keyClick(w->ScrollBox1, Qt::Key_PageUp);
    QCOMPARE(bar->value(), 0);
    QTest::keyClick(w->ScrollBox1, Qt::Key_End);
    QCOMPARE(bar->value(), bar->maximum());
    QTest::keyClick(w->ScrollBox1, Qt::Key_Home);
    QCOMPARE(bar->value(), 0);

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

void TstListenfenster::bereichGetippt() {
    TSaubewegung w(t_->ctx);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.druckanfrage();
    w.NumEdit1->selectAll();
    QTest::keyClicks(w.NumEdit1, QStringLiteral("2999"));
    QTest::keyClick(w.NumEdit1, Qt::Key_Return);
    QVERIFY(w.NumEdit2->hasFocus());
    w.NumEdit2->selectAll();
    QTest::keyClicks(w.NumEdit2, QStringLiteral("9999"));
    // Enter in the second field prints: without a printer the preview opens.
    ModalTreiber treiber;
    bool vorschau = false;
    treiber.dann([&](QDialog* d) { vorschau = d->windowTitle() == "Druckvorschau"; });
    QTest::keyClick(w.NumEdit2, Qt::Key_Return);
    QVERIFY(vorschau);
    QVERIFY(w.Panel1->isHidden());
    RecordingCanvas c(860, 1200);
    w.druckInhalt(c);
    QStringList nummern;
    for (const auto& i : c.texts())
        if (i.x1 == 30) nummern << i.text;
    QCOMPARE(nummern, (QStringList{w.liste()[2998].SauNr, w.liste()[2999].SauNr}));
    QVERIFY(t_->messages.shown.isEmpty());
}

void TstListenfenster::langerDruckAbbrechen() {
    TSaubewegung w(t_->ctx);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.druckanfrage();
    w.BereichUebernehmen();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("b.pdf"));
    bool gesehen = false;
    QTimer::singleShot(0, &w, [&] {
        if (auto* p = w.findChild<QProgressDialog*>(QStringLiteral("Fortschritt"))) {
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

void TstListenfenster::dateien() {
    TAbsetzen w(t_->ctx);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTemporaryDir dir;
    // A short range as PDF.
    w.NumEdit1->setWert(3);
    w.NumEdit2->setWert(40);
    w.BereichUebernehmen();
    const QString pdf = dir.filePath(QStringLiteral("f.pdf"));
    QVERIFY(w.PdfSpeichern(pdf));
    QFile f(pdf);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.read(5) == "%PDF-");
    // Every line as a table, the stock last.
    const QString csv = dir.filePath(QStringLiteral("f.csv"));
    QVERIFY(w.CsvSpeichern(csv));
    QFile c(csv);
    QVERIFY(c.open(QIODevice::ReadOnly));
    const QList<QByteArray> zeilen = c.readAll().split('\n');
    QCOMPARE(zeilen.size(), int(w.liste().Tage.size()) + 3);
    QCOMPARE(zeilen.at(zeilen.size() - 2).trimmed(),
             ";Bestand;" + QByteArray::number(w.liste().Bestand));
    QVERIFY(!w.CsvSpeichern(dir.filePath(QStringLiteral("fehlt/f.csv"))));
    QCOMPARE(t_->messages.shown.size(), 1);
    QVERIFY(t_->messages.shown.first().text.startsWith(QStringLiteral("Die Datei ")));
}

QTEST_MAIN(TstListenfenster)
#include "tst_listenfenster.moc"
