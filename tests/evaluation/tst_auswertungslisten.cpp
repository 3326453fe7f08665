// The hit list and comparison windows: opened from the menu through the filter dialog, keys,
// visible lines only, printout and files.

#include "app/tpvmain.h"
#include "auswertungtesthilfe.h"
#include "controls/tnumedit.h"
#include "evaluation/thitliste.h"
#include "evaluation/tvergleich.h"
#include "platform/recordingcanvas.h"
#include "support/modaltreiber.h"
#include "support/testcontext.h"

#include <QComboBox>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTest>

namespace {

// 3,000 sows over a year each, born counts and origins repeating.
void HerdeFuellen(AppContext& ctx) {
    for (int i = 0; i < 3000; ++i) {
        Sau s = Sau1(QString::number(i + 1), 0, {Wurf(1, i % 30, 115 + i % 30, 365, 6 + i % 9)});
        s.rec.setHerkunft(QStringLiteral("H%1").arg(i % 4));
        ctx.Sauenliste.push_back(s);
    }
}

// The evaluation lists among the MDI children (the work plan may be open too).
QList<QMdiSubWindow*> Listen(QMdiArea* mdi) {
    QList<QMdiSubWindow*> l;
    for (QMdiSubWindow* s : mdi->subWindowList())
        if (qobject_cast<Auswertungsliste*>(s->widget())) l << s;
    return l;
}

QStringList SeitenKoepfe(const RecordingCanvas& c) {
    QStringList t;
    for (const auto& it : c.texts())
        if (it.text.startsWith(QStringLiteral("Seite: "))) t << it.text;
    return t;
}

} // namespace

class TstAuswertungslisten : public QObject {
    Q_OBJECT
private slots:
    void ausDemMenue_data();
    void ausDemMenue();
    void hitlisteFenster();
    void vergleichFenster();
};

void TstAuswertungslisten::ausDemMenue_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("verborgen");
    QTest::addColumn<QString>("titel");
    QTest::newRow("Hitliste") << "Hitliste1"
                              << ""
                              << "Hitliste    Belegen";
    QTest::newRow("Eber") << "Eber1"
                          << "ComboBox1"
                          << "Ebervergleich  Belegen";
    QTest::newRow("Herkunft") << "Herkunft1"
                              << "ComboBox2"
                              << "Herkunftsvergleich  Belegen";
    QTest::newRow("Rasse") << "Rasse1"
                           << "ComboBox3"
                           << "Rassenvergleich  Belegen";
}

void TstAuswertungslisten::ausDemMenue() {
    QFETCH(QString, item);
    QFETCH(QString, verborgen);
    QFETCH(QString, titel);
    TestContext t;
    HerdeFuellen(t.ctx);
    TPVMain w(t.ctx);
    auto* mdi = w.findChild<QMdiArea*>(QStringLiteral("MDIClient"));
    ModalTreiber treiber;
    // Cancel opens nothing.
    treiber.dann([](QDialog* d) { d->reject(); });
    w.menuItem(item)->trigger();
    QVERIFY(Listen(mdi).isEmpty());
    QStringList sichtbar;
    treiber.dann([&](QDialog* d) {
        for (const char* n : {"ComboBox1", "ComboBox2", "ComboBox3"})
            if (!d->findChild<QComboBox*>(QString::fromLatin1(n))->isHidden())
                sichtbar << QString::fromLatin1(n);
        d->accept();
    });
    w.menuItem(item)->trigger();
    QCOMPARE(sichtbar.contains(verborgen), false);
    QCOMPARE(int(sichtbar.size()), verborgen.isEmpty() ? 3 : 2);
    QCOMPARE(Listen(mdi).size(), 1);
    QMdiSubWindow* sub = Listen(mdi).first();
    QVERIFY(sub->widget()->windowTitle().startsWith(titel));
    QCOMPARE(sub->isMaximized(), item == QStringLiteral("Hitliste1"));
}

void TstAuswertungslisten::hitlisteFenster() {
    TestContext t;
    HerdeFuellen(t.ctx);
    t.ctx.einstellungen.index = {0, 100, 0, 0, 0, 0, 0};
    THitliste w(t.ctx);
    w.Auswerten(AllesFilter());
    w.resize(700, 400);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(int(w.liste().size()), 3000);
    QVERIFY(w.liste().front().Leistungsindex >= w.liste().back().Leistungsindex);
    const int h = w.ScrollBox1->zeilenhoehe();
    QCOMPARE(w.PaintBox1->height(), 2 * h + 2);
    // Only the lines in view are painted; Page Down moves by the height in view.
    QTRY_VERIFY(w.ScrollBox1->letzteGemalt() >= 0);
    QVERIFY(w.ScrollBox1->letzteGemalt() <= w.ScrollBox1->viewport()->height() / h + 1);
    QTest::keyClick(w.ScrollBox1, Qt::Key_PageDown);
    QCOMPARE(w.ScrollBox1->verticalScrollBar()->value(), w.ScrollBox1->viewport()->height());
    QTest::keyClick(w.ScrollBox1, Qt::Key_PageUp);
    QCOMPARE(w.ScrollBox1->verticalScrollBar()->value(), 0);

    // The print request offers every place; the pages carry "Seite: n" each.
    w.druckanfrage();
    QCOMPARE(w.NumEdit2->AsInteger(), 3000);
    w.BereichUebernehmen();
    w.Panel1->hide();
    QCOMPARE(w.druckAusrichtung(), QPageLayout::Portrait);
    RecordingCanvas c(800, 1100);
    w.druckInhalt(c);
    QVERIFY(c.pageCount() > 10);
    QCOMPARE(SeitenKoepfe(c).size(), c.pageCount());
    QCOMPARE(SeitenKoepfe(c).last(), QStringLiteral("Seite: %1").arg(c.pageCount(), 2));

    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("h.csv"));
    QVERIFY(w.CsvSpeichern(csv));
    QFile f(csv);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray inhalt = f.readAll();
    QVERIFY(inhalt.startsWith("\xEF\xBB\xBFSau-Nr;Index;"));
    QCOMPARE(inhalt.count("\r\n"), 3001);
    QVERIFY(t.messages.shown.isEmpty());
}

void TstAuswertungslisten::vergleichFenster() {
    TestContext t;
    HerdeFuellen(t.ctx);
    TVergleich w(t.ctx);
    w.Auswerten(vaHerkunft, AllesFilter());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(int(w.zeilen().size()), 4);
    QCOMPARE(w.zeilen()[0].Name, QStringLiteral("H0"));
    QCOMPARE(w.zeilen()[0].Anzahl, QStringLiteral("750/750"));
    QCOMPARE(w.druckAusrichtung(), QPageLayout::Landscape);
    w.druckanfrage();
    w.BereichUebernehmen();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("v.pdf"));
    QVERIFY(w.PdfSpeichern(pdf));
    QFile f(pdf);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.read(5) == "%PDF-");
    QVERIFY(t.messages.shown.isEmpty());
}

QTEST_MAIN(TstAuswertungslisten)
#include "tst_auswertungslisten.moc"
