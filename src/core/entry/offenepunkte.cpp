#include "entry/offenepunkte.h"

#include "herd/saustatus.h"

#include <bitset>

using namespace plausibel;

namespace {

// What the checks read from a litter, each value once and in the record's order. Only the
// dates that are counted from get their day numbers, where the rules need them.
struct Wurfwerte {
    explicit Wurfwerte(const TWurfRec& w)
        : belegen{w.Belegen(1), w.Belegen(2), w.Belegen(3)}, tk{w.TKDatum(1), w.TKDatum(2)},
          abferkeln(w.Abferkeln()), absetzen(w.Absetzen()), geborene(w.Geborene()),
          todgeborene(w.Todgeborene()), weibliche(w.Weibliche()), ausgleich(w.Ausgleich()),
          verluste(Verluste(w)) {}

    TKurzDatum belegen[3], tk[2], abferkeln, absetzen;
    int geborene, todgeborene, weibliche, ausgleich, verluste;
};

// Walks one sow: keeps the findings and the latest event date.
class Pruefer {
public:
    Pruefer(int sau, const OffenePunkteVorgaben& v, Tagdatum heute, std::vector<Befund>& out)
        : sau_(sau), v_(v), heute_(heute), out_(out) {}

    void melden(int wurf, Art art, Feld feld, TKurzDatum datum, int wert = 0, int wert2 = 0) {
        out_.push_back({sau_, wurf, art, feld, datum, wert, wert2});
    }

    // The date rules of one event date; every present date is an event.
    void datum(int wurf, TKurzDatum d, Feld feld) {
        if (!d.vorhanden()) return;
        if (const auto art = plausibel::Datum(d, heute_, v_.grenzen)) melden(wurf, *art, feld, d);
        const int schluessel = DatumsSchluessel(d);
        if (schluessel > letzterSchluessel_) {
            letzterSchluessel_ = schluessel;
            letztes_ = d;
        }
    }

    // The litter at position `k`; returns its weaning date for the next litter.
    Tagdatum wurf(const TWurfRec& w, int k, Tagdatum vorherigesAbsetzen) {
        const Wurfwerte x(w);
        datum(k, x.belegen[0], Feld::Belegen1);
        datum(k, x.belegen[1], Feld::Belegen2);
        datum(k, x.belegen[2], Feld::Belegen3);
        datum(k, x.tk[0], Feld::TK1);
        datum(k, x.tk[1], Feld::TK2);
        datum(k, x.abferkeln, Feld::Abferkeln);
        datum(k, x.absetzen, Feld::Absetzen);
        const Tagdatum erstes = x.belegen[0], absetzen = x.absetzen;
        if (BelegenZuFrueh(vorherigesAbsetzen, erstes, v_.grenzen))
            melden(k, Art::BelegenNachAbsetzen, Feld::Belegen1, erstes.datum,
                   TageZwischen(vorherigesAbsetzen, erstes));
        if (!x.abferkeln.vorhanden()) return absetzen;
        const Tagdatum abferkeln = x.abferkeln;
        const int letzte = LetzteBelegungInFolge(w);
        const Tagdatum belegt = letzte == 1 ? erstes : Tagdatum(x.belegen[letzte - 1]);
        if (const auto art = Tragezeit(belegt, abferkeln, v_.grenzen))
            melden(k, *art, Feld::Abferkeln, abferkeln.datum, TageZwischen(belegt, abferkeln));
        if (AbsetzenVorAbferkeln(abferkeln, absetzen))
            melden(k, Art::AbsetzenVorAbferkeln, Feld::Absetzen, absetzen.datum);
        ferkel(w, k, x, abferkeln, absetzen);
        return absetzen;
    }

    // The piglet counts of a farrowed litter.
    void ferkel(const TWurfRec& w, int k, const Wurfwerte& x, Tagdatum abferkeln,
                Tagdatum absetzen) {
        const TKurzDatum f = abferkeln.datum;
        const int lebend = x.geborene - x.todgeborene;
        if (ZuVieleLebende(lebend, v_.grenzen))
            melden(k, Art::ZuVieleLebende, Feld::Geborene, f, lebend);
        if (ZuVieleTote(x.todgeborene, v_.grenzen))
            melden(k, Art::ZuVieleTote, Feld::Todgeboren, f, x.todgeborene);
        if (ZuVieleWeibliche(x.weibliche, lebend))
            melden(k, Art::ZuVieleWeibliche, Feld::Gelten, f, x.weibliche, lebend);
        if (ZuVieleVerluste(lebend, x.ausgleich, x.verluste))
            melden(k, Art::ZuVieleVerluste, Feld::Ausfall, f, x.verluste, lebend + x.ausgleich);
        for (int slot = 1; slot <= x.verluste; ++slot) {
            if (VerlustNachAbsetzen(w.Verlusttag(slot), abferkeln, absetzen)) {
                melden(k, Art::VerlustNachAbsetzen, Feld::Ausfall, absetzen.datum,
                       w.Verlusttag(slot), TageZwischen(abferkeln, absetzen));
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
    Tagdatum heute_;
    TKurzDatum letztes_; // the latest event date, and its place in the order of dates
    int letzterSchluessel_ = DatumsSchluessel({});
    std::vector<Befund>& out_;
};

} // namespace

namespace {

void sauPruefen(const Sau& sau, int index, const OffenePunkteVorgaben& v, Tagdatum heute,
                std::vector<Befund>& out) {
    Pruefer p(index, v, heute, out);
    p.datum(-1, sau.rec.Zugang(), Feld::Zugang);
    p.datum(-1, sau.rec.Abgang(), Feld::Abgang);
    Tagdatum vorher;
    std::bitset<256> nummern; // the litter numbers met so far
    const int n = int(sau.wuerfe.size());
    for (int k = 0; k < n; ++k) {
        const TWurfRec& w = sau.wuerfe[std::size_t(k)];
        vorher = p.wurf(w, k, vorher);
        const std::uint8_t nr = w.WurfNr();
        if (nummern.test(nr)) p.melden(k, Art::WurfNrDoppelt, Feld::Keins, w.Belegen(1), nr);
        nummern.set(nr);
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
    const Tagdatum heute = TKurzDatum::aus(v.heute);
    for (std::size_t i = 0; i < herde.size(); ++i)
        sauPruefen(herde[i], int(i), v, heute, out);
    return out;
}
