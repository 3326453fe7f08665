#include "herd/hilfslisten.h"
#include "programm/thilfsliste.h"
#include "support/apphilfe.h"
#include "support/testcontext.h"

#include <QtTest>
#include <QtWidgets>

namespace {

struct Editor {
    explicit Editor(TestContext& t) : dlg(t.ctx) {
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
    }
    QListWidget* seite(int liste) {
        QListWidget* box = dlg.liste(liste);
        dlg.seiten()->setCurrentWidget(box);
        box->setFocus();
        return box;
    }
    QLineEdit* edit() { return dlg.findChild<QLineEdit*>(QStringLiteral("Edit1")); }
    void ok() { dlg.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click(); }
    THilfsliste dlg;
};

} // namespace

class TestTHilfsliste : public QObject {
    Q_OBJECT
private slots:
    void seitenUndAnfangszustand() {
        TestContext t;
        t.ctx.Hilfslisten[0] = QStringList{"DL", "Pietrain"};
        Editor e(t);
        QTabWidget* tabs = e.dlg.seiten();
        QCOMPARE(tabs->currentWidget(), e.dlg.liste(5));              // the stalls
        QCOMPARE(QApplication::focusWidget(), tabs->currentWidget()); // typing goes to the list
        QCOMPARE(eintraege(e.dlg.liste(0)), (QStringList{"DL", "Pietrain", ">"}));
        QCOMPARE(eintraege(e.dlg.liste(5)), QStringList{">"});
        QCOMPARE(e.dlg.liste(0)->currentRow(), 0);
    }

    // Typing on the append mark adds an entry; blanks only give an empty one, and leaving by a
    // focus change ends the editing too; a double click edits an entry, at most 15 characters.
    void eintraegeBearbeiten() {
        TestContext t;
        t.ctx.Hilfslisten[4] = QStringList{"krank"};
        t.ctx.Hilfslisten[1] = QStringList{"erdrückt"};
        Editor e(t);
        QListWidget* box = e.seite(0);
        box->setCurrentRow(box->count() - 1);
        QTest::keyClick(box, 'P');
        QVERIFY(e.edit()->isVisible());
        QCOMPARE(e.edit()->text(), QStringLiteral("P"));
        QTest::keyClick(e.edit(), Qt::Key_Return);
        QVERIFY(!e.edit()->isVisible());
        QCOMPARE(eintraege(box), (QStringList{"P", ">"}));
        QCOMPARE(box->currentRow(), 0);
        QVERIFY(box->hasFocus());

        box = e.seite(4);
        QTest::keyClick(box, Qt::Key_Space);
        QTest::keyClicks(e.edit(), QStringLiteral("   "));
        e.dlg.findChild<QPushButton*>(QStringLiteral("CancelBtn"))->setFocus();
        QTRY_VERIFY(!e.edit()->isVisible());
        QCOMPARE(eintraege(box), (QStringList{"", ">"}));

        box = e.seite(1);
        const QRect r = box->visualItemRect(box->item(0));
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, r.center());
        QVERIFY(e.edit()->isVisible());
        QCOMPARE(e.edit()->text(), QStringLiteral("erdrückt"));
        QCOMPARE(e.edit()->cursorPosition(), 8);
        QTest::keyClicks(e.edit(), QStringLiteral(" von der Sau"));
        QCOMPARE(e.edit()->text().size(), 15);
        QTest::keyClick(e.edit(), Qt::Key_Enter);
        e.ok();
        QCOMPARE(t.ctx.Hilfslisten[0], QStringList{"P"});
        QCOMPARE(t.ctx.Hilfslisten[4], QStringList{""});
        QCOMPARE(t.ctx.Hilfslisten[1], QStringList{"erdrückt von de"});
    }

    void zweimalEinfuegenDannOkLaesstListe() {
        TestContext t;
        t.ctx.Hilfslisten[3] = QStringList{"Müller", "Schulze"};
        Editor e(t);
        QListWidget* box = e.seite(3);
        box->setCurrentRow(0);
        QTest::keyClick(box, Qt::Key_Insert);
        QTest::keyClick(box, Qt::Key_Insert);
        QCOMPARE(eintraege(box), (QStringList{">", ">", "Müller", "Schulze", ">"}));
        // Insert on the final ">" does nothing.
        box->setCurrentRow(box->count() - 1);
        QTest::keyClick(box, Qt::Key_Insert);
        QCOMPARE(box->count(), 5);
        e.ok();
        QCOMPARE(t.ctx.Hilfslisten[3], (QStringList{"Müller", "Schulze"}));
    }

    void loeschregeln_data() {
        QTest::addColumn<int>("zeile");
        QTest::addColumn<QStringList>("danach");
        QTest::addColumn<int>("auswahl");
        QTest::newRow("middle keeps position") << 1 << QStringList{"A", "C", ">"} << 1;
        QTest::newRow("last real entry selects the one before")
            << 2 << QStringList{"A", "B", ">"} << 1;
        QTest::newRow("final mark stays") << 3 << QStringList{"A", "B", "C", ">"} << 3;
    }
    void loeschregeln() {
        QFETCH(int, zeile);
        TestContext t;
        t.ctx.Hilfslisten[2] = QStringList{"A", "B", "C"};
        Editor e(t);
        QListWidget* box = e.seite(2);
        box->setCurrentRow(zeile);
        QTest::keyClick(box, Qt::Key_Delete);
        QTEST(eintraege(box), "danach");
        QTEST(box->currentRow(), "auswahl");
    }

    void okLaesstListeSechsAbbrechenAendertNichts() {
        TestContext t;
        t.ctx.Hilfslisten[6] = QStringList{"sechs"};
        t.ctx.Hilfslisten[0] = QStringList{"DL"};
        {
            Editor e(t);
            QListWidget* box = e.seite(0);
            QTest::keyClick(box, Qt::Key_Delete);
            QTest::keyClick(&e.dlg, Qt::Key_Escape);
            QCOMPARE(e.dlg.result(), int(QDialog::Rejected));
        }
        QCOMPARE(t.ctx.Hilfslisten[0], QStringList{"DL"});
        QCOMPARE(t.ctx.Hilfslisten[6], QStringList{"sechs"});
        QVERIFY(!QFile::exists(t.pfad(QStringLiteral("HilfsLst.DAT"))));
        {
            Editor e(t);
            e.ok();
        }
        QVERIFY(t.ctx.Hilfslisten[6].isEmpty());
        HilfslistenLaden(t.ctx.Hilfslisten, t.ctx.Datenpfad, t.messages);
        QCOMPARE(t.ctx.Hilfslisten[0], QStringList{"DL"});
        QVERIFY(t.ctx.Hilfslisten[6].isEmpty());
    }
};

QTEST_MAIN(TestTHilfsliste)
#include "tst_thilfsliste.moc"
