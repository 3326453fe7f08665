#include "controls/tdate_ed.h"
#include "controls/tnumedit.h"
#include "entry/auswahlbuchung.h"
#include "plan/tarbeitsplan.h"
#include "plan/tarbplanstart.h"
#include "platform/recordingcanvas.h"
#include "platform/safewrite.h"
#include "programm/tpvmain.h"
#include "support/apphilfe.h"
#include "support/fensterfixtur.h"
#include "support/herdbau.h"
#include "support/modaltreiber.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QtTest>

// Today is Sunday 10.3.2013 in the test context.
namespace {

// A herd of sows mated 113 days before 4.3.13, every second with a note.
struct Planfenster {
    explicit Planfenster(int sauen = 3) {
        TPlanTyp typ = StandardPlanTyp({});
        typ.setName(QStringLiteral("Deckstall"));
        t.ctx.Plantypen = {StandardPlanTyp({}), typ};
        for (int i = 0; i < sauen; ++i) {
            t.ctx.Sauenliste.push_back(
                sau(QString::number(100 + i), {wurf(1, K(QDate(2013, 3, 4).addDays(-113)))}, {}));
            if (i % 2 == 0)
                t.ctx.Sauenliste.back().rec.setSauNotiz(QStringLiteral("Notiz %1").arg(i));
        }
    }
    QStringList koepfe() const {
        QStringList out;
        QAbstractItemModel* m = w.liste()->model();
        for (int i = 0; i < m->columnCount(); ++i)
            out << m->headerData(i, Qt::Horizontal).toString();
        return out;
    }
    // The day columns (1..7) the header hides.
    QList<int> versteckt() const {
        QList<int> out;
        QHeaderView* h = w.liste()->horizontalHeader();
        for (int j = 1; j <= 7; ++j)
            if (h->isSectionHidden(h->count() - 8 + j)) out << j;
        return out;
    }
    TestContext t;
    TArbeitsplan w{t.ctx};
};

} // namespace

class TestTArbeitsplan : public QObject {
    Q_OBJECT
private slots:
    // The start dialog opens on today's date with no type chosen; the radio buttons switch
    // between date and week.
    void planmenueZeigtTitelKoepfeUndZeilen() {
        Planfenster f;
        ModalTreiber treiber;
        treiber.dann([](QDialog* d) {
            auto* datum = kind<tdate_ed>(d, "tdate_ed1");
            auto* woche = kind<TNumEdit>(d, "NumEdit1");
            auto* typen = kind<QComboBox>(d, "ComboBox1");
            QCOMPARE(datum->text(), QStringLiteral("10.3.13"));
            QVERIFY(datum->isEnabled() && !woche->isEnabled());
            QCOMPARE(typen->count(), 2);
            QCOMPARE(typen->currentIndex(), -1);
            kind<QRadioButton>(d, "RadioButton2")->click();
            QVERIFY(!datum->isEnabled() && woche->isEnabled());
            kind<QRadioButton>(d, "RadioButton1")->click();
            QVERIFY(datum->isEnabled() && !woche->isEnabled());
            datum->setFocus();
            datum->selectAll();
            QTest::keyClicks(datum, QStringLiteral("4.3.13"));
            typen->setCurrentIndex(1);
            kind<QPushButton>(d, "OKBtn")->click();
        });
        f.w.Plan1Click();
        QCOMPARE(f.w.windowTitle(), QStringLiteral("Arbeitsplan Deckstall ab 4.3.13"));
        QVERIFY(f.w.isVisible());
        QCOMPARE(f.koepfe().mid(4, 2), QStringList({"Stall", "4.3.13   Mo  "}));
        QAbstractItemModel* m = f.w.liste()->model();
        QCOMPARE(m->rowCount(), 4); // three sows and the blank line
        QCOMPARE(m->index(0, 0).data().toString(), QStringLiteral("102")); // reverse herd order
        QCOMPARE(m->index(0, 5).data().toString(), QStringLiteral("Abf., "));
        QCOMPARE(m->index(3, 0).data().toString(), QString());

        // Cancel hides the window. The chosen type stays; 1.1.2013 is a Tuesday: week 1 starts
        // on 31.12.2012, week 11 on 11.3.2013. Escape hides the window too.
        treiber.dann([](QDialog* d) { d->reject(); });
        f.w.Plan1Click();
        QVERIFY(!f.w.isVisible());
        treiber.dann([](QDialog* d) {
            kind<QRadioButton>(d, "RadioButton2")->click();
            auto* woche = kind<TNumEdit>(d, "NumEdit1");
            woche->setFocus();
            woche->selectAll();
            QTest::keyClicks(woche, QStringLiteral("11"));
            kind<QPushButton>(d, "OKBtn")->click();
        });
        f.w.Plan1Click();
        QVERIFY(!QGuiApplication::overrideCursor()); // the wait cursor went with the walk
        QCOMPARE(f.w.windowTitle(), QStringLiteral("Arbeitsplan Deckstall ab 11.3.13"));
        QTest::keyClick(&f.w, Qt::Key_Escape);
        QVERIFY(!f.w.isVisible());
    }

    void druckMitTitelUndNotizNurWennGewaehlt() {
        Planfenster f(60);
        f.w.planAufstellen(K(QDate(2013, 3, 4)), 1);
        const auto drucken = [&f] {
            RecordingCanvas c(1350, 800); // 37 lines a page
            f.w.druckInhalt(c);
            return c;
        };
        RecordingCanvas ohne = drucken();
        int titel = 0, notizen = 0;
        for (const auto& it : ohne.texts()) {
            if (it.text == f.w.windowTitle() && it.style == Canvas::Bold) ++titel;
            if (it.text.startsWith(QStringLiteral(" - "))) ++notizen;
        }
        QCOMPARE(titel, ohne.pageCount());
        QVERIFY(ohne.pageCount() >= 2);
        QCOMPARE(notizen, 0);
        f.t.ctx.einstellungen.mitKommentar = true;
        RecordingCanvas mit = drucken();
        for (const auto& it : mit.texts())
            if (it.text.startsWith(QStringLiteral(" - Notiz"))) ++notizen;
        QCOMPARE(notizen, 30);
        QVERIFY(mit.pageCount() > ohne.pageCount());
    }

    void hauptfensterBehaeltDenPlan() {
        Planfenster f;
        QVERIFY(HerdeSpeichern(f.t.ctx)); // the main window loads the herd file
        TPVMain w(f.t.ctx);
        w.show();
        QPointer<TArbeitsplan> plan = w.arbeitsplan();
        QVERIFY(plan && !plan->isVisible());
        QVERIFY(w.menuItem(QStringLiteral("Plan1"))->isEnabled());
        ModalTreiber treiber;
        treiber.dann([](QDialog* d) { kind<QPushButton>(d, "OKBtn")->click(); });
        w.menuItem(QStringLiteral("Plan1"))->trigger();
        QCOMPARE(treiber.behandelt(), 1);
        QTRY_VERIFY(plan->isVisible());
        QCOMPARE(w.mdiArea()->activeSubWindow()->widget(), plan.data());
        QCOMPARE(plan->windowTitle(), QStringLiteral("Arbeitsplan  ab 10.3.13"));
        w.mdiArea()->activeSubWindow()->close();
        QCoreApplication::processEvents();
        QVERIFY(plan && !plan->isVisible());
    }

    // Narrowed, the days roll: a day scrolled past is hidden. A booking remakes the rows of its
    // sow only: the farmer keeps his place in the plan. A sow removed while the plan is open
    // leaves it at once; while it is hidden, on showing. Files that cannot be written are told.
    void planFolgtDerHerde() {
        Planfenster f(300);
        f.t.ctx.einstellungen.einzelspeicherung = false;
        f.w.planAufstellen(K(QDate(2013, 3, 4)), -1);
        f.w.show();
        f.w.resize(2000, 400);
        QVERIFY(QTest::qWaitForWindowExposed(&f.w));
        QVERIFY(!f.w.tagLeiste()->isVisible()); // all seven fit
        QVERIFY(f.versteckt().isEmpty());

        f.w.resize(500, 300);
        QTRY_VERIFY(f.w.tagLeiste()->isVisible());
        QScrollBar* leiste = f.w.tagLeiste();
        QCOMPARE(leiste->value(), 1);
        QVERIFY(leiste->maximum() > 3);
        leiste->setValue(2);
        QCOMPARE(f.versteckt(), QList<int>({1}));
        leiste->setValue(4); // a jump hides every day before it
        QCOMPARE(f.versteckt(), QList<int>({1, 2, 3}));
        leiste->setValue(3);
        QCOMPARE(f.versteckt(), QList<int>({1, 2}));
        leiste->setValue(1);
        QVERIFY(f.versteckt().isEmpty());
        QTableView* liste = f.w.liste();
        liste->setCurrentIndex(liste->model()->index(150, 0));
        liste->scrollTo(liste->currentIndex());
        const int stelle = liste->verticalScrollBar()->value();
        QVERIFY(stelle > 0);
        f.t.ctx.Sauenliste[10].rec.setSauNotiz(QStringLiteral("neu"));
        f.t.ctx.AenderungMerken({10});
        QCoreApplication::processEvents();
        QCOMPARE(liste->verticalScrollBar()->value(), stelle);
        QCOMPARE(liste->currentIndex().row(), 150);
        // A folder where the files should go: both fail and say so.
        const QString weg = f.t.pfad(QStringLiteral("ordner"));
        QVERIFY(QDir().mkpath(weg));
        QVERIFY(!druckausgabe::ausgeben(f.w, druckausgabe::Ziel::Pdf, nullptr, weg));
        QVERIFY(!f.w.csvSchreiben(weg));
        const QString fehler = SchreibFehlerText(
            QStringLiteral("ordner"), weg, QStringLiteral("Unter diesem Namen steht ein Ordner."));
        QCOMPARE(f.t.messages.texts(), (QStringList{fehler, fehler}));
        QAbstractItemModel* m = f.w.liste()->model();
        QCOMPARE(m->rowCount(), 301);
        auswahlbuchung::SauEntfernen(f.t.ctx, 0);
        QTRY_COMPARE(m->rowCount(), 300);
        f.w.hide();
        auswahlbuchung::SauEntfernen(f.t.ctx, 0);
        QCoreApplication::processEvents();
        QCOMPARE(m->rowCount(), 300);
        f.w.show();
        QCOMPARE(m->rowCount(), 299);
        QCOMPARE(m->index(0, 0).data().toString(), QStringLiteral("399"));
    }
};

QTEST_MAIN(TestTArbeitsplan)
#include "tst_tarbeitsplan.moc"
