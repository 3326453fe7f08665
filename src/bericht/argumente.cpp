#include "bericht/argumente.h"

namespace {

// Options that take a value; every other option is a switch.
const QStringList kMitWert = {
    QStringLiteral("--daten"), QStringLiteral("--einstellungen"), QStringLiteral("--heute"),
    QStringLiteral("--pdf"),   QStringLiteral("--csv"),           QStringLiteral("--ab"),
    QStringLiteral("--kw"),    QStringLiteral("--plantyp"),       QStringLiteral("--sau"),
    QStringLiteral("--wurf"),  QStringLiteral("--eber"),          QStringLiteral("--datumsart"),
    QStringLiteral("--von"),   QStringLiteral("--bis"),           QStringLiteral("--herkunft"),
    QStringLiteral("--rasse"), QStringLiteral("--rhythmus"),
};
const QStringList kSchalter = {
    QStringLiteral("--auswahl"),         QStringLiteral("--nur-ganze-wuerfe"),
    QStringLiteral("--alle-wuerfe"),     QStringLiteral("--nur-vorhandene"),
    QStringLiteral("--nur-erster-wurf"),
};
const QStringList kAllgemein = {QStringLiteral("--daten"), QStringLiteral("--einstellungen"),
                                QStringLiteral("--heute"), QStringLiteral("--pdf"),
                                QStringLiteral("--csv")};
const QStringList kFilter = {
    QStringLiteral("--datumsart"),
    QStringLiteral("--von"),
    QStringLiteral("--bis"),
    QStringLiteral("--eber"),
    QStringLiteral("--herkunft"),
    QStringLiteral("--rasse"),
    QStringLiteral("--nur-ganze-wuerfe"),
    QStringLiteral("--alle-wuerfe"),
    QStringLiteral("--nur-vorhandene"),
    QStringLiteral("--nur-erster-wurf"),
};

} // namespace

bool BefehlszeileLesen(const QStringList& args, Befehlszeile& b, QString& fehler) {
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            b.hilfe = true;
        } else if (kMitWert.contains(a)) {
            if (i + 1 >= args.size()) {
                fehler = QStringLiteral("Zur Option %1 fehlt der Wert.").arg(a);
                return false;
            }
            if (b.werte.contains(a)) {
                fehler = QStringLiteral("Die Option %1 ist mehrfach angegeben.").arg(a);
                return false;
            }
            b.werte.insert(a, args[++i]);
        } else if (kSchalter.contains(a)) {
            b.schalter.insert(a);
        } else if (a.startsWith(QLatin1String("--"))) {
            fehler = QStringLiteral("Unbekannte Option %1.").arg(a);
            return false;
        } else {
            b.worte << a;
        }
    }
    return true;
}

QStringList BerichtNamen() {
    return {QStringLiteral("arbeitsplan"),      QStringLiteral("auswertung"),
            QStringLiteral("hitliste"),         QStringLiteral("vergleich"),
            QStringLiteral("bewegungen"),       QStringLiteral("ferkelbuch"),
            QStringLiteral("ausfallzeitpunkt"), QStringLiteral("karte"),
            QStringLiteral("mischung"),         QStringLiteral("wurfdaten"),
            QStringLiteral("belegwochen"),      QStringLiteral("offen")};
}

QStringList BerichtsOptionen(const QString& bericht) {
    if (bericht == QLatin1String("arbeitsplan"))
        return {QStringLiteral("--ab"), QStringLiteral("--kw"), QStringLiteral("--plantyp")};
    if (bericht == QLatin1String("auswertung"))
        return kFilter + QStringList{QStringLiteral("--sau"), QStringLiteral("--wurf"),
                                     QStringLiteral("--auswahl")};
    if (bericht == QLatin1String("hitliste") || bericht == QLatin1String("vergleich") ||
        bericht == QLatin1String("ausfallzeitpunkt") || bericht == QLatin1String("wurfdaten"))
        return kFilter;
    // The service groups take the period of the first mating and no check boxes.
    if (bericht == QLatin1String("belegwochen"))
        return {QStringLiteral("--von"),   QStringLiteral("--bis"),
                QStringLiteral("--eber"),  QStringLiteral("--herkunft"),
                QStringLiteral("--rasse"), QStringLiteral("--rhythmus")};
    if (bericht == QLatin1String("bewegungen") || bericht == QLatin1String("ferkelbuch"))
        if (bericht == QLatin1String("bewegungen") || bericht == QLatin1String("ferkelbuch") ||
            bericht == QLatin1String("offen"))
            return {QStringLiteral("--von"), QStringLiteral("--bis")};
    return {};
}

bool OptionenPruefen(const Befehlszeile& b, QString& fehler) {
    if (b.worte.isEmpty()) {
        fehler = QStringLiteral("Es ist kein Bericht angegeben (--help zeigt die Berichte).");
        return false;
    }
    const QString bericht = b.worte.first();
    const QStringList erlaubt = BerichtsOptionen(bericht);
    if (!BerichtNamen().contains(bericht)) {
        fehler = QStringLiteral("Unbekannter Bericht %1.").arg(bericht);
        return false;
    }
    QStringList gegeben = b.werte.keys();
    gegeben += QStringList(b.schalter.begin(), b.schalter.end());
    for (const QString& o : gegeben) {
        if (!kAllgemein.contains(o) && !erlaubt.contains(o)) {
            fehler = QStringLiteral("Die Option %1 gibt es beim Bericht %2 nicht.").arg(o, bericht);
            return false;
        }
    }
    if (b.werte.contains(QStringLiteral("--pdf")) == b.werte.contains(QStringLiteral("--csv"))) {
        fehler = QStringLiteral("Bitte genau eine Ausgabe angeben: --pdf DATEI oder --csv DATEI.");
        return false;
    }
    return true;
}

QDate IsoDatum(const QString& text) {
    if (text.size() != 10) return {};
    return QDate::fromString(text, Qt::ISODate);
}

bool GanzeZahl(const QString& text, int min, int& zahl) {
    bool ok = false;
    zahl = text.trimmed().toInt(&ok);
    return ok && zahl >= min;
}

QString Hilfetext() {
    return QStringLiteral(
        "Aufruf: porvanta-bericht [--daten VERZEICHNIS] [--einstellungen DATEI]\n"
        "                         [--heute JJJJ-MM-TT] BERICHT [OPTIONEN] (--pdf DATEI | --csv "
        "DATEI)\n"
        "\n"
        "Berichte:\n"
        "  arbeitsplan [--ab DATUM | --kw N] [--plantyp NAME]   (N: Woche 1 bis 53)\n"
        "  auswertung (--sau NR [--wurf N] | --eber NAME | --auswahl) [Filter]\n"
        "  hitliste [Filter]\n"
        "  vergleich (eber|herkunft|rasse) [Filter]   (ohne den Filter der eigenen Gruppe)\n"
        "  bewegungen [--von N --bis N]       (lfd. Nr. von bis: Druckbereich, nur --pdf)\n"
        "  offen [--von N --bis N]            (offene Punkte; lfd. Nr. von bis, nur --pdf)\n"
        "  ferkelbuch [--von N --bis N]       (Index von bis: Druckbereich, nur --pdf)\n"
        "  ausfallzeitpunkt [Filter]          (nur --pdf)\n"
        "  karte NR...                        (nur --pdf, eine Seite je Sau)\n"
        "  mischung NAME\n"
        "  wurfdaten [Filter]                 (nur --csv; ohne Filter jeder Wurf und jede Sau)\n"
        "  belegwochen [--von DATUM] [--bis DATUM] [--eber X] [--herkunft X] [--rasse X]\n"
        "              [--rhythmus N]  (Zeitraum des 1. Belegens, Vorgabe: 26 Wochen bis heute;\n"
        "              N: Wochen je Gruppe, 1 bis 5, Vorgabe aus den Einstellungen)\n"
        "\n"
        "Filter:\n"
        "  --datumsart einstallen|belegen|ferkeln|absetzen --von DATUM --bis DATUM\n"
        "  [--eber X] [--herkunft X] [--rasse X] [--nur-ganze-wuerfe|--alle-wuerfe]\n"
        "  [--nur-vorhandene] [--nur-erster-wurf]\n"
        "  Vorgaben wie im Filterdialog: belegen, von und bis heute, nur ganze Würfe.\n"
        "\n"
        "Datumsangaben als TT.MM.JJJJ oder TT.MM.JJ. Ohne --daten gilt das Datenverzeichnis\n"
        "der Einstellungen. Bei einem Fehler endet das Programm mit Status 2.\n");
}
