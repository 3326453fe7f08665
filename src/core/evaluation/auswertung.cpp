#include "evaluation/auswertung.h"

#include "herd/kurzdatum.h"
#include "herd/saustatus.h"

Filtervergleich::Filtervergleich(const TAuswertungsFilter& f)
    : f_(f), eberGesetzt_(!f.EberFilter.isEmpty()), herkunftGesetzt_(!f.HerkunftFilter.isEmpty()),
      rasseGesetzt_(!f.RasseFilter.isEmpty()), eber_(Kurzname::aus(f.EberFilter)),
      herkunft_(Kurzname::aus(f.HerkunftFilter)), rasse_(Kurzname::aus(f.RasseFilter)),
      von_(DatumsSchluessel(f.Von)), bis_(DatumsSchluessel(f.Bis)) {
    eberGross_ = eber_.gross().text();
}

bool Filtervergleich::herkunftPasst(const KopieSau& s) const {
    return !herkunftGesetzt_ || s.Herkunft == herkunft_;
}

bool Filtervergleich::rassePasst(const KopieSau& s) const {
    return !rasseGesetzt_ || s.Rasse == rasse_;
}

namespace {

// The day figures of a litter, each set once by the steps before it is added.
struct Tagwerte {
    int einstall = 0, umrausch = 0, leerBisAbgang = 0, leer = 0, trag = 0, saeuge = 0, zwz = 0;
};

// The day figures, piglet counts and weights of a litter with a successful mating (without
// the finding lists). Days count on the copy's day numbers.
void erfolgreicherWurf(std::span<const KopieWurf> wuerfe, int i, int tagLetzte, bool abgesetzt,
                       Tagwerte& t, TKennzahlenWerte& k) {
    const KopieWurf& w = wuerfe[std::size_t(i)];
    // The first two litters take the empty days after them, later ones those before.
    if (i > 1 && wuerfe[std::size_t(i - 1)].Absetzen().vorhanden())
        t.leer = TageZwischenNummern(wuerfe[std::size_t(i - 1)].TagAbsetzen(), w.TagBelegen(1));
    else if (std::size_t(i + 1) < wuerfe.size() &&
             wuerfe[std::size_t(i + 1)].Belegen(1).vorhanden() && w.Absetzen().vorhanden())
        t.leer = TageZwischenNummern(w.TagAbsetzen(), wuerfe[std::size_t(i + 1)].TagBelegen(1));
    if (w.abgeferkelt()) {
        t.trag = TageZwischenNummern(tagLetzte, w.TagAbferkeln());
        t.saeuge = abgesetzt ? TageZwischenNummern(w.TagAbferkeln(), w.TagAbsetzen()) : 0;
    }
    if (abgesetzt)
        t.zwz = TageZwischenNummern(w.TagBelegen(1), tagLetzte) + t.leer + t.trag + t.saeuge;

    k.Geborene += w.Geborene;
    k.Todgeborene += w.Todgeborene;
    k.Weibliche += w.Weibliche;
    if (w.Geburtsgewicht > 0) {
        k.GeburtsgewichtSumme += double(w.Geburtsgewicht) * w.Geborene;
        k.GeburtsgewichtAnzahl += w.Geborene;
    }
    const int ausfaelle = w.befundAusfaelle;
    if (t.saeuge > 0)
        k.Abgesetzte += AbgesetzteFerkel(w.Geborene, w.Todgeborene, ausfaelle, w.Ausgleich);
    if (w.Ausgleich > 0) k.AusgleichZu += w.Ausgleich;
    if (w.Ausgleich < 0) k.AusgleichAb += -w.Ausgleich;
    if (w.Absetzgewicht > 0) {
        const int n = w.Geborene - ausfaelle + w.Ausgleich;
        k.AbsetzgewichtSumme += n * double(w.Absetzgewicht) * 0.001;
        k.AbsetzgewichtAnzahl += n;
    }
}

// A litter's figures added into `k` (a cleared litter record or a sum), without the finding
// lists and their counts; true when the litter's findings count (it had a successful mating, or
// the mode counts every litter). A day figure counts nothing where one of its dates is missing
// (TageZwischen would count a missing one as day -31).
bool wurfAddieren(const Filtervergleich& f, const KopieSauSicht& sicht, int i, TKennzahlenWerte& k,
                  TAuswertungsModus modus, const Einstellungen& e) {
    const KopieSau& s = sicht.sau;
    const auto wuerfe = sicht.wuerfe;
    const KopieWurf& w = wuerfe[std::size_t(i)];
    Tagwerte t;
    bool erfolgt = modus != amEber;
    const bool abgang = s.Abgang.vorhanden();
    if (i == 0 && s.Zugang.vorhanden() && w.Belegen(1).vorhanden())
        t.einstall = TageZwischenNummern(s.TagZugang, w.TagBelegen(1));
    const bool abgesetzt = w.Absetzen().vorhanden();
    k.Wuerfe += abgesetzt;

    const int letzte = w.letzteBelegung();
    const bool mitLetzter = w.Belegen(letzte).vorhanden();
    const int tagLetzte = w.TagBelegen(letzte);
    k.ErstBelegungen += 1;
    k.ZweitBelegungen += w.Belegen(2).vorhanden();
    k.DrittBelegungen += w.Belegen(3).vorhanden();
    if (letzte > 1 && w.Belegen(1).vorhanden())
        t.umrausch = TageZwischenNummern(w.TagBelegen(1), tagLetzte);
    if (!w.abgeferkelt() && abgang && mitLetzter)
        t.leerBisAbgang = TageZwischenNummern(tagLetzte, s.TagAbgang);
    if (!abgesetzt && abgang && w.abgeferkelt())
        t.leerBisAbgang = TageZwischenNummern(w.TagAbferkeln(), s.TagAbgang);

    const Kurzname eberGross = f.eberGesetzt() ? f.eber().gross() : Kurzname{};
    for (int b = 1; b <= 3; ++b) {
        if (f.eberGesetzt() && !(w.Eber(b).gross() == eberGross)) continue;
        if (!w.Belegen(b).vorhanden()) continue;
        k.Deckungen += 1;
        if (w.Mal(b) > 1) k.Mehrfach += 1;
        // A mating took when no later one followed; the third when the first check found her
        // pregnant.
        const bool treffer = b == 3 ? w.TKDatum(1).vorhanden() && w.TKErgebnis(1) != 0
                                    : !w.Belegen(b + 1).vorhanden();
        if (treffer) {
            k.Treffer += 1;
            erfolgt = true;
        }
    }
    const bool befunde = w.Belegen(1).vorhanden() && erfolgt;
    if (befunde) erfolgreicherWurf(wuerfe, i, tagLetzte, abgesetzt, t, k);

    if (abgang && t.leerBisAbgang == 0 && std::size_t(i + 1) == wuerfe.size() && abgesetzt)
        t.leerBisAbgang = TageZwischenNummern(w.TagAbsetzen(), s.TagAbgang);
    if (e.mitVerkauf) t.zwz += t.leerBisAbgang;
    if (e.mitEinstall) t.zwz += t.einstall;
    k.Einstalltage += t.einstall;
    k.Umrauschtage += t.umrausch;
    k.LeerBisAbgang += t.leerBisAbgang;
    k.Leertage += t.leer;
    k.Traechtigkeit += t.trag;
    k.Saeugetage += t.saeuge;
    k.TragenUndSaeugen += t.trag + t.saeuge;
    k.Zwischenwurfzeit += t.zwz;
    return befunde;
}

} // namespace

void WurfKennzahlen(const Filtervergleich& f, const KopieSauSicht& s, int i, TKennzahlen& k,
                    TAuswertungsModus modus, const Einstellungen& e) {
    k.Leeren();
    if (!wurfAddieren(f, s, i, k, modus, e)) return;
    for (const KopieBefund& b : s.befunde(i)) {
        TBefundEintrag& eintrag =
            (b.Verlusttag > 0 ? k.AusfallListe : k.AnomalieListe).emplace_back();
        eintrag.Name = b.Eintrag;
        eintrag.Tag = b.Verlusttag;
        eintrag.Anzahl = 1;
    }
    k.AnomalienAnzahl = std::int32_t(k.AnomalieListe.size());
    k.AusfaelleAnzahl = std::int32_t(k.AusfallListe.size());
}

// WurfKennzahlen and KennzahlenAddieren in one: the litter's findings go straight into the sum,
// in the order the litter's own lists would bring them.
void WurfKennzahlenAddieren(const Filtervergleich& f, const KopieSauSicht& s, int i,
                            TKennzahlen& summe, TAuswertungsModus modus, const Einstellungen& e) {
    if (!wurfAddieren(f, s, i, summe, modus, e)) return;
    for (const KopieBefund& b : s.befunde(i))
        BefundAddieren(summe, b.Verlusttag > 0, b.Eintrag, b.Verlusttag, 1);
}

void WurfZahlenAddieren(const Filtervergleich& f, const KopieSauSicht& s, int i,
                        TKennzahlenWerte& summe, TAuswertungsModus modus, const Einstellungen& e) {
    if (!wurfAddieren(f, s, i, summe, modus, e)) return;
    const KopieWurf& w = s.wuerfe[std::size_t(i)];
    summe.AusfaelleAnzahl += w.befundAusfaelle;
    summe.AnomalienAnzahl += w.befundAnzahl - w.befundAusfaelle;
}

bool WurfImFilter(const Filtervergleich& f, const KopieSauSicht& sicht, int i) {
    const TAuswertungsFilter& fi = f.filter();
    const KopieSau& s = sicht.sau;
    const KopieWurf& w = sicht.wuerfe[std::size_t(i)];
    const int k = w.letzteBelegung();
    TKurzDatum d;
    switch (fi.Datumsart) {
    case daEinstallen:
        d = s.Zugang;
        break;
    case daBelegen:
        d = w.Belegen(k);
        break;
    case daFerkeln:
        d = w.Abferkeln();
        break;
    case daAbsetzen:
        d = w.Absetzen();
        break;
    }
    if (!f.imZeitraum(d)) return false;
    const bool abgang = s.Abgang.vorhanden();
    if (fi.NurGanzeWuerfe && !w.Absetzen().vorhanden() && !(!fi.NurVorhandeneSauen && abgang))
        return false;
    if (fi.NurVorhandeneSauen && abgang) return false;
    if (fi.NurErsterWurf && w.WurfNr != 1) return false;
    if (f.eberGesetzt() && !(f.eber() == w.Eber(k))) return false;
    return f.herkunftPasst(s) && f.rassePasst(s);
}

QString Filterbeschreibung(const TAuswertungsFilter& f) {
    static const char* const arten[] = {"Einstallen", "Belegen", "Abferkeln", "Absetzen"};
    QString t = QString::fromLatin1(arten[std::min<int>(f.Datumsart, 3)]);
    t += u' ' + KurzDatumText(f.Von) + QStringLiteral(" - ") + KurzDatumText(f.Bis);
    if (!f.HerkunftFilter.isEmpty()) t += QStringLiteral("  Herkunft: ") + f.HerkunftFilter;
    if (!f.RasseFilter.isEmpty()) t += QStringLiteral("  Rasse: ") + f.RasseFilter;
    if (!f.EberFilter.isEmpty()) t += QStringLiteral("  Eber: ") + f.EberFilter;
    return t;
}

double RemontierungsquoteBerechnen(const Filtervergleich& f, const Auswertungskopie& kopie) {
    const TAuswertungsFilter& fi = f.filter();
    long zugaenge = 0, abgaenge = 0, bestand = 0;
    for (int i = 0; i < kopie.sauenAnzahl(); ++i) {
        const KopieSau& s = kopie.sau(i);
        if (!f.rassePasst(s) || !f.herkunftPasst(s)) continue;
        if (!fi.Von.vorhanden() || f.imZeitraum(s.Zugang)) ++zugaenge;
        if (s.Abgang.vorhanden() && (!fi.Von.vorhanden() || !DatumVor(s.Abgang, fi.Von)) &&
            (!fi.Bis.vorhanden() || !DatumVor(fi.Bis, s.Abgang)))
            ++abgaenge;
        if (!s.Abgang.vorhanden() || !fi.Bis.vorhanden())
            ++bestand;
        else if (DatumVor(s.Zugang, fi.Bis) && DatumVor(fi.Bis, s.Abgang))
            ++bestand;
    }
    const long anfang = bestand + abgaenge - zugaenge;
    if (anfang > 0) return double(abgaenge) / double(anfang) * 100.0;
    if (bestand > 0) return double(abgaenge) / double(bestand) * 100.0;
    return 0.0;
}

void KennzahlenBerechnen(TAuswertungsStand& stand, const Auswertungskopie& kopie,
                         const Einstellungen& e, const std::function<void(int)>& fortschritt) {
    stand.Summe.Leeren();
    const Filtervergleich f(stand.filter);
    const auto einer = [&](const KopieSauSicht& s, int i) {
        WurfKennzahlenAddieren(f, s, i, stand.Summe, stand.Modus, e);
    };
    switch (stand.Modus) {
    case amSauWurf:
        if (stand.Sau >= 0 && stand.Wurf >= 0) einer(kopie.sicht(stand.Sau), stand.Wurf);
        stand.Summe.Sauen = 1;
        return;
    case amSau:
        if (stand.Sau >= 0) {
            const KopieSauSicht s = kopie.sicht(stand.Sau);
            for (int i = 0; i < int(s.wuerfe.size()); ++i)
                einer(s, i);
        }
        stand.Summe.Sauen = 1;
        return;
    case amEber:
    case amAuswahl:
        break;
    }
    for (int sau = 0; sau < kopie.sauenAnzahl(); ++sau) {
        if (fortschritt) fortschritt(sau);
        const KopieSauSicht s = kopie.sicht(sau);
        bool gezaehlt = false;
        for (int i = 0; i < int(s.wuerfe.size()); ++i) {
            if (!WurfImFilter(f, s, i)) continue;
            einer(s, i);
            if (!gezaehlt) ++stand.Summe.Sauen;
            gezaehlt = true;
        }
    }
    stand.Summe.Remontierungsquote = RemontierungsquoteBerechnen(f, kopie);
}

void SauWurfWaehlen(TAuswertungsStand& stand, const Auswertungskopie& kopie, const Sau& sau,
                    int sauIndex, int wurfInListe) {
    stand.Modus = amSauWurf;
    stand.Sau = stand.SauIndex = sauIndex;
    stand.Wurf = kopie.wurfIndex(sauIndex, wurfInListe);
    stand.gewaehlteWurfNr = wurfInListe >= 0 && std::size_t(wurfInListe) < sau.wuerfe.size()
                                ? sau.wuerfe[std::size_t(wurfInListe)].WurfNr()
                                : 0;
}

void SauWaehlen(TAuswertungsStand& stand, int sauIndex) {
    stand.Modus = amSau;
    stand.Sau = stand.SauIndex = sauIndex;
    stand.Wurf = -1;
}

void HerdeWaehlen(TAuswertungsStand& stand, TAuswertungsModus modus,
                  const TAuswertungsFilter& filter) {
    stand.Modus = modus;
    stand.filter = filter;
    stand.filter.EberFilter.truncate(15);
    stand.filter.HerkunftFilter.truncate(15);
    stand.filter.RasseFilter.truncate(15);
    stand.Sau = stand.Wurf = -1;
}
