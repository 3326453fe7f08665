#pragma once

#include "evaluation/auswertungsliste.h"
#include "evaluation/belegwochen.h"

class QComboBox;
class QMdiArea;

// "Belegwochen": one line per service group, newest first, with a bar chart of one figure
// against its target below the list. Enter or a double click on a group lists its sows.
class TBelegwochen final : public Auswertungsliste {
    Q_OBJECT
public:
    explicit TBelegwochen(AppContext& ctx, QWidget* parent = nullptr);

    // Stores the filter and builds the groups over the live herd.
    void Auswerten(const TAuswertungsFilter& f);
    const std::vector<TBelegwoche>& gruppen() const { return gruppen_; }
    QString druckTitel() const override { return QStringLiteral("Belegwochen"); }
    QPageLayout::Orientation druckAusrichtung() const override { return QPageLayout::Landscape; }

    // The selection window with the sows of group n (from 0), read-only; a card opens from it.
    void GruppeOeffnen(int n);

    QComboBox* ComboDiagramm = nullptr;
    QWidget* PaintBox3 = nullptr; // the chart

protected:
    void bilden() override;
    int anzahl() const override { return int(gruppen_.size()); }
    void kopfZeichnen(Canvas& c) override;
    bool seitenDrucken(Canvas& c, int von, int bis, const Druckfortschritt& f) override;
    CsvWriter tabelle() const override;

private:
    QWidget* diagrammAufbauen();

    std::vector<TBelegwoche> gruppen_;
    std::shared_ptr<const Auswertungskopie> kopie_; // the herd the groups were counted on
    Belegwochenziele ziele_;
};

// The menu item "Belegwochen": the filter dialog (period, boar, origin, breed; the last 26
// weeks), then the list in `mdi`. Cancel opens nothing.
TBelegwochen* BelegwochenOeffnen(AppContext& ctx, QMdiArea* mdi, QWidget* parent);
