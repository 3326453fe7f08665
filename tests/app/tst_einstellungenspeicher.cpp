#include "platform/inidatei.h"
#include "programm/einstellungenspeicher.h"
#include "support/apphilfe.h"

#include <QtTest>

namespace {

Einstellungen ausStore(const QByteArray& ini, QString* pfad = nullptr) {
    IniDatei s;
    s.lesen(ini);
    Einstellungen e;
    QString p;
    einstellungen::ausStore(s, e, p, QStringLiteral("/prog"));
    if (pfad) *pfad = p;
    return e;
}

// One setting by name, lists as text.
QVariant wert(const Einstellungen& e, const QString& name, const QString& pfad = {}) {
    QString anzeige, item, index;
    for (bool b : e.anzeige)
        anzeige += b ? u'1' : u'0';
    for (int i : e.item)
        item += QString::number(i);
    for (int i : e.index)
        index += (index.isEmpty() ? QString() : QStringLiteral(",")) + QString::number(i);
    const QMap<QString, QVariant> ist = {
        {"mitStall", e.mitStall},
        {"mitTage", e.mitTage},
        {"mitWurf", e.mitWurf},
        {"anzeige", anzeige},
        {"ziel", e.ziellaufwerk},
        {"item", item},
        {"maxEber", e.maxEber},
        {"maxGruppe", e.maxGruppe},
        {"autosort", e.autosort},
        {"kurs1", e.waehrung.kurs[1]},
        {"kurs2", e.waehrung.kurs[2]},
        {"kuerzel0", e.waehrung.kuerzel[0]},
        {"kuerzel4", e.waehrung.kuerzel[4]},
        {"index", index},
        {"gewichte",
         QString(QChar(e.gebGewicht ? u'1' : u'0')) + QChar(e.absGewicht ? u'1' : u'0')},
        {"waehrung", int(e.waehrung.anzeige)},
        {"vollbild", e.vollbild},
        {"rhythmus", e.gruppenrhythmus},
        {"pfad", pfad},
        {"lastBackup", e.lastBackup},
        {"stall", QStringLiteral("%1:%2").arg(e.stallzugang).arg(e.stallPort)}};
    return ist.value(name, QStringLiteral("<unbekannt>"));
}

struct Fall {
    const char *name, *zeile, *feld;
    QVariant erwartet;
};

void zeilen(std::initializer_list<Fall> faelle) {
    QTest::addColumn<QByteArray>("zeile");
    QTest::addColumn<QString>("feld");
    QTest::addColumn<QVariant>("erwartet");
    for (const Fall& f : faelle)
        QTest::newRow(f.name) << QByteArray(f.zeile) << QString::fromLatin1(f.feld) << f.erwartet;
}

} // namespace

class TestEinstellungenSpeicher : public QObject {
    Q_OBJECT
private slots:
    void leseregeln_data() {
        zeilen({
            // Defaults other parts lean on: the hit list's weights, the date that means "never
            // backed up", the sows shown in the selection.
            {"default weights", "", "index", "0,100,0,0,0,0,0"},
            {"default last backup", "", "lastBackup", "01.01.2010"},
            {"default shown sows", "", "anzeige", "1111011"},
            {"default data directory", "", "pfad", "/prog/"},
            {"hex integer", "MAXGRUPPE=0x1A", "maxGruppe", 26},
            {"not a number gives default", "MAXGRUPPE=viele", "maxGruppe", 7},
            {"0x alone is no hex", "MAXEBER=0x", "maxEber", -1},
            {"boolean as integer", "AUTOSORT=5", "autosort", true},
            {"boolean not a number gives default", "VOLLBILD=ja", "vollbild", true},
            {"currency dm", "STANDARDWAEHRUNG=dm", "waehrung", int(DM)},
            {"currency x", "STANDARDWAEHRUNG=x", "waehrung", int(nw)},
            // Another first letter leaves the currency as it was before reading (DM).
            {"currency unknown letter", "STANDARDWAEHRUNG=Yen", "waehrung", int(DM)},
            {"X/EURO abbreviation at most 2", "X/EURO=2/CHF", "kuerzel4", QStringLiteral("CH")},
            {"EUROZEICHEN first two", "EUROZEICHEN=EUR", "kuerzel0", QStringLiteral("EU")},
            {"rate not a number gives default", "DM/EURO=abc", "kurs1", 1.95583},
            {"rate with decimal comma", "DM/EURO=2,5", "kurs1", 2.5},
            {"key with slash, blanks around =", "OS/EURO = 14.25", "kurs2", 14.25},
            {"PFAD gets a separator", "PFAD=/daten", "pfad", QStringLiteral("/daten/")},
            {"key case matters", "maxgruppe=3", "maxGruppe", 7},
        });
        // The barn access stays off, on its port, unless the store says otherwise.
        QTest::newRow("barn access default")
            << QByteArray("[STALLZUGANG]") << "stall" << QVariant("0:8470");
        QTest::newRow("barn access on")
            << QByteArray("[STALLZUGANG]\nAN=1\nPORT=9000") << "stall" << QVariant("1:9000");
        QTest::newRow("barn port below 1024 gives default")
            << QByteArray("[STALLZUGANG]\nAN=1\nPORT=80") << "stall" << QVariant("1:8470");
        QTest::newRow("section names without case")
            << QByteArray("[auswertung]\nINDEX1=40") << "index" << QVariant("40,100,0,0,0,0,0");
        QTest::newRow("group rhythm out of range")
            << QByteArray("[AUSWERTUNG]\nGRUPPENRHYTHMUS=9") << "rhythmus" << QVariant(5);
    }
    void leseregeln() {
        QFETCH(QByteArray, zeile);
        QFETCH(QString, feld);
        QString pfad;
        const Einstellungen e = ausStore(
            zeile.startsWith('[') ? zeile + '\n' : "[EINSTELLUNGEN]\n" + zeile + '\n', &pfad);
        QTEST(wert(e, feld, pfad), "erwartet");
    }

    void jederSchluesselHinUndZurueck() {
        Einstellungen e;
        e.anzeige = {false, true, false, true, true, false, true};
        e.sortierung = 4;
        e.schnellhilfe = e.futtermengen = e.autosort = e.mitKommentar = true;
        e.mitEinstall = e.mitVerkauf = true;
        e.einzelspeicherung = e.backupdatei = e.vollbild = e.weibliche = false;
        e.mitStall = e.mitTage = e.mitWurf = e.gebGewicht = e.absGewicht = false;
        e.ziellaufwerk = QStringLiteral("/media/stick");
        e.maxEber = 12;
        e.maxGruppe = 9;
        e.waehrung.anzeige = Fr;
        e.waehrung.kurs = {1, 2.5, 14.25, 1.75, 1.5};
        e.waehrung.kuerzel[4] = QStringLiteral("CH");
        e.lastBackup = QStringLiteral("03.04.2026 10:15");
        e.printerFont = QStringLiteral("DejaVu Sans");
        e.index = {10, 20, 30, 40, 0, 0, 0};
        e.item = {3, 4, 0, 0, 0};
        e.filterVon = QDate(2025, 7, 1);
        e.filterBis = QDate(2026, 6, 30);
        e.gruppenrhythmus = 3;
        e.gruppenstart = QDate(2023, 1, 2);
        e.zielAbferkelrate = 87.5;
        e.zielLebend = 15.2;

        QTemporaryDir dir;
        const QString datei = dir.filePath(QStringLiteral("PV.INI"));
        QVERIFY(einstellungen::pfadSchreiben(datei, QStringLiteral("/daten/herde/")));
        QVERIFY(EinstellungenSchreiben(datei, e));
        Einstellungen r;
        QString pfad;
        QCOMPARE(EinstellungenLesen(datei, dir.filePath(QStringLiteral("fehlt/PV.ini")), r, pfad,
                                    QStringLiteral("/prog/")),
                 einstellungen::Quelle::Store);
        const auto felder = [](const Einstellungen& x) {
            return std::tie(x.anzeige, x.sortierung, x.schnellhilfe, x.einzelspeicherung,
                            x.backupdatei, x.ziellaufwerk, x.futtermengen, x.vollbild, x.weibliche,
                            x.autosort, x.maxEber, x.maxGruppe, x.waehrung.anzeige, x.waehrung.kurs,
                            x.waehrung.kuerzel, x.lastBackup, x.printerFont, x.mitStall, x.mitTage,
                            x.mitWurf, x.index, x.gebGewicht, x.absGewicht, x.mitKommentar,
                            x.mitEinstall, x.mitVerkauf, x.item, x.filterVon, x.filterBis,
                            x.gruppenrhythmus, x.gruppenstart, x.zielAbferkelrate, x.zielLebend);
        };
        QVERIFY(felder(r) == felder(e));
        // The data directory is never written with the other settings but survives them.
        QCOMPARE(pfad, QStringLiteral("/daten/herde/"));
    }

    // The forms the keys are written in; unknown keys and sections of the file stay.
    void geschriebeneTextformen() {
        Einstellungen e;
        e.waehrung.anzeige = DM;
        e.waehrung.kurs[4] = 1.5;
        e.waehrung.kuerzel[4] = QStringLiteral("CH");
        IniDatei s;
        s.lesen("[EINSTELLUNGEN]\nDM/EURO=1,95583\n[FREMD]\nA=b\n");
        einstellungen::inStore(e, s);
        const QString g = QStringLiteral("EINSTELLUNGEN");
        QCOMPARE(*s.wert(g, QStringLiteral("DM/EURO")), QStringLiteral("  1.955830"));
        QCOMPARE(*s.wert(g, QStringLiteral("X/EURO")), QStringLiteral("  1.500000/CH"));
        QCOMPARE(*s.wert(g, QStringLiteral("STANDARDWAEHRUNG")), QStringLiteral("DM"));
        QCOMPARE(*s.wert(g, QStringLiteral("EUROZEICHEN")), QStringLiteral("E"));
        QCOMPARE(*s.wert(g, QStringLiteral("SCHNELLHILFE")), QStringLiteral("1"));
        QCOMPARE(*s.wert(QStringLiteral("BESTANDSKARTE"), QStringLiteral("ITEM1")),
                 QStringLiteral("5"));
        QVERIFY(!s.wert(g, QStringLiteral("PFAD")));
        e.filterVon = QDate(2025, 3, 9);
        einstellungen::inStore(e, s);
        QCOMPARE(*s.wert(QStringLiteral("AUSWERTUNG"), QStringLiteral("FILTERVON")),
                 QStringLiteral("09.03.2025"));
        e.waehrung.kuerzel[4].clear();
        einstellungen::inStore(e, s);
        QCOMPARE(*s.wert(g, QStringLiteral("X/EURO")), QStringLiteral("  1.500000/"));
        IniDatei r;
        r.lesen(s.text());
        QCOMPARE(*r.wert(QStringLiteral("FREMD"), QStringLiteral("A")), QStringLiteral("b"));
    }

    void aeltereDatei_data() {
        zeilen({
            {"ARBPLANSTALL two fields: MITTAGE", "ARBPLANSTALL=wahr,falsch", "mitTage", false},
            {"ARBPLANSTALL two fields leave MITWURF", "ARBPLANSTALL=falsch,falsch", "mitWurf",
             true},
            {"ARBPLANSTALL three fields", "ARBPLANSTALL=EIN,EIN,aus", "mitWurf", false},
            {"ANZEIGE", "ANZEIGE=TRUE,false,wahr,ein,Ein,0,1", "anzeige", "1011100"},
            {"a blank after the word is not true", "VOLLBILD=EIN ", "vollbild", false},
            {"ZIELLAUFWERK upper-cased", "ZIELLAUFWERK=d:\\sicher", "ziel", "D:\\SICHER"},
            {"BESTANDSKARTE positions", "BESTANDSKARTE=3,1,5,0,0", "item", "31500"},
            {"MAXEBER after a further =", "MAXEBER==12", "maxEber", 12},
            {"rate that does not convert is ignored", "DM/EURO=zwei", "kurs1", 1.95583},
            {"X/EURO", "X/EURO=1.5/CHF", "kuerzel4", "CH"},
            {"EUROZEICHEN first character", "EUROZEICHEN=€uro", "kuerzel0", "€"},
            {"INDEX up to seven", "INDEX=10,20,30", "index", "10,20,30,0,0,0,0"},
            {"GEWICHTE", "GEWICHTE=falsch,wahr", "gewichte", "01"},
            {"STANDARDWAEHRUNG", "STANDARDWAEHRUNG=Schilling", "waehrung", int(oS)},
            {"line end CR LF", "VOLLBILD=WAHR\r", "vollbild", true},
        });
    }
    void aeltereDatei() {
        QFETCH(QByteArray, zeile);
        QFETCH(QString, feld);
        Einstellungen e;
        einstellungen::ausAlterDatei("# alte Datei\n" + QString::fromUtf8(zeile) + u'\n', e);
        QTEST(wert(e, feld), "erwartet");
    }

    void aeltereDateiGehtVor() {
        QTemporaryDir dir;
        const QString store = dir.filePath(QStringLiteral("PV.INI"));
        QVERIFY(schreiben(store, "[EINSTELLUNGEN]\nMAXGRUPPE=3\nPFAD=/daten/\nAUTOSORT=0\n"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("cwd")));
        const QString alt = dir.filePath(QStringLiteral("cwd/PV.ini"));
        QVERIFY(schreiben(alt, "SORTIERUNG=2\r\n"));
        Einstellungen e;
        QString pfad = QStringLiteral("/vorher/");
        QCOMPARE(EinstellungenLesen(store, alt, e, pfad, QStringLiteral("/prog/")),
                 einstellungen::Quelle::AlteDatei);
        QCOMPARE(e.sortierung, 2);
        QCOMPARE(e.maxGruppe, 7);    // the store was not read
        QCOMPARE(e.autosort, true);  // initial value, not the store's default
        QCOMPARE(e.vollbild, false); // initial value
        QVERIFY(pfad.isEmpty());     // data files in the working directory
    }

    // A key of only blanks is no entry (kept, it was written back as "=value" and then lost);
    // odd lines read as what they mean, and the file reads back as it was written.
    void seltsameZeilen_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("key of blanks, comment, CR LF")
            << QByteArray("; Kommentar\r\n[EINSTELLUNGEN]\r\nVOLLBILD=1\r\n  =leer\r\n[leer]\r\n")
            << QByteArray("[EINSTELLUNGEN]\nVOLLBILD=1\n\n[leer]\n");
        QTest::newRow("several CRs, value blanks kept")
            << QByteArray("[EINSTELLUNGEN]\r\nVOLLBILD=1\r\r\n  =leer\n; Kommentar\nMAXEBER= 5 \n")
            << QByteArray("[EINSTELLUNGEN]\nVOLLBILD=1\nMAXEBER= 5 \n");
    }
    void seltsameZeilen() {
        QFETCH(QByteArray, ini);
        QFETCH(QByteArray, text);
        IniDatei s;
        s.lesen(ini);
        QVERIFY(!s.wert(QStringLiteral("EINSTELLUNGEN"), QString()).has_value());
        QCOMPARE(*s.wert(QStringLiteral("EINSTELLUNGEN"), QStringLiteral("VOLLBILD")),
                 QStringLiteral("1"));
        QCOMPARE(s.text(), text);
        IniDatei r;
        r.lesen(text);
        QCOMPARE(r.text(), text);
    }
};

QTEST_GUILESS_MAIN(TestEinstellungenSpeicher)
#include "tst_einstellungenspeicher.moc"
