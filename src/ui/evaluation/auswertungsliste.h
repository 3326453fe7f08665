#pragma once

#include "evaluation/auswertung.h"
#include "evaluation/listenflaeche.h"

#include <array>

class QProgressBar;

// A list window computed over the whole herd under a filter: the stored filter, the gauge
// shown while the herd is read, and the window font of the evaluations.
class Auswertungsliste : public Listenfenster {
    Q_OBJECT
public:
    Auswertungsliste(AppContext& ctx, QWidget* parent = nullptr);

    const TAuswertungsStand& stand() const { return stand_; }
    QProgressBar* Gauge1 = nullptr;

protected:
    // Keeps the filter with its three texts cut to 15 characters.
    void filterSetzen(const TAuswertungsFilter& f);
    // Runs `rechnen` with the wait cursor and the gauge over `sauen` sows; the callback it
    // gets moves the gauge and keeps the window painted.
    void mitFortschritt(int sauen,
                        const std::function<void(const std::function<void(int)>&)>& rechnen);
    // The window's parts with the range labels of its print panel; the heads take two text
    // lines.
    void listeAufbauen(const QString& von, const QString& bis);

    TAuswertungsStand stand_;
    const bool weibliche_; // female piglets shown (setting WEIBLICHE when the window opened)
};

// The filter dialog with the given groups visible (period, three check boxes, boar, origin,
// breed); false on Cancel. With `fuerLebendeHerde` it makes the working copy of the live herd
// (every litter) while open, for the evaluation that follows.
bool AuswertungsfilterErfragen(AppContext& ctx, const std::array<bool, 7>& sichtbar,
                               QWidget* parent, TAuswertungsFilter& f,
                               bool fuerLebendeHerde = false);
