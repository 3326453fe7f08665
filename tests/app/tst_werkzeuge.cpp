#include "programm/rechnerlogik.h"
#include "programm/tnotizen.h"
#include "programm/tpvmain.h"
#include "programm/trechner.h"
#include "support/apphilfe.h"
#include "support/testcontext.h"

#include <QtTest>
#include <QtWidgets>

// The calculator's keys and the notes pad.
class TestWerkzeuge : public QObject {
    Q_OBJECT
private slots:
    void rechnen_data() {
        QTest::addColumn<QString>("tasten");
        QTest::addColumn<QString>("anzeige");
        const char* faelle[][3] = {
            {"Summe", "12+3=", "15."},
            {"Prozent vom ersten Wert", "200+10%", "220."},
            {"Prozent allein", "50%", "0.5"},
            {"durch null", "8/0=", "Überlauf"},
            {"acht Stellen", "999999999", "99999999"},
            {"negativer Faktor", "6*-2=", "-12."},
            {"Komma und Kleinbuchstaben", "1,5*2=", "3."},
            {"c löscht", "7+8c", "0."},
            {"nach Überlauf neue Zahl", "8/0=5", "5"},
            {"zu groß", "99999999*2=", "Überlauf"},
            {"Rücktaste", "123\b", "12"},
            {"Speicher nach C", "3MCR+1=", "4."},
            // "R" while typing sets the value only; the typed number stays and counts.
            {"R vor der ersten Ziffer", "R9=", "9."},
            {"R beim Tippen", "4M5+7R=", "12."},
            {"R beim Tippen, weiter getippt", "4M5+7R1=", "76."},
            {"Punkt nach R beim Tippen", "4M7R.5=", "7.5"},
            {"R nach Ergebnis zeigt den Speicher", "5M2*3=R", "5."},
            {"Punkt nach Ergebnis beginnt neue Zahl", "2*3=.5+1=", "1.5"},
            {"Nachkommastellen gekürzt", "1/3=", "0.3333333"},
        };
        for (const auto& f : faelle)
            QTest::newRow(f[0]) << QString::fromUtf8(f[1]) << QString::fromUtf8(f[2]);
    }
    void rechnen() {
        QFETCH(QString, tasten);
        Rechenwerk r;
        for (QChar k : tasten)
            r.taste(k);
        QTEST(r.anzeige(), "anzeige");
    }

    void notizenLesenUndSchreiben() {
        TestContext t;
        {
            TNotizen leer(t.ctx);
            QVERIFY(leer.memo()->toPlainText().isEmpty());
            leer.show();
            leer.close();
        }
        QVERIFY(!QFile::exists(t.pfad("notiz.txt"))); // nothing typed, nothing written
        // Found whatever its letter case; Windows-1252 with CR LF.
        QVERIFY(schreiben(t.pfad("NOTIZ.TXT"), "Eber \374berpr\374fen\r\nStall 3\r\n"));
        TNotizen w(t.ctx);
        QCOMPARE(w.memo()->toPlainText(), QStringLiteral("Eber überprüfen\nStall 3"));
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.memo()->setFocus();
        w.memo()->moveCursor(QTextCursor::End);
        QTest::keyClick(w.memo(), Qt::Key_Return);
        QTest::keyClicks(w.memo(), QStringLiteral("Sau 12 "));
        w.memo()->insertPlainText(QStringLiteral("prüfen"));
        QTest::keyClick(w.memo(), Qt::Key_Escape);
        QVERIFY(!w.isVisible());
        QCOMPARE(inhalt(t.pfad("NOTIZ.TXT")),
                 QByteArray("Eber \374berpr\374fen\r\nStall 3\r\nSau 12 pr\374fen\r\n"));
        QVERIFY(t.messages.shown.isEmpty());
        QVERIFY(QFile::remove(t.pfad("NOTIZ.TXT")));
        w.show();
        w.close(); // saved once, not again
        QCOMPARE(QDir(t.ctx.Datenpfad).entryList({"notiz.txt"}, QDir::Files), QStringList());
    }

    // F7 opens the calculator, F8 the notes pad.
    void hauptfensterF7F8UndEnde() {
        TestContext t;
        TPVMain main(t.ctx);
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QTest::keyClick(&main, Qt::Key_F7);
        TRechner& w = *main.rechner();
        QVERIFY(w.isVisible());
        QCOMPARE(w.focusWidget(), w.gleich());
        // Clicks and keys go the same way; after a click "=" has the focus again.
        w.findChild<QPushButton*>(QStringLiteral("Btn6"))->click();
        QCOMPARE(w.focusWidget(), w.gleich());
        QTest::keyClicks(&w, QStringLiteral("*"));
        w.findChild<QPushButton*>(QStringLiteral("BtnMinus"))->click();
        QTest::keyClick(&w, Qt::Key_2);
        QTest::keyClick(w.focusWidget(), Qt::Key_Return);
        QCOMPARE(w.werk().anzeige(), QStringLiteral("-12."));
        // "+/-" on a shown result changes the value itself.
        w.findChild<QPushButton*>(QStringLiteral("BtnVorzeichen"))->click();
        QCOMPARE(w.werk().anzeige(), QStringLiteral("12."));
        QTest::keyClicks(&w, QStringLiteral("+1="));
        QCOMPARE(w.werk().anzeige(), QStringLiteral("13."));
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
        w.zeigen();
        QCOMPARE(w.werk().anzeige(), QStringLiteral("13."));
        QTest::keyClick(w.gleich(), Qt::Key_F8);
        QVERIFY(main.notizen()->isVisible());
        QTest::keyClicks(main.notizen()->memo(), QStringLiteral("Futter bestellen"));
        // Ending the program with the pad still open keeps what was typed.
        QVERIFY(main.close());
        QCOMPARE(inhalt(t.pfad("notiz.txt")), QByteArray("Futter bestellen\r\n"));
    }
};

QTEST_MAIN(TestWerkzeuge)
#include "tst_werkzeuge.moc"
