// The number field: display forms, editing and leaving, the Min/Max check with its messages,
// setting the value from code and integer access.

#include "controls/tnumedit.h"
#include "feldfenster.h"
#include "support/testcontext.h"

#include <QLocale>
#include <QSignalSpy>

namespace {

// Expected texts are written with '.'; the field uses the locale's decimal separator.
QString dp(QString s) {
    return s.replace(u'.', QLocale().decimalPoint());
}

} // namespace

class TestTNumEdit : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void displayForm_data();
    void displayForm();
    void asInteger();
    void editingAndLeaving_data();
    void editingAndLeaving();
    void enteringShowsEditingFormAndLimit();
    void germanSeparator();
    void validateOnLeaving_data();
    void validateOnLeaving();
    void failedCheckDoesNotLeaveTheNextField();
    void setWertFromCode();
    void disabledTextColour();

private:
    Waehrungstabelle& tabelle() { return t->ctx.einstellungen.waehrung; }

    std::unique_ptr<TestContext> t;
    std::unique_ptr<FeldFenster<TNumEdit>> f;
};

void TestTNumEdit::init() {
    t = std::make_unique<TestContext>();
    f = std::make_unique<FeldFenster<TNumEdit>>(t->messages, tabelle());
    QVERIFY(f->zeigen());
}

void TestTNumEdit::cleanup() {
    f.reset();
    t.reset();
    QLocale::setDefault(QLocale::c());
}

void TestTNumEdit::displayForm_data() {
    QTest::addColumn<int>("typ");
    QTest::addColumn<QStringList>("masken"); // positive, negative, zero
    QTest::addColumn<int>("nachkomma");
    QTest::addColumn<int>("digits");
    QTest::addColumn<int>("waehrung");
    QTest::addColumn<double>("wert");
    QTest::addColumn<QString>("text");

    const QStringList keine;
    const int cur = TNumEdit::ntCurrency, pct = TNumEdit::ntPercentage, ganz = TNumEdit::ntInteger,
              gen = TNumEdit::ntGeneral;
    QTest::newRow("currency 0 without abbreviation")
        << cur << keine << 2 << 0 << 1 << 0.0 << "0.00 ";
    QTest::newRow("currency DM") << cur << keine << 2 << 0 << 1 << 12.5 << "12.50 DM";
    QTest::newRow("currency Euro sign") << cur << keine << 2 << 0 << 0 << 12.5 << "12.50 €";
    QTest::newRow("currency oS negative") << cur << keine << 2 << 0 << 2 << -4.2 << "-4.20 S";
    QTest::newRow("currency own") << cur << keine << 2 << 0 << 4 << 3.0 << "3.00 XY";
    QTest::newRow("currency 4 digits") << cur << keine << 2 << 4 << 1 << 123.456 << "123.50 DM";
    QTest::newRow("currency no decimals") << cur << keine << 0 << 0 << 3 << 12.5 << "13 Fr";
    QTest::newRow("percentage") << pct << keine << 1 << 0 << 1 << 0.125 << "12.5%";
    QTest::newRow("percentage whole") << pct << keine << 0 << 0 << 1 << 0.07 << "7%";
    QTest::newRow("integer") << ganz << keine << 2 << 0 << 1 << 41.5 << "42";
    QTest::newRow("mask ###0") << gen << QStringList{"###0", "", ""} << 2 << 0 << 1 << 12.7 << "13";
    QTest::newRow("mask #0.#") << gen << QStringList{"#0.#", "", ""} << 2 << 0 << 1 << 2.5 << "2.5";
    const QStringList vz{"'+'#0", "'-'#0", "''"};
    QTest::newRow("signed plus") << gen << vz << 2 << 0 << 1 << 3.0 << "+3";
    QTest::newRow("signed minus") << gen << vz << 2 << 0 << 1 << -3.0 << "-3";
    QTest::newRow("signed zero empty") << gen << vz << 2 << 0 << 1 << 0.0 << "";
    QTest::newRow("no masks") << gen << keine << 2 << 0 << 1 << 2.25 << "2.25";
}

void TestTNumEdit::displayForm() {
    QFETCH(int, typ);
    QFETCH(QStringList, masken);
    QFETCH(int, nachkomma);
    QFETCH(int, digits);
    QFETCH(int, waehrung);
    QFETCH(double, wert);
    QFETCH(QString, text);

    tabelle().kuerzel[0] = QStringLiteral("€");
    tabelle().kuerzel[4] = QStringLiteral("XY");
    TNumEdit* n = f->feld;
    n->setWert(wert);
    n->setNumericType(TNumEdit::TNumericType(typ));
    if (!masken.isEmpty()) {
        n->setPositiveMask(masken[0]);
        n->setNegativeMask(masken[1]);
        n->setZeroMask(masken[2]);
    }
    n->setNachkomma(nachkomma);
    n->setDigits(digits);
    n->setWaehrung(TWaehrung(waehrung));
    QCOMPARE(n->text(), dp(text));
    QCOMPARE(n->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
}

void TestTNumEdit::asInteger() {
    TNumEdit* n = f->feld;
    const auto ganz = [n](double w, bool runden) {
        n->setUseRounding(runden);
        n->setWert(w);
        return QList<int>{n->AsInteger(), n->AsInteger16()};
    };
    QCOMPARE(ganz(2.5, true), (QList<int>{2, 2}));
    QCOMPARE(ganz(3.5, true), (QList<int>{4, 4}));
    QCOMPARE(ganz(2.5, false), (QList<int>{2, 2}));
    QCOMPARE(ganz(3.5, false), (QList<int>{3, 3}));
    QCOMPARE(ganz(40000, true), (QList<int>{40000, 0}));
}

void TestTNumEdit::editingAndLeaving_data() {
    QTest::addColumn<int>("typ");
    QTest::addColumn<bool>("positivOnly");
    QTest::addColumn<QString>("getippt");
    QTest::addColumn<QString>("imFeld"); // text before leaving
    QTest::addColumn<double>("wert");
    QTest::addColumn<QString>("text");

    const int cur = TNumEdit::ntCurrency, pct = TNumEdit::ntPercentage, ganz = TNumEdit::ntInteger,
              gen = TNumEdit::ntGeneral;
    QTest::newRow("comma is the separator") << gen << false << "2,5"
                                            << "2.5" << 2.5 << "+2.5";
    QTest::newRow("point is the separator") << gen << false << "2.5"
                                            << "2.5" << 2.5 << "+2.5";
    QTest::newRow("negative") << gen << false << "-5"
                              << "-5" << -5.0 << "-5";
    QTest::newRow("positive only refuses minus") << gen << true << "-5"
                                                 << "5" << 5.0 << "+5";
    QTest::newRow("letters dropped on leaving") << gen << false << "1a2"
                                                << "1a2" << 12.0 << "+12";
    QTest::newRow("no digits give 0") << gen << false << ""
                                      << "" << 0.0 << "";
    QTest::newRow("integer drops separator") << ganz << false << "1,5"
                                             << "15" << 15.0 << "15";
    QTest::newRow("percentage") << pct << false << "12,5"
                                << "12.5" << 0.125 << "12.5%";
    QTest::newRow("currency") << cur << false << "12,5"
                              << "12.5" << 12.5 << "12.50 DM";
}

void TestTNumEdit::editingAndLeaving() {
    QFETCH(int, typ);
    QFETCH(bool, positivOnly);
    QFETCH(QString, getippt);
    QFETCH(QString, imFeld);
    QFETCH(double, wert);
    QFETCH(QString, text);

    TNumEdit* n = f->feld;
    n->setNumericType(TNumEdit::TNumericType(typ));
    n->setPositiveMask(QStringLiteral("'+'#0.#"));
    n->setNegativeMask(QStringLiteral("'-'#0.#"));
    n->setZeroMask(QStringLiteral("''"));
    n->setNachkomma(typ == TNumEdit::ntPercentage ? 1 : 2);
    n->setPositivOnly(positivOnly);
    QSignalSpy verlassen(n, &TNumEdit::verlassen);
    f->tippen(getippt);
    QCOMPARE(n->text(), dp(imFeld));
    f->verlassen();
    QCOMPARE(n->Wert(), wert);
    QCOMPARE(n->text(), dp(text));
    QCOMPARE(verlassen.count(), 1);
    QVERIFY(t->messages.shown.isEmpty());
}

void TestTNumEdit::enteringShowsEditingFormAndLimit() {
    TNumEdit* n = f->feld;
    n->setNumericType(TNumEdit::ntCurrency);
    n->setWert(12.505);
    n->setDigits(6);
    n->setFocus(Qt::TabFocusReason);
    QCOMPARE(n->text(), dp("12.505")); // all digits, at least Nachkomma places
    f->verlassen();
    QCOMPARE(n->Wert(), 12.505); // entering and leaving loses nothing
    QCOMPARE(n->text(), dp("12.51 DM"));

    f->tippen(QStringLiteral("12345678"));
    QCOMPARE(n->text(), "123456"); // typing stops at Digits
    f->verlassen();
    QCOMPARE(n->maxLength(), 32767);

    n->setWert(1234567);
    n->setFocus(Qt::TabFocusReason);
    QCOMPARE(n->text(), dp("1234567.00")); // a longer value is shown whole
}

void TestTNumEdit::germanSeparator() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TNumEdit* n = f->feld;
    n->setNumericType(TNumEdit::ntCurrency);
    f->tippen(QStringLiteral("1.5"));
    QCOMPARE(n->text(), "1,5");
    f->verlassen();
    QCOMPARE(n->Wert(), 1.5);
    QCOMPARE(n->text(), "1,50 DM");
}

void TestTNumEdit::validateOnLeaving_data() {
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::addColumn<QString>("getippt");
    QTest::addColumn<QString>("meldung");

    QTest::newRow("below") << 1.0 << 10.0 << "0,5"
                           << "Der Wert muß größer oder gleich 1 sein!";
    QTest::newRow("above") << 1.0 << 10.0 << "11"
                           << "Der Wert darf nicht über 10 liegen!";
    QTest::newRow("fraction bound") << 0.5 << 2.5 << "3"
                                    << "Der Wert darf nicht über 2.5 liegen!";
    QTest::newRow("negative bound") << -3.0 << 0.0 << "-4"
                                    << "Der Wert muß größer oder gleich -3 sein!";
    QTest::newRow("large bound as %g") << 0.0 << 1e6 << "2000000"
                                       << "Der Wert darf nicht über 1e+06 liegen!";
    QTest::newRow("empty text is 0") << 1.0 << 10.0 << ""
                                     << "Der Wert muß größer oder gleich 1 sein!";
}

void TestTNumEdit::validateOnLeaving() {
    QFETCH(double, min);
    QFETCH(double, max);
    QFETCH(QString, getippt);
    QFETCH(QString, meldung);

    TNumEdit* n = f->feld;
    n->setWert(min); // a valid value to keep
    n->setValidate(true);
    n->setMin(min);
    n->setMax(max);
    QSignalSpy verlassen(n, &TNumEdit::verlassen);
    f->tippen(getippt);
    const QString getipptText = n->text();
    f->verlassen();

    QCOMPARE(t->messages.texts(), QStringList{meldung});
    QCOMPARE(t->messages.shown.first().kind, FakeMessages::Shown::Error);
    QVERIFY(n->hasFocus());
    QCOMPARE(n->text(), getipptText);
    QCOMPARE(n->selectedText(), getipptText);
    QCOMPARE(n->Wert(), min);
    QCOMPARE(verlassen.count(), 0);

    // A valid value then leaves the field.
    n->clear();
    QTest::keyClicks(n, QString::number(min));
    f->verlassen();
    QVERIFY(f->anderes->hasFocus());
    QCOMPARE(verlassen.count(), 1);
    QCOMPARE(t->messages.shown.size(), 1);
}

void TestTNumEdit::failedCheckDoesNotLeaveTheNextField() {
    // The focus was on its way to a second checked field; that field was never entered, so
    // taking the focus back must not run its check.
    auto* zweites = new TNumEdit(t->messages, tabelle(), &f->fenster);
    f->fenster.layout()->addWidget(zweites);
    zweites->show();
    zweites->setValidate(true);
    zweites->setMin(5);
    zweites->setMax(10);
    QSignalSpy zweitesVerlassen(zweites, &TNumEdit::verlassen);
    f->feld->setValidate(true);
    f->feld->setMax(10);

    f->tippen(QStringLiteral("20"));
    zweites->setFocus(Qt::TabFocusReason);
    QVERIFY(f->feld->hasFocus());
    QCOMPARE(t->messages.texts(), QStringList{"Der Wert darf nicht über 10 liegen!"});
    QCOMPARE(zweitesVerlassen.count(), 0);
    QCOMPARE(zweites->text(), "0");
}

void TestTNumEdit::setWertFromCode() {
    TNumEdit* n = f->feld;
    n->setWert(5);
    n->setValidate(true);
    n->setMin(1);
    n->setMax(10);
    QSignalSpy verlassen(n, &TNumEdit::verlassen);

    n->setWert(20);
    QCOMPARE(t->messages.texts(), QStringList{"Der Wert darf nicht über 10 liegen!"});
    QCOMPARE(n->Wert(), 5.0);
    QCOMPARE(n->text(), "5");

    n->setWert(5); // unchanged: not checked again
    n->setWert(7);
    QCOMPARE(t->messages.shown.size(), 1);
    QCOMPARE(n->text(), "7");
    QCOMPARE(verlassen.count(), 0);
}

void TestTNumEdit::disabledTextColour() {
    TNumEdit* n = f->feld;
    QCOMPARE(n->palette().color(QPalette::Disabled, QPalette::Text),
             n->palette().color(QPalette::Active, QPalette::Text));
    n->setUnEnabledGray(true);
    QCOMPARE(n->palette().color(QPalette::Disabled, QPalette::Text),
             QApplication::palette(n).color(QPalette::Disabled, QPalette::Text));
}

QTEST_MAIN(TestTNumEdit)
#include "tst_tnumedit.moc"
