#include "entry/sauvorlage.h"

#include <algorithm>

TSauRec NeueSauVorlage(const TSauRec& sau) {
    TSauRec v;
    const auto kopieren = [&](std::size_t von, std::size_t bis) { // [von, bis)
        std::copy(sau.bytes().begin() + std::ptrdiff_t(von),
                  sau.bytes().begin() + std::ptrdiff_t(bis),
                  v.bytes().begin() + std::ptrdiff_t(von));
    };
    kopieren(sauofs::Stall, sauofs::Stall + 16);
    kopieren(sauofs::Zugang, sauofs::Herkunft + 16 + 16 + 16 + 16); // Zugang .. SauTermin
    kopieren(sauofs::Verkaufsgewicht, sauofs::Einkaufsgewicht + 2);
    kopieren(sauofs::Einkaufspreis, sauofs::Einkaufspreis + 6);
    kopieren(sauofs::SauNotiz, sauofs::SauNotiz + sauofs::SauNotizLaenge);
    return v;
}
