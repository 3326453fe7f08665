#pragma once

#include "evaluation/auswertungsliste.h"
#include "evaluation/hitliste.h"

// "Hitliste": the sows ranked by their performance index.
class THitliste final : public Auswertungsliste {
    Q_OBJECT
public:
    explicit THitliste(AppContext& ctx, QWidget* parent = nullptr);

    // Stores the filter and computes the list over the live herd.
    void Auswerten(const TAuswertungsFilter& f);
    const std::vector<THitEintrag>& liste() const { return liste_; }
    QString druckTitel() const override { return QStringLiteral("Hitliste"); }

protected:
    void bilden() override;
    int anzahl() const override { return int(liste_.size()); }
    void kopfZeichnen(Canvas& c) override;
    bool seitenDrucken(Canvas& c, int von, int bis, const Druckfortschritt& f) override;
    CsvWriter tabelle() const override;

private:
    std::vector<THitEintrag> liste_;
};

// The menu item "Hitliste": the filter dialog with every group, then the list, maximised in
// `mdi`. Cancel opens nothing.
THitliste* HitlisteOeffnen(AppContext& ctx, QMdiArea* mdi, QWidget* parent);
