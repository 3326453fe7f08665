#include "stamm/stammdaten.h"

#include <cstdint>

void Stammdaten::PlanzeitenGelesen(const TPlanZeiten& z) {
    Planzeiten = z;
    Tragezeit = std::uint8_t(Planzeiten.entry(psBelegen, 0).ErsterTag());
}

void Stammdaten::Zuruecksetzen() {
    for (QStringList& l : Hilfslisten)
        l.clear();
    Planzeiten = PlanZeitenStandard();
    Tragezeit = kTragezeitVorgabe;
    Plantypen.clear();
}
