#pragma once

#include "controls/verwerfenfragen.h"

#include <QDialog>
#include <memory>
#include <vector>

class AppContext;
class OffenMarke;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class TNumEdit;
class PlausiWarner;
class tdate_ed;

// "Sammelbuchung": one event with one date booked for many sows at once; then asks whether
// to save (No reloads the herd file).
class TSammelbuchung : public QDialog {
    Q_OBJECT
public:
    explicit TSammelbuchung(AppContext& ctx, QWidget* parent = nullptr);
    ~TSammelbuchung() override;

    // The chosen sows (indexes into the herd, in selection order).
    void SauenSetzen(const std::vector<int>& sauen);
    // The entry point's text and index; arranges the controls for it.
    void EingabepunktSetzen(const QString& text, int index);

    void OKBtnClick();

private:
    void felderAnlegen();
    void anordnen();
    void boxenFreigeben();
    void datumVerlassen();

    AppContext& ctx_;
    std::unique_ptr<PlausiWarner> warner_;
    std::vector<int> sauen_;
    // While the batch is open the whole herd is: cancelling it reads the herd file again.
    std::unique_ptr<OffenMarke> offen_;
    int eingabepunkt_ = 0;
    Feldstand anfang_; // the fields as the entry point set them

    QLabel* LSauen = nullptr;
    QLineEdit* Anzahl = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* Stallwahl = nullptr;
    QLabel* LDatum = nullptr;
    tdate_ed* tdate_ed1 = nullptr;
    QLabel* LEber = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLabel* LMal = nullptr;
    TNumEdit* NumEdit1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QLabel* LGewicht = nullptr;
    TNumEdit* Absetzgewicht = nullptr;
    QGridLayout* raster_ = nullptr;
};
