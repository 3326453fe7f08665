#include "feed/futterrecords.h"

#include <algorithm>
#include <stdexcept>

const std::array<const char*, kFutterWerte> kWertBezeichnung{
    "Trockensubstanz", "Energie",  "Rohprotein", "Lysin", "Methionin", "Stärke",  "Rohfaser",
    "Rohfett",         "Rohasche", "Ca",         "P",     "Na",        "Preis/dt"};
const std::array<const char*, kNaehrwerte> kWertKopf{
    "TS", "MJ", "RProt", "Lys", "Meth", "Stärk", "RFas", "RFett", "RAsche", " Ca", "  P", " Na"};
const std::array<int, kFutterWerte> kWertNachkomma{0, 1, 0, 1, 1, 0, 0, 0, 0, 1, 1, 1, 2};

void TMischungsPosten::beitraegeBerechnen() {
    const double x = Anteil();
    for (int m = 0; m < kFutterWerte; ++m)
        setBeitrag(m, Inhalt(m) * x);
}

namespace {
std::size_t slot(int i) {
    if (i < 0 || i >= kMischungPosten) throw std::out_of_range("mix slot");
    return TMischungRec::PostenOfs + kPostenSize * std::size_t(i);
}
} // namespace

TMischungsPosten TMischungRec::Posten(int i) const {
    TMischungsPosten p;
    const std::size_t o = slot(i);
    std::copy_n(b_.begin() + std::ptrdiff_t(o), kPostenSize, p.bytes().begin());
    return p;
}

void TMischungRec::setPosten(int i, const TMischungsPosten& p) {
    const std::size_t o = slot(i);
    std::copy(p.bytes().begin(), p.bytes().end(), b_.begin() + std::ptrdiff_t(o));
}
