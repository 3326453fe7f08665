#pragma once

class Herdfolge;

#include "entry/offenepunkte.h"
#include "evaluation/listenflaeche.h"

class QLabel;

// "Offene Punkte": every sow and litter that needs attention, with what is wrong and the date
// it refers to; Enter or a double click opens the card at the field to fix. Follows the herd.
class TOffenePunkte final : public Listenfenster {
    Q_OBJECT
public:
    explicit TOffenePunkte(AppContext& ctx, QWidget* parent = nullptr);

    const std::vector<plausibel::Befund>& liste() const { return liste_; }
    QString druckTitel() const override { return QStringLiteral("Offene Punkte"); }
    // Opens the card of line n (from 0) at its field.
    void zeileOeffnen(int n);

protected:
    void bilden() override;
    int anzahl() const override { return int(liste_.size()); }
    void kopfZeichnen(Canvas& c) override;
    bool seitenDrucken(Canvas& c, int von, int bis, const Druckfortschritt& f) override;
    CsvWriter tabelle() const override;

private:
    OffenePunkteVorgaben vorgaben_;
    std::vector<plausibel::Befund> liste_;
    QLabel* Grenzen = nullptr;
    Herdfolge* folge_ = nullptr;
};

// Opens the list in the main window's MDI area.
TOffenePunkte* OffenePunkteOeffnen(AppContext& ctx, QMdiArea* mdi);
