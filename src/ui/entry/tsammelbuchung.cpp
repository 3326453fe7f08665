#include "entry/tsammelbuchung.h"

#include "controls/dialogknoepfe.h"
#include "controls/enteralstab.h"
#include "controls/tdate_ed.h"
#include "controls/tnumedit.h"
#include "entry/plausiwarner.h"
#include "entry/sammelbuchung.h"
#include "platform/messages.h"
#include "platform/wartecursor.h"
#include "programm/appcontext.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QLabel* beschriftung(const char* name, const QString& text, QWidget* zu) {
    auto* l = new QLabel(text);
    l->setObjectName(QString::fromLatin1(name));
    l->setBuddy(zu);
    return l;
}

} // namespace

TSammelbuchung::TSammelbuchung(AppContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx), warner_(std::make_unique<PlausiWarner>(ctx)),
      offen_(std::make_unique<OffenMarke>(ctx.geoeffnet, -1, true)) {
    setObjectName(QStringLiteral("Sammelbuchung"));
    setWindowTitle(QStringLiteral("Sammelbuchung"));
    setProperty("helpContext", 270);
    felderAnlegen();
    anordnen();
    // The boxes after the date open before Enter looks for the next field.
    new EnterAlsTab(this, [this](QWidget* w) {
        if (w == tdate_ed1) datumVerlassen();
        return false;
    });
    new VerwerfenFragen(this, ctx_.messages(),
                        [this] { return !(Feldstand::von(this) == anfang_); });
    connect(tdate_ed1, &QLineEdit::textEdited, this, &TSammelbuchung::boxenFreigeben);
    connect(tdate_ed1, &tdate_ed::verlassen, this, &TSammelbuchung::datumVerlassen);
    EingabepunktSetzen(QString(), 0);
}

void TSammelbuchung::felderAnlegen() {
    Anzahl = new QLineEdit;
    Anzahl->setObjectName(QStringLiteral("Anzahl"));
    Anzahl->setReadOnly(true);
    Anzahl->setFocusPolicy(Qt::NoFocus);
    Anzahl->setMaximumWidth(60);
    LSauen = beschriftung("LSauen", QStringLiteral("Sauen"), Anzahl);
    Label1 = new QLabel;
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont fett = Label1->font();
    fett.setBold(true);
    Label1->setFont(fett);

    Stallwahl = new QComboBox;
    Stallwahl->setObjectName(QStringLiteral("Stallwahl"));
    Stallwahl->addItems(ctx_.Hilfslisten[hlStaelle]);
    Stallwahl->setCurrentIndex(-1);
    tdate_ed1 = new tdate_ed(ctx_.clock());
    tdate_ed1->setObjectName(QStringLiteral("tdate_ed1"));
    tdate_ed1->setAutoPreset(false);
    LDatum = beschriftung("LDatum", QStringLiteral("Datum"), tdate_ed1);

    ComboBox1 = new QComboBox;
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setEnabled(false);
    LEber = beschriftung("LEber", QStringLiteral("Eber"), ComboBox1);
    NumEdit1 = new TNumEdit(ctx_.messages(), ctx_.einstellungen.waehrung);
    NumEdit1->setObjectName(QStringLiteral("NumEdit1"));
    NumEdit1->setNumericType(TNumEdit::ntInteger);
    NumEdit1->setMin(0);
    NumEdit1->setMax(255);
    NumEdit1->setValidate(true);
    NumEdit1->setWert(1);
    NumEdit1->setMaximumWidth(50);
    NumEdit1->setEnabled(false);
    LMal = beschriftung("LMal", QStringLiteral("mal"), NumEdit1);
    CheckBox1 = new QCheckBox(QStringLiteral("tragend"));
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    Absetzgewicht = new TNumEdit(ctx_.messages(), ctx_.einstellungen.waehrung);
    Absetzgewicht->setObjectName(QStringLiteral("Absetzgewicht"));
    Absetzgewicht->setPositiveMask(QStringLiteral("#0.0##"));
    Absetzgewicht->setMin(0);
    Absetzgewicht->setMax(65.535);
    Absetzgewicht->setValidate(true);
    Absetzgewicht->setMaximumWidth(80);
    LGewicht = beschriftung("LGewicht", QStringLiteral("Absetzgewicht kg"), Absetzgewicht);
}

void TSammelbuchung::anordnen() {
    raster_ = new QGridLayout;
    raster_->addWidget(LSauen, 0, 0);
    raster_->addWidget(Anzahl, 0, 1);
    raster_->addWidget(Label1, 1, 0, 1, 4);
    raster_->addWidget(Stallwahl, 2, 1, 1, 3);
    raster_->addWidget(LDatum, 3, 0);
    raster_->addWidget(tdate_ed1, 3, 1);
    raster_->addWidget(LEber, 4, 0);
    raster_->addWidget(ComboBox1, 4, 1);
    raster_->addWidget(LMal, 4, 2);
    raster_->addWidget(NumEdit1, 4, 3);
    raster_->addWidget(CheckBox1, 5, 1);
    raster_->addWidget(LGewicht, 6, 0);
    raster_->addWidget(Absetzgewicht, 6, 1);
    raster_->setColumnStretch(1, 1);

    QDialogButtonBox* knoepfe = DialogKnoepfe(this);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &TSammelbuchung::OKBtnClick);
    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(raster_);
    haupt->addStretch();
    haupt->addWidget(knoepfe);
}

void TSammelbuchung::SauenSetzen(const std::vector<int>& sauen) {
    sauen_ = sauen;
    Anzahl->setText(QString::number(sauen_.size()));
}

void TSammelbuchung::EingabepunktSetzen(const QString& text, int index) {
    using namespace sammelbuchung;
    Label1->setText(text);
    eingabepunkt_ = index;
    Stallwahl->setVisible(index == epStall);
    LDatum->setVisible(index >= 1);
    tdate_ed1->setVisible(index >= 1);
    const bool eber = index == epBelegen || index == epAbgang;
    LEber->setVisible(eber);
    ComboBox1->setVisible(eber);
    LMal->setVisible(index == epBelegen);
    NumEdit1->setVisible(index == epBelegen);
    CheckBox1->setVisible(index == epTK1 || index == epTK2);
    LGewicht->setVisible(index == epAbsetzen);
    Absetzgewicht->setVisible(index == epAbsetzen);
    ComboBox1->clear();
    raster_->removeWidget(ComboBox1);
    if (index == epBelegen) {
        for (auto it = ctx_.Eberliste.crbegin(); it != ctx_.Eberliste.crend(); ++it)
            ComboBox1->addItem(*it);
        raster_->addWidget(ComboBox1, 4, 1);
    } else {
        // The buyer's box reaches to the right edge of the row.
        raster_->addWidget(ComboBox1, 4, 1, 1, 3);
        if (index == epAbgang) ComboBox1->addItems(ctx_.Hilfslisten[hlHerkunft]);
    }
    LEber->setText(index == epAbgang ? QStringLiteral("Abnehmer") : QStringLiteral("Eber"));
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setEditText(QString());
    anfang_ = Feldstand::von(this);
}

TSammelbuchung::~TSammelbuchung() = default;

void TSammelbuchung::boxenFreigeben() {
    if (tdate_ed1->text().isEmpty()) return;
    ComboBox1->setEnabled(true);
    NumEdit1->setEnabled(true);
}

void TSammelbuchung::datumVerlassen() {
    if (tdate_ed1->text().isEmpty()) return;
    boxenFreigeben();
    if (warner_->datumPruefen(tdate_ed1)) return;
    // What the date would make implausible in the chosen sows, once per date.
    sammelbuchung::Buchung b;
    b.eingabepunkt = eingabepunkt_;
    b.datum = tdate_ed1->Getdatum();
    const Herde& herde = ctx_.Sauenliste;
    const auto befunde = sammelbuchung::Befunde(
        herde, sauen_, b,
        PunkteVorgaben(warner_->grenzen(), ctx_.Planzeiten, ctx_.Tragezeit, ctx_.heute()));
    warner_->pruefen(this, tdate_ed1->text(), sammelbuchung::Warnung(herde, befunde));
}

void TSammelbuchung::OKBtnClick() {
    sammelbuchung::Buchung b;
    b.eingabepunkt = eingabepunkt_;
    b.stall = Stallwahl->currentText();
    b.datum = tdate_ed1->Getdatum();
    b.eber = ComboBox1->currentText();
    b.mal = int(NumEdit1->AsInteger());
    b.tragend = CheckBox1->isChecked();
    b.absetzgewichtKg = Absetzgewicht->Wert();
    if (!sammelbuchung::Vollstaendig(b)) {
        reject();
        return;
    }
    sammelbuchung::SauenBuchen(ctx_, sauen_, b);
    const bool speichern =
        ctx_.messages().question(LSauen->text() + QStringLiteral(" abspeichern?"),
                                 MessageService::Buttons::YesNo) == MessageService::Answer::Yes;
    {
        Wartecursor warten;
        sammelbuchung::Abschliessen(ctx_, speichern);
    }
    if (speichern)
        accept();
    else
        reject();
}
