#include "evaluation/belegwochen.h"

#include "herd/saustatus.h"

#include <algorithm>
#include <memory>

namespace {

QString woche(const QDate& montag, int* jahr) {
    return QStringLiteral("%1").arg(montag.weekNumber(jahr), 2, 10, QLatin1Char('0'));
}

QString jahrText(int jahr) {
    return QStringLiteral("%1").arg(((jahr % 100) + 100) % 100, 2, 10, QLatin1Char('0'));
}

void erweitern(TKurzDatum& von, TKurzDatum& bis, TKurzDatum d) {
    if (!von.vorhanden() || DatumVor(d, von)) von = d;
    if (!bis.vorhanden() || DatumVor(bis, d)) bis = d;
}

// The expected farrowing of a litter not farrowed yet, and whether it could still farrow:
// until its expected day plus seven days has passed.
void nochOffen(TBelegwoche& g, const KopieWurf& w, const Belegwochenrahmen& r, TKurzDatum heute) {
    const TKurzDatum erwartet = TheorAbferkeltermin(w, r.tragezeit);
    if (!erwartet.vorhanden()) return;
    erweitern(g.erwartetVon, g.erwartetBis, erwartet);
    if (TageZwischen(erwartet, heute) <= 7) g.offen = true;
}

constexpr int kKeine = -1;

// The service groups as they are met: a litter finds its group by one index by number, the
// groups stay where they were made (in blocks, so that a new group seldom allocates) and come
// out newest first without sorting them.
class Gruppenplaetze {
public:
    explicit Gruppenplaetze(const Gruppenraster& raster) : raster_(raster) {}

    // The group `nummer`, made when first met; its sow count grows by `sau` once.
    TBelegwoche& gruppe(qint64 nummer, int sau) {
        const int platz = platzVon(nummer);
        TBelegwoche& g = an(platz);
        if (letzteSau_[std::size_t(platz)] != sau) ++g.sauen;
        letzteSau_[std::size_t(platz)] = sau; // the sows come in herd order
        return g;
    }
    std::vector<TBelegwoche> absteigend() {
        std::vector<TBelegwoche> liste;
        liste.reserve(letzteSau_.size());
        for (auto it = plaetze_.rbegin(); it != plaetze_.rend(); ++it)
            if (*it != kKeine) liste.push_back(std::move(an(*it)));
        return liste;
    }

private:
    static constexpr int kBlock = 64;

    TBelegwoche& an(int platz) {
        return bloecke_[std::size_t(platz / kBlock)][std::size_t(platz % kBlock)];
    }
    int platzVon(qint64 nummer) {
        if (plaetze_.empty()) erste_ = nummer;
        if (nummer < erste_) {
            plaetze_.insert(plaetze_.begin(), std::size_t(erste_ - nummer), kKeine);
            erste_ = nummer;
        }
        const auto i = std::size_t(nummer - erste_);
        if (i >= plaetze_.size()) plaetze_.resize(i + 1, kKeine);
        if (plaetze_[i] == kKeine) {
            plaetze_[i] = int(letzteSau_.size());
            if (plaetze_[i] % kBlock == 0)
                bloecke_.push_back(std::make_unique<TBelegwoche[]>(std::size_t(kBlock)));
            TBelegwoche& g = an(plaetze_[i]);
            g.raster = raster_;
            g.nummer = nummer;
            letzteSau_.push_back(kKeine);
        }
        return plaetze_[i];
    }

    Gruppenraster raster_;
    qint64 erste_ = 0;
    std::vector<int> plaetze_; // by number from erste_: the group's place, or kKeine
    std::vector<std::unique_ptr<TBelegwoche[]>> bloecke_;
    std::vector<int> letzteSau_; // by place: the last sow counted
};

} // namespace

Gruppenraster::Gruppenraster(int rhythmus, QDate start) : rhythmus_(std::clamp(rhythmus, 1, 5)) {
    if (!start.isValid()) start = QDate(2024, 1, 1);
    startTag_ = start.toJulianDay() - (start.dayOfWeek() - 1);
}

qint64 Gruppenraster::gruppe(const QDate& tag) const {
    return gruppeAmTag(tag.toJulianDay());
}

QDate Gruppenraster::anfang(qint64 gruppe) const {
    return QDate::fromJulianDay(startTag_ + gruppe * rhythmus_ * 7);
}

QDate Gruppenraster::ende(qint64 gruppe) const {
    return anfang(gruppe).addDays(rhythmus_ * 7 - 1);
}

QString Gruppenraster::name(qint64 gruppe) const {
    const QDate erster = anfang(gruppe);
    int jahr1 = 0, jahr2 = 0;
    const QString w1 = woche(erster, &jahr1);
    if (rhythmus_ == 1) return QStringLiteral("KW ") + w1 + u'/' + jahrText(jahr1);
    const QString w2 = woche(erster.addDays((rhythmus_ - 1) * 7), &jahr2);
    if (jahr1 == jahr2) return QStringLiteral("KW %1–%2/%3").arg(w1, w2, jahrText(jahr1));
    return QStringLiteral("KW %1/%2–%3/%4").arg(w1, jahrText(jahr1), w2, jahrText(jahr2));
}

Belegwochenziele Belegwochenziele::aus(const Einstellungen& e) {
    return {e.zielAbferkelrate, e.zielLebend, e.zielAbgesetzt};
}

namespace {

// The period itself is the first mating's; boar, origin and breed go through the engine's
// filter test with a period that holds every date.
TAuswertungsFilter ohneZeitraum(const TAuswertungsFilter& filter) {
    TAuswertungsFilter weit = filter;
    weit.Datumsart = daBelegen;
    weit.Von = TKurzDatum{};
    weit.Bis = TKurzDatum::aus(31, 12, 2155);
    return weit;
}

} // namespace

Belegwochenzuordnung::Belegwochenzuordnung(const TAuswertungsFilter& filter,
                                           const Gruppenraster& raster)
    : von_(filter.Von), bis_(filter.Bis), vergleich_(ohneZeitraum(filter)), raster_(raster) {}

std::vector<TBelegwoche> BelegwochenBilden(const Auswertungskopie& kopie,
                                           const TAuswertungsFilter& filter,
                                           const Belegwochenrahmen& rahmen,
                                           const std::function<void(int)>& fortschritt) {
    const Belegwochenzuordnung z(filter, rahmen.raster);
    const TKurzDatum heute = TKurzDatum::aus(rahmen.heute);
    Gruppenplaetze plaetze(rahmen.raster);
    for (int s = 0; s < kopie.sauenAnzahl(); ++s) {
        if (fortschritt) fortschritt(s);
        const KopieSauSicht sau = kopie.sicht(s);
        for (int i = 0; i < int(sau.wuerfe.size()); ++i) {
            qint64 nummer = 0;
            if (!z.gruppeDes(sau, i, nummer)) continue;
            const KopieWurf& w = sau.wuerfe[std::size_t(i)];
            TBelegwoche& g = plaetze.gruppe(nummer, s);
            WurfZahlenAddieren(z.vergleich(), sau, i, g.summe, amAuswahl, rahmen.einstellungen);
            if (w.WurfNr == 1) ++g.jungsauen;
            if (w.abgeferkelt())
                ++g.abgeferkelt;
            else
                nochOffen(g, w, rahmen, heute);
            if (w.Absetzen().vorhanden()) erweitern(g.absetzenVon, g.absetzenBis, w.Absetzen());
        }
    }
    return plaetze.absteigend();
}

std::vector<int> BelegwochenSauen(const Auswertungskopie& kopie, const TAuswertungsFilter& filter,
                                  const Gruppenraster& raster, qint64 nummer) {
    const Belegwochenzuordnung z(filter, raster);
    std::vector<int> sauen;
    for (int s = 0; s < kopie.sauenAnzahl(); ++s) {
        const KopieSauSicht sau = kopie.sicht(s);
        for (int i = 0; i < int(sau.wuerfe.size()); ++i)
            if (qint64 g = 0; z.gruppeDes(sau, i, g) && g == nummer) {
                sauen.push_back(s);
                break;
            }
    }
    return sauen;
}

Belegwochenwerte BelegwochenWerte(const TBelegwoche& g) {
    const TKennzahlenWerte& k = g.summe;
    Belegwochenwerte v;
    v.hatRate = g.belegt() > 0;
    if (v.hatRate) v.rate = g.abgeferkelt * 100.0 / g.belegt();
    v.hatWurf = g.abgeferkelt > 0;
    if (v.hatWurf) {
        v.lebend = double(k.Geborene - k.Todgeborene) / g.abgeferkelt;
        v.tot = double(k.Todgeborene) / g.abgeferkelt;
    }
    v.hatAbsetzen = k.Wuerfe > 0;
    if (v.hatAbsetzen) v.abgesetzt = double(k.Abgesetzte) / k.Wuerfe;
    // Piglets in the group's care: born alive, plus those fostered on, less those fostered off.
    const int basis = k.Geborene - k.Todgeborene + k.AusgleichZu - k.AusgleichAb;
    v.hatVerluste = basis > 0;
    if (v.hatVerluste) v.verluste = k.AusfaelleAnzahl * 100.0 / basis;
    return v;
}

TAuswertungsFilter BelegwochenVorgabe(const QDate& heute, const Gruppenraster& raster) {
    TAuswertungsFilter f;
    f.Datumsart = daBelegen;
    const QDate montag = heute.addDays(1 - heute.dayOfWeek()).addDays(-25 * 7);
    f.Von = TKurzDatum::aus(raster.anfang(raster.gruppe(montag)));
    f.Bis = TKurzDatum::aus(heute);
    return f;
}
