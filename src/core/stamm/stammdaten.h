#pragma once

#include "herd/hilfslisten.h"
#include "stamm/planrecords.h"

#include <vector>

// The gestation length until the plan times say otherwise.
inline constexpr int kTragezeitVorgabe = 113;

// What the user keeps beside the herd: the helper lists, the plan times with the gestation
// length they give, and the plan types.
struct Stammdaten {
    THilfslisten Hilfslisten;
    TPlanZeiten Planzeiten = PlanZeitenStandard(); // the program-wide plan times
    // Taken from the plan times when they are read (one byte); editing the plan times
    // changes it from the next reading on.
    int Tragezeit = kTragezeitVorgabe;
    std::vector<TPlanTyp> Plantypen;

    // The plan times as read from their file.
    void PlanzeitenGelesen(const TPlanZeiten& z);
    // Back to the defaults, before the files of another data directory are read.
    void Zuruecksetzen();
};
