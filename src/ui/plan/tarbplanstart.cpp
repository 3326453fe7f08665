#include "plan/tarbplanstart.h"

#include "controls/dialogknoepfe.h"
#include "controls/enteralstab.h"
#include "controls/tdate_ed.h"
#include "controls/tnumedit.h"
#include "plan/arbeitsplan.h"
#include "programm/appcontext.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The week of the start rule that holds `tag`.
int wocheVon(QDate tag) {
    const QDate start = KalenderwochenStart(tag.year(), 1).alsQDate();
    return int(start.daysTo(tag) / 7) + 1;
}

QFrame* rahmen(const QString& hinweis, QRadioButton* knopf, QWidget* feld, const QString& text,
               bool textDavor) {
    auto* f = new QFrame;
    f->setFrameShape(QFrame::StyledPanel);
    f->setToolTip(hinweis);
    auto* l = new QHBoxLayout(f);
    l->addWidget(knopf);
    auto* label = new QLabel(text);
    label->setBuddy(feld);
    if (textDavor) l->addWidget(label);
    l->addWidget(feld);
    if (!textDavor) l->addWidget(label);
    l->addStretch();
    return f;
}

} // namespace

TArbPlanStart::TArbPlanStart(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("ArbPlanStart"));
    setWindowTitle(QStringLiteral("Arbeitsplan"));
    setProperty("helpContext", 500);

    RadioButton1 = new QRadioButton;
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->setChecked(true);
    tdate_ed1 = new tdate_ed(ctx.clock());
    tdate_ed1->setObjectName(QStringLiteral("tdate_ed1"));
    tdate_ed1->SetDatum(TKurzDatum::aus(ctx.heute()));

    RadioButton2 = new QRadioButton;
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    NumEdit1 = new TNumEdit(ctx.messages(), ctx.einstellungen.waehrung);
    NumEdit1->setObjectName(QStringLiteral("NumEdit1"));
    NumEdit1->setNumericType(TNumEdit::ntInteger);
    NumEdit1->setPositivOnly(true);
    NumEdit1->setDigits(2);
    NumEdit1->setMax(53);
    NumEdit1->setValidate(true);
    NumEdit1->setWert(wocheVon(ctx.heute()));
    NumEdit1->setMaximumWidth(50);
    NumEdit1->setEnabled(false);

    ComboBox1 = new QComboBox;
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setToolTip(QStringLiteral("Teilarbeitsplan optional"));
    for (const TPlanTyp& t : ctx.Plantypen)
        ComboBox1->addItem(t.Name());
    ComboBox1->setCurrentIndex(-1);

    QDialogButtonBox* knoepfe = DialogKnoepfe(this);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &TArbPlanStart::OKBtnClick);
    // The two sit in frames of their own: a group keeps them exclusive.
    auto* gruppe = new QButtonGroup(this);
    gruppe->addButton(RadioButton1);
    gruppe->addButton(RadioButton2);
    // Toggled also follows the arrow keys between the two buttons.
    connect(RadioButton1, &QRadioButton::toggled, this, &TArbPlanStart::RadioButtonClick);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rahmen(QStringLiteral("Start nach Datum"), RadioButton1, tdate_ed1,
                             QStringLiteral("1.Tag   :"), true));
    layout->addWidget(rahmen(QStringLiteral("Start nach Kalenderwoche"), RadioButton2, NumEdit1,
                             QStringLiteral(". Kalenderwoche"), false));
    layout->addWidget(ComboBox1);
    layout->addWidget(knoepfe);
    new EnterAlsTab(this);
    tdate_ed1->setFocus();
}

void TArbPlanStart::RadioButtonClick() {
    tdate_ed1->setEnabled(RadioButton1->isChecked());
    NumEdit1->setEnabled(RadioButton2->isChecked());
}

int TArbPlanStart::planTyp() const {
    return ComboBox1->currentIndex();
}

void TArbPlanStart::OKBtnClick() {
    // The number field takes what was typed when it is left.
    if (QWidget* f = QApplication::focusWidget(); f == NumEdit1) f->clearFocus();
    if (RadioButton2->isChecked()) {
        ersterTag_ = KalenderwochenStart(ctx_.heute().year(), NumEdit1->AsInteger());
    } else {
        ersterTag_ = tdate_ed1->Getdatum();
        // A cleared field starts the plan today rather than on no day at all.
        if (!ersterTag_.vorhanden()) ersterTag_ = TKurzDatum::aus(ctx_.heute());
    }
    accept();
}
