// The date field: what typing accepts, how the text reads as a date and is shown when the
// field is left, on 10 March 2013.

#include "controls/tdate_ed.h"
#include "feldfenster.h"
#include "support/testcontext.h"

#include <QClipboard>
#include <QSignalSpy>

class TestTDateEd : public QObject {
    Q_OBJECT

private slots:
    void init() {
        f = std::make_unique<FeldFenster<tdate_ed>>(t.clock);
        QVERIFY(f->zeigen());
    }
    void cleanup() { f.reset(); }

    void verlassenNormiert_data() {
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<bool>("autoPreset");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("datum"); // day, month, year byte, Zusatz

        QTest::newRow("day only") << "5" << false << "5.3.13" << QList{5, 3, 113, 0};
        QTest::newRow("day 32 is no date") << "32.1.13" << false << "" << QList{0, 0, 0, 0};
        QTest::newRow("Zusatz") << "15.11.00/2" << false << "15.11.00/2" << QList{15, 11, 100, 2};
        QTest::newRow("empty, no preset") << "" << false << "" << QList{0, 0, 0, 0};
        QTest::newRow("empty, preset") << "" << true << "10.3.13" << QList{10, 3, 113, 0};
        // Years of more than two digits: 1900..2155 as typed, any other number loses 108
        // before it is cut to a byte; every digit counts.
        QTest::newRow("three-digit year") << "5.3.113" << false << "5.3.05" << QList{5, 3, 105, 0};
        QTest::newRow("year beyond 2155") << "5.3.2200" << false << "5.3.44" << QList{5, 3, 144, 0};
        QTest::newRow("ten-digit year")
            << "5.3.1234567890" << false << "5.3.02" << QList{5, 3, 102, 0};
    }
    void verlassenNormiert() {
        QFETCH(QString, getippt);
        QFETCH(bool, autoPreset);
        QFETCH(QString, text);

        f->feld->setAutoPreset(autoPreset);
        QString textBeimSignal = QStringLiteral("(kein Signal)");
        connect(f->feld, &tdate_ed::verlassen, this, [&] { textBeimSignal = f->feld->text(); });
        f->tippen(getippt);
        f->verlassen();

        QCOMPARE(f->feld->text(), text);
        QCOMPARE(textBeimSignal, text);
        const TKurzDatum d = f->feld->Getdatum();
        QTEST((QList<int>{d.Tag, d.Monat, d.Jahr, d.Zusatz}), "datum");
        // Set from code, the date is shown and read back the same.
        f->feld->SetDatum(d);
        QCOMPARE(f->feld->text(), text);
        QCOMPARE(f->feld->Getdatum(), d);
    }
    // Typed, or pasted (by Ctrl+V and by the context menu) after `vorher`.
    void eingabeGefiltert_data() {
        QTest::addColumn<bool>("einfuegen");
        QTest::addColumn<QString>("vorher");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("text");
        const struct {
            const char* name;
            bool einfuegen;
            const char *vorher, *eingabe, *text;
        } faelle[] = {
            {"comma becomes point", false, "", "5,3,13", "5.3.13"},
            {"plus in empty field", false, "", "+", "10.3.13"},
            {"plus after a digit", false, "", "5+", "5"},
            {"letters and blanks refused", false, "", "5a. b3", "5.3"},
            {"second point dropped", false, "", "5..3", "5.3"},
            {"comma after point dropped", false, "", "5.,3", "5.3"},
            {"minus and slash", false, "", "-3/2", "-3/2"},
            {"pasted comma", true, "", "5,3,13", "5.3.13"},
            {"pasted words dropped", true, "", "am 1.2.13!", "1.2.13"},
            {"pasted point run", true, "", "5..3...13", "5.3.13"},
            {"pasted point after typed point", true, "5.", ".3", "5.3"},
            {"pasted plus is no shortcut", true, "", "+", ""},
        };
        for (const auto& f : faelle)
            QTest::newRow(f.name) << f.einfuegen << QString::fromLatin1(f.vorher)
                                  << QString::fromLatin1(f.eingabe) << QString::fromLatin1(f.text);
    }
    void eingabeGefiltert() {
        QFETCH(bool, einfuegen);
        QFETCH(QString, vorher);
        QFETCH(QString, eingabe);
        QFETCH(QString, text);

        f->tippen(vorher);
        if (!einfuegen) {
            QTest::keyClicks(f->feld, eingabe);
            QCOMPARE(f->feld->text(), text);
            return;
        }
        QGuiApplication::clipboard()->setText(eingabe);
        QTest::keyClick(f->feld, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f->feld->text(), text);
        QCOMPARE(f->feld->cursorPosition(), text.size());
        f->tippen(vorher);
        f->feld->paste();
        QCOMPARE(f->feld->text(), text);
    }
    void fensterwechselIstKeinVerlassen() {
        f->feld->setAutoPreset(false);
        QSignalSpy verlassen(f->feld, &tdate_ed::verlassen);
        f->tippen(QStringLiteral("5"));
        QFocusEvent weg(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QCoreApplication::sendEvent(f->feld, &weg);
        QCOMPARE(f->feld->text(), "5");
        QCOMPARE(verlassen.count(), 0);

        f->verlassen();
        QCOMPARE(f->feld->text(), "5.3.13");
        QCOMPARE(verlassen.count(), 1);
        f->verlassen(); // a second focus-out without entering again is no exit
        QCOMPARE(verlassen.count(), 1);
    }

private:
    TestContext t;
    std::unique_ptr<FeldFenster<tdate_ed>> f;
};

QTEST_MAIN(TestTDateEd)
#include "tst_tdate_ed.moc"
