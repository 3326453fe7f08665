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
    void init();
    void cleanup() { f.reset(); }

    void startsWithToday();
    void leavingNormalises_data();
    void leavingNormalises();
    void typingFilter_data();
    void typingFilter();
    void pastedTextFiltered_data();
    void pastedTextFiltered();
    void switchingWindowsIsNoExit();
    void typedYears_data();
    void typedYears();
    void setDatumShowsGetdatumReads_data();
    void setDatumShowsGetdatumReads();

private:
    TestContext t;
    std::unique_ptr<FeldFenster<tdate_ed>> f;
};

void TestTDateEd::init() {
    f = std::make_unique<FeldFenster<tdate_ed>>(t.clock);
    QVERIFY(f->zeigen());
}

void TestTDateEd::startsWithToday() {
    tdate_ed feld(t.clock);
    QCOMPARE(feld.text(), "10.03.13");
    QCOMPARE(feld.width(), 90);
    QCOMPARE(feld.sizeHint().width(), 90);
    QVERIFY(feld.AutoPreset());
}

void TestTDateEd::leavingNormalises_data() {
    QTest::addColumn<QString>("getippt");
    QTest::addColumn<bool>("autoPreset");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("datum"); // day, month, year byte, Zusatz

    QTest::newRow("day only") << "5" << false << "5.3.13" << QList{5, 3, 113, 0};
    QTest::newRow("days back") << "-3" << false << "7.3.13" << QList{7, 3, 113, 0};
    QTest::newRow("month length not checked")
        << "31.02.13" << false << "31.2.13" << QList{31, 2, 113, 0};
    QTest::newRow("day 32 is no date") << "32.1.13" << false << "" << QList{0, 0, 0, 0};
    QTest::newRow("four-digit year") << "5.3.2013" << false << "5.3.13" << QList{5, 3, 113, 0};
    QTest::newRow("Zusatz") << "15.11.00/2" << false << "15.11.00/2" << QList{15, 11, 100, 2};
    QTest::newRow("empty, no preset") << "" << false << "" << QList{0, 0, 0, 0};
    QTest::newRow("empty, preset") << "" << true << "10.3.13" << QList{10, 3, 113, 0};
}

void TestTDateEd::leavingNormalises() {
    QFETCH(QString, getippt);
    QFETCH(bool, autoPreset);
    QFETCH(QString, text);
    QFETCH(QList<int>, datum);

    f->feld->setAutoPreset(autoPreset);
    QString textBeimSignal = QStringLiteral("(kein Signal)");
    connect(f->feld, &tdate_ed::verlassen, this, [&] { textBeimSignal = f->feld->text(); });
    f->tippen(getippt);
    f->verlassen();

    QCOMPARE(f->feld->text(), text);
    QCOMPARE(textBeimSignal, text);
    const TKurzDatum d = f->feld->Getdatum();
    QCOMPARE((QList<int>{d.Tag, d.Monat, d.Jahr, d.Zusatz}), datum);
}

void TestTDateEd::typingFilter_data() {
    QTest::addColumn<QString>("getippt");
    QTest::addColumn<QString>("text");
    const char* faelle[][3] = {
        {"comma becomes point", "5,3,13", "5.3.13"},
        {"plus in empty field", "+", "10.03.13"},
        {"plus after a digit", "5+", "5"},
        {"letters and blanks refused", "5a. b3", "5.3"},
        {"second point dropped", "5..3", "5.3"},
        {"comma after point dropped", "5.,3", "5.3"},
        {"minus and slash", "-3/2", "-3/2"},
    };
    for (const auto& f : faelle)
        QTest::newRow(f[0]) << QString::fromLatin1(f[1]) << QString::fromLatin1(f[2]);
}

void TestTDateEd::typingFilter() {
    QFETCH(QString, getippt);
    QFETCH(QString, text);
    f->tippen(getippt);
    QCOMPARE(f->feld->text(), text);
}

void TestTDateEd::pastedTextFiltered_data() {
    QTest::addColumn<QString>("vorher");
    QTest::addColumn<QString>("eingefuegt");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cursor");
    const struct {
        const char *name, *vorher, *eingefuegt, *text;
        int cursor;
    } faelle[] = {
        {"comma", "", "5,3,13", "5.3.13", 6},
        {"words dropped", "", "am 1.2.13!", "1.2.13", 6},
        {"point run", "", "5..3...13", "5.3.13", 6},
        {"point after typed point", "5.", ".3", "5.3", 3},
        {"plus is no shortcut here", "", "+", "", 0},
    };
    for (const auto& f : faelle)
        QTest::newRow(f.name) << QString::fromLatin1(f.vorher) << QString::fromLatin1(f.eingefuegt)
                              << QString::fromLatin1(f.text) << f.cursor;
}

void TestTDateEd::pastedTextFiltered() {
    QFETCH(QString, vorher);
    QFETCH(QString, eingefuegt);
    QFETCH(QString, text);
    QFETCH(int, cursor);

    f->tippen(vorher);
    QGuiApplication::clipboard()->setText(eingefuegt);
    QTest::keyClick(f->feld, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(f->feld->text(), text);
    QCOMPARE(f->feld->cursorPosition(), cursor);

    f->tippen(vorher); // the context menu's paste takes the same way
    f->feld->paste();
    QCOMPARE(f->feld->text(), text);
}

void TestTDateEd::switchingWindowsIsNoExit() {
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

void TestTDateEd::setDatumShowsGetdatumReads_data() {
    QTest::addColumn<QList<int>>("datum");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << QList{0, 0, 0, 0} << "";
    QTest::newRow("2013") << QList{5, 3, 113, 0} << "5.3.13";
    QTest::newRow("2005") << QList{5, 3, 105, 0} << "5.3.05";
    QTest::newRow("1980") << QList{1, 1, 80, 0} << "1.1.80";
    QTest::newRow("Zusatz") << QList{15, 11, 100, 2} << "15.11.00/2";
}

// Years typed with more than two digits: 1900..2155 as typed, any other number loses 108
// before it is cut to a byte; every digit counts.
void TestTDateEd::typedYears_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("jahr");
    QTest::newRow("2013") << "5.3.2013" << 113;
    QTest::newRow("1950 as typed") << "5.3.1950" << 50;
    QTest::newRow("three digits") << "5.3.113" << 105;
    QTest::newRow("beyond 2155") << "5.3.2200" << 144;
    QTest::newRow("ten digits") << "5.3.1234567890" << 102;
}

void TestTDateEd::typedYears() {
    QFETCH(QString, text);
    QFETCH(int, jahr);
    f->feld->setText(text);
    QCOMPARE(int(f->feld->Getdatum().Jahr), jahr);
}

void TestTDateEd::setDatumShowsGetdatumReads() {
    QFETCH(QList<int>, datum);
    QFETCH(QString, text);
    const TKurzDatum d{std::uint8_t(datum[0]), std::uint8_t(datum[1]), std::uint8_t(datum[2]),
                       std::uint8_t(datum[3])};
    f->feld->setAutoPreset(false);
    f->feld->SetDatum(d);
    QCOMPARE(f->feld->text(), text);
    QCOMPARE(f->feld->Getdatum(), d);
}

QTEST_MAIN(TestTDateEd)
#include "tst_tdate_ed.moc"
