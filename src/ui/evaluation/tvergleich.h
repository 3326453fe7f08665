#pragma once

#include "evaluation/auswertungsliste.h"
#include "evaluation/vergleich.h"

// "Vergleich": one line per boar, origin or breed with the figures of its litters.
class TVergleich final : public Auswertungsliste {
    Q_OBJECT
public:
    explicit TVergleich(AppContext& ctx, QWidget* parent = nullptr);

    // Stores the filter and the kind, then computes the groups over the live herd.
    void Auswerten(Vergleichsart art, const TAuswertungsFilter& f);
    Vergleichsart vergleichsart() const { return art_; }
    const std::vector<TVergleichszeile>& zeilen() const { return zeilen_; }
    QString druckTitel() const override;
    QPageLayout::Orientation druckAusrichtung() const override { return QPageLayout::Landscape; }

protected:
    void bilden() override;
    int anzahl() const override { return int(zeilen_.size()); }
    void kopfZeichnen(Canvas& c) override;
    bool seitenDrucken(Canvas& c, int von, int bis, const Druckfortschritt& f) override;
    CsvWriter tabelle() const override;

private:
    Vergleichsart art_ = vaEber;
    std::vector<TVergleichszeile> zeilen_;
};

// The menu items "Eber", "Herkunft" and "Rasse": the filter dialog without the compared
// group, then the comparison in `mdi`. Cancel opens nothing.
TVergleich* VergleichOeffnen(AppContext& ctx, Vergleichsart art, QMdiArea* mdi, QWidget* parent);
