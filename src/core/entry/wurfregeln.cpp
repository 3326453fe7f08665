#include "entry/wurfregeln.h"

#include "entry/anomalien.h"
#include "herd/saustatus.h"

#include <algorithm>
#include <cstdlib>

namespace wurfregeln {

Freigabe freigaben(const Stand& s) {
    Freigabe f;
    for (int k = 0; k < 3; ++k) {
        const bool an = s.belegenText[k];
        f.eber[k] = f.mal[k] = f.belegnote[k] = an;
    }
    f.belegen2 = s.belegenText[0];
    f.belegen3 = s.belegenText[1];
    f.tkdatum1 = s.belegenText[0];
    f.abferkeln = s.belegenText[0];
    f.tk1 = s.tkdatum1;
    f.tkdatum2 = s.tkdatum1 && s.tk1;
    f.tk2 = s.tkdatum2;
    const bool geferkelt = s.abferkeln.vorhanden() && f.abferkeln;
    f.geborene = f.todgeboren = geferkelt;
    const bool ferkel = geferkelt && s.geborene > 0;
    f.gelten = f.geburtgew = f.zugesetzt = f.anomal = f.ausfall = f.absetzen = f.ferkelnNote =
        ferkel;
    f.anomalKnopf = s.anomal >= 1;
    f.ausfallKnopf = s.ausfall >= 1;
    f.absetzenNurLesen = s.todgeboren == s.geborene;
    f.abgesetzte = f.absetzgew =
        s.absetzen.vorhanden() && f.absetzen && TageZwischen(s.abferkeln, s.absetzen) >= 1;
    return f;
}

TKurzDatum massgeblicheBelegung(const Stand& s) {
    return s.Belegen(LetzteBelegungInFolge(s));
}

QString abferkelVorschlag(const Stand& s, int tragezeit) {
    const TKurzDatum m = massgeblicheBelegung(s);
    if (!m.vorhanden()) return {};
    return u'~' + TageAddieren(tragezeit, m);
}

namespace {
bool nach(TKurzDatum vorher, TKurzDatum d) {
    return TageZwischen(vorher, d) >= 1;
}
} // namespace

Pruefung pruefeBelegen1(TKurzDatum belegen1, bool ersteWurfseite, TKurzDatum zugang,
                        TKurzDatum vorherigesAbsetzen) {
    const TKurzDatum bezug = ersteWurfseite ? zugang : vorherigesAbsetzen;
    if (nach(bezug, belegen1)) return {};
    // Without the date to compare with, say which one is missing.
    if (!bezug.vorhanden())
        return {ersteWurfseite
                    ? QStringLiteral("Bitte zuerst das Einstalldatum (Zugang) der Sau eintragen!")
                    : QStringLiteral("Bitte zuerst das Absetzen des vorherigen Wurfs eintragen!"),
                true};
    return {QStringLiteral("Das Datum liegt nicht nach dem ") +
                (ersteWurfseite ? QStringLiteral("Einstallen vom ")
                                : QStringLiteral("vorherigen Absetzen vom ")) +
                KurzDatumText(bezug) + u'!',
            true};
}

Pruefung pruefeBelegen2(TKurzDatum belegen1, TKurzDatum belegen2) {
    if (nach(belegen1, belegen2)) return {};
    return {QStringLiteral("Das Datum liegt nicht nach dem 1. Belegen!"), false};
}

Pruefung pruefeBelegen3(TKurzDatum belegen2, TKurzDatum belegen3) {
    if (nach(belegen2, belegen3)) return {};
    return {QStringLiteral("Das Datum liegt nicht nach dem 2. Belegen!"), false};
}

Pruefung pruefeTK(TKurzDatum belegen1, TKurzDatum tk) {
    if (nach(belegen1, tk)) return {};
    return {QStringLiteral("Das Datum liegt nicht nach dem vorherigen Belegen!"), true};
}

Pruefung pruefeAbferkeln(const Stand& s) {
    // The latest mating whose field has text.
    TKurzDatum m = s.belegen[0];
    if (s.belegenText[2])
        m = s.belegen[2];
    else if (s.belegenText[1])
        m = s.belegen[1];
    if (nach(m, s.abferkeln)) return {};
    return {QStringLiteral("Das Datum liegt vor dem letzten Belegen!"), true};
}

Pruefung pruefeAbsetzen(TKurzDatum abferkeln, TKurzDatum absetzen) {
    if (TageZwischen(abferkeln, absetzen) >= 0) return {};
    return {QStringLiteral("Das Datum liegt vor dem Abferkeltermin!"), true};
}

bool weichtZuStarkAb(const Stand& s, int tragezeit) {
    const TKurzDatum m = massgeblicheBelegung(s);
    const TKurzDatum t = TageAddierenDatum(tragezeit, m);
    return std::abs(TageZwischen(t, s.abferkeln)) > tragezeit * 0.1;
}

int abgesetzte(const Stand& s) {
    if (!s.absetzen.vorhanden()) return 0;
    return std::max(0, AbgesetzteFerkel(s.geborene, s.todgeboren, s.ausfall, s.zugesetzt));
}

QString eintraegePruefen(const TWurfRec& w, int modus, int anzahl) {
    const int frei = feldgroesse::Eintraege - (modus == eaAusfaelle ? Anomalien(w) : Verluste(w));
    if (anzahl <= frei) return {};
    return QStringLiteral("Ausfälle und Besonderheiten haben zusammen nur 14 Einträge.\n\r"
                          "Es sind höchstens %1 %2 möglich.")
        .arg(frei)
        .arg(modus == eaAusfaelle ? QStringLiteral("Ausfälle") : QStringLiteral("Besonderheiten"));
}

void anomalienEntfernen(TWurfRec& w) {
    for (int slot = feldgroesse::Eintraege; slot >= 1 && w.Verlusttag(slot) == 0; --slot)
        w.setEintrag(slot, {});
}

void verlusteEntfernen(TWurfRec& w) {
    for (int slot = 1; slot <= feldgroesse::Eintraege && w.Verlusttag(slot) > 0; ++slot) {
        w.setVerlusttag(slot, 0);
        w.setEintrag(slot, {});
    }
}

TKurzDatum letzterEintrag(const TWurfRec& w) {
    TKurzDatum d;
    for (const TKurzDatum x :
         {w.Belegen(1), w.Belegen(2), w.Belegen(3), w.Abferkeln(), w.Absetzen()})
        if (x.vorhanden()) d = x;
    return d;
}

} // namespace wurfregeln
