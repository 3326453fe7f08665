#pragma once

#include "evaluation/listenflaeche.h"
#include "evaluation/saubewegung.h"

// The register of the herd's animal movements: every sow with her stalling-in and departure,
// by stalling-in date.
class TSaubewegung final : public Listenfenster {
    Q_OBJECT
public:
    explicit TSaubewegung(AppContext& ctx, QWidget* parent = nullptr);

    const std::vector<TBewegung>& liste() const { return liste_; }
    QString druckTitel() const override { return QStringLiteral("Sauenbewegungen"); }

protected:
    void bilden() override;
    int anzahl() const override { return int(liste_.size()); }
    void kopfZeichnen(Canvas& c) override { BewegungKopfZeichnen(c, anzahl()); }
    bool seitenDrucken(Canvas& c, int von, int bis, const Druckfortschritt& f) override;
    CsvWriter tabelle() const override;

private:
    std::vector<TBewegung> liste_;
};

// Opens the register in the main window's MDI area.
TSaubewegung* SaubewegungOeffnen(AppContext& ctx, QMdiArea* mdi);
