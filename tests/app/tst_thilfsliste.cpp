#include "herd/hilfslisten.h"
#include "programm/thilfsliste.h"
#include "support/apphilfe.h"
#include "support/fensterfixtur.h"

#include <QtTest>
#include <QtWidgets>

namespace {

struct Editor : Fenster<THilfsliste> {
    explicit Editor(TestContext& t) : Fenster(t) { QVERIFY(zeigen()); }
    QListWidget* seite(int liste) {
        QListWidget* box = w.liste(liste);
        w.seiten()->setCurrentWidget(box);
        box->setFocus();
        return box;
    }
    QLineEdit* edit() { return c<QLineEdit>("Edit1"); }
    void ok() { c<QPushButton>("OKBtn")->click(); }
};

} // namespace

class TestTHilfsliste : public QObject {
    Q_OBJECT
private slots:
    // Opened on the stalls, typing goes to the list. Typing on the append mark adds an entry;
    // blanks only give an empty one, and leaving by a focus change ends the editing too; a
    // double click edits an entry, at most 15 characters. Insert adds empty lines, not on the
    // final mark, and OK leaves them out.
    void eintraegeBearbeiten() {
        TestContext t;
        t.ctx.Hilfslisten[0] = QStringList{"DL", "Pietrain"};
        t.ctx.Hilfslisten[4] = QStringList{"krank"};
        t.ctx.Hilfslisten[1] = QStringList{"erdrückt"};
        t.ctx.Hilfslisten[3] = QStringList{"Müller", "Schulze"};
        Editor e(t);
        QTabWidget* tabs = e.w.seiten();
        QCOMPARE(tabs->currentWidget(), e.w.liste(5));
        QCOMPARE(QApplication::focusWidget(), tabs->currentWidget());
        QCOMPARE(eintraege(e.w.liste(5)), QStringList{">"});
        QCOMPARE(e.w.liste(0)->currentRow(), 0);
        QListWidget* box = e.seite(0);
        box->setCurrentRow(box->count() - 1);
        QTest::keyClick(box, 'P');
        QVERIFY(e.edit()->isVisible());
        QCOMPARE(e.edit()->text(), QStringLiteral("P"));
        QTest::keyClick(e.edit(), Qt::Key_Return);
        QVERIFY(!e.edit()->isVisible());
        QCOMPARE(eintraege(box), (QStringList{"DL", "Pietrain", "P", ">"}));
        QCOMPARE(box->currentRow(), 2);
        QVERIFY(box->hasFocus());

        box = e.seite(4);
        QTest::keyClick(box, Qt::Key_Space);
        QTest::keyClicks(e.edit(), QStringLiteral("   "));
        e.w.findChild<QPushButton*>(QStringLiteral("CancelBtn"))->setFocus();
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

        box = e.seite(3);
        box->setCurrentRow(0);
        QTest::keyClick(box, Qt::Key_Insert);
        QTest::keyClick(box, Qt::Key_Insert);
        QCOMPARE(eintraege(box), (QStringList{">", ">", "Müller", "Schulze", ">"}));
        box->setCurrentRow(box->count() - 1);
        QTest::keyClick(box, Qt::Key_Insert);
        QCOMPARE(box->count(), 5);
        e.ok();
        QCOMPARE(t.ctx.Hilfslisten[0], (QStringList{"DL", "Pietrain", "P"}));
        QCOMPARE(t.ctx.Hilfslisten[4], QStringList{""});
        QCOMPARE(t.ctx.Hilfslisten[1], QStringList{"erdrückt von de"});
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
            QTest::keyClick(&e.w, Qt::Key_Escape);
            QCOMPARE(e.w.result(), int(QDialog::Rejected));
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
