#include "herd/herdfile.h"
#include "platform/safewrite.h"
#include "programm/datensicherung.h"
#include "programm/einstellungenspeicher.h"
#include "programm/tdatensicherung.h"
#include "support/apphilfe.h"
#include "support/testcontext.h"

#include <QtTest>
#include <QtWidgets>

using namespace datensicherung;

namespace {

const QStringList kMasken{"PV.INI", "*.DAT", "NOTIZ.TXT"};

QStringList namen(const std::vector<Eintrag>& l) {
    QStringList out;
    for (const Eintrag& e : l)
        out << e.name;
    return out;
}
QStringList namen(const Dateiliste& l) {
    return namen(l.eintraege);
}

// The names of the list box; the helper lists, which the window saves, left out.
QStringList listbox(const QListWidget* box, bool nurGewaehlt = false) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        if ((!nurGewaehlt || box->item(i)->isSelected()) &&
            box->item(i)->text().compare(QStringLiteral("HILFSLST.DAT"), Qt::CaseInsensitive))
            out << box->item(i)->text();
    return out;
}

const QDateTime k2012(QDate(2012, 5, 1), QTime(10, 0));

} // namespace

class TestDatensicherung : public QObject {
    Q_OBJECT
private slots:
    void datumLesen_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDateTime>("erwartet");
        QTest::newRow("mit Zeit") << "03.04.2012 17:45"
                                  << QDateTime(QDate(2012, 4, 3), QTime(17, 45));
        QTest::newRow("ohne Zeit") << "01.01.2010" << QDateTime(QDate(2010, 1, 1), QTime(0, 0));
        QTest::newRow("Wort") << "gestern" << QDateTime();
        QTest::newRow("31. Februar") << "31.02.2012 00:00" << QDateTime();
    }
    void datumLesen() {
        QFETCH(QString, text);
        QFETCH(QDateTime, erwartet);
        QDateTime d;
        QCOMPARE(DatumLesen(text, d), erwartet.isValid());
        if (erwartet.isValid()) {
            QCOMPARE(d, erwartet);
            QCOMPARE(DatumLesen(DatumText(d), d), true);
            QCOMPARE(d, erwartet);
        }
    }

    void jahresOrdnung_data() {
        QTest::addColumn<QStringList>("ein");
        QTest::addColumn<bool>("sicherung");
        QTest::addColumn<QStringList>("aus");
        QTest::newRow("neuere Jahre vorn, nie hinter das letzte")
            << QStringList{"A.DAT", "AUS2009.DAT", "AUS2011.DAT", "AUS2010.DAT"} << true
            << QStringList{"AUS2011.DAT", "AUS2010.DAT", "AUS2009.DAT", "A.DAT"};
        QTest::newRow("gleiches Jahr bleibt dahinter")
            << QStringList{"X2010.DAT", "Z.DAT", "Y2010.DAT"} << true
            << QStringList{"X2010.DAT", "Y2010.DAT", "Z.DAT"};
        QTest::newRow("Rücksicherung hängt an")
            << QStringList{"A.DAT", "AUS2009.DAT", "AUS2011.DAT"} << false
            << QStringList{"A.DAT", "AUS2009.DAT", "AUS2011.DAT"};
        QTest::newRow("keine Jahreszahl") << QStringList{"A.DAT", "ABC3011.DAT", "K1.DAT"} << true
                                          << QStringList{"A.DAT", "ABC3011.DAT", "K1.DAT"};
    }
    void jahresOrdnung() {
        QFETCH(QStringList, ein);
        QFETCH(bool, sicherung);
        std::vector<Eintrag> l;
        for (const QString& n : ein)
            EintragEinfuegen(l, {n, {}}, sicherung);
        QTEST(namen(l), "aus");
    }

    void listeDerDatendateien() {
        QTemporaryDir dir;
        const QString d = dir.path() + u'/';
        for (const char* n : {"SAUWURF.DAT", "NOTIZ.TXT", "PLANZEIT.DAT", "STALLBUCH.TXT"})
            QVERIFY(schreiben(d + QLatin1String(n), "x", k2012));
        QVERIFY(schreiben(d + "ALT.DAT", "x", QDateTime(QDate(2009, 1, 1), QTime(0, 0))));
        QVERIFY(schreiben(d + "anderes.txt", "x", k2012));
        QDateTime letzte;
        QVERIFY(DatumLesen(QStringLiteral("01.01.2010"), letzte));
        const Dateiliste l = DateienSammeln(d, kMasken, true, letzte);
        // The journal of the barn bookings is backed up with the data.
        QCOMPARE(namen(l), (QStringList{"NOTIZ.TXT", "STALLBUCH.TXT", "ALT.DAT", "PLANZEIT.DAT",
                                        "SAUWURF.DAT"}));
        for (std::size_t i = 0; i < l.eintraege.size(); ++i)
            QCOMPARE(l.gewaehlt[i], l.eintraege[i].name != QStringLiteral("ALT.DAT"));
        // On the day of the last backup the time decides: changed after it, chosen again.
        QVERIFY(schreiben(d + "ALT.DAT", "x", k2012.addSecs(-60)));
        QVERIFY(schreiben(d + "NOTIZ.TXT", "x", k2012.addSecs(60)));
        const Dateiliste heute = DateienSammeln(d, kMasken, true, k2012);
        QVERIFY(heute.gewaehlt[std::size_t(namen(heute).indexOf("NOTIZ.TXT"))]);
        QVERIFY(!heute.gewaehlt[std::size_t(namen(heute).indexOf("ALT.DAT"))]);
        // The settings file joins the list first when the masks name it.
        QVERIFY(schreiben(dir.filePath("store.ini"), "[EINSTELLUNGEN]\n", k2012));
        QCOMPARE(namen(DateienSammeln(d, kMasken, true, letzte, dir.filePath("store.ini"))).first(),
                 QStringLiteral("PV.INI"));
    }

    // The name offered from Split.txt when restoring, before the data files: the first 12
    // characters of its first line as they stand, without the line end and the blanks after
    // the name; never one leading out of the medium, and never when backing up.
    void splitName_data() {
        QTest::addColumn<QByteArray>("zeile");
        QTest::addColumn<QStringList>("namen");
        const auto zeile = [](const char* n, const char* text, const char* name) {
            QTest::newRow(n) << QByteArray(text)
                             << (*name ? QStringList{name, "SAUWURF.DAT"}
                                       : QStringList{"SAUWURF.DAT"});
        };
        zeile("Blanks danach", "TEIL1.ZIP    weitere Angaben\r\nzweite Zeile\r\n", "TEIL1.ZIP");
        zeile("führende Leerzeichen zählen mit", "   ABCDEFGHIJKL\r\n", "   ABCDEFGHI");
        zeile("führende Leerzeichen, kurzer Name", "  KURZ.ZIP\n", "  KURZ.ZIP");
        zeile("ohne Zeilenende", "TEIL2.ZIP", "TEIL2.ZIP");
        zeile("aus dem Medium hinaus", "../../SAUWURF.DAT\r\n", "");
    }
    void splitName() {
        QFETCH(QByteArray, zeile);
        QTemporaryDir dir;
        const QString d = dir.path() + u'/';
        QVERIFY(schreiben(d + "Split.txt", zeile));
        QVERIFY(schreiben(d + "SAUWURF.DAT", "x"));
        QTEST(namen(DateienSammeln(d, kMasken, false, {})), "namen");
        QCOMPARE(namen(DateienSammeln(d, kMasken, true, {})), QStringList{"SAUWURF.DAT"});
    }

    void abgebrochenesKopierenLaesstZielStehen() {
        QTemporaryDir dir;
        const QString von = dir.filePath("neu.DAT"), nach = dir.filePath("ziel.DAT");
        const QByteArray gross(300000, 'n');
        QVERIFY(schreiben(von, gross));
        QVERIFY(schreiben(nach, "alter Stand"));
        QString fehler;
        QVERIFY(!DateiKopieren(von, nach, fehler, [](qint64 bisher) { return bisher < 100000; }));
        QVERIFY(fehler.contains(von));
        QCOMPARE(inhalt(nach), QByteArray("alter Stand"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2); // no temporary left behind
        QVERIFY(!DateiKopieren(von, dir.filePath("fehlt/ziel.DAT"), fehler));
        QCOMPARE(fehler, SchreibFehlerText("ziel.DAT", dir.filePath("fehlt/ziel.DAT"),
                                           "Der Ordner ist nicht vorhanden."));
        QVERIFY(DateiKopieren(von, nach, fehler));
        QCOMPARE(inhalt(nach), gross);
    }

    void tageskopieEinmalUndVierzehn() {
        QTemporaryDir dir;
        const QString d = dir.path() + u'/';
        QVERIFY(TagesKopie(d, QDate(2013, 3, 1))); // no herd yet: nothing to keep
        QVERIFY(!QFileInfo::exists(d + "Sicherungen"));
        QVERIFY(schreiben(d + "SAUWURF.DAT", "morgens"));
        QVERIFY(TagesKopie(d, QDate(2013, 3, 1)));
        // Saves replace the herd file; the copy keeps the morning.
        QVERIFY(writeFileSafely(d + "SAUWURF.DAT",
                                [](QIODevice& f) { return f.write("mittags") == 7; }));
        QVERIFY(TagesKopie(d, QDate(2013, 3, 1)));
        QCOMPARE(inhalt(d + "Sicherungen/SAUWURF-2013-03-01.DAT"), QByteArray("morgens"));
        for (int i = 2; i <= 20; ++i)
            QVERIFY(TagesKopie(d, QDate(2013, 3, i)));
        const QStringList da = QDir(d + "Sicherungen").entryList(QDir::Files, QDir::Name);
        QCOMPARE(da.size(), 14);
        QCOMPARE(da.first(), QStringLiteral("SAUWURF-2013-03-07.DAT"));
        QCOMPARE(da.last(), QStringLiteral("SAUWURF-2013-03-20.DAT"));
        // The program's saves keep the day's copy before writing.
        TestContext t;
        QVERIFY(herdeSchreiben(t.pfad("SAUWURF.DAT"), 1));
        const QByteArray morgens = inhalt(t.pfad("SAUWURF.DAT"));
        HerdeLaden(t.ctx);
        t.ctx.tagesKopie = true;
        t.ctx.Sauenliste.clear();
        QVERIFY(HerdeSpeichern(t.ctx));
        QCOMPARE(inhalt(t.pfad("Sicherungen/SAUWURF-2013-03-10.DAT")), morgens);
    }

    // A last backup that is no date is told and reset. Backing up lists the data files changed
    // since the last backup, all chosen, and copies them; restoring lists the files of the
    // folder typed, none chosen. Leaving the folder field gives its text the separator.
    void fensterSichertUndWechseltRichtung() {
        TestContext t;
        QTemporaryDir medium;
        const QString ziel = medium.path() + u'/';
        t.ctx.einstellungen.lastBackup = QStringLiteral("gestern");
        for (const char* n : {"SAUWURF.DAT", "NOTIZ.TXT", "PLANZEIT.DAT"})
            QVERIFY(schreiben(t.pfad(QLatin1String(n)), n, k2012));
        QVERIFY(schreiben(ziel + "SAUWURF.DAT", "alt", k2012));
        QVERIFY(schreiben(ziel + "PLANTYPE.DAT", "x", k2012));
        TDatensicherung w(t.ctx);
        const QString keinDatum = QStringLiteral("gestern ist kein gültiges Datum");
        QCOMPARE(t.messages.texts(), QStringList{keinDatum});
        QCOMPARE(kind<QLineEdit>(&w, "Edit2")->text(), QStringLiteral("noch nie gesichert"));
        QCOMPARE(t.ctx.einstellungen.lastBackup, QStringLiteral("01.01.1985 00:00"));
        w.SicherungOeffnen(QStringLiteral("/ohne/trenner"), kMasken);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* box = kind<QListWidget>(&w, "ListBox1");
        const QStringList daten{"NOTIZ.TXT", "PLANZEIT.DAT", "SAUWURF.DAT"};
        QCOMPARE(listbox(box), daten);
        QCOMPARE(listbox(box, true), daten);
        QVERIFY(kind<QRadioButton>(&w, "RadioGroup3_2")->isChecked());
        auto* pfad = kind<QLineEdit>(&w, "EditPfad");
        pfad->setFocus();
        QTest::keyClick(pfad, Qt::Key_Tab);
        QCOMPARE(pfad->text(), QStringLiteral("/ohne/trenner/"));

        kind<QRadioButton>(&w, "Richtung_1")->click();
        pfad->setFocus();
        pfad->selectAll();
        QTest::keyClicks(pfad, medium.path());
        QTest::keyClick(pfad, Qt::Key_Return);
        QCOMPARE(pfad->text(), ziel);
        QCOMPARE(listbox(box), (QStringList{"PLANTYPE.DAT", "SAUWURF.DAT"}));
        QVERIFY(listbox(box, true).isEmpty());
        QString geholt;
        w.ZielHolen(geholt);
        QCOMPARE(geholt, ziel);
        kind<QRadioButton>(&w, "Richtung_0")->click();
        for (int i = 0; i < box->count(); ++i)
            box->item(i)->setSelected(true);
        kind<QPushButton>(&w, "StartBtn")->click();
        QCOMPARE(w.result(), int(QDialog::Accepted));
        // The farmer learns what went where.
        QCOMPARE(t.messages.texts(),
                 (QStringList{keinDatum, QStringLiteral("%1 Dateien nach %2 gesichert.")
                                             .arg(box->count())
                                             .arg(QDir::toNativeSeparators(ziel))}));
        for (const QString& n : daten)
            QCOMPARE(inhalt(ziel + n), n.toLatin1());
        QDateTime neu;
        QVERIFY(DatumLesen(t.ctx.einstellungen.lastBackup, neu));
        QVERIFY(neu.secsTo(QDateTime::currentDateTime()) < 120);
        // Written at once, not only when the program ends.
        QVERIFY(
            inhalt(t.ctx.einstellungsDatei).contains(t.ctx.einstellungen.lastBackup.toLatin1()));
    }

    // The last backup as the window and the main window tell it.
    void letzteSicherung_data() {
        QTest::addColumn<QString>("gespeichert");
        QTest::addColumn<QString>("fenster");
        QTest::addColumn<QString>("hinweis");
        QTest::addColumn<bool>("warnen");
        const auto zeile = [](const char* n, const char* gespeichert, const char* fenster,
                              const char* hinweis, bool warnen) {
            QTest::newRow(n) << QString(gespeichert) << QString::fromUtf8(fenster)
                             << QString::fromUtf8(hinweis) << warnen;
        };
        const char* nie = "noch nie gesichert";
        zeile("store default", "01.01.2010", nie, "Daten noch nie gesichert", true);
        zeile("never written", "", nie, "Daten noch nie gesichert", true);
        zeile("today", "10.03.2026 08:00", "10.03.2026 08:00", "Letzte Datensicherung: heute",
              false);
        zeile("seven days", "03.03.2026 23:59", "03.03.2026 23:59",
              "Letzte Datensicherung vor 7 Tagen", false);
        zeile("eight days", "02.03.2026 10:00", "02.03.2026 10:00",
              "Letzte Datensicherung vor 8 Tagen", true);
    }
    void letzteSicherung() {
        QFETCH(QString, gespeichert);
        QTEST(LetzteSicherungText(gespeichert), "fenster");
        const Hinweis h = SicherungsHinweis(gespeichert, QDate(2026, 3, 10));
        QTEST(h.text, "hinweis");
        QTEST(h.warnen, "warnen");
    }

    // The target of the last backup that worked; a medium not inserted gives a folder.
    void zielVorschlag_data() {
        QTest::addColumn<QString>("ziel");
        QTest::addColumn<int>("medien");
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("ordner");
        QTest::newRow("A: without medium") << "A:" << 0 << 2 << "/std/";
        QTest::newRow("A: with medium") << "A:" << 1 << 0 << "";
        QTest::newRow("B: with one medium") << "B:" << 1 << 2 << "/std/";
        QTest::newRow("B: with two") << "B:" << 2 << 1 << "";
        QTest::newRow("folder") << "/media/stick/sicher/" << 0 << 2 << "/media/stick/sicher/";
        QTest::newRow("empty") << "" << 2 << 2 << "/std/";
    }
    void zielVorschlag() {
        QFETCH(QString, ziel);
        QFETCH(int, medien);
        const Zielwahl w = ZielVorschlagen(ziel, medien, QStringLiteral("/std/"));
        QTEST(w.item, "item");
        QTEST(w.ordner, "ordner");
    }

    // Backup as the window runs it, without the window: the settings file goes along.
    void sichernMitEinstellungen() {
        QTemporaryDir daten, medium;
        const QString ini = daten.filePath("einstellungen.ini");
        QVERIFY(schreiben(daten.filePath("SAUWURF.DAT"), "herde", k2012));
        QVERIFY(schreiben(daten.filePath("NOTIZ.TXT"), "notiz", k2012));
        QVERIFY(schreiben(ini, "[EINSTELLUNGEN]", k2012));
        const QString ziel = medium.filePath("neu/");
        const QStringList namen{"PV.INI", "NOTIZ.TXT", "SAUWURF.DAT"};
        int meldungen = 0;
        Ergebnis e = Sichern(daten.path() + u'/', ini, namen, ziel, [&](qint64 f, qint64 g) {
            ++meldungen;
            return f <= g;
        });
        QVERIFY(e.ok);
        QCOMPARE(e.dateien, 3); // what the message says, the window test reads
        QVERIFY(meldungen >= 3);
        QCOMPARE(inhalt(ziel + "PV.INI"), QByteArray("[EINSTELLUNGEN]"));

        // A missing file stops the copy and says how far it came.
        e = Sichern(daten.path() + u'/', ini, {"NOTIZ.TXT", "FEHLT.DAT"}, ziel);
        QVERIFY(!e.ok);
        QCOMPARE(e.dateien, 1);
        QVERIFY(e.meldung.contains("FEHLT.DAT"));
        QVERIFY(e.meldung.contains(QStringLiteral("1 Datei nach")));
    }

    void ruecksicherungHebtAufUndLaedtNeu() {
        TestContext t;
        QTemporaryDir medium;
        QVERIFY(herdeSchreiben(t.pfad("SAUWURF.DAT"), 1));
        const QByteArray vorher = inhalt(t.pfad("SAUWURF.DAT"));
        HerdeLaden(t.ctx);
        QVERIFY(herdeSchreiben(medium.filePath("SAUWURF.DAT"), 3));
        TDatensicherung w(t.ctx);
        w.SicherungOeffnen(medium.path() + u'/', kMasken);
        kind<QRadioButton>(&w, "Richtung_1")->click();
        auto* box = kind<QListWidget>(&w, "ListBox1");
        box->item(0)->setSelected(true);
        t.messages.planAnswer(MessageService::Answer::Yes);
        // While the files are copied the whole herd is held: the barn books nothing.
        bool gehalten = false;
        QTimer::singleShot(0, &w, [&] { gehalten = t.ctx.geoeffnet.offen(0); });
        kind<QPushButton>(&w, "StartBtn")->click();
        QVERIFY(gehalten);
        QVERIFY(!t.ctx.geoeffnet.offen(0));
        QCOMPARE(t.messages.shown.size(), 2);
        QVERIFY(t.messages.shown[1].text.startsWith(
            QStringLiteral("1 Datei aus %1 zurückgesichert.\nDer bisherige Stand liegt in ")
                .arg(QDir::toNativeSeparators(medium.path() + u'/'))));
        QCOMPARE(t.messages.shown[0].buttons, MessageService::Buttons::YesNoDefaultNo);
        QVERIFY(t.messages.shown[0].text.contains(QStringLiteral("SAUWURF.DAT")));
        QCOMPARE(t.ctx.Sauenliste.size(), std::size_t(3));
        const QStringList ordner =
            QDir(t.ctx.Datenpfad).entryList({QStringLiteral("Vor Rücksicherung *")}, QDir::Dirs);
        QCOMPARE(ordner.size(), 1);
        QVERIFY2(QRegularExpression("^Vor Rücksicherung \\d{4}-\\d\\d-\\d\\d \\d\\d-\\d\\d$")
                     .match(ordner[0])
                     .hasMatch(),
                 qPrintable(ordner[0]));
        QCOMPARE(inhalt(t.pfad(ordner[0] + "/SAUWURF.DAT")), vorher);
    }
};

QTEST_MAIN(TestDatensicherung)
#include "tst_datensicherung.moc"
