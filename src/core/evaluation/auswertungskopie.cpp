#include "evaluation/auswertungskopie.h"

#include "herd/kurzdatum.h"
#include "herd/saustatus.h"
#include "programm/appcontext.h"

#include <numeric>

namespace {

// Through the records' accessors; names keep their stored Windows-1252 characters.
void wurfKopie(KopieWurf& k, const TWurfRec& w, std::vector<KopieBefund>& befunde) {
    k.datenAus(w);
    k.Geborene = w.Geborene();
    k.Todgeborene = w.Todgeborene();
    k.Weibliche = w.Weibliche();
    k.Ausgleich = w.Ausgleich();
    k.Geburtsgewicht = w.Geburtsgewicht();
    k.Absetzgewicht = w.Absetzgewicht();

    k.Verluste = std::uint8_t(Verluste(w));
    k.Anomalien = std::uint8_t(Anomalien(w));
    // Slots with a name or a loss day, in slot order.
    k.befundAnfang = std::uint32_t(befunde.size());
    for (int n = 1; n <= feldgroesse::Eintraege; ++n) {
        const auto eintrag = w.EintragZeichen(n);
        if (w.Verlusttag(n) == 0 && eintrag.empty()) continue;
        KopieBefund& bf = befunde.emplace_back();
        bf.Eintrag.setzen(eintrag);
        bf.Verlusttag = w.Verlusttag(n);
        ++k.befundAnzahl;
        k.befundAusfaelle += bf.Verlusttag > 0;
    }
}

} // namespace

void KopieWurf::datenAus(const TWurfRec& w) {
    for (int i = 1; i <= feldgroesse::Belegungen; ++i) {
        belegen_[std::size_t(i - 1)] = w.Belegen(i);
        eber_[std::size_t(i - 1)].setzen(w.EberZeichen(i));
        mal_[std::size_t(i - 1)] = w.Mal(i);
    }
    for (int i = 1; i <= feldgroesse::TKs; ++i) {
        tkDatum_[std::size_t(i - 1)] = w.TKDatum(i);
        tkErgebnis_[std::size_t(i - 1)] = w.TKErgebnis(i);
    }
    abferkeln_ = w.Abferkeln();
    absetzen_ = w.Absetzen();
    letzte_ = std::uint8_t(LetzteBelegung(*this));
}

bool WurfAuswerten(const TWurfRec& w) {
    const std::uint8_t geb = w.Geborene();
    if (geb > 0 && w.Todgeborene() == geb) return false;
    // A weaning day equal to the farrowing day, or none, leaves the litter out.
    const TKurzDatum f = w.Abferkeln(), absetzen = w.Absetzen();
    return !f.vorhanden() || (absetzen.vorhanden() && TageZwischen(f, absetzen) != 0);
}

namespace {

void sauKopie(KopieSau& k, const Sau& s) {
    k.SauNr.setzen(s.rec.SauNrZeichen());
    k.Herkunft.setzen(s.rec.HerkunftZeichen());
    k.Rasse.setzen(s.rec.RasseZeichen());
    k.Zugang = s.rec.Zugang();
    k.Abgang = s.rec.Abgang();
    k.TagZugang = Tagesnummer(k.Zugang);
    k.TagAbgang = Tagesnummer(k.Abgang);
}

} // namespace

void Auswertungskopie::kopieren(const Herde& herde, bool alleWuerfe,
                                const std::vector<std::size_t>& bloecke) {
    auto teil = std::make_shared<Teil>();
    // The sows of block b are [b * kBlock, ende(b)).
    const auto ende = [&herde](std::size_t b) { return std::min(herde.size(), (b + 1) * kBlock); };
    std::size_t sauen = 0, wuerfe = 0;
    for (std::size_t b : bloecke) {
        sauen += ende(b) - b * kBlock;
        for (std::size_t si = b * kBlock; si < ende(b); ++si)
            wuerfe += herde[si].wuerfe.size();
    }
    teil->sauen.reserve(sauen);
    teil->wuerfe.reserve(wuerfe);
    teil->befunde.reserve(wuerfe * 2);
    for (std::size_t b : bloecke) {
        bloecke_[b] = {teil, teil->sauen.size()};
        for (std::size_t si = b * kBlock; si < ende(b); ++si) {
            const Sau& s = herde[si];
            KopieSau& k = teil->sauen.emplace_back();
            sauKopie(k, s);
            k.wurfAnfang = std::uint32_t(teil->wuerfe.size());
            int nr = 0;
            for (std::size_t i = 0; i < s.wuerfe.size(); ++i) {
                const TWurfRec& w = s.wuerfe[i];
                if (!alleWuerfe && !WurfAuswerten(w)) continue;
                KopieWurf& kw = teil->wuerfe.emplace_back();
                wurfKopie(kw, w, teil->befunde);
                // The live herd keeps the stored numbers: "first litter" means litter 1.
                kw.WurfNr = alleWuerfe ? w.WurfNr() : std::uint8_t(++nr);
                kw.herdenIndex = int(i);
            }
            k.wurfAnzahl = std::uint32_t(teil->wuerfe.size()) - k.wurfAnfang;
        }
    }
}

Auswertungskopie::Auswertungskopie(const Herde& herde, bool alleWuerfe)
    : bloecke_((herde.size() + kBlock - 1) / kBlock), anzahl_(int(herde.size())) {
    std::vector<std::size_t> alle(bloecke_.size());
    std::iota(alle.begin(), alle.end(), std::size_t(0));
    kopieren(herde, alleWuerfe, alle);
}

Auswertungskopie::Auswertungskopie(const Herde& herde, bool alleWuerfe,
                                   const Auswertungskopie& vorige,
                                   const std::vector<int>& geaendert)
    : bloecke_(vorige.bloecke_), anzahl_(vorige.anzahl_) {
    std::vector<std::size_t> bloecke;
    for (int i : geaendert)
        if (bloecke.empty() || bloecke.back() != std::size_t(i / kBlock))
            bloecke.push_back(std::size_t(i / kBlock));
    kopieren(herde, alleWuerfe, bloecke);
}

int Auswertungskopie::wurfIndex(int sau, int herdenIndex) const {
    if (sau < 0 || sau >= sauenAnzahl()) return -1;
    const auto w = wuerfe(sau);
    for (std::size_t i = 0; i < w.size(); ++i)
        if (w[i].herdenIndex == herdenIndex) return int(i);
    return -1;
}

std::shared_ptr<const Auswertungskopie> Herdenkopie(AppContext& ctx, bool alleWuerfe) {
    AppContext::Arbeitskopie& a = ctx.auswertungskopien[alleWuerfe ? 1 : 0];
    bool alle = false;
    const std::vector<int> geaendert = a.geaendert->abholen(alle);
    const bool passt = a.kopie && a.kopie->sauenAnzahl() == int(ctx.Sauenliste.size()) &&
                       (geaendert.empty() ||
                        (geaendert.front() >= 0 && geaendert.back() < a.kopie->sauenAnzahl()));
    if (alle || !passt)
        a.kopie = std::make_shared<const Auswertungskopie>(ctx.Sauenliste, alleWuerfe);
    else if (!geaendert.empty())
        a.kopie = std::make_shared<const Auswertungskopie>(ctx.Sauenliste, alleWuerfe, *a.kopie,
                                                           geaendert);
    return a.kopie;
}
