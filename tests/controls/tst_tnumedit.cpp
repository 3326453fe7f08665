// The number field: display forms, editing and leaving, what typing takes, the Min/Max check
// with its messages and setting the value from code. Numbers are German
// whatever the locale (the tests run under C.UTF-8).

#include "controls/tnumedit.h"
#include "feldfenster.h"
#include "support/testcontext.h"

#include <QLocale>
#include <QSignalSpy>

namespace {

constexpr int gen = TNumEdit::ntGeneral, cur = TNumEdit::ntCurrency, pct = TNumEdit::ntPercentage,
              ganz = TNumEdit::ntInteger;

} // namespace

class TestTNumEdit : public QObject {
    Q_OBJECT

private slots:
    void init() {
        t = std::make_unique<TestContext>();
        f = std::make_unique<FeldFenster<TNumEdit>>(t->messages, tabelle());
        QVERIFY(f->zeigen());
    }
    void cleanup() {
        f.reset();
        t.reset();
        QLocale::setDefault(QLocale::c());
    }

    void anzeigeform_data() {
        QTest::addColumn<QList<int>>("art"); // NumericType, Nachkomma, Digits, Waehrung
        QTest::addColumn<double>("wert");
        QTest::addColumn<QString>("text");

        QTest::newRow("currency 0 without abbreviation") << QList{cur, 2, 0, +DM} << 0.0 << "0,00 ";
        QTest::newRow("currency oS negative") << QList{cur, 2, 0, +oS} << -4.2 << "-4,20 S";
        QTest::newRow("currency own") << QList{cur, 2, 0, +nw} << 3.0 << "3,00 XY";
        QTest::newRow("currency 4 digits") << QList{cur, 2, 4, +DM} << 123.456 << "123,50 DM";
        QTest::newRow("currency no decimals") << QList{cur, 0, 0, +Fr} << 12.5 << "13 Fr";
        QTest::newRow("percentage") << QList{pct, 1, 0, +DM} << 0.125 << "12,5%";
        QTest::newRow("integer") << QList{ganz, 2, 0, +DM} << 41.5 << "42";
    }
    void anzeigeform() {
        QFETCH(QList<int>, art);
        QFETCH(double, wert);

        tabelle().kuerzel[4] = QStringLiteral("XY");
        TNumEdit* n = f->feld;
        n->setWert(wert);
        n->setNumericType(TNumEdit::TNumericType(art[0]));
        n->setNachkomma(art[1]);
        n->setDigits(art[2]);
        n->setWaehrung(TWaehrung(art[3]));
        QTEST(n->text(), "text");
        QCOMPARE(n->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    }
    void bearbeitenUndVerlassen_data() {
        QTest::addColumn<QLocale>("gebietsschema");
        QTest::addColumn<int>("typ");
        QTest::addColumn<bool>("positivOnly");
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<QString>("imFeld"); // text before leaving
        QTest::addColumn<double>("wert");
        QTest::addColumn<QString>("text");

        // Each case in the C, an English and the German locale: the field is German in all.
        const auto fall = [](const char* name, int typ, bool positivOnly, const char* getippt,
                             const char* imFeld, double wert, const char* text) {
            for (const QLocale& l : {QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates),
                                     QLocale(QLocale::German, QLocale::Germany)})
                QTest::addRow("%s, %s", name, qPrintable(l.name()))
                    << l << typ << positivOnly << QString::fromUtf8(getippt)
                    << QString::fromUtf8(imFeld) << wert << QString::fromUtf8(text);
        };
        fall("comma is the separator", gen, false, "2,5", "2,5", 2.5, "+2,5");
        fall("point is the separator", gen, false, "2.5", "2,5", 2.5, "+2,5");
        fall("second separator refused", gen, false, "2,5,1", "2,51", 2.51, "+2,5");
        fall("negative", gen, false, "-5", "-5", -5.0, "-5");
        fall("positive only refuses minus", gen, true, "-5", "5", 5.0, "+5");
        fall("no digits give 0", gen, false, "", "", 0.0, "");
        fall("integer drops separator", ganz, false, "1,5", "15", 15.0, "15");
        fall("percentage", pct, false, "12,5", "12,5", 0.125, "12,5%");
        fall("currency", cur, false, "12,5", "12,5", 12.5, "12,50 DM");
    }
    void bearbeitenUndVerlassen() {
        QFETCH(QLocale, gebietsschema);
        QFETCH(int, typ);
        QFETCH(bool, positivOnly);
        QFETCH(QString, getippt);
        QFETCH(QString, text);

        QLocale::setDefault(gebietsschema);
        TNumEdit* n = f->feld;
        n->setNumericType(TNumEdit::TNumericType(typ));
        n->setPositiveMask(QStringLiteral("'+'#0.#"));
        n->setNegativeMask(QStringLiteral("'-'#0.#"));
        n->setZeroMask(QStringLiteral("''"));
        n->setNachkomma(typ == TNumEdit::ntPercentage ? 1 : 2);
        n->setPositivOnly(positivOnly);
        QSignalSpy verlassen(n, &TNumEdit::verlassen);
        f->tippen(getippt);
        QTEST(n->text(), "imFeld");
        f->verlassen();
        QTEST(n->Wert(), "wert");
        QCOMPARE(n->text(), text);
        QCOMPARE(verlassen.count(), 1);
        QVERIFY(t->messages.shown.isEmpty());
    }
    // What typing takes follows what the field can hold.
    void tippenBleibtImFeldumfang_data() {
        QTest::addColumn<QString>("maske");
        QTest::addColumn<double>("min");
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<QString>("imFeld");
        const auto zeile = [](const char* n, const char* maske, double min, const char* getippt,
                              const char* imFeld) {
            QTest::newRow(n) << QString(maske) << min << QString(getippt) << QString(imFeld);
        };
        zeile("picture without decimals", "'+'#0", -10.0, "1,5", "15");
        zeile("picture with decimals", "#0.0", -10.0, "1,5", "1,5");
        zeile("no minus when Min is not negative", "#0", 0.0, "-3", "3");
        zeile("minus when Min is negative", "#0", -10.0, "-3", "-3");
    }
    void tippenBleibtImFeldumfang() {
        QFETCH(QString, maske);
        QFETCH(double, min);
        TNumEdit* n = f->feld;
        n->setPositiveMask(maske);
        n->setValidate(true);
        n->setMin(min);
        n->setMax(100);
        QFETCH(QString, getippt);
        f->tippen(getippt);
        QTEST(n->text(), "imFeld");
    }
    void betretenZeigtBearbeitungsformUndGrenze() {
        TNumEdit* n = f->feld;
        n->setNumericType(TNumEdit::ntCurrency);
        n->setWert(12.505);
        n->setDigits(6);
        n->setFocus(Qt::TabFocusReason);
        QCOMPARE(n->text(), "12,505"); // all digits, at least Nachkomma places
        f->verlassen();
        QCOMPARE(n->Wert(), 12.505); // entering and leaving loses nothing
        QCOMPARE(n->text(), "12,51 DM");

        f->tippen(QStringLiteral("12345678"));
        QCOMPARE(n->text(), "123456"); // typing stops at Digits
        f->verlassen();

        n->setWert(1234567);
        n->setFocus(Qt::TabFocusReason);
        QCOMPARE(n->text(), "1234567,00"); // a longer value is shown whole
        // Shown with thousands points, edited without.
        f->verlassen();
        n->setNumericType(TNumEdit::ntGeneral);
        n->setPositiveMask(QStringLiteral("#,##0.00"));
        n->setWert(-1234567.5);
        QCOMPARE(n->text(), "-1.234.567,50");
        n->setFocus(Qt::TabFocusReason);
        QCOMPARE(n->text(), "-1234567,5");
    }
    void pruefenBeimVerlassen_data() {
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<QString>("meldung");

        const QString unter = QStringLiteral("Der Wert muß größer oder gleich %1 sein!");
        const QString ueber = QStringLiteral("Der Wert darf nicht über %1 liegen!");
        QTest::newRow("below") << 1.0 << 10.0 << "0,5" << unter.arg("1");
        QTest::newRow("above") << 1.0 << 10.0 << "11" << ueber.arg("10");
        QTest::newRow("fraction bound") << 0.5 << 2.5 << "3" << ueber.arg("2,5");
        QTest::newRow("empty text is 0") << 1.0 << 10.0 << "" << unter.arg("1");
    }
    // A value outside Min..Max is told, stays typed and selected, and the focus stays; a valid
    // value then leaves the field.
    void pruefenBeimVerlassen() {
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

        n->clear();
        QTest::keyClicks(n, QString::number(min));
        f->verlassen();
        QVERIFY(f->anderes->hasFocus());
        QCOMPARE(verlassen.count(), 1);
        QCOMPARE(t->messages.shown.size(), 1);

        // Set from code, a value above Max is told and not taken, a valid one is taken quietly.
        const QString gezeigt = n->text();
        n->setWert(max + 1);
        QCOMPARE(t->messages.shown.size(), 2);
        QCOMPARE(n->Wert(), min);
        QCOMPARE(n->text(), gezeigt);
        n->setWert(max);
        QCOMPARE(n->Wert(), max);
        QCOMPARE(t->messages.shown.size(), 2);
        QCOMPARE(verlassen.count(), 1);
    }
    void fehlgeschlagenePruefungLaesstNaechstesFeld() {
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

private:
    Waehrungstabelle& tabelle() { return t->ctx.einstellungen.waehrung; }

    std::unique_ptr<TestContext> t;
    std::unique_ptr<FeldFenster<TNumEdit>> f;
};

QTEST_MAIN(TestTNumEdit)
#include "tst_tnumedit.moc"
