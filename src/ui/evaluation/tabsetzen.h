#pragma once

#include "evaluation/ferkelbuch.h"
#include "evaluation/listenflaeche.h"

// The piglet day book of the whole herd: births, losses and weaning by day, and the stock.
class TAbsetzen final : public Listenfenster {
    Q_OBJECT
public:
    explicit TAbsetzen(AppContext& ctx, QWidget* parent = nullptr);

    const Ferkelliste& liste() const { return liste_; }
    QString druckTitel() const override { return QStringLiteral("Ferkelabgänge"); }

protected:
    void bilden() override;
    int anzahl() const override { return int(liste_.Tage.size()); }
    void kopfZeichnen(Canvas& c) override { FerkelKopfZeichnen(c, anzahl()); }
    bool seitenDrucken(Canvas& c, int von, int bis, const Druckfortschritt& f) override;
    CsvWriter tabelle() const override;

private:
    Ferkelliste liste_;
};

// Opens the day book in the main window's MDI area.
TAbsetzen* AbsetzenOeffnen(AppContext& ctx, QMdiArea* mdi);
