#include "evaluation/auswertungskopie.h"

#include "herd/kurzdatum.h"
#include "herd/saustatus.h"
#include "programm/appcontext.h"

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

Auswertungskopie::Auswertungskopie(const Herde& herde, bool alleWuerfe) {
    sauen_.reserve(herde.size());
    std::size_t wuerfe = 0;
    for (const Sau& s : herde)
        wuerfe += s.wuerfe.size();
    wuerfe_.reserve(wuerfe);
    befunde_.reserve(wuerfe * 2);
    for (std::size_t si = 0; si < herde.size(); ++si) {
        const Sau& s = herde[si];
        KopieSau& k = sauen_.emplace_back();
        k.SauNr.setzen(s.rec.SauNrZeichen());
        k.Herkunft.setzen(s.rec.HerkunftZeichen());
        k.Rasse.setzen(s.rec.RasseZeichen());
        k.Zugang = s.rec.Zugang();
        k.Abgang = s.rec.Abgang();
        k.TagZugang = Tagesnummer(k.Zugang);
        k.TagAbgang = Tagesnummer(k.Abgang);
        k.wurfAnfang = std::uint32_t(wuerfe_.size());
        int nr = 0;
        for (std::size_t i = 0; i < s.wuerfe.size(); ++i) {
            const TWurfRec& w = s.wuerfe[i];
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

std::shared_ptr<const Auswertungskopie> Herdenkopie(AppContext& ctx, bool alleWuerfe) {
    auto& kopie = ctx.auswertungskopien[alleWuerfe ? 1 : 0];
    if (!kopie) kopie = std::make_shared<const Auswertungskopie>(ctx.Sauenliste, alleWuerfe);
    return kopie;
}
