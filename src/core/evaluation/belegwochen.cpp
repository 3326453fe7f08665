#include "evaluation/belegwochen.h"

#include "herd/saustatus.h"

#include <algorithm>
#include <deque>

namespace {

// Division rounding towards minus infinity, so that groups before the reference Monday
// count backwards without a gap at 0.
qint64 abgerundet(qint64 a, qint64 b) {
    const qint64 q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

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

constexpr std::size_t kKeine = std::size_t(-1);

// The service groups as they are met, each in its place by its number: a litter finds its
// group by one index, and the groups come out newest first without sorting them.
class Gruppenplaetze {
public:
    TBelegwoche& gruppe(qint64 nummer) {
        if (plaetze_.empty()) erste_ = nummer;
        if (nummer < erste_) {
            plaetze_.insert(plaetze_.begin(), std::size_t(erste_ - nummer), kKeine);
            erste_ = nummer;
        }
        const auto i = std::size_t(nummer - erste_);
        if (i >= plaetze_.size()) plaetze_.resize(i + 1, kKeine);
        if (plaetze_[i] == kKeine) {
            plaetze_[i] = gruppen_.size();
            gruppen_.emplace_back().nummer = nummer;
        }
        return gruppen_[plaetze_[i]];
    }
    std::vector<TBelegwoche> absteigend() {
        std::vector<TBelegwoche> liste;
        liste.reserve(gruppen_.size());
        for (auto it = plaetze_.rbegin(); it != plaetze_.rend(); ++it)
            if (*it != kKeine) liste.push_back(std::move(gruppen_[*it]));
        return liste;
    }

private:
    qint64 erste_ = 0;
    std::vector<std::size_t> plaetze_;
    std::deque<TBelegwoche> gruppen_; // a group stays where it was made
};

} // namespace

Gruppenraster::Gruppenraster(int rhythmus, QDate start) : rhythmus_(std::clamp(rhythmus, 1, 5)) {
    if (!start.isValid()) start = QDate(2024, 1, 1);
    startTag_ = start.toJulianDay() - (start.dayOfWeek() - 1);
}

qint64 Gruppenraster::gruppe(const QDate& tag) const {
    return gruppeAmTag(tag.toJulianDay());
}

qint64 Gruppenraster::gruppeAmTag(qint64 julianTag) const {
    // The reference day is a Monday, so whole groups of days from it are whole groups of weeks.
    return abgerundet(julianTag - startTag_, 7 * qint64(rhythmus_));
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

std::vector<TBelegwoche> BelegwochenBilden(const Auswertungskopie& kopie,
                                           const TAuswertungsFilter& filter,
                                           const Belegwochenrahmen& rahmen,
                                           const std::function<void(int)>& fortschritt) {
    // Boar, origin and breed go through the engine's filter test with a period that holds
    // every date; the period itself is the first mating's.
    TAuswertungsFilter weit = filter;
    weit.Datumsart = daBelegen;
    weit.Von = TKurzDatum{};
    weit.Bis = TKurzDatum::aus(31, 12, 2155);
    const Filtervergleich f(weit);
    const TKurzDatum heute = TKurzDatum::aus(rahmen.heute);
    Gruppenplaetze plaetze;
    for (int s = 0; s < kopie.sauenAnzahl(); ++s) {
        if (fortschritt) fortschritt(s);
        const auto wuerfe = kopie.wuerfe(s);
        for (int i = 0; i < int(wuerfe.size()); ++i) {
            const KopieWurf& w = wuerfe[std::size_t(i)];
            const TKurzDatum erste = w.Belegen(1);
            if (!erste.vorhanden() || !DatumZwischen(filter.Von, erste, filter.Bis)) continue;
            const qint64 tag = JulianischerTag(erste);
            if (tag < 0 || !WurfImFilter(f, kopie, s, i)) continue;
            TBelegwoche& g = plaetze.gruppe(rahmen.raster.gruppeAmTag(tag));
            WurfZahlenAddieren(f, kopie, s, i, g.summe, amAuswahl, rahmen.einstellungen);
            if (w.WurfNr == 1) ++g.jungsauen;
            if (g.sauen.empty() || g.sauen.back() != s) g.sauen.push_back(s);
            if (w.abgeferkelt())
                ++g.abgeferkelt;
            else
                nochOffen(g, w, rahmen, heute);
            if (w.Absetzen().vorhanden()) erweitern(g.absetzenVon, g.absetzenBis, w.Absetzen());
        }
    }
    std::vector<TBelegwoche> gruppen = plaetze.absteigend();
    for (TBelegwoche& g : gruppen) {
        g.name = rahmen.raster.name(g.nummer);
        g.summe.Sauen = std::int32_t(g.sauen.size());
    }
    return gruppen;
}

Belegwochenwerte BelegwochenWerte(const TBelegwoche& g) {
    const TKennzahlen& k = g.summe;
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
