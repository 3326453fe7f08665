#include "programm/einstellungenspeicher.h"
#include "platform/inidatei.h"

#include <QFile>
#include <QTemporaryDir>
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

Einstellungen ausAlt(const QString& text) {
    Einstellungen e;
    einstellungen::ausAlterDatei(text, e);
    return e;
}

} // namespace

class TestEinstellungenSpeicher : public QObject {
    Q_OBJECT
private slots:
    void emptyStoreGivesDefaults();
    void readingRules_data();
    void readingRules();
    void writeReadRoundTripOfEveryKey();
    void writtenTextForms();
    void olderFile_data();
    void olderFile();
    void olderFileWinsOverStore();
    void keysWithSlashStayLiteral();
    void lineWithoutKeyIsSkipped();
    void oddLinesReadBackAsWritten();
};

void TestEinstellungenSpeicher::emptyStoreGivesDefaults() {
    QString pfad;
    const Einstellungen e = ausStore({}, &pfad);
    QCOMPARE(e.waehrung.anzeige, Euro);
    QCOMPARE(e.waehrung.kuerzel[0], QStringLiteral("€"));
    QCOMPARE(e.schnellhilfe, false);
    QCOMPARE(e.vollbild, true);
    QCOMPARE(e.autosort, false);
    QCOMPARE(e.index, (std::array<int, 7>{0, 100, 0, 0, 0, 0, 0}));
    QCOMPARE(e.maxEber, -1);
    QCOMPARE(e.maxGruppe, 7);
    QCOMPARE(e.item, (std::array<int, 5>{5, 1, 2, 0, 0}));
    QCOMPARE(e.ziellaufwerk, QStringLiteral("A:"));
    QCOMPARE(e.lastBackup, QStringLiteral("01.01.2010"));
    QCOMPARE(e.waehrung.kurs[1], 1.95583);
    QCOMPARE(e.waehrung.kurs[4], 1.0);
    QCOMPARE(e.waehrung.kuerzel[4], QString());
    QCOMPARE(e.anzeige, (std::array<bool, 7>{true, true, true, true, false, true, true}));
    QCOMPARE(pfad, QStringLiteral("/prog/"));
}

void TestEinstellungenSpeicher::readingRules_data() {
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("feld");
    QTest::addColumn<QVariant>("erwartet");
    const QByteArray g = "[EINSTELLUNGEN]\n";
    QTest::newRow("hex integer") << g + "MAXGRUPPE=0x1A\n"
                                 << "maxGruppe" << QVariant(26);
    QTest::newRow("not a number gives default") << g + "MAXGRUPPE=viele\n"
                                                << "maxGruppe" << QVariant(7);
    QTest::newRow("0x alone is no hex") << g + "MAXEBER=0x\n"
                                        << "maxEber" << QVariant(-1);
    QTest::newRow("boolean as integer") << g + "AUTOSORT=5\n"
                                        << "autosort" << QVariant(true);
    QTest::newRow("boolean not a number gives default") << g + "VOLLBILD=ja\n"
                                                        << "vollbild" << QVariant(true);
    QTest::newRow("currency dm") << g + "STANDARDWAEHRUNG=dm\n"
                                 << "anzeige" << QVariant(int(DM));
    QTest::newRow("currency Fr") << g + "STANDARDWAEHRUNG=Fr\n"
                                 << "anzeige" << QVariant(int(Fr));
    QTest::newRow("currency x") << g + "STANDARDWAEHRUNG=x\n"
                                << "anzeige" << QVariant(int(nw));
    // Another first letter leaves the currency as it was before reading (DM).
    QTest::newRow("currency unknown letter") << g + "STANDARDWAEHRUNG=Yen\n"
                                             << "anzeige" << QVariant(int(DM));
    QTest::newRow("X/EURO rate") << g + "X/EURO=  1.500000/CH\n"
                                 << "kurs4" << QVariant(1.5);
    QTest::newRow("X/EURO abbreviation") << g + "X/EURO=  1.500000/CH\n"
                                         << "kuerzel4" << QVariant(QStringLiteral("CH"));
    QTest::newRow("X/EURO abbreviation at most 2") << g + "X/EURO=2/CHF\n"
                                                   << "kuerzel4" << QVariant(QStringLiteral("CH"));
    QTest::newRow("EUROZEICHEN first two") << g + "EUROZEICHEN=EUR\n"
                                           << "kuerzel0" << QVariant(QStringLiteral("EU"));
    QTest::newRow("rate") << g + "DM/EURO=  2.000000\n"
                          << "kurs1" << QVariant(2.0);
    QTest::newRow("rate not a number gives default") << g + "DM/EURO=abc\n"
                                                     << "kurs1" << QVariant(1.95583);
    QTest::newRow("PFAD gets a separator") << g + "PFAD=/daten\n"
                                           << "pfad" << QVariant(QStringLiteral("/daten/"));
    QTest::newRow("section names without case")
        << QByteArray("[auswertung]\nINDEX1=40\n") << "index1" << QVariant(40);
    QTest::newRow("key case matters") << g + "maxgruppe=3\n"
                                      << "maxGruppe" << QVariant(7);
}

void TestEinstellungenSpeicher::readingRules() {
    QFETCH(QByteArray, ini);
    QFETCH(QString, feld);
    QFETCH(QVariant, erwartet);
    QString pfad;
    const Einstellungen e = ausStore(ini, &pfad);
    const QMap<QString, QVariant> ist = {
        {"maxGruppe", e.maxGruppe},
        {"maxEber", e.maxEber},
        {"autosort", e.autosort},
        {"vollbild", e.vollbild},
        {"anzeige", int(e.waehrung.anzeige)},
        {"kurs1", e.waehrung.kurs[1]},
        {"kurs4", e.waehrung.kurs[4]},
        {"kuerzel0", e.waehrung.kuerzel[0]},
        {"kuerzel4", e.waehrung.kuerzel[4]},
        {"pfad", pfad},
        {"index1", e.index[0]},
    };
    QVERIFY(ist.contains(feld));
    QCOMPARE(ist.value(feld), erwartet);
}

void TestEinstellungenSpeicher::writeReadRoundTripOfEveryKey() {
    Einstellungen e;
    e.anzeige = {false, true, false, true, true, false, true};
    e.sortierung = 4;
    e.schnellhilfe = true;
    e.einzelspeicherung = false;
    e.backupdatei = false;
    e.ziellaufwerk = QStringLiteral("/media/stick");
    e.futtermengen = true;
    e.vollbild = false;
    e.weibliche = false;
    e.autosort = true;
    e.maxEber = 12;
    e.maxGruppe = 9;
    e.waehrung.anzeige = Fr;
    e.waehrung.kurs = {1, 2.5, 14.25, 1.75, 1.5};
    e.waehrung.kuerzel[0] = QStringLiteral("€");
    e.waehrung.kuerzel[4] = QStringLiteral("CH");
    e.lastBackup = QStringLiteral("03.04.2026 10:15");
    e.printerFont = QStringLiteral("DejaVu Sans");
    e.mitStall = false;
    e.mitTage = false;
    e.mitWurf = false;
    e.index = {10, 20, 30, 40, 0, 0, 0};
    e.gebGewicht = false;
    e.absGewicht = false;
    e.mitKommentar = true;
    e.mitEinstall = true;
    e.mitVerkauf = true;
    e.item = {3, 4, 0, 0, 0};

    QTemporaryDir dir;
    const QString datei = dir.filePath(QStringLiteral("PV.INI"));
    QVERIFY(einstellungen::pfadSchreiben(datei, QStringLiteral("/daten/herde/")));
    QVERIFY(EinstellungenSchreiben(datei, e));
    Einstellungen r;
    QString pfad;
    QCOMPARE(EinstellungenLesen(datei, dir.filePath(QStringLiteral("fehlt/PV.ini")), r, pfad,
                                QStringLiteral("/prog/")),
             einstellungen::Quelle::Store);
    QCOMPARE(r.anzeige, e.anzeige);
    QCOMPARE(r.sortierung, e.sortierung);
    QCOMPARE(r.schnellhilfe, e.schnellhilfe);
    QCOMPARE(r.einzelspeicherung, e.einzelspeicherung);
    QCOMPARE(r.backupdatei, e.backupdatei);
    QCOMPARE(r.ziellaufwerk, e.ziellaufwerk);
    QCOMPARE(r.futtermengen, e.futtermengen);
    QCOMPARE(r.vollbild, e.vollbild);
    QCOMPARE(r.weibliche, e.weibliche);
    QCOMPARE(r.autosort, e.autosort);
    QCOMPARE(r.maxEber, e.maxEber);
    QCOMPARE(r.maxGruppe, e.maxGruppe);
    QCOMPARE(r.waehrung.anzeige, e.waehrung.anzeige);
    QCOMPARE(r.waehrung.kurs, e.waehrung.kurs);
    QCOMPARE(r.waehrung.kuerzel, e.waehrung.kuerzel);
    QCOMPARE(r.lastBackup, e.lastBackup);
    QCOMPARE(r.printerFont, e.printerFont);
    QCOMPARE(r.mitStall, e.mitStall);
    QCOMPARE(r.mitTage, e.mitTage);
    QCOMPARE(r.mitWurf, e.mitWurf);
    QCOMPARE(r.index, e.index);
    QCOMPARE(r.gebGewicht, e.gebGewicht);
    QCOMPARE(r.absGewicht, e.absGewicht);
    QCOMPARE(r.mitKommentar, e.mitKommentar);
    QCOMPARE(r.mitEinstall, e.mitEinstall);
    QCOMPARE(r.mitVerkauf, e.mitVerkauf);
    QCOMPARE(r.item, e.item);
    // The data directory is never written with the other settings but survives them.
    QCOMPARE(pfad, QStringLiteral("/daten/herde/"));
}

void TestEinstellungenSpeicher::writtenTextForms() {
    Einstellungen e;
    e.waehrung.anzeige = DM;
    e.waehrung.kurs[4] = 1.5;
    e.waehrung.kuerzel[4] = QStringLiteral("CH");
    IniDatei s;
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
    e.waehrung.kuerzel[4].clear();
    einstellungen::inStore(e, s);
    QCOMPARE(*s.wert(g, QStringLiteral("X/EURO")), QStringLiteral("  1.500000/"));
}

void TestEinstellungenSpeicher::olderFile_data() {
    QTest::addColumn<QString>("zeile");
    QTest::addColumn<QString>("feld");
    QTest::addColumn<QVariant>("erwartet");
    QTest::newRow("ARBPLANSTALL two fields: MITSTALL") << "ARBPLANSTALL=wahr,falsch"
                                                       << "mitStall" << QVariant(true);
    QTest::newRow("ARBPLANSTALL two fields: MITTAGE") << "ARBPLANSTALL=wahr,falsch"
                                                      << "mitTage" << QVariant(false);
    QTest::newRow("ARBPLANSTALL two fields leave MITWURF") << "ARBPLANSTALL=falsch,falsch"
                                                           << "mitWurf" << QVariant(true);
    QTest::newRow("ARBPLANSTALL three fields") << "ARBPLANSTALL=EIN,EIN,aus"
                                               << "mitWurf" << QVariant(false);
    QTest::newRow("ANZEIGE") << "ANZEIGE=TRUE,false,wahr,ein,Ein,0,1"
                             << "anzeige" << QVariant(QStringLiteral("1011100"));
    QTest::newRow("a blank after the word is not true") << "VOLLBILD=EIN "
                                                        << "vollbild" << QVariant(false);
    QTest::newRow("ZIELLAUFWERK upper-cased") << "ZIELLAUFWERK=d:\\sicher"
                                              << "ziel" << QVariant(QStringLiteral("D:\\SICHER"));
    QTest::newRow("BESTANDSKARTE positions") << "BESTANDSKARTE=3,1,5,0,0"
                                             << "item" << QVariant(QStringLiteral("31500"));
    QTest::newRow("MAXEBER after a further =") << "MAXEBER==12"
                                               << "maxEber" << QVariant(12);
    QTest::newRow("MAXGRUPPE") << "MAXGRUPPE=4"
                               << "maxGruppe" << QVariant(4);
    QTest::newRow("rate that does not convert is ignored") << "DM/EURO=zwei"
                                                           << "kurs1" << QVariant(1.95583);
    QTest::newRow("X/EURO") << "X/EURO=1.5/CHF"
                            << "kuerzel4" << QVariant(QStringLiteral("CH"));
    QTest::newRow("EUROZEICHEN first character") << "EUROZEICHEN=€uro"
                                                 << "kuerzel0" << QVariant(QStringLiteral("€"));
    QTest::newRow("INDEX up to seven") << "INDEX=10,20,30"
                                       << "index" << QVariant(QStringLiteral("10,20,30,0,0,0,0"));
    QTest::newRow("GEWICHTE") << "GEWICHTE=falsch,wahr"
                              << "gewichte" << QVariant(QStringLiteral("01"));
    QTest::newRow("STANDARDWAEHRUNG") << "STANDARDWAEHRUNG=Schilling"
                                      << "waehrung" << QVariant(int(oS));
    QTest::newRow("line end CR LF") << "VOLLBILD=WAHR\r"
                                    << "vollbild" << QVariant(true);
}

void TestEinstellungenSpeicher::olderFile() {
    QFETCH(QString, zeile);
    QFETCH(QString, feld);
    QFETCH(QVariant, erwartet);
    const Einstellungen e = ausAlt(QStringLiteral("# alte Datei\n") + zeile + u'\n');
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
        {"kurs1", e.waehrung.kurs[1]},
        {"kuerzel4", e.waehrung.kuerzel[4]},
        {"kuerzel0", e.waehrung.kuerzel[0]},
        {"index", index},
        {"gewichte",
         QString(QChar(e.gebGewicht ? u'1' : u'0')) + QChar(e.absGewicht ? u'1' : u'0')},
        {"waehrung", int(e.waehrung.anzeige)},
        {"vollbild", e.vollbild},
    };
    QVERIFY(ist.contains(feld));
    QCOMPARE(ist.value(feld), erwartet);
}

void TestEinstellungenSpeicher::olderFileWinsOverStore() {
    QTemporaryDir dir;
    const QString store = dir.filePath(QStringLiteral("PV.INI"));
    {
        QFile f(store);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[EINSTELLUNGEN]\nMAXGRUPPE=3\nPFAD=/daten/\nAUTOSORT=0\n");
    }
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("cwd")));
    const QString alt = dir.filePath(QStringLiteral("cwd/PV.ini"));
    {
        QFile f(alt);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("SORTIERUNG=2\r\n");
    }
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

void TestEinstellungenSpeicher::keysWithSlashStayLiteral() {
    IniDatei s;
    s.lesen("[EINSTELLUNGEN]\nDM/EURO=1,95583\nOS/EURO = 13.7603\n");
    QCOMPARE(*s.wert(QStringLiteral("EINSTELLUNGEN"), QStringLiteral("DM/EURO")),
             QStringLiteral("1,95583"));
    Einstellungen e;
    QString p;
    einstellungen::ausStore(s, e, p, {});
    QCOMPARE(e.waehrung.kurs[1], 1.95583);
    QCOMPARE(e.waehrung.kurs[2], 13.7603);
    // Writing keeps unknown keys and sections of the file.
    s.setzen(QStringLiteral("FREMD"), QStringLiteral("A"), QStringLiteral("b"));
    einstellungen::inStore(e, s);
    IniDatei r;
    r.lesen(s.text());
    QCOMPARE(*r.wert(QStringLiteral("FREMD"), QStringLiteral("A")), QStringLiteral("b"));
}

// A line whose key is only blanks is no entry: it was kept under an empty key and written
// back as "=value", which the next reading drops (found by the fuzz target of the store).
void TestEinstellungenSpeicher::lineWithoutKeyIsSkipped() {
    IniDatei s;
    s.lesen("; Kommentar\r\n[EINSTELLUNGEN]\r\nVOLLBILD=1\r\n  =leer\r\n[leer]\r\n");
    QVERIFY(!s.wert(QStringLiteral("EINSTELLUNGEN"), QString()).has_value());
    const QByteArray text = s.text();
    QCOMPARE(text, QByteArray("[EINSTELLUNGEN]\nVOLLBILD=1\n\n[leer]\n"));
    IniDatei r;
    r.lesen(text);
    QCOMPARE(r.text(), text);
}

void TestEinstellungenSpeicher::oddLinesReadBackAsWritten() {
    // Several CRs before the line end, a key of blanks only, a comment line.
    IniDatei s;
    s.lesen("[EINSTELLUNGEN]\r\nVOLLBILD=1\r\r\n  =leer\n; Kommentar\nMAXEBER= 5 \n");
    QCOMPARE(*s.wert(QStringLiteral("EINSTELLUNGEN"), QStringLiteral("VOLLBILD")),
             QStringLiteral("1"));
    QCOMPARE(*s.wert(QStringLiteral("EINSTELLUNGEN"), QStringLiteral("MAXEBER")),
             QStringLiteral(" 5 "));
    IniDatei r;
    r.lesen(s.text());
    QCOMPARE(r.text(), s.text());
    QCOMPARE(s.text(), QByteArray("[EINSTELLUNGEN]\nVOLLBILD=1\nMAXEBER= 5 \n"));
}

QTEST_GUILESS_MAIN(TestEinstellungenSpeicher)
#include "tst_einstellungenspeicher.moc"
