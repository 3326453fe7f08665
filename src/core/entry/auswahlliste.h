#pragma once

#include "herd/sauherde.h"

#include <QString>
#include <algorithm>
#include <array>
#include <compare>
#include <cstdint>
#include <vector>

// The entries of the sow selection, free of widgets: one per sow, in sorted order, and the
// lines shown under the state filters.
// What the selection window is opened for: one sow, one sow and then one of her litters, or
// several sows with their groups.
enum Auswahlmodus : int { awEineSau = 0, awSauMitWurf = 1, awSauen = 2 };

enum class Sortierung { Alphanum = 0, Numerisch, Einstalldatum, Status, Abferkeldatum, Gruppe };

// SauNr as stored in the record: at most 10 bytes of Windows-1252, ordered byte by byte
// (a shorter number before a longer one it begins).
struct SauNrBytes {
    std::array<std::uint8_t, 10> b{};
    std::uint8_t n = 0;

    std::strong_ordering operator<=>(const SauNrBytes& o) const {
        return std::lexicographical_compare_three_way(b.begin(), b.begin() + n, o.b.begin(),
                                                      o.b.begin() + o.n);
    }
    bool operator==(const SauNrBytes& o) const { return (*this <=> o) == 0; }
};

struct AuswahlEintrag {
    int index = 0;       // position in the herd
    SauNrBytes nummerCp; // SauNr as stored, compared byte by byte
    qint64 numerisch = 0;
    std::uint8_t status = 0;
    int ersterWurf = 0;
    int letzterWurf = 0;
    TKurzDatum zugang;
    TKurzDatum abferkeln;
    bool abferkelnSpaeter = false; // later than every real date

    // The SauNr as text, decoded when a line is shown or searched.
    QString nummer() const;
};

class Auswahlliste {
public:
    // Builds one entry per sow; among equal keys a later sow stands before an earlier one.
    void aufbauen(const Herde& herde, int tragezeit, Sortierung s);
    // Takes state, number, stalling-in, last litter and farrowing date anew; keeps the order.
    void auffrischen(const Herde& herde, int tragezeit);
    // Stable: equal entries keep their order.
    void sortieren(const Herde& herde, Sortierung s);
    // The same result by the neighbour-swapping passes (kept to check the fast sort).
    void sortierenDurchTauschen(const Herde& herde, Sortierung s);

    // The lines shown for the seven state filters (Leer, Belegt, Tragend, Säugend, Verkauft,
    // leer JS, umrauschen); shown young sows in group 0 move to "JS", shown sows that are no
    // longer young leave "JS" for group 0.
    void sichtbareAufbauen(Herde& herde, const std::array<bool, 7>& filter);
    // Shows only these sows (herd indexes) and leaves their groups as they are: a read-only
    // list of given sows.
    void beschraenken(const std::vector<int>& sauen, std::size_t herdengroesse);
    bool beschraenkt() const { return !nur_.empty(); }

    const std::vector<AuswahlEintrag>& eintraege() const { return eintraege_; }
    const std::vector<int>& sichtbar() const { return sichtbar_; } // entry positions
    const AuswahlEintrag& zeile(int z) const {
        return eintraege_[std::size_t(sichtbar_[std::size_t(z)])];
    }
    int zeilen() const { return int(sichtbar_.size()); }
    // First visible line whose number begins with `text` (both upper-cased); -1 when none.
    int suchen(const QString& text) const;

    // Whether a sorts after b under the key.
    static bool nach(const AuswahlEintrag& a, const AuswahlEintrag& b, Sortierung s,
                     const Herde& herde);

private:
    std::vector<AuswahlEintrag> eintraege_;
    std::vector<int> sichtbar_;
    std::vector<char> nur_; // by herd index; empty: every sow
};

// The filter check box that governs a state.
int filterFuerStatus(int status);
