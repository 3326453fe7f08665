#pragma once

#include "herd/kurzdatum.h"

#include <QDialog>

class AppContext;
class QComboBox;
class QRadioButton;
class TNumEdit;
class tdate_ed;

// "Arbeitsplan": the first day of the plan, by date or by calendar week, and an optional
// plan type.
class TArbPlanStart : public QDialog {
    Q_OBJECT
public:
    explicit TArbPlanStart(AppContext& ctx, QWidget* parent = nullptr);

    // The first day as chosen; meaningful after OK.
    TKurzDatum ersterTag() const { return ersterTag_; }
    // The chosen plan type's index in Plantypen, -1 for none.
    int planTyp() const;

    void OKBtnClick();

private:
    void RadioButtonClick();

    AppContext& ctx_;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    tdate_ed* tdate_ed1 = nullptr;
    TNumEdit* NumEdit1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    TKurzDatum ersterTag_;
};
