#pragma once

#include "herd/pruefgrenzen.h"
#include "herd/waehrung.h"

#include <QDate>
#include <QString>
#include <array>

// Every user setting with the value it has before the settings store is read.
struct Einstellungen {
    // EINSTELLUNGEN
    std::array<bool, 7> anzeige{true, true, true, true, false, true, true}; // ANZEIGE0..6
    int sortierung = 1;
    bool schnellhilfe = true;
    bool einzelspeicherung = true;
    bool backupdatei = true;
    QString ziellaufwerk = QStringLiteral("A:");
    bool futtermengen = false;
    bool vollbild = false;
    bool weibliche = true;
    bool autosort = true;
    int maxEber = -1;
    int maxGruppe = 7;
    Waehrungstabelle waehrung; // STANDARDWAEHRUNG, the rates, X/EURO, EUROZEICHEN
    QString lastBackup = QStringLiteral("01.01.1985 00:00");
    QString printerFont = QStringLiteral("Arial");
    // ARBPLAN
    bool mitStall = true;
    bool mitTage = true;
    bool mitWurf = true;
    // AUSWERTUNG
    std::array<int, 7> index{0, 100, 0, 0, 0, 0, 0}; // INDEX2: born piglets per year
    bool gebGewicht = true;
    bool absGewicht = true;
    bool mitKommentar = false;
    bool mitEinstall = false;
    bool mitVerkauf = false;
    QDate filterVon, filterBis; // the evaluation filter's last period (invalid: none yet)
    // Service groups: weeks per group counted from a reference Monday, and the targets.
    int gruppenrhythmus = 1;        // GRUPPENRHYTHMUS, 1 to 5
    QDate gruppenstart{2024, 1, 1}; // GRUPPENSTART
    double zielAbferkelrate = 90.0; // ZIELABFERKELRATE, percent
    double zielLebend = 14.0;       // ZIELLEBEND, born alive per farrowed litter
    double zielAbgesetzt = 12.0;    // ZIELABGESETZT, weaned per weaned litter
    // BESTANDSKARTE
    std::array<int, 5> item{5, 1, 2, 0, 0};
    // PRUEFUNG
    PruefGrenzen pruefung;
    bool uebersichtBeimStart = true;
    // STALLZUGANG: the page for phones in the barn, off until the farmer turns it on.
    bool stallzugang = false;
    int stallPort = 8470;
};
