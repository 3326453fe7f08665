#include "auswertungskopie.h"

#include "herd/kurzdatum.h"

namespace {

int tage(TKurzDatum a, TKurzDatum b) {
    return a.vorhanden() && b.vorhanden() ? TageZwischen(a, b) : 0;
}

KopieWurf wurfKopie(const TWurfRec& w, std::vector<KopieBefund>& befunde) {
    const auto& b = w.bytes();
    KopieWurf k;
    for (int i = 0; i < 3; ++i) {
        k.Belegen[std::size_t(i)] = w.Belegen(i + 1);
        k.Eber[std::size_t(i)] = Kurzname::ausBytes(b.data() + wurfofs::Eber + 11 * i, 10);
        k.Mal[std::size_t(i)] = w.Mal(i + 1);
    }
    for (int i = 0; i < 2; ++i) {
        k.TKDatum[std::size_t(i)] = w.TKDatum(i + 1);
        k.TKErgebnis[std::size_t(i)] = w.TKErgebnis(i + 1);
    }
    k.Abferkeln = w.Abferkeln();
    k.Absetzen = w.Absetzen();
    k.Geborene = w.Geborene();
    k.Todgeborene = w.Todgeborene();
    k.Weibliche = w.Weibliche();
    k.Ausgleich = w.Ausgleich();
    k.Geburtsgewicht = w.Geburtsgewicht();
    k.Absetzgewicht = w.Absetzgewicht();

    // Slots with a name or a loss day, in slot order; the card's two counts on the way.
    k.befundAnfang = std::uint32_t(befunde.size());
    bool verlustKette = true;
    int anomalienHinten = 0;
    for (int n = 0; n < 14; ++n) {
        const std::uint8_t tag = b[wurfofs::Verlusttag + std::size_t(n)];
        const std::uint8_t* feld = b.data() + wurfofs::Eintrag + 16 * std::size_t(n);
        if (tag > 0 && verlustKette)
            ++k.Verluste;
        else
            verlustKette = false;
        if (tag == 0 && feld[0] != 0)
            ++anomalienHinten;
        else
            anomalienHinten = 0;
        if (tag > 0 || feld[0] != 0) {
            befunde.push_back({Kurzname::ausBytes(feld, 15), tag});
            ++k.befundAnzahl;
        }
    }
    k.Anomalien = std::uint8_t(anomalienHinten);
    return k;
}

} // namespace

bool WurfAuswerten(const TWurfRec& w) {
    if (w.Geborene() > 0 && w.Todgeborene() == w.Geborene()) return false;
    if (w.Abferkeln().vorhanden() && tage(w.Abferkeln(), w.Absetzen()) == 0) return false;
    return true;
}

Auswertungskopie::Auswertungskopie(const Herde& herde) {
    sauen_.reserve(herde.size());
    std::size_t wuerfe = 0;
    for (const Sau& s : herde)
        wuerfe += s.wuerfe.size();
    wuerfe_.reserve(wuerfe);
    befunde_.reserve(wuerfe * 2);
    for (const Sau& s : herde) {
        const auto& b = s.rec.bytes();
        KopieSau k;
        k.SauNr = Kurzname::ausBytes(b.data() + sauofs::SauNr, 10);
        k.Herkunft = Kurzname::ausBytes(b.data() + sauofs::Herkunft, 15);
        k.Rasse = Kurzname::ausBytes(b.data() + sauofs::Rasse, 15);
        k.Zugang = s.rec.Zugang();
        k.Abgang = s.rec.Abgang();
        k.wurfAnfang = std::uint32_t(wuerfe_.size());
        int nr = 0;
        for (std::size_t i = 0; i < s.wuerfe.size(); ++i) {
            const TWurfRec& w = s.wuerfe[i];
            if (!WurfAuswerten(w)) continue;
            KopieWurf kw = wurfKopie(w, befunde_);
            kw.WurfNr = std::uint8_t(++nr);
            kw.herdenIndex = int(i);
            wuerfe_.push_back(kw);
        }
        k.wurfAnzahl = std::uint32_t(wuerfe_.size()) - k.wurfAnfang;
        sauen_.push_back(k);
    }
}

int Auswertungskopie::wurfIndex(int sau, int herdenIndex) const {
    if (sau < 0 || sau >= sauenAnzahl()) return -1;
    const auto w = wuerfe(sau);
    for (std::size_t i = 0; i < w.size(); ++i)
        if (w[i].herdenIndex == herdenIndex) return int(i);
    return -1;
}
