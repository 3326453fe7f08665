#pragma once

#include "herd/kurzdatum.h"
#include "herd/records.h"

#include <QString>
#include <optional>

// The rules of the litter panel, free of widgets: which fields are open at which stage of
// the cycle, the date checks with their messages and the piglet arithmetic.
namespace wurfregeln {

// What the panel's fields hold at the moment.
struct Stand {
    bool belegenText[3] = {}; // the mating date fields have text
    TKurzDatum belegen[3];    // their dates
    bool tkdatum1 = false;    // a date in tkdatum1
    bool tk1 = false;         // first check positive
    bool tkdatum2 = false;
    TKurzDatum abferkeln;
    TKurzDatum absetzen;
    int geborene = 0;
    int todgeboren = 0;
    int zugesetzt = 0;
    int anomal = 0;
    int ausfall = 0;

    // Mating date k (1 to 3), as a record numbers them.
    TKurzDatum Belegen(int k) const { return belegen[k - 1]; }
};

// Which fields are open.
struct Freigabe {
    bool eber[3] = {}, mal[3] = {}, belegnote[3] = {};
    bool belegen2 = false, belegen3 = false;
    bool tkdatum1 = false, tk1 = false, tkdatum2 = false, tk2 = false;
    bool abferkeln = false, geborene = false, todgeboren = false;
    bool gelten = false, geburtgew = false, zugesetzt = false, anomal = false, ausfall = false;
    bool absetzen = false, ferkelnNote = false;
    bool anomalKnopf = false, ausfallKnopf = false;
    bool absetzenNurLesen = false;
    bool abgesetzte = false, absetzgew = false;
};

Freigabe freigaben(const Stand& s);

// The latest mating that counts: the third only together with the second.
TKurzDatum massgeblicheBelegung(const Stand& s);
// "~" + the expected farrowing date, or empty without a mating.
QString abferkelVorschlag(const Stand& s, int tragezeit);

struct Pruefung {
    QString meldung; // empty: passed
    bool fokusZurueck = false;
};

// Checks of a date field when it is left holding a date.
Pruefung pruefeBelegen1(TKurzDatum belegen1, bool ersteWurfseite, TKurzDatum zugang,
                        TKurzDatum vorherigesAbsetzen);
Pruefung pruefeBelegen2(TKurzDatum belegen1, TKurzDatum belegen2);
Pruefung pruefeBelegen3(TKurzDatum belegen2, TKurzDatum belegen3);
Pruefung pruefeTK(TKurzDatum belegen1, TKurzDatum tk);
Pruefung pruefeAbferkeln(const Stand& s);
Pruefung pruefeAbsetzen(TKurzDatum abferkeln, TKurzDatum absetzen);
// The farrowing date differs more than a tenth of the gestation from the expected one.
bool weichtZuStarkAb(const Stand& s, int tragezeit);

// Weaned piglets as the panel shows them (never below 0).
int abgesetzte(const Stand& s);

// Losses and anomalies share the 14 entry slots: the message when `anzahl` entries of one kind
// (mode 0 anomalies, 1 losses) do not fit beside the other kind's entries in `w`, else empty.
QString eintraegePruefen(const TWurfRec& w, int modus, int anzahl);

// Removes every anomaly entry (from slot 14 down to the first loss slot) or every loss entry
// (from slot 1 up while the slot holds a loss).
void anomalienEntfernen(TWurfRec& w);
void verlusteEntfernen(TWurfRec& w);

// The last present date of a litter in the order matings, farrowing, weaning.
TKurzDatum letzterEintrag(const TWurfRec& w);

inline const QString kAbstandWarnung =
    QStringLiteral("Das Datum weicht mehr als 10 % vom theoretischen Abferkeltermin ab!");
inline const QString kAlleTot =
    QStringLiteral("Alle Ferkel sind todgeboren!\n\rDie Sau hat verferkelt, daher wird "
                   "Absetzdatum = Ferkeldatum angegeben");
inline const QString kAbort = QStringLiteral(
    "Ferkel- und Absetzdatum sind gleich!\n\rDas wird automatisch als Abort interpretiert.\n\r"
    "Eine Zahl abgesetzter Ferkel erscheinen daher nicht.");

} // namespace wurfregeln
