#pragma once

// The limits of the plausibility rules and of the overdue points (section "PRUEFUNG"), and
// whether the entry windows warn when a value breaks one.
struct PruefGrenzen {
    int maxLebend = 25;     // born alive
    int maxTot = 10;        // born dead
    int minTragezeit = 105; // farrowing, days after the last mating
    int maxTragezeit = 125;
    int minBelegenNachAbsetzen = 3; // a mating at least this many days after the weaning
    int zukunftTage = 1;            // an event date at most this many days after today
    int ueberfaelligTage = 7;       // farrowing and weaning overdue this many days after their time
    int tkTage = 42;                // a pregnancy check at the latest this many days after mating
    int ohneEreignisTage = 365;     // a sow without any event for longer was forgotten
    int jsTage = 42;                // a gilt is due for her first mating after this many days
    bool warnen = true;             // the card and the batch booking warn while entering

    bool operator==(const PruefGrenzen&) const = default;
};
