#include "auswertungskopie.h"

#include "herd/kurzdatum.h"

#include <bit>

namespace {

// Asks for the cache lines of the next record the copy reads while this one is read: the
// fields lie apart, so the hardware's stride detection does not see them coming.
void vorholen(const TWurfRec* w) {
    if (!w) return;
    const std::uint8_t* b = w->bytes().data();
    for (std::size_t o = 0; o < 448; o += 64)
        __builtin_prefetch(b + o);
}

TKurzDatum datum(const std::uint8_t* b) {
    return TKurzDatum{b[0], b[1], b[2], b[3]};
}

std::uint16_t u16(const std::uint8_t* b) {
    return std::uint16_t(b[0] | (b[1] << 8));
}

// Read straight from the record's bytes: the offsets are the record's own constants.
void wurfKopie(KopieWurf& k, const TWurfRec& w, std::vector<KopieBefund>& befunde) {
    const std::uint8_t* b = w.bytes().data();
    for (std::size_t i = 0; i < 3; ++i) {
        k.Belegen[i] = datum(b + wurfofs::Belegen + 4 * i);
        k.Eber[i].laden(b + wurfofs::Eber + 11 * i, 10);
        k.Mal[i] = b[wurfofs::Mal + i];
    }
    for (std::size_t i = 0; i < 2; ++i) {
        k.TKDatum[i] = datum(b + wurfofs::TKDatum + 4 * i);
        k.TKErgebnis[i] = b[wurfofs::TKErgebnis + i];
    }
    k.Abferkeln = datum(b + wurfofs::Abferkeln);
    k.Absetzen = datum(b + wurfofs::Absetzen);
    k.Geborene = b[wurfofs::Geborene];
    k.Todgeborene = b[wurfofs::Todgeborene];
    k.Weibliche = b[wurfofs::Weibliche];
    k.Ausgleich = std::int8_t(b[wurfofs::Ausgleich]);
    k.Geburtsgewicht = u16(b + wurfofs::Geburtsgewicht);
    k.Absetzgewicht = u16(b + wurfofs::Absetzgewicht);

    // Slots with a name or a loss day, in slot order; the card's two counts from the masks:
    // losses from slot 1 up, anomalies (a name, no day) from slot 14 down.
    unsigned verlust = 0, anomalie = 0;
    for (unsigned n = 0; n < unsigned(feldgroesse::Eintraege); ++n) {
        const bool tag = b[wurfofs::Verlusttag + n] != 0;
        const bool name = b[wurfofs::Eintrag + 16 * n] != 0;
        verlust |= unsigned(tag) << n;
        anomalie |= unsigned(!tag && name) << n;
    }
    k.Verluste = std::uint8_t(std::countr_one(verlust));
    k.Anomalien = std::uint8_t(std::countl_one(anomalie << (32 - feldgroesse::Eintraege)));
    k.befundAnfang = std::uint32_t(befunde.size());
    for (unsigned belegt = verlust | anomalie; belegt != 0; belegt &= belegt - 1) {
        const unsigned n = unsigned(std::countr_zero(belegt));
        KopieBefund& bf = befunde.emplace_back();
        bf.Eintrag.laden(b + wurfofs::Eintrag + 16 * n, 15);
        bf.Verlusttag = b[wurfofs::Verlusttag + n];
        ++k.befundAnzahl;
    }
}

} // namespace

bool WurfAuswerten(const TWurfRec& w) {
    const std::uint8_t* b = w.bytes().data();
    const std::uint8_t geb = b[wurfofs::Geborene];
    if (geb > 0 && b[wurfofs::Todgeborene] == geb) return false;
    const TKurzDatum f = datum(b + wurfofs::Abferkeln);
    // A weaning day equal to the farrowing day, or none, leaves the litter out.
    const TKurzDatum absetzen = datum(b + wurfofs::Absetzen);
    return !f.vorhanden() || (absetzen.vorhanden() && TageZwischen(f, absetzen) != 0);
}

Auswertungskopie::Auswertungskopie(const Herde& herde, bool alleWuerfe) {
    sauen_.reserve(herde.size());
    std::size_t wuerfe = 0;
    for (const Sau& s : herde)
        wuerfe += s.wuerfe.size();
    wuerfe_.reserve(wuerfe);
    befunde_.reserve(wuerfe * 2);
    for (std::size_t si = 0; si < herde.size(); ++si) {
        const Sau& s = herde[si];
        // The next sow's litters lie elsewhere on the heap: ask for her first one early.
        if (si + 1 < herde.size() && !herde[si + 1].wuerfe.empty())
            vorholen(&herde[si + 1].wuerfe.front());
        const auto& b = s.rec.bytes();
        KopieSau& k = sauen_.emplace_back();
        k.SauNr.laden(b.data() + sauofs::SauNr, 10);
        k.Herkunft.laden(b.data() + sauofs::Herkunft, 15);
        k.Rasse.laden(b.data() + sauofs::Rasse, 15);
        k.Zugang = datum(b.data() + sauofs::Zugang);
        k.Abgang = datum(b.data() + sauofs::Abgang);
        k.wurfAnfang = std::uint32_t(wuerfe_.size());
        int nr = 0;
        for (std::size_t i = 0; i < s.wuerfe.size(); ++i) {
            const TWurfRec& w = s.wuerfe[i];
            vorholen(i + 1 < s.wuerfe.size() ? &s.wuerfe[i + 1] : nullptr);
            if (!alleWuerfe && !WurfAuswerten(w)) continue;
            KopieWurf& kw = wuerfe_.emplace_back();
            wurfKopie(kw, w, befunde_);
            // The live herd keeps the stored numbers: "first litter" means litter number 1.
            kw.WurfNr = alleWuerfe ? w.WurfNr() : std::uint8_t(++nr);
            kw.herdenIndex = int(i);
        }
        k.wurfAnzahl = std::uint32_t(wuerfe_.size()) - k.wurfAnfang;
    }
}

int Auswertungskopie::wurfIndex(int sau, int herdenIndex) const {
    if (sau < 0 || sau >= sauenAnzahl()) return -1;
    const auto w = wuerfe(sau);
    for (std::size_t i = 0; i < w.size(); ++i)
        if (w[i].herdenIndex == herdenIndex) return int(i);
    return -1;
}
