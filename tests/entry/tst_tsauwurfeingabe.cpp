#include "controls/tdate_ed.h"
#include "controls/tnumedit.h"
#include "entry/tsauwurfeingabe.h"
#include "entry/wurfregeln.h"
#include "herd/herdfile.h"
#include "herd/saustatus.h"
#include "platform/recordingcanvas.h"
#include "support/fensterfixtur.h"
#include "support/modaltreiber.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QtTest>

namespace {

// The card of sow `index` (-1: a new sow), shown on page `seite`.
struct Karte : Fenster<TSauWurfEingabe> {
    Karte(TestContext& t, int index, int seite = 0) : Fenster(t) {
        w.SauOeffnen(index);
        QVERIFY(zeigen());
        if (seite) w.seiteWaehlen(seite);
    }
    // Sow "5" with the given litters joins the herd and her card is shown.
    Karte(TestContext& t, std::vector<TWurfRec> wuerfe, int seite = 0)
        : Karte(t, neu(t, std::move(wuerfe)), seite) {}
    static int neu(TestContext& t, std::vector<TWurfRec> wuerfe) {
        t.ctx.Sauenliste.push_back(sau("5", std::move(wuerfe)));
        return int(t.ctx.Sauenliste.size()) - 1;
    }
    QTabBar* tabs() { return w.notebook(); }
    double wert(const char* n) { return c<TNumEdit>(n)->Wert(); }
    QString text(const char* n) { return c<QLineEdit>(n)->text(); }
    bool offen(const char* n) { return c<QWidget>(n)->isEnabled(); }
    TKurzDatum datum(const char* n) { return c<tdate_ed>(n)->Getdatum(); }
    void taste(const char* n, int k, Qt::KeyboardModifiers m = {}) {
        QTest::keyClick(c<QWidget>(n), Qt::Key(k), m);
    }
};

const auto kAltPlus = Qt::AltModifier | Qt::KeypadModifier;

} // namespace

class TestTSauWurfEingabe : public QObject {
    Q_OBJECT
private slots:
    void abgesetzterLetzterWurfGibtNeueSeite() {
        TestContext t;
        t.ctx.Sauenliste.push_back(
            sau("7", {wurf(3, dt(1, 6, 2012), dt(23, 9, 2012), dt(20, 10, 2012), 11)}));
        {
            Karte k(t, 0);
            QCOMPARE(Karte::fokus(), QStringLiteral("SauNr"));
            QCOMPARE(k.tabs()->currentIndex(), 0);
            k.w.reject();
        }
        // The litter the card opened stays in the herd.
        QCOMPARE(t.ctx.Sauenliste[0].wuerfe.size(), std::size_t(2));
    }

    void doppelterNameBeiOkAbgelehnt() {
        TestContext t;
        t.ctx.Sauenliste = {sau("12", {wurf(1)}), sau("A1", {wurf(1)})};
        Karte k(t, -1);
        k.tippen("SauNr", QStringLiteral("12 "));
        t.messages.planAnswer(MessageService::Answer::Cancel); // keep the card open on refusal
        k.c<QPushButton>("OKBtn")->click();
        QCOMPARE(t.ctx.Sauenliste.size(), std::size_t(2));
        QVERIFY(k.w.isVisible());
        QCOMPARE(t.messages.texts().last(),
                 QStringLiteral("Die Sauenbezeichnung ist nicht zulässig, daher wird die Sau nicht "
                                "gespeichert!"));
        QVERIFY(
            t.messages.texts().contains("Die Bezeichnung 12 kommt mehrfach in der Kartei vor!\n\r"
                                        "Bitte ändern Sie diese."));
        // OK on the refusal closes the card as cancelled.
        t.messages.planAnswer(MessageService::Answer::Ok);
        k.c<QPushButton>("OKBtn")->click();
        QCOMPARE(k.w.result(), int(QDialog::Rejected));
        QCOMPARE(t.ctx.Sauenliste.size(), std::size_t(2));
    }

    void notizzeilenAlsBytes() {
        TestContext t;
        Sau s = sau("5", {wurf(1)});
        s.rec.setSauNotiz(QStringLiteral("eine lange alte Notiz\nmit zwei Zeilen\n"));
        t.ctx.Sauenliste.push_back(s);
        Karte k(t, 0);
        auto* memo = k.c<QPlainTextEdit>("Memo1");
        QCOMPARE(memo->toPlainText(), QStringLiteral("eine lange alte Notiz\nmit zwei Zeilen"));
        memo->setFocus();
        QTest::keyClicks(memo, QString(340, u'x'));
        QCOMPARE(memo->toPlainText().size(), 335);
        memo->setPlainText(QStringLiteral("ab\n\nc"));
        k.c<QPushButton>("OKBtn")->click();
        const auto& b = t.ctx.Sauenliste[0].rec.bytes();
        const QByteArray notiz(reinterpret_cast<const char*>(b.data()) + 169, 335);
        QCOMPARE(notiz, QByteArray("ab\n\nc\n") + QByteArray(335 - 6, '\0'));
    }

    void wurfseiteOhneNamenGehtZurueck() {
        TestContext t;
        Karte k(t, {wurf(1, dt(1, 2, 2013))});
        k.tippen("SauNr", QString());
        k.w.seiteWaehlen(1);
        QCOMPARE(k.tabs()->currentIndex(), 0);
        QCOMPARE(t.messages.texts(), QStringList{"Die Sau hat keine Bezeichnung"});
        k.tippen("SauNr", QStringLiteral("5"));
        k.w.seiteWaehlen(1);
        QCOMPARE(k.tabs()->currentIndex(), 1);
        QVERIFY(k.c<QWidget>("WurfPanel")->isVisible());
    }

    void abferkelvorschlag() {
        TestContext t(QDate(2013, 7, 2)); // the farrowing date taken over lies in the past
        t.ctx.Tragezeit = 113;
        Karte k(t, {wurf(1)}, 1);
        k.tippen("Belegen1", QStringLiteral("10.3.13"));
        QCOMPARE(k.text("Abferkeln"), QStringLiteral("~1.7.13"));
        // Shift+Enter takes the proposal over.
        k.c<QWidget>("Abferkeln")->setFocus();
        k.taste("Abferkeln", Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(k.datum("Abferkeln"), dt(1, 7, 2013));
        QVERIFY(t.messages.shown.isEmpty());
    }

    void abferkelpruefungen_data() {
        QTest::addColumn<QString>("datum");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<bool>("behalten");
        QTest::newRow("on the mating day")
            << "1.1.13" << QString("Das Datum liegt vor dem letzten Belegen!") << false;
        // Mating 1.1.13 + 113 = 24.4.13.
        QTest::newRow("12 days late warns") << "6.5.13" << wurfregeln::kAbstandWarnung << true;
    }

    void abferkelpruefungen() {
        QFETCH(QString, datum);
        QFETCH(QString, meldung);
        QFETCH(bool, behalten);
        TestContext t(QDate(2013, 6, 1));
        Karte k(t, {wurf(1, dt(1, 1, 2013))}, 1);
        k.tippen("Abferkeln", datum);
        QCOMPARE(t.messages.texts().join(u'|'), meldung);
        QCOMPARE(k.datum("Abferkeln").vorhanden(), behalten);
        QCOMPARE(k.c<QWidget>("Abferkeln")->hasFocus(), !meldung.isEmpty());
        if (!behalten) return;
        // Passing over the unchanged date again does not warn again.
        k.c<QWidget>("Abferkeln")->setFocus();
        k.taste("Abferkeln", Qt::Key_Tab);
        QCOMPARE(t.messages.texts().join(u'|'), meldung);
        QCOMPARE(Karte::fokus(), QStringLiteral("geborene"));
    }

    void alleTotSetztAbsetzen() {
        TestContext t(QDate(2013, 6, 1));
        Karte k(t, {wurf(1, dt(1, 1, 2013), dt(24, 4, 2013))}, 1);
        k.tippen("geborene", QStringLiteral("12"));
        t.messages.planAnswer(MessageService::Answer::Ok);
        k.tippen("todgeboren", QStringLiteral("12"));
        QCOMPARE(t.messages.texts(), QStringList{wurfregeln::kAlleTot});
        QCOMPARE(k.datum("Absetzen"), dt(24, 4, 2013));
        QVERIFY(k.c<QLineEdit>("Absetzen")->isReadOnly());
        QVERIFY(!k.offen("abgesetzte") && !k.offen("Absetzgew"));
        // The read-only weaning date is passed over, so the abortion question does not come.
        k.c<QWidget>("Ausfall")->setFocus();
        k.taste("Ausfall", Qt::Key_Tab);
        QVERIFY(Karte::fokus() != QStringLiteral("Absetzen"));
        QCOMPARE(t.messages.texts(), QStringList{wurfregeln::kAlleTot});
        // Cancel puts the dead count back to 0.
        t.messages.planAnswer(MessageService::Answer::Cancel);
        k.tippen("todgeboren", QStringLiteral("12"));
        QCOMPARE(k.wert("todgeboren"), 0.0);
        // Weaning on the farrowing day is taken as an abortion: OK makes every piglet dead.
        t.messages.clear();
        t.messages.planAnswer(MessageService::Answer::Ok);
        k.tippen("Absetzen", QStringLiteral("24.4.13"));
        QCOMPARE(t.messages.texts(), QStringList{wurfregeln::kAbort});
        QCOMPARE(k.wert("todgeboren"), 12.0);
        QCOMPARE(k.wert("Ausfall"), 0.0);
    }

    void abgesetzteVerlusteUndGewicht() {
        TestContext t(QDate(2013, 6, 1));
        TWurfRec w = wurf(1, dt(1, 1, 2013), dt(24, 4, 2013), dt(20, 5, 2013), 12);
        w.setTodgeborene(1);
        w.setAusgleich(1);
        Verluste(w, {{"erdrückt", 3}, {"Durchfall", 5}});
        w.setEintrag(14, QStringLiteral("Spreizer"));
        Karte k(t, {w}, 1);
        QCOMPARE(k.wert("abgesetzte"), 10.0);
        QCOMPARE(k.wert("Ausfall"), 2.0);
        QCOMPARE(k.wert("Anomal"), 1.0);
        int zeilen = -1;
        ModalTreiber treiber;
        treiber.dann([&](QDialog* d) {
            zeilen =
                d->findChild<QAbstractItemView*>(QStringLiteral("ListBox1"))->model()->rowCount();
            d->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
        });
        k.tippen("abgesetzte", QStringLiteral("8"));
        QCOMPARE(zeilen, 4);
        QCOMPARE(k.wert("Ausfall"), 4.0);
        QCOMPARE(k.wert("abgesetzte"), 8.0);
        QVERIFY(k.zeigen());                          // active again after the losses window
        k.tippen("Absetzgew", QStringLiteral("7.4")); // kilograms, stored in grams
        k.w.seiteWaehlen(0);
        const TWurfRec& r = t.ctx.Sauenliste[0].wuerfe[0];
        QCOMPARE(Verluste(r), 4);
        QCOMPARE(Anomalien(r), 1);
        QCOMPARE(Abgesetzte(r), 8);
        QCOMPARE(r.Absetzgewicht(), std::uint16_t(7400));
        k.w.seiteWaehlen(1);
        QCOMPARE(k.text("Absetzgew"), QStringLiteral("7,4")); // German under the C locale too
    }

    void abgangspruefungen_data() {
        QTest::addColumn<QString>("abgang");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("before last litter entries")
            << "1.2.13" << QString("Der Verkaufstermin liegt vor Eintragungen im letzten Wurf!");
        QTest::newRow("after everything") << QString("1.3.13") << QString();
    }

    // The state follows the departure date at once, also when it is refused.
    void abgangspruefungen() {
        QFETCH(QString, abgang);
        QFETCH(QString, meldung);
        TestContext t;
        Sau s = sau("5", {wurf(1, dt(10, 2, 2013))});
        const QString ohneAbgang = StatusName(SauStatus(s));
        s.rec.setAbgang(dt(5, 3, 2013));
        t.ctx.Sauenliste.push_back(s);
        Karte k(t, 0);
        QCOMPARE(k.text("StatusFeld"), QStringLiteral("verkauft"));
        k.tippen("Abgang", abgang);
        QCOMPARE(t.messages.texts().join(u'|'), meldung);
        const bool bleibt = meldung.isEmpty() && !abgang.isEmpty();
        QCOMPARE(k.datum("Abgang").vorhanden(), bleibt);
        QCOMPARE(k.text("StatusFeld"), bleibt ? QStringLiteral("verkauft") : ohneAbgang);
    }

    void umnummerierenMitAltZiffernblock() {
        TestContext t;
        Karte k(t,
                {wurf(1, dt(1, 6, 2012), dt(23, 9, 2012), dt(20, 10, 2012), 11),
                 wurf(2, dt(1, 11, 2012))},
                2);
        k.taste("Belegen1", Qt::Key_Plus, kAltPlus);
        QCOMPARE(k.tabs()->tabText(1), QStringLiteral("1.Wurf")); // only on the first page
        k.w.seiteWaehlen(1);
        k.taste("Belegen1", Qt::Key_Plus, kAltPlus);
        QCOMPARE(k.tabs()->tabText(1), QStringLiteral("2.Wurf"));
        QCOMPARE(k.tabs()->tabText(2), QStringLiteral("3.Wurf"));
        k.taste("Belegen1", Qt::Key_Minus, kAltPlus);
        k.taste("Belegen1", Qt::Key_Minus, kAltPlus);
        QCOMPARE(k.tabs()->tabText(1), QStringLiteral("1.Wurf")); // not below 1
        k.taste("Belegen1", Qt::Key_Plus, kAltPlus);
        k.c<QPushButton>("OKBtn")->click();
        QCOMPARE(int(t.ctx.Sauenliste[0].wuerfe[1].WurfNr()), 3);
        // Not beyond 255, the highest number a litter can carry.
        t.ctx.Sauenliste.push_back(sau("6", {wurf(255, dt(1, 6, 2012))}));
        Karte m(t, 1, 1);
        m.taste("Belegen1", Qt::Key_Plus, kAltPlus);
        QCOMPARE(m.tabs()->tabText(1), QStringLiteral("255.Wurf"));
    }

    // The boar boxes offer maxEber boars; the stall box finds a sow's stall from the end of the
    // list and takes the first for an unknown one.
    void kaestenAusDenListen() {
        TestContext t;
        t.ctx.Eberliste = QStringList{"Max", "Moritz", "Otto"};
        t.ctx.einstellungen.maxEber = 5;
        t.ctx.Hilfslisten[5] = QStringList{"Deckzentrum", "Abferkel 1", "Abferkel 1"};
        t.ctx.Sauenliste = {sau("5", {wurf(1)}), sau("6", {wurf(1)})};
        t.ctx.Sauenliste[0].rec.setStall(QStringLiteral("Abferkel 1"));
        t.ctx.Sauenliste[1].rec.setStall(QStringLiteral("abgerissen"));
        {
            Karte k(t, 0, 1);
            QCOMPARE(k.c<QComboBox>("Eber1")->count(), 3);
            QCOMPARE(k.c<QComboBox>("Stall")->currentIndex(), 2);
        }
        t.ctx.einstellungen.maxEber = 2;
        Karte k(t, 1);
        QCOMPARE(k.c<QComboBox>("Eber2")->count(), 2);
        QCOMPARE(k.c<QComboBox>("Eber2")->itemText(1), QStringLiteral("Moritz"));
        QCOMPARE(k.c<QComboBox>("Stall")->currentIndex(), 0);
        k.c<QPushButton>("OKBtn")->click();
        QCOMPARE(t.ctx.Sauenliste[1].rec.Stall(), QStringLiteral("Deckzentrum"));
    }

    void drucktDieSauDerKarte() {
        TestContext t;
        t.ctx.einstellungen.item = {3, 5, 0, 0, 0};
        t.ctx.Sauenliste.push_back(
            sau("4711", {wurf(1, dt(1, 6, 2012), dt(23, 9, 2012), dt(20, 10, 2012), 11),
                         wurf(2, dt(1, 11, 2012))}));
        // A change on the litter page not yet stored by a page change is printed, too.
        Karte k(t, 0, 2);
        k.tippen("Notiz", QStringLiteral("ruhige Sau"));
        RecordingCanvas c(840, 1188);
        k.w.druckInhalt(c);
        QString text;
        for (const auto& it : c.texts())
            text += it.text + u'\n';
        QVERIFY2(text.contains(u"4711") && text.contains(u"ruhige Sau"), qPrintable(text));
        // Printing stores nothing into the herd: after Cancel the litter is as before.
        k.w.reject();
        QVERIFY(t.ctx.Sauenliste[0].wuerfe[1].WurfNotiz().isEmpty());
    }

    // A farmer enters a whole cycle by keyboard: what a typed date or count opens is open at
    // once, and Enter goes on to it.
    void ganzerZyklusPerTastatur() {
        TestContext t(QDate(2013, 8, 1));
        Karte k(t, {wurf(1)});
        k.w.TermineBeschriften(Terminnamen{}); // no tasks: their dates stay closed
        k.w.seiteWaehlen(1);
        k.eintippen("Belegen1", QStringLiteral("1.3.13"));
        for (const char* n : {"Eber1", "mal1", "Belegnote1", "Belegen2", "tkdatum1", "Abferkeln"})
            QVERIFY2(k.offen(n), n);
        // The fields in the order Enter reaches them, with what is typed there.
        const QString felder = QStringLiteral(
            "Belegen1=|Eber1= Max |mal1=|Belegnote1=|Belegen2=8.3.13|Eber2=|mal2=|Belegnote2=|"
            "Belegen3=|tkdatum1=1.4.13|tk1=|Abferkeln=22.6.13|geborene=12|todgeboren=1|Gelten=6|"
            "Geburtgew=1400|Zugesetzt=|FerkelnNote=|Anomal=|Ausfall=|Absetzen=20.7.13|abgesetzte=|"
            "Absetzgew=7.5|Notiz=gut");
        for (const QString& f : felder.split(u'|')) {
            QCOMPARE(Karte::fokus(), f.section(u'=', 0, 0));
            QTest::keyClicks(QApplication::focusWidget(), f.section(u'=', 1));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        // After the last field Enter rests on OK, and the next Enter confirms.
        QCOMPARE(Karte::fokus(), QStringLiteral("OKBtn"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!k.w.isVisible());
        const TWurfRec& w = t.ctx.Sauenliste[0].wuerfe[0];
        QCOMPARE(w.Eber(1), QStringLiteral("Max"));
        QCOMPARE(t.ctx.Eberliste, QStringList{"Max"}); // a new boar joins the boar list
        QCOMPARE(w.Belegen(2), dt(8, 3, 2013));
        QCOMPARE(w.Abferkeln(), dt(22, 6, 2013));
        QCOMPARE(Abgesetzte(w), 11);
        QCOMPARE(w.Absetzgewicht(), std::uint16_t(7500));
        QCOMPARE(w.WurfNotiz(), QStringLiteral("gut"));
        QVERIFY(t.messages.shown.isEmpty());
    }

    void escapeFragtNurNachAenderung_data() {
        QTest::addColumn<QString>("feld"); // typed into, "" for nothing
        QTest::addColumn<int>("antwort");
        QTest::addColumn<bool>("offen");
        QTest::newRow("unchanged closes at once") << "" << int(MessageService::Answer::No) << false;
        QTest::newRow("sow field, Nein stays") << "TVG" << int(MessageService::Answer::No) << true;
        QTest::newRow("litter field, Nein stays")
            << "Belegen1" << int(MessageService::Answer::No) << true;
        QTest::newRow("Ja discards") << "Belegen1" << int(MessageService::Answer::Yes) << false;
    }

    void escapeFragtNurNachAenderung() {
        QFETCH(QString, feld);
        QFETCH(int, antwort);
        TestContext t(QDate(2013, 8, 1));
        Karte k(t, {wurf(1)}, feld == QLatin1String("Belegen1") ? 1 : 0);
        if (!feld.isEmpty()) k.eintippen(qPrintable(feld), QStringLiteral("1.3.13"));
        t.messages.planAnswer(MessageService::Answer(antwort));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(t.messages.count(QStringLiteral("Eingaben verwerfen?")), feld.isEmpty() ? 0 : 1);
        QTEST(k.w.isVisible(), "offen");
        QVERIFY(!t.ctx.Sauenliste[0].wuerfe[0].Belegen(1).vorhanden());
    }

    void eintraegeTeilenVierzehnPlaetze_data() {
        QTest::addColumn<QString>("feld");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<int>("fenster"); // -1 no window, 0 cancelled, 1 OK
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<int>("ausfall");
        QTest::addColumn<int>("anomal");
        const QString zuviel = QStringLiteral("Ausfälle und Besonderheiten haben zusammen nur 14 "
                                              "Einträge.\n\rEs sind höchstens %1 möglich.");
        const auto zeile = [](const char* n, const char* feld, const char* eingabe, int fenster,
                              const QString& meldung, int ausfall) {
            QTest::newRow(n) << QString(feld) << QString(eingabe) << fenster << meldung << ausfall
                             << 11;
        };
        // 2 losses and 11 anomalies: one slot is free.
        zeile("losses that fit", "Ausfall", "3", 1, "", 3);
        zeile("losses beyond", "Ausfall", "4", -1, zuviel.arg("3 Ausfälle"), 2);
        zeile("anomalies beyond", "Anomal", "13", -1, zuviel.arg("12 Besonderheiten"), 2);
        zeile("losses cancelled", "Ausfall", "3", 0, "", 2);
    }

    void eintraegeTeilenVierzehnPlaetze() {
        QFETCH(QString, feld);
        QFETCH(QString, eingabe);
        QFETCH(int, fenster);
        QFETCH(int, ausfall);
        QFETCH(int, anomal);
        TestContext t(QDate(2013, 6, 1));
        TWurfRec w = wurf(1, dt(1, 1, 2013), dt(24, 4, 2013), dt(20, 5, 2013), 12);
        w.setVerlusttag(1, 2);
        w.setVerlusttag(2, 3);
        for (int slot = 14; slot >= 4; --slot)
            w.setEintrag(slot, QStringLiteral("Spreizer %1").arg(slot));
        Karte k(t, {w}, 1);
        ModalTreiber treiber;
        if (fenster == 1)
            treiber.dann([](QDialog* d) { d->findChild<QPushButton*>("OKBtn")->click(); });
        k.tippen(feld.toLatin1(), eingabe);
        QCOMPARE(treiber.behandelt(), fenster < 0 ? 0 : 1);
        QTEST(t.messages.texts().join(u'|'), "meldung");
        QCOMPARE(k.wert("Ausfall"), double(ausfall));
        QCOMPARE(k.wert("Anomal"), double(anomal));
        QCOMPARE(k.wert("abgesetzte"), double(12 - ausfall));
        k.w.seiteWaehlen(0);
        const TWurfRec& r = t.ctx.Sauenliste[0].wuerfe[0];
        QCOMPARE(Verluste(r), ausfall);
        QCOMPARE(Anomalien(r), anomal);
    }

    void seitenwechselPerTasteOderRad_data() {
        QTest::addColumn<QString>("weg");
        QTest::newRow("arrow on the tab bar") << "pfeil";
        QTest::newRow("Ctrl+Tab") << "ctrltab";
        QTest::newRow("Ctrl+PgDown") << "ctrlbild";
        QTest::newRow("mouse wheel") << "rad";
    }

    void seitenwechselPerTasteOderRad() {
        QFETCH(QString, weg);
        TestContext t;
        TWurfRec eins = wurf(1, dt(1, 6, 2012), dt(23, 9, 2012), dt(20, 10, 2012), 11);
        eins.setWurfNotiz(QStringLiteral("eins"));
        TWurfRec zwei = wurf(2, dt(1, 11, 2012));
        zwei.setWurfNotiz(QStringLiteral("zwei"));
        Karte k(t, {eins, zwei}, 1);
        QTabBar* bar = k.tabs();
        // A date typed and not yet left is checked before the page changes.
        k.eintippen("Belegen1", QStringLiteral("1.1.11"));
        QWidget* feld = QApplication::focusWidget();
        if (weg == QStringLiteral("pfeil")) {
            bar->setFocus();
            QTest::keyClick(bar, Qt::Key_Right);
        } else if (weg == QStringLiteral("ctrltab")) {
            QTest::keyClick(feld, Qt::Key_Tab, Qt::ControlModifier);
        } else if (weg == QStringLiteral("ctrlbild")) {
            QTest::keyClick(feld, Qt::Key_PageDown, Qt::ControlModifier);
        } else {
            const QPointF p = bar->tabRect(1).center();
            QWheelEvent rad(p, bar->mapToGlobal(p), {}, QPoint(0, -120), Qt::NoButton,
                            Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(bar, &rad);
        }
        QCOMPARE(bar->currentIndex(), 2);
        QCOMPARE(t.messages.texts(),
                 QStringList{"Das Datum liegt nicht nach dem Einstallen vom 1.1.12!"});
        // By keyboard the typing goes on in the new page's first field.
        if (weg.startsWith(QStringLiteral("ctrl")))
            QCOMPARE(Karte::fokus(), QStringLiteral("Belegen1"));
        QCOMPARE(k.text("Notiz"), QStringLiteral("zwei"));
        k.tippen("Notiz", QStringLiteral("neu"));
        k.w.seiteWaehlen(0);
        const std::vector<TWurfRec>& w = t.ctx.Sauenliste[0].wuerfe;
        QVERIFY(!w[0].Belegen(1).vorhanden());
        QCOMPARE(w[0].WurfNotiz(), QStringLiteral("eins"));
        QCOMPARE(w[1].WurfNotiz(), QStringLiteral("neu"));
    }
};

QTEST_MAIN(TestTSauWurfEingabe)
#include "tst_tsauwurfeingabe.moc"
