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

// Sorts a task in by its window of days after `basis`: overdue when the window ended before
// Monday, this week when it reaches into Monday to Sunday.
class Einordnen {
public:
    Einordnen(HerdUebersicht& u, QDate heute)
        : u_(u), montag_(TKurzDatum::aus(Wochenanfang(heute))) {}

    void operator()(int f, int sau, int wurf, TKurzDatum basis, TKurzDatum datum,
                    PlanFenster fenster) {
        const int seitBasis = TageZwischen(basis, montag_); // days from base to Monday
        if (fenster.bis < seitBasis) {
            u_.ueberfaellig[std::size_t(f)].push_back({sau, wurf, datum});
            return;
        }
        if (fenster.von <= seitBasis + 6) u_.woche[std::size_t(f)].push_back({sau, wurf, datum});
    }

private:
    HerdUebersicht& u_;
    TKurzDatum montag_;
};

void wurfAufgaben(const TWurfRec& w, int sau, int wurf, int tragezeit, const PlanFenster& absetzen,
                  const PlanFenster& tk, Einordnen& einordnen) {
    const TKurzDatum belegt = w.Belegen(LetzteBelegungInFolge(w));
    if (!w.Belegen(1).vorhanden() || !belegt.vorhanden()) return;
    if (w.Abferkeln().vorhanden()) {
        if (!w.Absetzen().vorhanden())
            einordnen(faAbsetzen, sau, wurf, w.Abferkeln(), w.Abferkeln(), absetzen);
        return;
    }
    const TKurzDatum erwartet = TheorAbferkeltermin(w, tragezeit);
    if (erwartet.vorhanden()) einordnen(faAbferkeln, sau, wurf, erwartet, erwartet, {0, 0});
    if (w.TKDatum(1).vorhanden() || w.TKDatum(2).vorhanden()) return;
    einordnen(faTK, sau, wurf, belegt, belegt, tk);
    einordnen(faUmrauschen, sau, wurf, belegt, belegt, kUmrauschen);
}

} // namespace

HerdUebersicht UebersichtBilden(const Herde& herde, const TPlanZeiten& zeiten,
                                const PruefGrenzen& g, int tragezeit, QDate heute) {
    HerdUebersicht u;
    u.wochenanfang = Wochenanfang(heute);
    Einordnen einordnen(u, heute);
    const PlanFenster absetzen = AbsetzFenster(zeiten);
    const PlanFenster tk = TKFenster(zeiten);
    const int jahr = heute.year() - 1900;
    for (std::size_t i = 0; i < herde.size(); ++i) {
        const Sau& sau = herde[i];
        if (sau.rec.Abgang().vorhanden()) {
            u.abgaengeJahr += sau.rec.Abgang().Jahr == jahr;
            continue;
        }
        const TSauStatus status = SauStatus(sau);
        ++u.status[std::size_t(status)];
        ++u.bestand;
        const int aktuell = AktuellerWurf(sau.wuerfe);
        if (status == stLeereJS && sau.rec.Zugang().vorhanden())
            einordnen(faErstbelegung, int(i), aktuell, sau.rec.Zugang(), sau.rec.Zugang(),
                      {g.jsTage, g.jsTage});
        if (aktuell >= 0)
            wurfAufgaben(sau.wuerfe[std::size_t(aktuell)], int(i), aktuell, tragezeit, absetzen, tk,
                         einordnen);
    }
    const auto nachDatum = [](const FaelligeSau& a, const FaelligeSau& b) {
        return DatumsSchluessel(a.datum) < DatumsSchluessel(b.datum);
    };
    for (int f = 0; f < kFaelligkeiten; ++f) {
        std::stable_sort(u.woche[std::size_t(f)].begin(), u.woche[std::size_t(f)].end(), nachDatum);
        std::stable_sort(u.ueberfaellig[std::size_t(f)].begin(),
                         u.ueberfaellig[std::size_t(f)].end(), nachDatum);
    }
    return u;
}
