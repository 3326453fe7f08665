#include "controls/tnumedit.h"
#include "programm/indexgewichte.h"
#include "programm/teinstellungen.h"
#include "programm/tpvmain.h"
#include "support/apphilfe.h"
#include "support/fensterfixtur.h"

#include <QtTest>
#include <QtWidgets>

namespace {

struct Dialog : Fenster<TEinstellungen> {
    explicit Dialog(TestContext& t) : Fenster(t) {
        w.WerteLaden();
        QVERIFY(zeigen());
    }
    // Types into a field on its page.
    void tippen(const char* feld, const QString& text) {
        w.seiten()->setCurrentWidget(c<QWidget>(feld)->parentWidget()->parentWidget());
        Fenster::tippen(feld, text);
    }
    QStringList eintraege(const char* liste) { return ::eintraege(c<QListWidget>(liste)); }
};

} // namespace

class TestTEinstellungen : public QObject {
    Q_OBJECT
private slots:
    void indexNormierung_data() {
        QTest::addColumn<bool>("weibliche");
        QTest::addColumn<QList<int>>("eingabe");
        QTest::addColumn<QList<int>>("erwartet");
        QTest::newRow("female not counted but scaled")
            << false << QList<int>{10, 10, 10, 0, 0, 0, 50} << QList<int>{33, 33, 33, 0, 0, 0, 167};
        QTest::newRow("female counted")
            << true << QList<int>{10, 10, 10, 0, 0, 0, 10} << QList<int>{25, 25, 25, 0, 0, 0, 25};
        QTest::newRow("halves to even")
            << true << QList<int>{1, 0, 0, 0, 0, 0, 7} << QList<int>{12, 0, 0, 0, 0, 0, 88};
        // The hit list multiplies weaned piglets by INDEX1 and born ones by INDEX2.
        QTest::newRow("born piglets are INDEX2")
            << true << QList<int>{0, 100, 0, 0, 0, 0, 0} << QList<int>{0, 100, 0, 0, 0, 0, 0};
        QTest::newRow("sum 0 keeps weights")
            << false << QList<int>{0, 0, 0, 0, 0, 0, 40} << QList<int>{0, 0, 0, 0, 0, 0, 40};
    }
    void indexNormierung() {
        QFETCH(bool, weibliche);
        QFETCH(QList<int>, eingabe);
        std::array<int, 7> gewichte{};
        std::copy(eingabe.begin(), eingabe.end(), gewichte.begin());
        IndexGewichteNormieren(gewichte, weibliche);
        QTEST(QList<int>(gewichte.begin(), gewichte.end()), "erwartet");
    }

    // The card parts move between the two lists; the currency page takes the Euro sign, an own
    // abbreviation of two letters and its rate. OK takes both.
    void kartenUndWaehrung() {
        TestContext t;
        t.ctx.einstellungen.item = {5, 1, 2, 0, 0};
        t.ctx.einstellungen.waehrung.anzeige = DM;
        t.ctx.einstellungen.waehrung.kuerzel[0] = QStringLiteral("E");
        t.ctx.einstellungen.waehrung.kuerzel[4] = QStringLiteral("CH");
        Dialog d(t);
        QCOMPARE(d.eintraege("ListAusdruck"),
                 (QStringList{"bisherige Würfe", "Notizen zur Sau", "Notizen Vorwurf"}));
        QCOMPARE(d.eintraege("ListKomponenten"), (QStringList{"aktueller Wurf", "großes Datum"}));
        d.c<QListWidget>("ListKomponenten")->setCurrentRow(0);
        d.c<QPushButton>("BtnHinzu")->click();
        QCOMPARE(d.eintraege("ListKomponenten"), QStringList{"großes Datum"});
        QCOMPARE(d.c<QListWidget>("ListKomponenten")->currentRow(), 0);
        QCOMPARE(d.c<QListWidget>("ListAusdruck")->currentRow(), 3);
        d.c<QListWidget>("ListAusdruck")->setCurrentRow(0);
        d.c<QPushButton>("BtnZurueck")->click();
        QCOMPARE(d.eintraege("ListKomponenten"), (QStringList{"großes Datum", "bisherige Würfe"}));
        QCOMPARE(d.c<QListWidget>("ListKomponenten")->currentRow(), 1);
        QCOMPARE(d.c<QListWidget>("ListAusdruck")->currentRow(), 0);

        auto* combo = d.c<QComboBox>("ComboBox2");
        QCOMPARE(combo->currentIndex(), 1);
        QCOMPARE(combo->itemText(4), QStringLiteral("CH"));
        QVERIFY(!d.c<QCheckBox>("CheckBoxEuro")->isChecked());
        QCOMPARE(d.c<QLineEdit>("EuroView")->text(), QString());
        d.c<QCheckBox>("CheckBoxEuro")->click();
        QCOMPARE(d.c<QLineEdit>("EuroView")->text(), QStringLiteral("€"));
        d.tippen("Edit1", QStringLiteral("SFR"));
        QCOMPARE(d.c<QLineEdit>("Edit1")->text(), QStringLiteral("SF"));
        QCOMPARE(combo->itemText(4), QStringLiteral("SF"));
        combo->setCurrentIndex(4);
        d.tippen("NumEdit11", QStringLiteral("1.5"));
        d.w.WerteUebernehmen();
        QCOMPARE(t.ctx.einstellungen.item, (std::array<int, 5>{1, 2, 3, 0, 0}));
        const Waehrungstabelle& w = t.ctx.einstellungen.waehrung;
        QCOMPARE(w.anzeige, nw);
        QCOMPARE(w.kuerzel[4], QStringLiteral("SF"));
        QCOMPARE(w.kuerzel[0], QStringLiteral("€"));
        QCOMPARE(w.kurs[4], 1.5);
    }

    void neuerOrdner_data() {
        QTest::addColumn<QString>("basis"); // under the data directory
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("pfad"); // the data directory afterwards
        QTest::addColumn<QStringList>("meldungen");
        QTest::newRow("made, blanks trimmed")
            << QString() << QString(" Herde 2027 ") << QString("Herde 2027/") << QStringList();
        // A file stands where the parent folder would be.
        QTest::newRow("cannot be made") << QString("datei/") << QString("neu") << QString("datei/")
                                        << QStringList{"Der Ordner kann nicht angelegt werden."};
    }
    void neuerOrdner() {
        QFETCH(QString, basis);
        QFETCH(QString, name);
        QFETCH(QString, pfad);
        QFETCH(QStringList, meldungen);
        TestContext t;
        QVERIFY(schreiben(t.pfad(QStringLiteral("datei")), {}));
        Dialog d(t);
        d.c<QLineEdit>("EditPfad")->setText(t.pfad(basis));
        d.w.seiten()->setCurrentIndex(4);
        d.c<QPushButton>("BtnNeuerOrdner")->click();
        QVERIFY(d.c<QWidget>("PanelOrdner")->isVisible());
        QTest::keyClicks(d.c<QLineEdit>("EditOrdner"), name);
        if (meldungen.isEmpty())
            d.c<QPushButton>("BtnPlus")->click();
        else
            QTest::keyClick(d.c<QLineEdit>("EditOrdner"), Qt::Key_Return);
        QCOMPARE(t.messages.texts(), meldungen);
        QVERIFY(!d.c<QWidget>("PanelOrdner")->isVisible());
        QCOMPARE(d.c<QLineEdit>("EditPfad")->text(), t.pfad(pfad));
        if (meldungen.isEmpty()) QVERIFY(QFileInfo(t.pfad(pfad)).isDir());
    }

    void neuerDatenordnerLaedtHerde() {
        TestContext t;
        TPVMain w(t.ctx);
        const QString neu = t.pfad(QStringLiteral("anderer/"));
        QVERIFY(QDir().mkpath(neu));
        QVERIFY(schreiben(neu + QStringLiteral("SAUWURF.DAT"), QByteArray(512, '\0')));
        t.ctx.Geaendert = true;
        t.messages.planAnswer(MessageService::Answer::No);
        QTimer::singleShot(0, [&] {
            auto* dlg = qobject_cast<TEinstellungen*>(QApplication::activeModalWidget());
            if (!dlg) return;
            dlg->findChild<QLineEdit*>(QStringLiteral("EditPfad"))->setText(neu);
            dlg->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
        });
        w.Einstellungen1Click();
        QCOMPARE(t.ctx.Datenpfad, neu);
        QCOMPARE(t.messages.count(QStringLiteral("Geänderte Tierdaten speichern?")), 1);
        QCOMPARE(int(t.ctx.Sauenliste.size()), 1);
        QVERIFY(!t.ctx.Geaendert);
        QVERIFY(w.menuItem(QStringLiteral("Eingabe1"))->isEnabled());
        // The choice is stored and the settings are written.
        const QByteArray ini = inhalt(t.ctx.einstellungsDatei);
        QVERIFY(ini.contains("PFAD=" + neu.toUtf8()));
        QVERIFY(ini.contains("MAXGRUPPE="));
    }
};

QTEST_MAIN(TestTEinstellungen)
#include "tst_teinstellungen.moc"
