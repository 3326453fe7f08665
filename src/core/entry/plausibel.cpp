#include "entry/plausibel.h"

#include "herd/saustatus.h"

namespace plausibel {

namespace {

struct FeldEintrag {
    const char* name;
    const char* titel;
};

// In the order of the enumeration.
constexpr FeldEintrag kFelder[] = {
    {"", ""},
    {"Zugang", "Einstallung"},
    {"Abgang", "Abgang"},
    {"Belegen1", "1. Belegen"},
    {"Belegen2", "2. Belegen"},
    {"Belegen3", "3. Belegen"},
    {"tkdatum1", "1. TK"},
    {"tkdatum2", "2. TK"},
    {"Abferkeln", "Abferkeln"},
    {"Absetzen", "Absetzen"},
    {"geborene", "geborene"},
    {"todgeboren", "todgeborene"},
    {"Gelten", "weibliche"},
    {"Ausfall", "Ausfälle"},
};

const FeldEintrag& eintrag(Feld f) {
    const auto i = std::size_t(f);
    return kFelder[i < std::size(kFelder) ? i : 0];
}

} // namespace

QString FeldName(Feld f) {
    return QString::fromLatin1(eintrag(f).name);
}

QString FeldTitel(Feld f) {
    return QString::fromUtf8(eintrag(f).titel);
}

bool Ueberfaellig(Art a) {
    return a >= Art::AbferkelnUeberfaellig;
}

QString Text(const Befund& b) {
    const QString n = QString::number(b.wert);
    const QString m = QString::number(b.wert2);
    switch (b.art) {
    case Art::Zukunft:
        return QStringLiteral("Das Datum liegt in der Zukunft.");
    case Art::KeinKalendertag:
        return QStringLiteral("Den %1.%2. gibt es nicht.").arg(b.datum.Tag).arg(b.datum.Monat);
    case Art::ZuVieleLebende:
        return n + QStringLiteral(" lebend geborene Ferkel?");
    case Art::ZuVieleTote:
        return n + QStringLiteral(" tot geborene Ferkel?");
    case Art::ZuVieleWeibliche:
        return n + QStringLiteral(" weibliche bei nur ") + m + QStringLiteral(" lebend geborenen?");
    case Art::ZuVieleVerluste:
        return n + QStringLiteral(" Ausfälle bei nur ") + m +
               QStringLiteral(" lebend geborenen und zugesetzten Ferkeln?");
    case Art::VerlustNachAbsetzen:
        return QStringLiteral("Ausfall am ") + n + QStringLiteral(". Tag, abgesetzt am ") + m +
               QStringLiteral(". Tag?");
    case Art::TragezeitKurz:
    case Art::TragezeitLang:
        return QStringLiteral("Abgeferkelt ") + n + QStringLiteral(" Tage nach dem Belegen?");
    case Art::AbsetzenVorAbferkeln:
        return QStringLiteral("Abgesetzt vor dem Abferkeln?");
    case Art::BelegenNachAbsetzen:
        return QStringLiteral("Belegt ") + n + QStringLiteral(" Tage nach dem Absetzen?");
    case Art::WurfNrDoppelt:
        return QStringLiteral("Die Wurfnummer ") + n + QStringLiteral(" kommt mehrfach vor.");
    case Art::AbferkelnUeberfaellig:
        return QStringLiteral("Kein Abferkeln ") + n + QStringLiteral(" Tage nach dem Belegen.");
    case Art::TKUeberfaellig:
        return QStringLiteral("Keine Trächtigkeitskontrolle ") + n +
               QStringLiteral(" Tage nach dem Belegen.");
    case Art::AbsetzenUeberfaellig:
        return QStringLiteral("Säugt seit ") + n + QStringLiteral(" Tagen.");
    case Art::OhneEreignis:
        return QStringLiteral("Seit ") + n +
               QStringLiteral(" Tagen kein Eintrag. Abgang vergessen?");
    }
    return {};
}

QString Warnung(const Befund& b) {
    return Text(b) + QStringLiteral(" Bitte prüfen.");
}

} // namespace plausibel
