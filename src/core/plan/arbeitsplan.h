#pragma once

#include "herd/kurzdatum.h"
#include "herd/kurzname.h"
#include "herd/records.h"
#include "herd/sauherde.h"
#include "stamm/planrecords.h"

#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <vector>

// The tasks due on one day of a plan line: their abbreviations, each followed by ", ", cut
// to the cell's 8 characters.
struct TagesZelle {
    std::array<char16_t, 8> zeichen{};
    std::uint8_t laenge = 0;

    void anhaengen(const QString& kuerzelKomma);
    bool leer() const { return laenge == 0; }
    QString text() const {
        return QString(reinterpret_cast<const QChar*>(zeichen.data()), qsizetype(laenge));
    }
};

// One line of the work plan: the sow, her current litter and the tasks due on each of the
// seven days. Names are kept as their stored characters and read as text where shown.
struct TArbeitsplanZeile {
    TSauStatus Status = stLeer;
    Kurzname SauNr;
    std::uint8_t WurfNr = 0;
    Kurzname Stall;
    TKurzDatum Belegen;  // last mating of the current litter
    TKurzDatum Ferkeln;  // farrowing, else the expected farrowing date; the sort key
    TKurzDatum Absetzen; // weaning
    std::array<TagesZelle, 7> Tage;
    QString Notiz; // the first 81 characters of the sow's note
    TKurzDatum Zugang;
    int sau = -1; // position in the herd
};

// The plan type used until one is chosen: every state and page, the first 20 stalls of the
// stall list, select by stalls, list all.
TPlanTyp StandardPlanTyp(const QStringList& staelle);

// The row of one sow for a plan starting on `ersterTag`, or nothing when she is not listed.
std::optional<TArbeitsplanZeile> SauAuswerten(const Sau& sau, const TPlanZeiten& zeiten,
                                              const TPlanTyp& typ, TKurzDatum ersterTag,
                                              int tragezeit);

// Ascending by farrowing-or-expected date, equal dates in reverse herd order.
// `fortschritt` is called with the index of every sow before it is evaluated.
std::vector<TArbeitsplanZeile> PlanZeilen(const Herde& herde, const TPlanZeiten& zeiten,
                                          const TPlanTyp& typ, TKurzDatum ersterTag, int tragezeit,
                                          const std::function<void(int)>& fortschritt = {});

// Brings `zeilen` of a plan built by PlanZeilen up to date after the sows at `sauen` changed,
// and nothing else: their rows go and come again at their places.
void PlanZeilenNachtragen(std::vector<TArbeitsplanZeile>& zeilen, const Herde& herde,
                          const std::vector<int>& sauen, const TPlanZeiten& zeiten,
                          const TPlanTyp& typ, TKurzDatum ersterTag, int tragezeit);

// The Monday that starts calendar week `woche` of `jahr` as the start dialog counts it.
TKurzDatum KalenderwochenStart(int jahr, int woche);

// "So", "Mo", ... "Sa" for the weekday of a date.
QString WochentagKurz(TKurzDatum d);

// The head of day column j (0..6): date, three blanks, weekday; days 0..2 end with two blanks.
QString TagesKopf(TKurzDatum ersterTag, int j);

// The "Tag" column: days since the state's base event and ".", "UR" when returning to heat.
// Empty without a base date; in print also empty for gilts not yet mated.
QString TageSeitText(const TArbeitsplanZeile& z, TKurzDatum ersterTag, bool druck = false);

// The day scroll bar's maximum when seven day columns of `tagBreite` do not fit into
// `verfuegbar`; 0 when they fit and no scroll bar is needed. At position p the day columns
// before day p - 1 are hidden.
int TagLeisteMaximum(int verfuegbar, int tagBreite);

// What the work plan window holds: its copy of the plan times, the current plan type, the
// first day, the column switches and the rows.
class Arbeitsplan {
public:
    enum Spalte { spSau, spFerkeln, spWurf, spTag, spStall, spTag0 };

    explicit Arbeitsplan(const QStringList& staelle = {}) : typ(StandardPlanTyp(staelle)) {}

    void aufbauen(const Herde& herde, int tragezeit,
                  const std::function<void(int)>& fortschritt = {}) {
        zeilen = PlanZeilen(herde, zeiten, typ, ersterTag, tragezeit, fortschritt);
    }
    // After the sows at `sauen` changed, and nothing else.
    void nachtragen(const Herde& herde, const std::vector<int>& sauen, int tragezeit) {
        PlanZeilenNachtragen(zeilen, herde, sauen, zeiten, typ, ersterTag, tragezeit);
    }

    // "Arbeitsplan " + name + " ab " + first day.
    QString titel() const;
    // The columns as switched on, left to right; the day columns are spTag0 + j.
    std::vector<int> spalten() const;
    QString kopf(int spalte) const;
    // The text of a cell as the screen shows it; print differs only in "Tag".
    QString zelle(const TArbeitsplanZeile& z, int spalte, bool druck = false) const;

    TKurzDatum ersterTag;
    TPlanZeiten zeiten = PlanZeitenStandard();
    TPlanTyp typ;
    bool mitWurf = true;
    bool mitTage = true;
    bool mitStall = true;
    std::vector<TArbeitsplanZeile> zeilen;
};

// The abbreviations the plan can show with the names of their tasks, in page and row order:
// "Abf. = Abferkeln, Abs = Absetzen, Neub = Neubelegen"; pages the plan type leaves out and
// entries without abbreviation are left out, an abbreviation is named once.
QString PlanLegende(const TPlanZeiten& zeiten, const TPlanTyp& typ);

// The note as the printout shows it: up to the first control character other than a line
// break, at most 80 characters, line breaks as ",".
QString NotizZeile(const QString& notiz);
