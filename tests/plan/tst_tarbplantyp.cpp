#include "plan/tarbplantyp.h"
#include "support/fensterfixtur.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

TPlanTyp typ(const QString& name, std::int16_t gruppe, const QStringList& staelle) {
    TPlanTyp t;
    t.setName(name);
    for (int i = 0; i < staelle.size(); ++i)
        t.setStall(i, staelle[i]);
    t.setGruppe(gruppe);
    return t;
}

// Stalls A..D and S5..S25; four stored plan types: "Sauen" by stalls (C, then A) with the
// state flag belegt, "Gruppen" by group 3 with the state flags leer, tragend and verkauft, the
// page flags 1 and 3 and list all, "Säue" by group 0, and "Lücke" by stalls with an empty
// second slot. Groups up to 4.
void vorbereiten(TestContext& t) {
    t.ctx.einstellungen.maxGruppe = 4;
    t.ctx.Hilfslisten[5] = QStringList{"Stall A", "Stall B", "Stall C", "Stall D"};
    for (int i = 5; i <= 25; ++i)
        t.ctx.Hilfslisten[5] << QStringLiteral("S%1").arg(i);
    TPlanTyp sauen = typ(QStringLiteral("Sauen"), -2, {"Stall C", "Stall A"});
    sauen.setStatusFlag(stBelegt, 1);
    TPlanTyp gruppen = typ(QStringLiteral("Gruppen"), 3, {});
    for (int s : {stLeer, stTragend, stVerkauft})
        gruppen.setStatusFlag(s, 1);
    gruppen.setSeitenFlag(1, 1);
    gruppen.setSeitenFlag(3, 1);
    gruppen.setAlleAuflisten(1);
    t.ctx.Plantypen = {sauen, gruppen, typ(QStringLiteral("Säue"), 0, {}),
                       typ(QStringLiteral("Lücke"), -2, {"Stall D", "", "Stall B"})};
}

struct Editor : Fenster<TArbPlanTyp> {
    explicit Editor(TestContext& t) : Fenster(t) {
        QVERIFY(zeigen());
        // Entering the name box drops its list down (an empty list has nothing to show).
        if (name()->count() > 0) QTRY_VERIFY(name()->view()->isVisible());
    }
    QComboBox* name() { return c<QComboBox>("ComboBox2"); }
    QListWidget* staelle() { return c<QListWidget>("ListBox1"); }
    QComboBox* gruppe() { return c<QComboBox>("ComboBox1"); }
    QCheckBox* box(const char* n) { return c<QCheckBox>(n); }
    // Keys go where the user's keys go: into the open list, else to the focus widget.
    static QWidget* ziel() {
        if (QWidget* p = QApplication::activePopupWidget())
            return p->focusWidget() ? p->focusWidget() : p;
        return QApplication::focusWidget();
    }
    void tippen(const QString& text) {
        for (QChar ch : text) {
            if (ch.unicode() < 0x80) {
                QTest::keyClicks(ziel(), QString(ch));
                continue;
            }
            // QTest maps ASCII only; an umlaut comes as a key with its text.
            QKeyEvent druck(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(ziel(), &druck);
            QKeyEvent los(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(ziel(), &los);
        }
    }
    void taste(Qt::Key k) { QTest::keyClick(ziel(), k); }
    // Check boxes and radio buttons react on their indicator and text, at the left.
    void klick(QWidget* w) {
        const bool knopf = qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w);
        QTest::mouseClick(w, Qt::LeftButton, {}, knopf ? QPoint(6, w->height() / 2) : QPoint());
    }
    // Types a name and leaves the name box with Tab.
    void waehlen(const QString& text) {
        tippen(text);
        taste(Qt::Key_Tab);
    }
    const TPlanTyp& satz(int i) { return w.plantypen()[std::size_t(i)]; }
    QStringList ausgewaehlt() {
        QStringList out;
        for (int i = 0; i < staelle()->count(); ++i)
            if (staelle()->item(i)->isSelected()) out << staelle()->item(i)->text();
        return out;
    }
};

QStringList staelleIn(const TPlanTyp& t) {
    QStringList out;
    for (int i = 0; i < 20; ++i)
        out << t.Stall(i);
    while (!out.isEmpty() && out.last().isEmpty())
        out.removeLast();
    return out;
}

} // namespace

class TestTArbPlanTyp : public QObject {
    Q_OBJECT
private slots:
    void init() {
        t = std::make_unique<TestContext>();
        vorbereiten(*t);
        e = std::make_unique<Editor>(*t);
    }

    void cleanup() {
        e.reset();
        t.reset();
    }

    void getippterNameWaehltOhneGrossKlein_data() {
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<int>("index");
        QTest::newRow("mixed case") << "sAUEN" << 0;
        QTest::newRow("umlaut") << "SÄUE" << 2;
    }

    void getippterNameWaehltOhneGrossKlein() {
        QFETCH(QString, getippt);
        QFETCH(int, index);
        e->tippen(getippt.left(2) + QStringLiteral("x"));
        e->taste(Qt::Key_Backspace);
        QCOMPARE(e->name()->currentIndex(), -1);
        e->tippen(getippt.mid(2));
        QCOMPARE(e->name()->currentIndex(), index);
        e->taste(Qt::Key_Tab);
        QVERIFY(!e->name()->view()->isVisible());
        QCOMPARE(e->name()->count(), 4); // nothing added
        QCOMPARE(e->name()->currentIndex(), index);
        QVERIFY(e->satz(index) == t->ctx.Plantypen[std::size_t(index)]);
    }

    // Opened, no type is chosen and every stall is selected; a new name gets the presets.
    void neuerNameMitVorgaben() {
        QCOMPARE(e->name()->currentIndex(), -1);
        QCOMPARE(e->name()->currentText(), QString());
        QVERIFY(!e->c<QPushButton>("DelBtn")->isEnabled());
        QCOMPARE(e->ausgewaehlt(), t->ctx.Hilfslisten[5]);
        QStringList gruppen;
        for (int i = 0; i < e->gruppe()->count(); ++i)
            gruppen << e->gruppe()->itemText(i);
        QCOMPARE(gruppen, (QStringList{"JS", "0", "1", "2", "3", "4"}));
        e->waehlen(QStringLiteral("Abferkelabteil Nord")); // 19 characters
        QCOMPARE(e->name()->count(), 5);
        QCOMPARE(e->name()->itemText(4), QStringLiteral("Abferkelabteil Nord"));
        QCOMPARE(e->name()->currentIndex(), 4);
        const TPlanTyp& n = e->satz(4);
        QCOMPARE(n.Name(), QStringLiteral("Abferkelabteil ")); // cut to 15
        // Every state and page flag and list all set, the first 20 stalls, selection by stalls.
        const auto& b = n.bytes();
        QVERIFY(std::all_of(b.begin() + 16, b.begin() + 28, [](auto x) { return x == 1; }));
        QCOMPARE(int(n.AlleAuflisten()), 1);
        QCOMPARE(int(n.Gruppe()), -2);
        const QStringList zwanzig = t->ctx.Hilfslisten[5].mid(0, 20);
        QCOMPARE(staelleIn(n), zwanzig);
        // And shown so.
        QVERIFY(e->box("Umrauscher")->isChecked() && e->box("CheckBox6")->isChecked());
        QCOMPARE(e->ausgewaehlt(), zwanzig);
        QVERIFY(e->c<QRadioButton>("RadioButton1")->isChecked());
        QVERIFY(!e->gruppe()->isEnabled());
    }

    void schliessenOhneOkAendertNichts_data() {
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<int>("taste"); // 0: the Cancel button
        QTest::newRow("nothing typed, Tab") << QString() << int(Qt::Key_Tab);
        QTest::newRow("typed and erased, Enter") << QStringLiteral("N") << int(Qt::Key_Return);
        QTest::newRow("new name, Cancel") << QStringLiteral("Neu") << 0;
    }

    // Leaving the name box empty closes the editor as cancelled, as does Cancel; nothing is taken.
    void schliessenOhneOkAendertNichts() {
        QFETCH(QString, getippt);
        QFETCH(int, taste);
        const std::vector<TPlanTyp> vorher = t->ctx.Plantypen;
        // A change to a shown plan type first, then back into the name box.
        e->waehlen(QStringLiteral("Sauen"));
        e->klick(e->box("tragende"));
        QCOMPARE(int(e->satz(0).StatusFlag(stTragend)), 1);
        e->name()->setFocus(Qt::MouseFocusReason);
        QTRY_VERIFY(e->name()->view()->isVisible());
        e->name()->lineEdit()->selectAll();
        e->taste(Qt::Key_Delete);
        e->tippen(getippt);
        if (taste == 0) {
            e->taste(Qt::Key_Escape); // closes the list
            e->klick(e->c<QPushButton>("CancelBtn"));
        } else {
            for (int i = 0; i < getippt.size(); ++i)
                e->taste(Qt::Key_Backspace);
            e->taste(Qt::Key(taste));
        }
        QVERIFY(!e->w.isVisible());
        QCOMPARE(e->w.result(), int(QDialog::Rejected));
        QVERIFY(t->ctx.Plantypen == vorher);
        QVERIFY(!QFile::exists(t->pfad(QStringLiteral("PLANTYPE.DAT"))));
    }

    void loeschenFragtUndEntfernt() {
        e->waehlen(QStringLiteral("gruppen"));
        auto* del = e->c<QPushButton>("DelBtn");
        t->messages.planAnswer(MessageService::Answer::No);
        e->klick(del);
        QCOMPARE(t->messages.texts(), QStringList{QStringLiteral(
                                          "Soll die Plandefinition \"Gruppen\" gelöscht werden?")});
        QCOMPARE(t->messages.shown[0].buttons, MessageService::Buttons::YesNoDefaultNo);
        QCOMPARE(e->name()->count(), 4);
        t->messages.planAnswer(MessageService::Answer::Yes);
        e->klick(del);
        QCOMPARE(e->name()->count(), 3);
        QCOMPARE(e->name()->currentIndex(), -1);
        QVERIFY(!del->isEnabled());
        e->klick(e->c<QPushButton>("OKBtn"));
        QCOMPARE(e->w.result(), int(QDialog::Accepted));
        QCOMPARE(int(t->ctx.Plantypen.size()), 3);
        QCOMPARE(t->ctx.Plantypen[1].Name(), QStringLiteral("Säue"));
        QCOMPARE(QFileInfo(t->pfad(QStringLiteral("PLANTYPE.DAT"))).size(), 3 * 351);
    }

    // Each box writes its flag; the group is shown and written as chosen.
    void kaestchenUndGruppeGeschrieben() {
        e->waehlen(QStringLiteral("Gruppen"));
        // Each box and the offset of its flag in the record.
        const std::pair<const char*, int> boxen[] = {
            {"leere", 16},     {"Umrauscher", 17}, {"belegte", 18},   {"tragende", 19},
            {"saeugende", 20}, {"Jungsauen", 22},  {"CheckBox1", 23}, {"CheckBox2", 24},
            {"CheckBox3", 25}, {"CheckBox4", 26},  {"CheckBox5", 27}, {"CheckBox6", 350}};
        TPlanTyp erwartet = t->ctx.Plantypen[1];
        for (const auto& [name, offset] : boxen) {
            QCOMPARE(e->box(name)->isChecked(), erwartet.bytes()[std::size_t(offset)] == 1);
            e->box(name)->setFocus(Qt::TabFocusReason);
            e->taste(Qt::Key_Space);
            erwartet.bytes()[std::size_t(offset)] ^= 1;
        }
        // Every flag toggled; "verkauft" has no box and keeps its flag.
        QVERIFY(e->satz(1) == erwartet);
        auto* staelle = e->c<QRadioButton>("RadioButton1");
        auto* gruppe = e->c<QRadioButton>("RadioButton2");
        // Showing a stored group keeps it.
        QVERIFY(gruppe->isChecked());
        QCOMPARE(e->gruppe()->currentText(), QStringLiteral("3"));
        QVERIFY(!e->staelle()->isEnabled());
        // Choosing "JS" and leaving the group box.
        e->gruppe()->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < 4; ++i)
            e->taste(Qt::Key_Up);
        e->taste(Qt::Key_Tab);
        QCOMPARE(int(e->satz(1).Gruppe()), -1);

        e->klick(staelle);
        QCOMPARE(int(e->satz(1).Gruppe()), -2);
        QCOMPARE(e->gruppe()->currentIndex(), -1);
        QVERIFY(!e->gruppe()->isEnabled() && e->staelle()->isEnabled());
        e->klick(gruppe);
        QCOMPARE(int(e->satz(1).Gruppe()), 0);
        QCOMPARE(e->gruppe()->currentText(), QStringLiteral("0"));
        QVERIFY(e->gruppe()->isEnabled() && !e->staelle()->isEnabled());
    }

    void stallwahlInListenfolge() {
        // Slots after the first empty one are not shown.
        e->waehlen(QStringLiteral("Lücke"));
        QCOMPARE(e->ausgewaehlt(), QStringList{"Stall D"});
        // Clicked in another order: stored in list order.
        QListWidget* l = e->staelle();
        l->setFocus(Qt::TabFocusReason);
        auto klicken = [l](int r) {
            l->scrollToItem(l->item(r));
            QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                              l->visualItemRect(l->item(r)).center());
        };
        klicken(1);
        klicken(0);
        e->taste(Qt::Key_Tab);
        QCOMPARE(staelleIn(e->satz(3)), (QStringList{"Stall A", "Stall B", "Stall D"}));
        const auto& b = e->satz(3).bytes();
        QVERIFY(
            std::all_of(b.begin() + 28 + 3 * 16, b.begin() + 348, [](auto x) { return x == 0; }));
        // 25 stalls selected: the first 20 in list order are stored.
        l->setFocus(Qt::TabFocusReason);
        l->selectAll();
        e->taste(Qt::Key_Tab);
        QCOMPARE(staelleIn(e->satz(3)), t->ctx.Hilfslisten[5].mid(0, 20));
    }

    void okSchreibtListeUndDatei() {
        e->waehlen(QStringLiteral("Sauen"));
        e->klick(e->box("saeugende"));
        e->name()->setFocus(Qt::MouseFocusReason);
        QTRY_VERIFY(e->name()->view()->isVisible());
        e->name()->lineEdit()->selectAll();
        e->tippen(QStringLiteral("Deckzentrum"));
        // Clicking OK leaves the name box first: the new name is added.
        e->klick(e->c<QPushButton>("OKBtn"));
        QCOMPARE(e->w.result(), int(QDialog::Accepted));
        QCOMPARE(int(t->ctx.Plantypen.size()), 5);
        QCOMPARE(int(t->ctx.Plantypen[0].StatusFlag(stSaeugend)), 1);
        QCOMPARE(t->ctx.Plantypen[4].Name(), QStringLiteral("Deckzentrum"));
        QByteArray erwartet;
        for (const TPlanTyp& p : t->ctx.Plantypen)
            erwartet += roh(p);
        QCOMPARE(inhalt(t->pfad(QStringLiteral("PLANTYPE.DAT"))), erwartet);
    }

private:
    std::unique_ptr<TestContext> t;
    std::unique_ptr<Editor> e;
};

QTEST_MAIN(TestTArbPlanTyp)
#include "tst_tarbplantyp.moc"
