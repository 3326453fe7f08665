#include "evaluation/tauswertungfilter.h"

#include "controls/dialogknoepfe.h"
#include "controls/enteralstab.h"
#include "controls/tdate_ed.h"
#include "evaluation/auswertungskopie.h"
#include "evaluation/filtervorgabe.h"
#include "platform/codepage.h"
#include "platform/wartecursor.h"
#include "programm/appcontext.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include <string_view>
#include <unordered_set>

namespace {

template <class W> W* benannt(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QComboBox* auswahlBox(const char* name) {
    auto* c = benannt(new QComboBox, name);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setMinimumWidth(160);
    return c;
}

} // namespace

TAuswertungFilter::TAuswertungFilter(AppContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("AuswertungFilter"));
    setWindowTitle(QStringLiteral("Auswahl"));
    setProperty("helpContext", 300);
    QFont f = font();
    f.setBold(true);
    setFont(f);
    QWidget* oben = periodeAufbauen();
    QGridLayout* raster = auswahlAufbauen();
    listenFuellen(ctx);
    FilterSetzen(FilterVorgabe(ctx));

    QDialogButtonBox* knoepfe = DialogKnoepfe(this);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* l = new QVBoxLayout(this);
    l->addWidget(oben);
    l->addLayout(raster);
    l->addWidget(knoepfe);
    new EnterAlsTab(this);
}

// The date kinds with the period beside the chosen one.
QWidget* TAuswertungFilter::periodeAufbauen() {
    auto* oben = new QWidget;
    RadioGroup1 = benannt(new QGroupBox(oben), "RadioGroup1");
    auto* rl = new QVBoxLayout(RadioGroup1);
    radios_ = new QButtonGroup(this);
    const char* arten[] = {"Einstallen", "Belegen", "Ferkeln", "Absetzen"};
    for (int i = 0; i < 4; ++i) {
        auto* r = new QRadioButton(QString::fromLatin1(arten[i]));
        r->setObjectName(QStringLiteral("RadioGroup1_%1").arg(i));
        radios_->addButton(r, i);
        rl->addWidget(r);
    }
    radios_->button(daBelegen)->setChecked(true);
    RadioGroup1->setFixedSize(RadioGroup1->sizeHint().width() + 20, 4 * 28 + 16);

    Panel1 = benannt(new QWidget(oben), "Panel1");
    auto* pl = new QHBoxLayout(Panel1);
    pl->setContentsMargins(0, 0, 0, 0);
    Beleg1 = benannt(new tdate_ed(ctx_.clock()), "Beleg1");
    Beleg2 = benannt(new tdate_ed(ctx_.clock()), "Beleg2");
    pl->addWidget(new QLabel(QStringLiteral("von")));
    pl->addWidget(Beleg1);
    pl->addWidget(new QLabel(QStringLiteral("bis")));
    pl->addWidget(Beleg2);
    Panel1->setFixedSize(Panel1->sizeHint().width(), Beleg1->sizeHint().height());
    Panel1->move(RadioGroup1->width() + 12, 0);
    oben->setMinimumSize(Panel1->x() + Panel1->width(), RadioGroup1->height());
    connect(radios_, &QButtonGroup::idClicked, this, [this] { periodeSetzen(); });
    periodeSetzen();
    return oben;
}

QGridLayout* TAuswertungFilter::auswahlAufbauen() {
    auto* raster = new QGridLayout;
    Label4 = benannt(new QLabel(QStringLiteral("Eber")), "Label4");
    Label5 = benannt(new QLabel(QStringLiteral("Herkunft")), "Label5");
    Rasse = benannt(new QLabel(QStringLiteral("Rasse")), "Rasse");
    ComboBox1 = auswahlBox("ComboBox1");
    ComboBox2 = auswahlBox("ComboBox2");
    ComboBox3 = auswahlBox("ComboBox3");
    raster->addWidget(Label4, 0, 0);
    raster->addWidget(ComboBox1, 0, 1);
    raster->addWidget(Label5, 1, 0);
    raster->addWidget(ComboBox2, 1, 1);
    raster->addWidget(Rasse, 2, 0);
    raster->addWidget(ComboBox3, 2, 1);
    CheckBox1 = benannt(new QCheckBox(QStringLiteral("nur ganze Würfe")), "CheckBox1");
    CheckBox2 = benannt(new QCheckBox(QStringLiteral("nur vorhandene Sauen")), "CheckBox2");
    CheckBox3 = benannt(new QCheckBox(QStringLiteral("nur 1.Wurf(Jungsauen)")), "CheckBox3");
    raster->addWidget(CheckBox1, 0, 2);
    raster->addWidget(CheckBox2, 1, 2);
    raster->addWidget(CheckBox3, 2, 2);
    return raster;
}

// Origins and breeds in order of first occurrence; the boars of the herd. Equal stored
// characters are equal text, so a name is decoded only when its characters are new.
void TAuswertungFilter::listenFuellen(const AppContext& ctx) {
    std::unordered_set<std::string_view> herkunft, rasse;
    const auto aufnehmen = [](std::unordered_set<std::string_view>& gesehen, QComboBox* box,
                              std::span<const std::uint8_t> z) {
        if (!z.empty() && gesehen.emplace(reinterpret_cast<const char*>(z.data()), z.size()).second)
            box->addItem(cp1252::decode(z.data(), z.size()));
    };
    for (const Sau& s : ctx.Sauenliste) {
        aufnehmen(herkunft, ComboBox2, s.rec.HerkunftZeichen());
        aufnehmen(rasse, ComboBox3, s.rec.RasseZeichen());
    }
    ComboBox1->addItems(ctx.Eberliste);
    for (QComboBox* c : {ComboBox1, ComboBox2, ComboBox3})
        c->setCurrentIndex(-1);
}

void TAuswertungFilter::periodeSetzen() {
    const int index = std::max(0, radios_->checkedId());
    Panel1->move(Panel1->x(), RadioGroup1->y() + 8 + (RadioGroup1->height() / 4) * index);
}

void TAuswertungFilter::DatumsartSperren(TDatumsart art) {
    if (QAbstractButton* b = radios_->button(int(art))) b->setChecked(true);
    periodeSetzen();
    RadioGroup1->setEnabled(false);
}

void TAuswertungFilter::FilterSichtbarkeit(const std::array<bool, 7>& s) {
    Panel1->setVisible(s[0]);
    CheckBox1->setVisible(s[1]);
    CheckBox2->setVisible(s[2]);
    CheckBox3->setVisible(s[3]);
    ComboBox1->setVisible(s[4]);
    Label4->setVisible(s[4]);
    ComboBox2->setVisible(s[5]);
    Label5->setVisible(s[5]);
    ComboBox3->setVisible(s[6]);
    Rasse->setVisible(s[6]);
}

void TAuswertungFilter::FilterLesen(TAuswertungsFilter& f) const {
    const TAuswertungsFilter g = gewaehlt();
    if (!Panel1->isHidden()) {
        f.Von = g.Von;
        f.Bis = g.Bis;
    }
    const auto an = [](const QCheckBox* c) { return !c->isHidden() && c->isChecked(); };
    const auto text = [](const QComboBox* c) {
        return c->isHidden() ? QString() : c->currentText();
    };
    f.NurGanzeWuerfe = an(CheckBox1);
    f.NurVorhandeneSauen = an(CheckBox2);
    f.NurErsterWurf = an(CheckBox3);
    f.EberFilter = text(ComboBox1);
    f.HerkunftFilter = text(ComboBox2);
    f.RasseFilter = text(ComboBox3);
    f.Datumsart = g.Datumsart;
}

TAuswertungsFilter TAuswertungFilter::gewaehlt() const {
    TAuswertungsFilter f;
    f.Von = Beleg1->Getdatum();
    f.Bis = Beleg2->Getdatum();
    f.NurGanzeWuerfe = CheckBox1->isChecked();
    f.NurVorhandeneSauen = CheckBox2->isChecked();
    f.NurErsterWurf = CheckBox3->isChecked();
    f.EberFilter = ComboBox1->currentText();
    f.HerkunftFilter = ComboBox2->currentText();
    f.RasseFilter = ComboBox3->currentText();
    f.Datumsart = TDatumsart(std::max(0, radios_->checkedId()));
    return f;
}

void TAuswertungFilter::FilterSetzen(const TAuswertungsFilter& f) {
    Beleg1->SetDatum(f.Von);
    Beleg2->SetDatum(f.Bis);
    CheckBox1->setChecked(f.NurGanzeWuerfe);
    CheckBox2->setChecked(f.NurVorhandeneSauen);
    CheckBox3->setChecked(f.NurErsterWurf);
    const auto setzen = [](QComboBox* c, const QString& t) {
        c->setCurrentIndex(t.isEmpty() ? -1 : c->findText(t));
        if (c->currentText() != t) c->setEditText(t);
    };
    setzen(ComboBox1, f.EberFilter);
    setzen(ComboBox2, f.HerkunftFilter);
    setzen(ComboBox3, f.RasseFilter);
    if (QAbstractButton* b = radios_->button(int(f.Datumsart))) b->setChecked(true);
    periodeSetzen();
}

void TAuswertungFilter::accept() {
    FilterMerken(ctx_, gewaehlt());
    QDialog::accept();
}

void TAuswertungFilter::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    QWidget* erstes = Panel1->isVisibleTo(this) ? Beleg1 : EnterAlsTab::erstesFeld(this);
    if (erstes) erstes->setFocus(Qt::OtherFocusReason);
}

void TAuswertungFilter::paintEvent(QPaintEvent* e) {
    QDialog::paintEvent(e);
    // Once the dialog stands on the screen, on its own event loop: the herd cannot change
    // meanwhile except through what that loop runs (a barn booking), which the copy then
    // takes over.
    if (kopieAlleWuerfe_)
        QTimer::singleShot(0, this, [this, alle = *kopieAlleWuerfe_] {
            Wartecursor warten; // the first copy walks the whole herd
            Herdenkopie(ctx_, alle);
        });
    kopieAlleWuerfe_.reset();
}
