// Enter in dialogs: from field to field past the buttons, then to OK, which the next Enter
// presses; a focused button is pressed; multi-line notes keep their Enter.
#include "controls/enteralstab.h"
#include "entry/tanomalein.h"
#include "entry/tsammelbuchung.h"
#include "evaluation/tauswertungfilter.h"
#include "plan/tarbplanstart.h"
#include "support/fensterfixtur.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>

namespace {

QString fokusName() {
    return Fenster<QDialog>::fokus();
}

// The first field of the window in tab order.
QWidget* ersteFeld(QWidget* fenster) {
    for (QWidget* w = fenster->nextInFocusChain(); w != fenster; w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisible() &&
            !w->focusProxy() && !qobject_cast<QPushButton*>(w))
            return w;
    return nullptr;
}

} // namespace

class TestEnterAlsTab : public QObject {
    Q_OBJECT
private slots:
    void feldFolgeUndKnoepfe_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QStringList>("weg"); // focus after each Enter
        QTest::addColumn<int>("ergebnis");    // -1: still open
        QTest::newRow("past a button in between") << "a" << QStringList{"b", "c", "OKBtn"} << -1;
        QTest::newRow("OK then confirms") << "c" << QStringList{"OKBtn", "OKBtn"} << 1;
        QTest::newRow("focused button is pressed") << "mitte" << QStringList{"mitte"} << -1;
        QTest::newRow("note keeps Enter") << "notiz" << QStringList{"notiz"} << -1;
        QTest::newRow("Abbrechen is pressed") << "CancelBtn" << QStringList{"CancelBtn"} << 0;
    }
    void feldFolgeUndKnoepfe() {
        QFETCH(QString, start);
        QFETCH(QStringList, weg);
        QDialog d;
        auto* l = new QVBoxLayout(&d);
        int gedrueckt = 0;
        const auto neu = [&](QWidget* w, const char* name) {
            w->setObjectName(QString::fromLatin1(name));
            l->addWidget(w);
        };
        auto* notiz = new QPlainTextEdit;
        neu(notiz, "notiz");
        neu(new QLineEdit, "a");
        auto* mitte = new QPushButton(QStringLiteral("..."));
        neu(mitte, "mitte");
        QObject::connect(mitte, &QPushButton::clicked, [&] { ++gedrueckt; });
        neu(new QLineEdit, "b");
        neu(new QCheckBox, "c");
        auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        knoepfe->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKBtn"));
        knoepfe->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelBtn"));
        QObject::connect(knoepfe, &QDialogButtonBox::accepted, &d, &QDialog::accept);
        QObject::connect(knoepfe, &QDialogButtonBox::rejected, &d, &QDialog::reject);
        l->addWidget(knoepfe);
        new EnterAlsTab(&d);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        d.findChild<QWidget*>(start)->setFocus();
        for (const QString& erwartet : weg) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            if (!d.isVisible()) break;
            QCOMPARE(fokusName(), erwartet);
        }
        QTEST(d.isVisible() ? -1 : d.result(), "ergebnis");
        QCOMPARE(gedrueckt, start == QLatin1String("mitte") ? 1 : 0);
        if (start == QLatin1String("notiz")) QCOMPARE(notiz->toPlainText(), QStringLiteral("\n"));
    }

    // The program's dialogs: Enter from the first field ends on OK, the dialog still open.
    void dialogeEndenAufOK_data() {
        QTest::addColumn<QString>("dialog");
        for (const char* n : {"Ausfälle", "Auswahl", "Arbeitsplan", "Sammelbuchung"})
            QTest::newRow(n) << QString::fromUtf8(n);
    }
    void dialogeEndenAufOK() {
        QFETCH(QString, dialog);
        TestContext t(QDate(2013, 3, 10));
        std::unique_ptr<QDialog> d;
        if (dialog == QLatin1String("Ausfälle")) {
            auto* a = new TAnomalEin(t.ctx);
            a->AnomalOeffnen(TWurfRec::leer(1), dt(1, 3, 2013), 1, 2);
            d.reset(a);
        } else if (dialog == QLatin1String("Auswahl")) {
            d.reset(new TAuswertungFilter(t.ctx));
        } else if (dialog == QLatin1String("Arbeitsplan")) {
            d.reset(new TArbPlanStart(t.ctx));
        } else {
            auto* s = new TSammelbuchung(t.ctx);
            s->EingabepunktSetzen(QStringLiteral("Belegen"), 1);
            d.reset(s);
        }
        d->show();
        QVERIFY(QTest::qWaitForWindowActive(d.get()));
        // Typing starts in a field, never on a button Enter would press.
        QVERIFY(!qobject_cast<QPushButton*>(QApplication::focusWidget()));
        QWidget* erstes = ersteFeld(d.get());
        QVERIFY(erstes);
        erstes->setFocus();
        for (int i = 0; i < 40 && !qobject_cast<QPushButton*>(QApplication::focusWidget()); ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(fokusName(), QStringLiteral("OKBtn"));
        QVERIFY(d->isVisible());
    }
};

QTEST_MAIN(TestEnterAlsTab)
#include "tst_enteralstab.moc"
