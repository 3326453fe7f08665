#include "entry/offenepunktezahl.h"

namespace {

bool gleich(const OffenePunkteVorgaben& a, const OffenePunkteVorgaben& b) {
    return a.grenzen == b.grenzen && a.tragezeit == b.tragezeit && a.absetzenBis == b.absetzenBis &&
           a.heute == b.heute;
}

} // namespace

int OffenePunkteZahl::sauZaehlen(const Sau& sau, int index, const OffenePunkteVorgaben& v) {
    puffer_.clear();
    SauPruefen(sau, index, v, puffer_);
    return int(puffer_.size());
}

void OffenePunkteZahl::beginnen(std::size_t sauen, const OffenePunkteVorgaben& v) {
    jeSau_.assign(sauen, 0);
    summe_ = 0;
    vorgaben_ = v;
    gezaehlt_ = true;
}

void OffenePunkteZahl::eintragen(const Sau& sau, int index) {
    const std::uint32_t n = std::uint32_t(sauZaehlen(sau, index, vorgaben_));
    if (std::size_t(index) >= jeSau_.size()) jeSau_.resize(std::size_t(index) + 1);
    jeSau_[std::size_t(index)] = n;
    summe_ += n;
}

void OffenePunkteZahl::zaehlen(const Herde& herde, const OffenePunkteVorgaben& v) {
    beginnen(herde.size(), v);
    for (std::size_t i = 0; i < herde.size(); ++i)
        eintragen(herde[i], int(i));
}

void OffenePunkteZahl::nachzaehlen(const Herde& herde, const std::vector<int>& sauen,
                                   const OffenePunkteVorgaben& v) {
    if (!gezaehlt_ || jeSau_.size() != herde.size() || !gleich(v, vorgaben_)) {
        zaehlen(herde, v);
        return;
    }
    for (int i : sauen) {
        if (i < 0 || std::size_t(i) >= herde.size()) continue;
        const std::uint32_t neu = std::uint32_t(sauZaehlen(herde[std::size_t(i)], i, v));
        summe_ += qint64(neu) - qint64(jeSau_[std::size_t(i)]);
        jeSau_[std::size_t(i)] = neu;
    }
}
