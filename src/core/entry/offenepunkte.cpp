#include "entry/offenepunkte.h"

#include "herd/saustatus.h"

using namespace plausibel;

namespace {

// Walks one sow: keeps the findings and the latest event date.
class Pruefer {
public:
    Pruefer(int sau, const OffenePunkteVorgaben& v, TKurzDatum heute, std::vector<Befund>& out)
        : sau_(sau), v_(v), heute_(heute), heuteNr_(Tagesnummer(heute)), out_(out) {}

    void melden(int wurf, Art art, Feld feld, TKurzDatum datum, int wert = 0, int wert2 = 0) {
        out_.push_back({sau_, wurf, art, feld, datum, wert, wert2});
    }

    // The date rules of one event date; every present date is an event.
    void datum(int wurf, TKurzDatum d, Feld feld) {
        if (!d.vorhanden()) return;
        if (const auto art = plausibel::Datum(d, heuteNr_, v_.grenzen)) melden(wurf, *art, feld, d);
        if (DatumsSchluessel(d) > DatumsSchluessel(letztes_)) letztes_ = d;
    }

    // Each date of the litter is read once.
    void wurf(const TWurfRec& w, int k, TKurzDatum vorherigesAbsetzen) {
        static constexpr Feld kBelegen[3] = {Feld::Belegen1, Feld::Belegen2, Feld::Belegen3};
        const TKurzDatum belegen1 = w.Belegen(1), abferkeln = w.Abferkeln(),
                         absetzen = w.Absetzen();
        datum(k, belegen1, Feld::Belegen1);
        for (int m = 2; m <= 3; ++m)
            datum(k, w.Belegen(m), kBelegen[m - 1]);
        datum(k, w.TKDatum(1), Feld::TK1);
        datum(k, w.TKDatum(2), Feld::TK2);
        datum(k, abferkeln, Feld::Abferkeln);
        datum(k, absetzen, Feld::Absetzen);
        if (BelegenZuFrueh(vorherigesAbsetzen, belegen1, v_.grenzen))
            melden(k, Art::BelegenNachAbsetzen, Feld::Belegen1, belegen1,
                   TageZwischen(vorherigesAbsetzen, belegen1));
        if (!abferkeln.vorhanden()) return;
        const TKurzDatum belegt = w.Belegen(LetzteBelegungInFolge(w));
        if (const auto art = Tragezeit(belegt, abferkeln, v_.grenzen))
            melden(k, *art, Feld::Abferkeln, abferkeln, TageZwischen(belegt, abferkeln));
        if (AbsetzenVorAbferkeln(abferkeln, absetzen))
            melden(k, Art::AbsetzenVorAbferkeln, Feld::Absetzen, absetzen);
        ferkel(w, k, abferkeln, absetzen);
    }

    // The piglet counts of a farrowed litter.
    void ferkel(const TWurfRec& w, int k, TKurzDatum f, TKurzDatum absetzen) {
        const int lebend = w.Geborene() - w.Todgeborene();
        if (ZuVieleLebende(lebend, v_.grenzen))
            melden(k, Art::ZuVieleLebende, Feld::Geborene, f, lebend);
        if (ZuVieleTote(w.Todgeborene(), v_.grenzen))
            melden(k, Art::ZuVieleTote, Feld::Todgeboren, f, w.Todgeborene());
        if (ZuVieleWeibliche(w.Weibliche(), lebend))
            melden(k, Art::ZuVieleWeibliche, Feld::Gelten, f, w.Weibliche(), lebend);
        const int verluste = Verluste(w);
        if (ZuVieleVerluste(lebend, w.Ausgleich(), verluste))
            melden(k, Art::ZuVieleVerluste, Feld::Ausfall, f, verluste, lebend + w.Ausgleich());
        for (int slot = 1; slot <= verluste; ++slot) {
            if (VerlustNachAbsetzen(w.Verlusttag(slot), f, absetzen)) {
                melden(k, Art::VerlustNachAbsetzen, Feld::Ausfall, absetzen, w.Verlusttag(slot),
                       TageZwischen(f, absetzen));
                break;
            }
        }
    }

    // Overdue points of the current litter of a sow still in the herd.
    void ueberfaellig(const TWurfRec& w, int k) {
        const int mating = LetzteBelegungInFolge(w);
        const TKurzDatum belegt = w.Belegen(mating);
        if (!w.Belegen(1).vorhanden() || !belegt.vorhanden()) return;
        const int seitBelegen = TageZwischen(belegt, heute_);
        if (!w.Abferkeln().vorhanden()) {
            const TKurzDatum erwartet = TheorAbferkeltermin(w, v_.tragezeit);
            if (erwartet.vorhanden() &&
                TageZwischen(erwartet, heute_) > v_.grenzen.ueberfaelligTage)
                melden(k, Art::AbferkelnUeberfaellig, Feld::Abferkeln, erwartet, seitBelegen);
            if (!w.TKDatum(1).vorhanden() && !w.TKDatum(2).vorhanden() &&
                seitBelegen >= v_.grenzen.tkTage)
                melden(k, Art::TKUeberfaellig, Feld::TK1, belegt, seitBelegen);
        } else if (!w.Absetzen().vorhanden()) {
            const int saeugt = TageZwischen(w.Abferkeln(), heute_);
            if (saeugt > v_.absetzenBis + v_.grenzen.ueberfaelligTage)
                melden(k, Art::AbsetzenUeberfaellig, Feld::Absetzen, w.Abferkeln(), saeugt);
        }
    }

    void vergessen() {
        if (!letztes_.vorhanden()) return;
        const int tage = TageZwischen(letztes_, heute_);
        if (tage > v_.grenzen.ohneEreignisTage)
            melden(-1, Art::OhneEreignis, Feld::Abgang, letztes_, tage);
    }

private:
    int sau_;
    const OffenePunkteVorgaben& v_;
    TKurzDatum heute_;
    int heuteNr_;
    TKurzDatum letztes_;
    std::vector<Befund>& out_;
};

} // namespace

namespace {

void sauPruefen(const Sau& sau, int index, const OffenePunkteVorgaben& v, TKurzDatum heute,
                std::vector<Befund>& out) {
    Pruefer p(index, v, heute, out);
    p.datum(-1, sau.rec.Zugang(), Feld::Zugang);
    p.datum(-1, sau.rec.Abgang(), Feld::Abgang);
    TKurzDatum vorher;
    const int n = int(sau.wuerfe.size());
    for (int k = 0; k < n; ++k) {
        const TWurfRec& w = sau.wuerfe[std::size_t(k)];
        p.wurf(w, k, vorher);
        for (int j = 0; j < k; ++j) {
            if (sau.wuerfe[std::size_t(j)].WurfNr() == w.WurfNr()) {
                p.melden(k, Art::WurfNrDoppelt, Feld::Keins, w.Belegen(1), w.WurfNr());
                break;
            }
        }
        vorher = w.Absetzen();
    }
    if (sau.rec.Abgang().vorhanden()) return;
    const int aktuell = AktuellerWurf(sau.wuerfe);
    if (aktuell >= 0) p.ueberfaellig(sau.wuerfe[std::size_t(aktuell)], aktuell);
    p.vergessen();
}

} // namespace

void SauPruefen(const Sau& sau, int index, const OffenePunkteVorgaben& v,
                std::vector<Befund>& out) {
    sauPruefen(sau, index, v, TKurzDatum::aus(v.heute), out);
}

OffenePunkteVorgaben PunkteVorgaben(const PruefGrenzen& g, const TPlanZeiten& zeiten, int tragezeit,
                                    QDate heute) {
    return {g, tragezeit, AbsetzFenster(zeiten).bis, heute};
}

std::vector<Befund> OffenePunkte(const Herde& herde, const OffenePunkteVorgaben& v) {
    std::vector<Befund> out;
    const TKurzDatum heute = TKurzDatum::aus(v.heute);
    for (std::size_t i = 0; i < herde.size(); ++i)
        sauPruefen(herde[i], int(i), v, heute, out);
    return out;
}
