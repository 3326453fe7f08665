#include "hilfetexte.h"

#include <array>

namespace hilfetexte {
namespace {

struct Zeile {
    int kontext;
    const char* seite;
};

constexpr std::array kTabelle{
    Zeile{100, "start.html"},          Zeile{150, "hilfslisten.html"},
    Zeile{200, "saukarte.html"},       Zeile{220, "sauauswahl.html"},
    Zeile{250, "saukarte.html"},       Zeile{251, "saukarte.html"},
    Zeile{252, "saukarte.html"},       Zeile{253, "anomalien.html"},
    Zeile{270, "saukarte.html"},       Zeile{300, "auswertung.html"},
    Zeile{401, "notizen.html"},        Zeile{403, "datensicherung.html"},
    Zeile{404, "einstellungen.html"},  Zeile{600, "einstellungen.html"},
    Zeile{601, "datensicherung.html"}, Zeile{604, "einstellungen.html"},
    Zeile{605, "einstellungen.html"},  Zeile{606, "einstellungen.html"},
    Zeile{700, "drucken.html"},        Zeile{1000, "notizen.html"},
    Zeile{1001, "rechner.html"},
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
