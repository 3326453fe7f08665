#pragma once

#include "feed/futterrecords.h"

#include <QDialog>
#include <array>

class QGridLayout;
class AppContext;
class QLabel;
class QLineEdit;
class TNumEdit;

// The component dialog: name, the 12 contents and the price in the record's own currency.
// In target mode name and price are hidden and the 12 values are the mix's targets.
class TKomponente : public QDialog {
    Q_OBJECT
public:
    enum Modus { Komponente, Ziel };
    TKomponente(AppContext& ctx, const TKomponentenRec& rec, Modus modus,
                QWidget* parent = nullptr);

    // The edited record; reserved and unshown bytes as they came.
    TKomponentenRec Satz() const;

    QLineEdit* Edit1 = nullptr;
    std::array<TNumEdit*, kNaehrwerte> Werte{};
    TNumEdit* Preisein = nullptr;

private:
    void werteAufbauen(QGridLayout* gitter);
    void OKBtnClick();

    AppContext& ctx_;
    TKomponentenRec rec_;
    Modus modus_;
};
