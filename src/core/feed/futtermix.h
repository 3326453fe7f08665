#pragma once

#include "feed/futterrecords.h"
#include "feed/optimierer.h"

#include <QString>
#include <array>
#include <vector>

class AppContext;

// What a feed mix window works on: its own copies of the component list and the mix list,
// and the current mix with its totals and targets. Everything a window does to them, and the
// save query, lives here.
class Futtermix {
public:
    // Reads "KOMPONEN.DAT" and "MISCHUNG.DAT" from the data directory.
    explicit Futtermix(AppContext& ctx);

    AppContext& ctx() const { return ctx_; }

    std::vector<TKomponentenRec> Komponenten;
    bool KomponentenGeaendert = false;
    std::vector<TMischungRec> Mischungen;

    QString Name;
    int Index = -1;
    std::array<TMischungsPosten, kMischungPosten> Posten{};
    int Anzahl = 0;
    std::array<double, kFutterWerte> Summen{};
    std::array<double, kNaehrwerte> Ziele{};
    bool Geaendert = false;
    bool NameEingegeben = false;

    // Component list: replaces component i, or appends when i is the list's size.
    void KomponenteSetzen(int i, const TKomponentenRec& k);
    void KomponenteEinfuegen(int i, const TKomponentenRec& k);
    void KomponenteLoeschen(int i);

    // Appends component k to the mix with its price in the display currency; the slot, or -1
    // when the mix is full or k is no component.
    int Hinzufuegen(int k);
    // Removes entry i; the entries behind move up. Returns the line to select (-1: none).
    int Entfernen(int i);
    void AnteilSetzen(int i, double anteil);
    void FestSetzen(int i, bool fest);
    void ZieleSetzen(const std::array<double, kNaehrwerte>& ziele);
    // Every slot's contributions as content x share and the totals over the 15 slots.
    void SummenBerechnen();
    // Takes mix `index` of the list as the current mix; used entries first.
    void Laden(int index);
    OptimierAusgang Optimieren();

    TMischungRec SatzBauen() const;
    // The save query with `name` and `index` taken from the name box. False when the window
    // is to stay open (cancelled, refused or a file could not be written).
    bool SpeicherAbfrage(const QString& name, int index);

private:
    bool mischungFragen();
    bool mischungSpeichern();

    AppContext& ctx_;
};
