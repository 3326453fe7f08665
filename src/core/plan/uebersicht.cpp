#include "plan/uebersicht.h"

#include "herd/saustatus.h"

#include <algorithm>

QDate Wochenanfang(QDate tag) {
    return tag.addDays(1 - tag.dayOfWeek());
}

QString FaelligkeitText(int f) {
    static const char* const kTexte[kFaelligkeiten] = {
        "Abferkeln erwartet", "Absetzen fällig", "Trächtigkeitskontrolle fällig",
        "Auf Umrauschen achten", "Jungsauen zum ersten Belegen"};
    return f >= 0 && f < kFaelligkeiten ? QString::fromUtf8(kTexte[f]) : QString();
}

namespace {

constexpr PlanFenster kUmrauschen{18, 24};
// The state of a sow gone this year and of one gone before, beside the states 0..6.
constexpr std::uint8_t kAbgangJahr = 7, kAbgangFrueher = 8;

// The order of a due list: by date, then by herd order.
bool vorher(const FaelligeSau& a, const FaelligeSau& b) {
    const int da = DatumsSchluessel(a.datum), db = DatumsSchluessel(b.datum);
    return da != db ? da < db : a.sau < b.sau;
}

} // namespace

bool UebersichtVorgaben::operator==(const UebersichtVorgaben& o) const {
    return absetzen.von == o.absetzen.von && absetzen.bis == o.absetzen.bis && tk.von == o.tk.von &&
           tk.bis == o.tk.bis && jsTage == o.jsTage && tragezeit == o.tragezeit && heute == o.heute;
}

UebersichtVorgaben UebersichtVorgabenAus(const TPlanZeiten& zeiten, const PruefGrenzen& g,
                                         int tragezeit, QDate heute) {
    return {AbsetzFenster(zeiten), TKFenster(zeiten), g.jsTage, tragezeit, heute};
}

void UebersichtAufbau::beginnen(std::size_t sauen, const UebersichtVorgaben& v) {
    u_ = HerdUebersicht();
    u_.wochenanfang = Wochenanfang(v.heute);
    montag_ = TKurzDatum::aus(u_.wochenanfang);
    jahr_ = v.heute.year() - 1900;
    v_ = v;
    zustand_.assign(sauen, kAbgangFrueher);
    gebaut_ = true;
}

// Sorts a task in by its window of days after `basis`: overdue when the window ended before
// Monday, this week when it reaches into Monday to Sunday.
void UebersichtAufbau::einordnen(int f, int sau, int wurf, TKurzDatum basis, TKurzDatum datum,
                                 PlanFenster fenster) {
    const int seitBasis = TageZwischen(basis, montag_); // days from base to Monday
    if (fenster.bis < seitBasis) {
        u_.ueberfaellig[std::size_t(f)].push_back({sau, wurf, datum});
        return;
    }
    if (fenster.von <= seitBasis + 6) u_.woche[std::size_t(f)].push_back({sau, wurf, datum});
}

void UebersichtAufbau::wurfAufgaben(const TWurfRec& w, int sau, int wurf) {
    const TKurzDatum belegt = w.Belegen(LetzteBelegungInFolge(w));
    if (!w.Belegen(1).vorhanden() || !belegt.vorhanden()) return;
    if (w.Abferkeln().vorhanden()) {
        if (!w.Absetzen().vorhanden())
            einordnen(faAbsetzen, sau, wurf, w.Abferkeln(), w.Abferkeln(), v_.absetzen);
        return;
    }
    const TKurzDatum erwartet = TheorAbferkeltermin(w, v_.tragezeit);
    if (erwartet.vorhanden()) einordnen(faAbferkeln, sau, wurf, erwartet, erwartet, {0, 0});
    if (w.TKDatum(1).vorhanden() || w.TKDatum(2).vorhanden()) return;
    einordnen(faTK, sau, wurf, belegt, belegt, v_.tk);
    einordnen(faUmrauschen, sau, wurf, belegt, belegt, kUmrauschen);
}

// Counts a sow's state in (+1) or out (-1).
void UebersichtAufbau::zaehlen(std::uint8_t zustand, int vorzeichen) {
    if (zustand == kAbgangJahr) {
        u_.abgaengeJahr += vorzeichen;
    } else if (zustand < kAbgangJahr) {
        u_.status[zustand] += vorzeichen;
        u_.bestand += vorzeichen;
    }
}

void UebersichtAufbau::eintragen(const Sau& sau, int index) {
    if (std::size_t(index) >= zustand_.size()) zustand_.resize(std::size_t(index) + 1);
    std::uint8_t& zustand = zustand_[std::size_t(index)];
    if (sau.rec.Abgang().vorhanden()) {
        zustand = sau.rec.Abgang().Jahr == jahr_ ? kAbgangJahr : kAbgangFrueher;
        zaehlen(zustand, 1);
        return;
    }
    const TSauStatus status = SauStatus(sau);
    zustand = std::uint8_t(status);
    zaehlen(zustand, 1);
    const int aktuell = AktuellerWurf(sau.wuerfe);
    if (status == stLeereJS && sau.rec.Zugang().vorhanden())
        einordnen(faErstbelegung, index, aktuell, sau.rec.Zugang(), sau.rec.Zugang(),
                  {v_.jsTage, v_.jsTage});
    if (aktuell >= 0) wurfAufgaben(sau.wuerfe[std::size_t(aktuell)], index, aktuell);
}

void UebersichtAufbau::abschliessen() {
    for (int f = 0; f < kFaelligkeiten; ++f) {
        std::sort(u_.woche[std::size_t(f)].begin(), u_.woche[std::size_t(f)].end(), vorher);
        std::sort(u_.ueberfaellig[std::size_t(f)].begin(), u_.ueberfaellig[std::size_t(f)].end(),
                  vorher);
    }
}

bool UebersichtAufbau::nachtragen(const Herde& herde, const std::vector<int>& sauen,
                                  const UebersichtVorgaben& v) {
    if (!gebaut_ || zustand_.size() != herde.size() || !(v == v_)) return false;
    std::vector<int> welche;
    for (int i : sauen)
        if (i >= 0 && std::size_t(i) < herde.size()) welche.push_back(i);
    std::sort(welche.begin(), welche.end());
    welche.erase(std::unique(welche.begin(), welche.end()), welche.end());
    const auto geaendert = [&](const FaelligeSau& s) {
        return std::binary_search(welche.begin(), welche.end(), s.sau);
    };
    std::array<std::size_t, 2 * kFaelligkeiten> alt{};
    for (int f = 0; f < kFaelligkeiten; ++f) {
        std::erase_if(u_.woche[std::size_t(f)], geaendert);
        std::erase_if(u_.ueberfaellig[std::size_t(f)], geaendert);
        alt[std::size_t(2 * f)] = u_.woche[std::size_t(f)].size();
        alt[std::size_t(2 * f + 1)] = u_.ueberfaellig[std::size_t(f)].size();
    }
    for (int i : welche) {
        zaehlen(zustand_[std::size_t(i)], -1);
        eintragen(herde[std::size_t(i)], i);
    }
    // The new entries came at the ends, in herd order; each goes to its place.
    const auto einfuegen = [](std::vector<FaelligeSau>& liste, std::size_t bisher) {
        std::sort(liste.begin() + std::ptrdiff_t(bisher), liste.end(), vorher);
        std::inplace_merge(liste.begin(), liste.begin() + std::ptrdiff_t(bisher), liste.end(),
                           vorher);
    };
    for (int f = 0; f < kFaelligkeiten; ++f) {
        einfuegen(u_.woche[std::size_t(f)], alt[std::size_t(2 * f)]);
        einfuegen(u_.ueberfaellig[std::size_t(f)], alt[std::size_t(2 * f + 1)]);
    }
    return true;
}

HerdUebersicht UebersichtBilden(const Herde& herde, const TPlanZeiten& zeiten,
                                const PruefGrenzen& g, int tragezeit, QDate heute) {
    UebersichtAufbau aufbau;
    aufbau.beginnen(herde.size(), UebersichtVorgabenAus(zeiten, g, tragezeit, heute));
    for (std::size_t i = 0; i < herde.size(); ++i)
        aufbau.eintragen(herde[i], int(i));
    aufbau.abschliessen();
    return aufbau.uebersicht();
}
