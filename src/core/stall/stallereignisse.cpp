#include "stall/stallereignisse.h"

#include "entry/anomalien.h"
#include "entry/sammelbuchung.h"
#include "entry/wurfregeln.h"
#include "herd/saustatus.h"

#include <cmath>

namespace stallbuchung {

namespace {

QString nichtBelegt(const Arbeit& a) {
    return sammelbuchung::NichtBelegtText(a.nr());
}
QString keinAbferkeln(const Arbeit& a) {
    return sammelbuchung::KeinAbferkelnText(a.nr());
}

wurfregeln::Stand stand(const TWurfRec& w) {
    wurfregeln::Stand s;
    for (int k = 1; k <= 3; ++k) {
        s.belegen[k - 1] = w.Belegen(k);
        s.belegenText[k - 1] = w.Belegen(k).vorhanden();
    }
    s.abferkeln = w.Abferkeln();
    s.absetzen = w.Absetzen();
    s.geborene = w.Geborene();
    s.todgeboren = w.Todgeborene();
    s.zugesetzt = w.Ausgleich();
    s.ausfall = Verluste(w);
    return s;
}

QString belegen(Arbeit& a, const Eingabe& e) {
    TWurfRec& w = a.w.back();
    if (w.Abferkeln().vorhanden()) return sammelbuchung::SaeugendText(a.nr());
    const int k = !w.Belegen(1).vorhanden()   ? 1
                  : !w.Belegen(2).vorhanden() ? 2
                  : !w.Belegen(3).vorhanden() ? 3
                                              : 0;
    if (k == 0) return QStringLiteral("Zu diesem Wurf sind schon drei Belegungen eingetragen!");
    const bool erste = a.w.size() == 1;
    const TKurzDatum vorher = erste ? TKurzDatum{} : a.w[a.w.size() - 2].Absetzen();
    wurfregeln::Pruefung p;
    if (k == 1)
        p = wurfregeln::pruefeBelegen1(e.datum, erste, a.rec.Zugang(), vorher);
    else
        p = k == 2 ? wurfregeln::pruefeBelegen2(w.Belegen(1), e.datum)
                   : wurfregeln::pruefeBelegen3(w.Belegen(2), e.datum);
    if (!p.meldung.isEmpty()) return p.meldung;
    a.datumWarnen(e.datum);
    if (k == 1 && plausibel::BelegenZuFrueh(vorher, e.datum, a.g()))
        a.warnen(plausibel::Art::BelegenNachAbsetzen, TageZwischen(vorher, e.datum));
    w.setBelegen(k, e.datum);
    w.setEber(k, e.eber);
    w.setMal(k, std::uint8_t(e.mal));
    a.aenderung = QStringLiteral("%1. Belegen am %2, Eber %3, %4 mal")
                      .arg(k)
                      .arg(KurzDatumText(e.datum), e.eber.isEmpty() ? QStringLiteral("-") : e.eber)
                      .arg(e.mal);
    return {};
}

QString tk(Arbeit& a, const Eingabe& e) {
    TWurfRec& w = a.w.back();
    if (!w.Belegen(1).vorhanden() || w.Abferkeln().vorhanden()) return nichtBelegt(a);
    const int k = !w.TKDatum(1).vorhanden() ? 1 : !w.TKDatum(2).vorhanden() ? 2 : 0;
    if (k == 0)
        return QStringLiteral("Zu diesem Wurf sind schon zwei Trächtigkeitskontrollen "
                              "eingetragen!");
    const auto p = wurfregeln::pruefeTK(w.Belegen(1), e.datum);
    if (!p.meldung.isEmpty()) return p.meldung;
    a.datumWarnen(e.datum);
    w.setTKDatum(k, e.datum);
    w.setTKErgebnis(k, e.tragend ? 1 : 0);
    a.aenderung = QStringLiteral("%1. Trächtigkeitskontrolle am %2: %3")
                      .arg(k)
                      .arg(KurzDatumText(e.datum),
                           e.tragend ? QStringLiteral("tragend") : QStringLiteral("nicht tragend"));
    return {};
}

void abferkelnWarnen(Arbeit& a, const wurfregeln::Stand& s, const Eingabe& e) {
    using plausibel::Art;
    if (wurfregeln::weichtZuStarkAb(s, a.ctx.Tragezeit)) {
        a.warnungen << wurfregeln::kAbstandWarnung;
    } else {
        const TKurzDatum m = wurfregeln::massgeblicheBelegung(s);
        a.warnen(plausibel::Tragezeit(m, e.datum, a.g()), TageZwischen(m, e.datum));
    }
    a.datumWarnen(e.datum);
    if (plausibel::ZuVieleLebende(e.lebend, a.g())) a.warnen(Art::ZuVieleLebende, e.lebend);
    if (plausibel::ZuVieleTote(e.tot, a.g())) a.warnen(Art::ZuVieleTote, e.tot);
    if (plausibel::ZuVieleWeibliche(e.weibliche, e.lebend))
        a.warnen(Art::ZuVieleWeibliche, e.weibliche, e.lebend);
}

QString abferkeln(Arbeit& a, const Eingabe& e) {
    TWurfRec& w = a.w.back();
    if (!w.Belegen(1).vorhanden()) return nichtBelegt(a);
    if (w.Abferkeln().vorhanden())
        return QStringLiteral("Zu diesem Wurf ist das Abferkeln schon eingetragen!");
    const int geborene = e.lebend + e.tot;
    if (geborene > 255) return QStringLiteral("Der Wert darf nicht über 255 liegen!");
    if (e.weibliche > geborene)
        return QStringLiteral("Es kann nicht mehr weibliche als geborene Ferkel geben!");
    wurfregeln::Stand s = stand(w);
    s.abferkeln = e.datum;
    const auto p = wurfregeln::pruefeAbferkeln(s);
    if (!p.meldung.isEmpty()) return p.meldung;
    abferkelnWarnen(a, s, e);
    w.setAbferkeln(e.datum);
    w.setGeborene(std::uint8_t(geborene));
    w.setTodgeborene(std::uint8_t(e.tot));
    w.setWeibliche(std::uint8_t(e.weibliche));
    if (geborene > 0 && e.tot == geborene) {
        // As the card does: a litter born dead is weaned on its farrowing day.
        a.warnungen << wurfregeln::kAlleTot;
        w.setAbsetzen(e.datum);
    }
    a.aenderung = QStringLiteral("Abferkeln am %1: %2 lebend, %3 tot, %4 weiblich")
                      .arg(KurzDatumText(e.datum))
                      .arg(e.lebend)
                      .arg(e.tot)
                      .arg(e.weibliche);
    return {};
}

QString verlust(Arbeit& a, const Eingabe& e) {
    a.wurf = AktuellerWurf(a.w);
    if (a.wurf < 0 || !a.w[std::size_t(a.wurf)].Abferkeln().vorhanden()) return keinAbferkeln(a);
    TWurfRec& w = a.w[std::size_t(a.wurf)];
    const int bisher = Verluste(w);
    const QString platz = wurfregeln::eintraegePruefen(w, eaAusfaelle, bisher + e.anzahl);
    if (!platz.isEmpty()) return platz;
    const int tage = TageZwischen(w.Abferkeln(), e.datum);
    if (tage < 0) return QStringLiteral("Das Datum liegt vor dem Abferkeltermin!");
    if (tage > 254) return QStringLiteral("Das Datum liegt mehr als 254 Tage nach dem Abferkeln!");
    a.datumWarnen(e.datum);
    if (plausibel::VerlustNachAbsetzen(tage + 1, w.Abferkeln(), w.Absetzen()))
        a.warnen(plausibel::Art::VerlustNachAbsetzen, tage + 1);
    const int lebend = w.Geborene() - w.Todgeborene();
    if (plausibel::ZuVieleVerluste(lebend, w.Ausgleich(), bisher + e.anzahl))
        a.warnen(plausibel::Art::ZuVieleVerluste, bisher + e.anzahl, lebend + w.Ausgleich());
    for (int slot = bisher + 1; slot <= bisher + e.anzahl; ++slot) {
        w.setEintrag(slot, e.ursache);
        w.setVerlusttag(slot, std::uint8_t(tage + 1));
    }
    a.aenderung = QStringLiteral("%1 Ausfall/Ausfälle am %2 (Lebenstag %3): %4")
                      .arg(e.anzahl)
                      .arg(KurzDatumText(e.datum))
                      .arg(tage + 1)
                      .arg(e.ursache);
    return {};
}

QString absetzen(Arbeit& a, const Eingabe& e) {
    TWurfRec& w = a.w.back();
    if (!w.Abferkeln().vorhanden()) return keinAbferkeln(a);
    if (w.Absetzen().vorhanden())
        return QStringLiteral("Zu diesem Wurf ist das Absetzen schon eingetragen!");
    const auto p = wurfregeln::pruefeAbsetzen(w.Abferkeln(), e.datum);
    if (!p.meldung.isEmpty()) return p.meldung;
    a.datumWarnen(e.datum);
    if (TageZwischen(w.Abferkeln(), e.datum) == 0) {
        // Weaned on the farrowing day: an abortion, as the card books it.
        a.warnungen << wurfregeln::kAbort;
        w.setTodgeborene(w.Geborene());
        w.setAusgleich(0);
        wurfregeln::verlusteEntfernen(w);
    }
    w.setAbsetzen(e.datum);
    if (e.gewichtKg > 0.01) w.setAbsetzgewichtKg(e.gewichtKg);
    a.aenderung = QStringLiteral("Absetzen am %1: %2 Ferkel, %3 kg")
                      .arg(KurzDatumText(e.datum))
                      .arg(std::max(0, Abgesetzte(w)))
                      .arg(QString::number(e.gewichtKg, 'f', 2));
    return {};
}

} // namespace

QString Anwenden(Arbeit& a, const Eingabe& e) {
    if (e.art == Art::Stall) {
        a.aenderung = QStringLiteral("Stall %1 (vorher %2)").arg(e.stall, a.rec.Stall());
        a.rec.setStall(e.stall);
        return {};
    }
    if (a.rec.Abgang().vorhanden() || a.w.empty())
        return QStringLiteral("Die Sau ") + a.nr() + QStringLiteral(" ist abgegangen!");
    a.wurf = int(a.w.size()) - 1;
    switch (e.art) {
    case Art::Belegen:
        return belegen(a, e);
    case Art::TK:
        return tk(a, e);
    case Art::Abferkeln:
        return abferkeln(a, e);
    case Art::Verlust:
        return verlust(a, e);
    case Art::Absetzen:
        return absetzen(a, e);
    case Art::Stall:
        break;
    }
    return {};
}

} // namespace stallbuchung
