// The service-group window: opened from the menu through the filter dialog with its preset
// period, the chart switch, and Enter on a group listing its sows read-only.

#include "auswertungtesthilfe.h"
#include "entry/tsauauswahl.h"
#include "evaluation/tbelegwochen.h"
#include "programm/tpvmain.h"
#include "support/apphilfe.h"
#include "support/modaltreiber.h"
#include "support/testcontext.h"

#include <QComboBox>
#include <QListView>
#include <QMdiArea>
#include <QPushButton>
#include <QTest>

class TstTBelegwochen : public QObject {
    Q_OBJECT
private slots:
    void init() { t_ = std::make_unique<TestContext>(QDate(2024, 3, 10)); }

    void menueUndEingabeZeigtSauen() {
        TPVMain main(t_->ctx);
        fuellen();
        // A mated sow still marked as a young sow: the read-only list leaves her group alone.
        t_->ctx.Sauenliste[0].rec.setGruppe(-1);
        ModalTreiber treiber;
        // The filter dialog starts 25 weeks before this week; OK takes it.
        QString periode;
        treiber.dann([&](QDialog* d) {
            periode = d->findChild<QWidget*>("Beleg1")->property("text").toString();
            d->findChild<QPushButton*>("OKBtn")->click();
        });
        int gelistet = -1;
        bool nurLesen = false;
        treiber.dann([&](QDialog* d) {
            auto* a = qobject_cast<TSauAuswahl*>(d);
            QVERIFY(a);
            nurLesen = a->nurLesen() && !a->findChild<QWidget*>("LoeschenBtn")->isVisible();
            gelistet = a->liste().zeilen();
            d->reject();
        });
        main.menuItem("Belegwochen1")->trigger();
        auto* w = main.findChild<TBelegwochen*>("Belegwochen");
        QVERIFY(w);
        QCOMPARE(periode, QStringLiteral("11.9.23"));
        QCOMPARE(w->gruppen().size(), std::size_t(2));
        QCOMPARE(w->gruppen()[0].name(), QStringLiteral("KW 10/24"));
        auto* box = w->findChild<QComboBox*>("ComboDiagramm");
        QCOMPARE(box->count(), 3);
        w->ScrollBox1->setFocus();
        QTest::keyClick(w->ScrollBox1, Qt::Key_Return);
        QCOMPARE(treiber.behandelt(), 2);
        QVERIFY(nurLesen);
        QCOMPARE(gelistet, 3);
        QCOMPARE(t_->ctx.Sauenliste[0].rec.Gruppe(), -1);
    }

private:
    // Three sows mated in the week of 4.3.2024 (one of them sold), one a week earlier; filled
    // after the main window has loaded the (empty) data directory.
    void fuellen() {
        const int woche = int(QDate(2020, 1, 1).daysTo(QDate(2024, 3, 4)));
        for (int i = 0; i < 3; ++i)
            t_->ctx.Sauenliste.push_back(Sau1(QString::number(i + 1), woche - 400,
                                              {Wurf(1, woche + i)}, i == 2 ? woche + 3 : -1));
        t_->ctx.Sauenliste.push_back(Sau1("9", woche - 400, {Wurf(1, woche - 7)}));
    }

    std::unique_ptr<TestContext> t_;
};

QTEST_MAIN(TstTBelegwochen)
#include "tst_tbelegwochen.moc"
