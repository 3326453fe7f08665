#pragma once

#include "evaluation/auswertung.h"
#include "herd/sauherde.h"

#include <QDate>
#include <QString>
#include <functional>
#include <vector>

// How litters fall into service groups: by the calendar week of their first mating, or with a
// rhythm of 2 to 5 weeks in runs of that many weeks counted from a reference Monday, in both
// directions.
class Gruppenraster {
public:
    // `rhythmus` is held to 1..5; a reference day that is not a Monday counts from its Monday.
    explicit Gruppenraster(int rhythmus = 1, QDate start = QDate(2024, 1, 1));

    int rhythmus() const { return rhythmus_; }
    // The group of a day (0 = the group that begins on the reference Monday).
    qint64 gruppe(const QDate& tag) const;
    // The same for a day given as its Julian day. The reference day is a Monday, so whole
    // groups of days from it are whole groups of weeks; the division rounds towards minus
    // infinity, so that groups before the reference Monday count back without a gap at 0.
    qint64 gruppeAmTag(qint64 julianTag) const {
        const qint64 tage = julianTag - startTag_, laenge = 7 * qint64(rhythmus_);
        const qint64 q = tage / laenge;
        return tage % laenge != 0 && tage < 0 ? q - 1 : q;
    }
    // Its first Monday and its last Sunday.
    QDate anfang(qint64 gruppe) const;
    QDate ende(qint64 gruppe) const;
    // "KW 12/26", "KW 12–14/26", across a year end "KW 52/25–02/26".
    QString name(qint64 gruppe) const;

private:
    int rhythmus_;
    qint64 startTag_; // Julian day of the reference Monday
};

// One service group: the litters first mated in its weeks, summed by the figures engine.
struct TBelegwoche {
    Gruppenraster raster;
    qint64 nummer = 0;
    TKennzahlenWerte summe; // ErstBelegungen = litters mated, Zweit/Dritt = returns
    int sauen = 0;          // sows with a litter in the group
    int jungsauen = 0;      // of them first litters
    int abgeferkelt = 0;    // litters farrowed
    bool offen = false;     // a litter could still farrow
    TKurzDatum erwartetVon; // expected farrowing of the litters not farrowed yet
    TKurzDatum erwartetBis;
    TKurzDatum absetzenVon; // weaning dates of the weaned litters
    TKurzDatum absetzenBis;

    int belegt() const { return summe.ErstBelegungen; }
    // "KW 12/26" and so on, by its grouping.
    QString name() const { return raster.name(nummer); }
};

// The targets a group is measured against.
struct Belegwochenziele {
    double abferkelrate = 90.0;
    double lebend = 14.0;
    double abgesetzt = 12.0;
    static Belegwochenziele aus(const Einstellungen& e);
};

// What is needed besides the herd: grouping, gestation length, today and the settings.
struct Belegwochenrahmen {
    Gruppenraster raster;
    int tragezeit = 113;
    QDate heute;
    Einstellungen einstellungen;
};

// Which service group a litter of the live herd belongs to: the group its first mating falls
// in, when that lies in the filter's period and the litter passes the boar, origin and breed
// filters. The groups are built and their sows listed by this one rule.
class Belegwochenzuordnung {
public:
    Belegwochenzuordnung(const TAuswertungsFilter& filter, const Gruppenraster& raster);
    // The group of litter `i` of the sow `s` into `gruppe`; false when it belongs to none.
    bool gruppeDes(const KopieSauSicht& s, int i, qint64& gruppe) const {
        return nachBelegen(s.wuerfe[std::size_t(i)], gruppe) &&
               (vergleich_.nurZeitraum() || WurfImFilter(vergleich_, s, i));
    }
    // Boar, origin and breed in the engine's form, with a period that holds every date.
    const Filtervergleich& vergleich() const { return vergleich_; }

private:
    // The group by the first mating alone into `gruppe`; false when that mating is missing or
    // outside the period.
    bool nachBelegen(const KopieWurf& w, qint64& gruppe) const {
        const TKurzDatum erste = w.Belegen(1);
        if (!erste.vorhanden() || !DatumZwischen(von_, erste, bis_)) return false;
        const qint64 tag = JulianischerTag(erste);
        if (tag < 0) return false;
        gruppe = raster_.gruppeAmTag(tag);
        return true;
    }

    TKurzDatum von_, bis_;
    Filtervergleich vergleich_;
    Gruppenraster raster_;
};

// The groups of every litter of `kopie` (the live herd, every litter kept) whose first mating
// lies in the filter's period and that passes its boar, origin and breed filters; newest group
// first. One pass over the litters; `fortschritt` gets each sow's index.
std::vector<TBelegwoche> BelegwochenBilden(const Auswertungskopie& kopie,
                                           const TAuswertungsFilter& filter,
                                           const Belegwochenrahmen& rahmen,
                                           const std::function<void(int)>& fortschritt = nullptr);

// The herd indexes of the sows with a litter in group `nummer`, each once, in herd order.
std::vector<int> BelegwochenSauen(const Auswertungskopie& kopie, const TAuswertungsFilter& filter,
                                  const Gruppenraster& raster, qint64 nummer);

// The figures of a group as shown; `hat...` false where a divisor is 0.
struct Belegwochenwerte {
    bool hatRate = false, hatWurf = false, hatAbsetzen = false, hatVerluste = false;
    double rate = 0;      // farrowed / mated, percent
    double lebend = 0;    // born alive per farrowed litter
    double tot = 0;       // born dead per farrowed litter
    double abgesetzt = 0; // weaned per weaned litter
    double verluste = 0;  // losses in percent of born alive plus the fostering balance
};
Belegwochenwerte BelegwochenWerte(const TBelegwoche& g);

// The default period: the last 26 weeks, from the Monday 25 weeks before today's week up to
// today; boar, origin and breed open.
// The period begins at the start of the group that holds that Monday.
TAuswertungsFilter BelegwochenVorgabe(const QDate& heute, const Gruppenraster& raster);
