#include "controls/tnumedit.h"
#include "plan/tarbeitsplanzeiten.h"
#include "stamm/planfiles.h"
#include "support/fensterfixtur.h"
#include "support/modaltreiber.h"

#include <QFile>
#include <QPushButton>
#include <QTabBar>
#include <QtTest>

namespace {

struct Editor : Fenster<TArbeitsplanzeiten> {
    explicit Editor(TestContext& t) : Fenster(t) { QVERIFY(zeigen()); }
    // The four fields of row k: Edit2k+1, NumEdit2k+1, NumEdit2k+2, Edit2k+2.
    QLineEdit* name(int k) { return c<QLineEdit>(QStringLiteral("Edit%1").arg(2 * k + 1)); }
    TNumEdit* von(int k) { return c<TNumEdit>(QStringLiteral("NumEdit%1").arg(2 * k + 1)); }
    TNumEdit* bis(int k) { return c<TNumEdit>(QStringLiteral("NumEdit%1").arg(2 * k + 2)); }
    QLineEdit* kuerzel(int k) { return c<QLineEdit>(QStringLiteral("Edit%1").arg(2 * k + 2)); }
    // Clicks the tab as the user does; the focus stays where it was.
    void seite(int s) {
        QTabBar* tabs = w.seiten();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(s).center());
        QCOMPARE(tabs->currentIndex(), s);
    }
    static void tippen(QLineEdit* e, const QString& text) {
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, text);
    }
};

} // namespace

class TestTArbeitsplanzeiten : public QObject {
    Q_OBJECT
private slots:
    void seitenZeigenIhreZeilen_data() {
        QTest::addColumn<int>("seite");
        QTest::addColumn<QStringList>("fest"); // names of rows 0 and 1, empty when editable
        QTest::newRow("ab Belegen") << 0 << QStringList{"Abferkeln", "Trächtig.Kontr."};
        QTest::newRow("ab Abferkeln") << 1 << QStringList{"Absetzen", ""};
        QTest::newRow("ab Absetzen") << 2 << QStringList{"Neubelegen", ""};
        QTest::newRow("Wurfunabh.") << 3 << QStringList{"", ""};
        QTest::newRow("ab Einstallen") << 4 << QStringList{"", ""};
    }

    void seitenZeigenIhreZeilen() {
        QFETCH(int, seite);
        QFETCH(QStringList, fest);
        TestContext t;
        TPlanZeiten z;
        for (int k = 0; k < 15; ++k)
            z.setEntry(seite, k,
                       TPlanTermin::mit(QStringLiteral("Z%1").arg(k), k, 10 + k,
                                        QStringLiteral("K%1").arg(k)));
        Editor e(t);
        e.w.setPlanzeiten(z);
        QCOMPARE(e.w.seiten()->currentIndex(), 0); // opening shows page 0
        if (seite != 0) e.seite(seite);
        for (int k = 0; k < TArbeitsplanzeiten::kZeilen; ++k) {
            const QString f = k < 2 ? fest[k] : QString();
            QCOMPARE(e.name(k)->text(), f.isEmpty() ? QStringLiteral("Z%1").arg(k) : f);
            QCOMPARE(e.name(k)->isReadOnly(), !f.isEmpty());
            QCOMPARE(e.von(k)->Wert(), double(k));
            QCOMPARE(e.bis(k)->Wert(), double(10 + k));
            QCOMPARE(e.kuerzel(k)->text(), QStringLiteral("K%1").arg(k));
        }
    }

    void geaenderteZeilenBeiSeitenwechselUndOk() {
        TestContext t;
        TPlanZeiten z = PlanZeitenStandard();
        for (int k = 12; k < 15; ++k)
            z.setEntry(1, k, TPlanTermin::mit(QStringLiteral("verborgen"), k, k, "V"));
        Editor e(t);
        e.w.setPlanzeiten(z);
        e.seite(1);
        e.tippen(e.name(1), QStringLiteral("  Kastrieren  "));
        e.tippen(e.von(1), QStringLiteral("-3")); // a day field takes no minus sign
        e.tippen(e.bis(1), QStringLiteral("5"));
        e.tippen(e.kuerzel(1), QStringLiteral(" K "));
        e.tippen(e.von(2), QStringLiteral("12"));
        e.seite(2); // the focus is still in the number field
        QCOMPARE(e.name(1)->text(), QString());
        e.seite(1);
        QCOMPARE(e.name(1)->text(), QStringLiteral("Kastrieren"));
        QCOMPARE(e.von(2)->Wert(), 12.0);
        e.tippen(e.bis(2), QStringLiteral("14")); // confirmed without changing the tab
        QTest::mouseClick(e.c<QPushButton>(QStringLiteral("OKBtn")), Qt::LeftButton);
        QCOMPARE(e.w.result(), int(QDialog::Accepted));

        const TPlanZeiten& r = e.w.planzeiten();
        QVERIFY(r.entry(1, 1) == TPlanTermin::mit(QStringLiteral("Kastrieren"), 3, 5, "K"));
        QCOMPARE(int(r.entry(1, 2).ErsterTag()), 12);
        QCOMPARE(int(r.entry(1, 2).LetzterTag()), 14);
        for (int k = 12; k < 15; ++k)
            QVERIFY(r.entry(1, k) == z.entry(1, k)); // never shown
        QVERIFY(r.entry(2, 0) == z.entry(2, 0));
        QVERIFY(t.ctx.Planzeiten == PlanZeitenStandard()); // the editor works on its copy
    }

    // Escape drops what was typed: nothing is taken or written. Confirmed, the fixed names are
    // saved with the times.
    void escapeVerwirftBestaetigenSpeichert() {
        TestContext t;
        ModalTreiber treiber;
        treiber.dann([](QDialog* d) {
            QVERIFY(QTest::qWaitForWindowActive(d));
            auto* name = d->findChild<QLineEdit*>(QStringLiteral("Edit5")); // row 2
            name->setFocus();
            QTest::keyClicks(name, QStringLiteral("Umstallen"));
            QTest::keyClick(name, Qt::Key_Escape);
        });
        QVERIFY(!PlanZeitenBearbeiten(t.ctx, nullptr));
        QCOMPARE(treiber.abgewiesen(), 0); // Escape closed it
        QVERIFY(t.ctx.Planzeiten == PlanZeitenStandard());
        QVERIFY(!QFile::exists(t.pfad(QStringLiteral("PLANZEIT.DAT"))));
        treiber.dann([](QDialog* d) {
            QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("OKBtn")), Qt::LeftButton);
        });
        QVERIFY(PlanZeitenBearbeiten(t.ctx, nullptr));
        QCOMPARE(treiber.behandelt(), 2);
        TPlanZeiten erwartet = PlanZeitenStandard();
        erwartet.setEntry(0, 1, TPlanTermin::mit(QStringLiteral("Trächtig.Kontr."), 0, 0, ""));
        QVERIFY(t.ctx.Planzeiten == erwartet);
        // Saved at once; the gestation length changes only with the next start.
        QCOMPARE(inhalt(t.pfad(QStringLiteral("PLANZEIT.DAT"))), roh(erwartet));
        QCOMPARE(t.ctx.Tragezeit, 113);
    }
};

QTEST_MAIN(TestTArbeitsplanzeiten)
#include "tst_tarbeitsplanzeiten.moc"
