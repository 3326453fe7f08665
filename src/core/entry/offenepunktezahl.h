#pragma once

#include "entry/offenepunkte.h"

#include <cstdint>
#include <vector>

// The number of open points of the herd, kept per sow, so that after a booking only the sows
// it changed are checked again.
class OffenePunkteZahl {
public:
    // Checks every sow.
    void zaehlen(const Herde& herde, const OffenePunkteVorgaben& v);
    // The same step by step, for a walk over the herd that does more: starts anew for a herd
    // of `sauen` sows (0 when not known yet), then checks each sow once.
    void beginnen(std::size_t sauen, const OffenePunkteVorgaben& v);
    void eintragen(const Sau& sau, int index);
    // Checks the sows at `sauen` again; every sow when the herd's size, today or the limits
    // differ from the last count.
    void nachzaehlen(const Herde& herde, const std::vector<int>& sauen,
                     const OffenePunkteVorgaben& v);
    long long summe() const { return summe_; }

private:
    int sauZaehlen(const Sau& sau, int index, const OffenePunkteVorgaben& v);

    std::vector<std::uint32_t> jeSau_;
    long long summe_ = 0;
    OffenePunkteVorgaben vorgaben_;
    bool gezaehlt_ = false;
    std::vector<plausibel::Befund> puffer_;
};
