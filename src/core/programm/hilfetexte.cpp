#include "programm/hilfetexte.h"

#include <array>

namespace hilfetexte {
namespace {

struct Zeile {
    int kontext;
    const char* seite;
};

constexpr std::array kTabelle{
    Zeile{100, "start.html"},
    Zeile{150, "hilfslisten.html"},
    Zeile{200, "saukarte.html"},
    Zeile{220, "sauauswahl.html"},
    Zeile{250, "saukarte.html"},
    Zeile{251, "belegen.html"},
    Zeile{252, "wurftermine.html"},
    Zeile{253, "abferkeln.html"},
    Zeile{270, "sammelbuchung.html"},
    Zeile{300, "auswahl.html"},
    Zeile{310, "auswertung.html"},
    Zeile{320, "hitliste.html"},
    Zeile{330, "vergleich.html"},
    Zeile{340, "bewegungen.html"},
    Zeile{350, "ferkelabgaenge.html"},
    Zeile{360, "ausfallzeitpunkt.html"},
    Zeile{401, "notizen.html"},
    Zeile{403, "datensicherung.html"},
    Zeile{405, "austausch.html"},
    Zeile{404, "einstellungen.html"},
    Zeile{500, "arbeitsplan.html"},
    Zeile{510, "planzeiten.html"},
    Zeile{520, "plantypen.html"},
    Zeile{600, "einstellungen.html"},
    Zeile{601, "datensicherung.html"},
    Zeile{604, "leistungsindex.html"},
    Zeile{605, "einstellungen.html"},
    Zeile{606, "bestandskarte.html"},
    Zeile{700, "drucken.html"},
    Zeile{800, "futtermischung.html"},
    Zeile{810, "futterkomponente.html"},
    Zeile{1000, "notizen.html"},
    Zeile{1001, "rechner.html"},
    Zeile{370, "belegwochen.html"},
    Zeile{710, "uebersicht.html"},
    Zeile{720, "offenepunkte.html"},
    Zeile{730, "stallzugang.html"},
};

} // namespace

QString Seite(int kontext) {
    for (const Zeile& z : kTabelle)
        if (z.kontext == kontext) return QStringLiteral(":/hilfe/") + QLatin1String(z.seite);
    return QStringLiteral(":/hilfe/start.html");
}

bool Bekannt(int kontext) {
    for (const Zeile& z : kTabelle)
        if (z.kontext == kontext) return true;
    return false;
}

QList<int> Kontexte() {
    QList<int> out;
    for (const Zeile& z : kTabelle)
        out << z.kontext;
    return out;
}

} // namespace hilfetexte
