#pragma once

#include "evaluation/auswertung.h"

#include <QDialog>
#include <array>
#include <optional>

class AppContext;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class tdate_ed;

// "Auswahl": the period, the date kind and the filter of a herd-wide evaluation. It opens
// with the filter last confirmed (see FilterVorgabe) and keeps the one confirmed with OK.
class TAuswertungFilter : public QDialog {
    Q_OBJECT
public:
    explicit TAuswertungFilter(AppContext& ctx, QWidget* parent = nullptr);

    // Visibility of the groups: period, the three check boxes, boar, origin, breed.
    void FilterSichtbarkeit(const std::array<bool, 7>& sichtbar);
    // Hidden boxes read as off or empty; a hidden period leaves Von and Bis as they are.
    void FilterLesen(TAuswertungsFilter& f) const;
    // Every control as it stands, hidden or not.
    TAuswertungsFilter gewaehlt() const;
    void FilterSetzen(const TAuswertungsFilter& f);
    // Fixes the date kind: the radio group shows it and cannot be changed.
    void DatumsartSperren(TDatumsart art);
    // Makes the working copy of the herd (Herdenkopie, with every litter or not) once the
    // dialog is painted, while the farmer chooses: the evaluation confirmed with OK finds it
    // made.
    void KopieVorbereiten(bool alleWuerfe) { kopieAlleWuerfe_ = alleWuerfe; }

    void accept() override;

protected:
    // Typing starts in the period's first date (or the first field shown).
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    QWidget* periodeAufbauen();
    QGridLayout* auswahlAufbauen();
    void listenFuellen(const AppContext& ctx);
    void periodeSetzen();

    AppContext& ctx_;
    std::optional<bool> kopieAlleWuerfe_;
    QGroupBox* RadioGroup1 = nullptr;
    QButtonGroup* radios_ = nullptr;
    QWidget* Panel1 = nullptr;
    tdate_ed* Beleg1 = nullptr;
    tdate_ed* Beleg2 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QComboBox* ComboBox3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Rasse = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QCheckBox* CheckBox3 = nullptr;
};
