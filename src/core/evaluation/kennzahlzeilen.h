#pragma once

#include "evaluation/auswertung.h"

#include <QString>
#include <vector>

// Where a cell's number ends (or, for Links, starts); the layout maps these to its columns.
enum class Kante { Mittel, Gesamt, JeWurf, WuerfeJahr, SaldoMittel, SaldoGesamt, Anteil, Anzahl };

// One figure: the number, right-aligned on its edge, and what follows it there: its unit
// (" Tage") or, for a pair, a separator and the second number ("/" "2,5").
struct KennzahlZelle {
    KennzahlZelle(Kante k, QString z, QString e = {})
        : kante(k), zahl(std::move(z)), einheit(std::move(e)) {}
    static KennzahlZelle Paar(Kante k, QString z, QString trenner, QString zweite) {
        KennzahlZelle c(k, std::move(z));
        c.trenner = std::move(trenner);
        c.zweite = std::move(zweite);
        return c;
    }
    bool paar() const { return !trenner.isEmpty(); }
    // The text shown after the number.
    QString rest() const {
        return paar() ? (zweite.isEmpty() ? QString() : trenner + zweite) : einheit;
    }

    Kante kante = Kante::Mittel;
    QString zahl;
    QString einheit;
    QString trenner;
    QString zweite;
};

// One row of the figures pane and of the printout, with the condition already applied.
struct KennzahlZeile {
    enum Art { Kennzahl, Detail, Saldo };
    Art art = Kennzahl;
    QString text;             // the label, or the name of a detail line
    bool doppelpunkt = false; // ":" after the label column
    double vorschub = 1.0;    // line heights from the row before
    enum Knopf { KeinKnopf, AnomalienKnopf, AusfaelleKnopf } knopf = KeinKnopf;
    std::vector<KennzahlZelle> zellen;
};

// The rows shown for `stand` (its mode, sum and opened detail lists) on the screen or, with
// `druck`, on paper.
std::vector<KennzahlZeile> KennzahlZeilen(const TAuswertungsStand& stand, const Einstellungen& e,
                                          bool druck);

// x with d decimals, right-aligned in at least w characters; decimal comma.
QString Zahl(double x, int w, int d);
// An integer right-aligned in at least w characters.
QString Ganz(long long x, int w = 0);
