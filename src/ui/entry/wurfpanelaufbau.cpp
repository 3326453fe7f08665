#include "entry/wurfpanel.h"

#include "entry/kartenfelder.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

// Building the litter panel: its fields, the settings that shape it and the tab order.

using namespace kartenfelder;

namespace {
QString nummeriert(const char* name, int k) {
    return QString::fromLatin1(name) + QString::number(k + 1);
}
} // namespace

WurfPanel::WurfPanel(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx), warner_(ctx) {
    setObjectName(QStringLiteral("WurfPanel"));
    auto* haupt = new QVBoxLayout(this);
    haupt->addWidget(belegGruppe());
    haupt->addWidget(ferkelGruppe());
    auto* unten = new QHBoxLayout;
    unten->addWidget(terminGruppe(), 1);
    unten->addWidget(FutterBox);
    haupt->addLayout(unten);
    auto* notiz = new QHBoxLayout;
    notiz->addWidget(label(QStringLiteral("Notiz"), Notiz));
    notiz->addWidget(Notiz, 1);
    haupt->addLayout(notiz);
    haupt->addStretch();
    einstellungenAnwenden();
    verbinden();
}

QWidget* WurfPanel::belegGruppe() {
    auto* beleg = new QGroupBox(QStringLiteral("Belegen"));
    beleg->setProperty("helpContext", 251);
    auto* bg = new QGridLayout(beleg);
    bg->addWidget(label(QStringLiteral("Datum")), 0, 1);
    bg->addWidget(label(QStringLiteral("Eber")), 0, 2);
    bg->addWidget(label(QStringLiteral("mal")), 0, 3);
    bg->addWidget(label(QStringLiteral("Bemerkung")), 0, 4);
    for (int k = 0; k < 3; ++k) {
        const auto n = std::size_t(k);
        Belegen[n] = datum(ctx_, nummeriert("Belegen", k));
        Eber[n] = combo(nummeriert("Eber", k), true, feldgroesse::Eber);
        mal[n] = zahl(ctx_, nummeriert("mal", k), TNumEdit::ntInteger, 40, 0, 255);
        Belegnote[n] = combo(nummeriert("Belegnote", k), true, feldgroesse::Text);
        bg->addWidget(label(QStringLiteral("%1.").arg(k + 1), Belegen[n]), k + 1, 0);
        bg->addWidget(Belegen[n], k + 1, 1);
        bg->addWidget(Eber[n], k + 1, 2);
        bg->addWidget(mal[n], k + 1, 3);
        bg->addWidget(Belegnote[n], k + 1, 4);
    }
    for (int k = 0; k < 2; ++k) {
        const auto n = std::size_t(k);
        tkdatum[n] = datum(ctx_, nummeriert("tkdatum", k));
        tk[n] = new QCheckBox(QStringLiteral("ok"));
        tk[n]->setObjectName(nummeriert("tk", k));
        bg->addWidget(label(QStringLiteral("%1. TK").arg(k + 1), tkdatum[n]), 4 + k, 0);
        bg->addWidget(tkdatum[n], 4 + k, 1);
        bg->addWidget(tk[n], 4 + k, 2);
    }
    bg->setColumnStretch(4, 1);
    return beleg;
}

void WurfPanel::ferkelFelderAnlegen() {
    Abferkeln = datum(ctx_, QStringLiteral("Abferkeln"));
    geborene = zahl(ctx_, QStringLiteral("geborene"), TNumEdit::ntInteger, 40, 0, 255);
    todgeboren = zahl(ctx_, QStringLiteral("todgeboren"), TNumEdit::ntInteger, 40, 0, 255);
    Gelten = zahl(ctx_, QStringLiteral("Gelten"), TNumEdit::ntInteger, 40, 0, 255);
    LGelten = label(QStringLiteral("w"), Gelten);
    Geburtgew = zahl(ctx_, QStringLiteral("Geburtgew"), TNumEdit::ntInteger, 60, 0, 65535);
    LGeburtgew = label(QStringLiteral("Gew:"), Geburtgew);
    LGeburtgewG = label(QStringLiteral(" g"));
    Zugesetzt = zahl(ctx_, QStringLiteral("Zugesetzt"), TNumEdit::ntGeneral, 40, -128, 127);
    Zugesetzt->setPositiveMask(QStringLiteral("'+'#0"));
    Zugesetzt->setNegativeMask(QStringLiteral("'-'#0"));
    Zugesetzt->setZeroMask(QStringLiteral("0"));
    FerkelnNote = combo(QStringLiteral("FerkelnNote"), true, feldgroesse::Text);
    Anomal = zahl(ctx_, QStringLiteral("Anomal"), TNumEdit::ntInteger, 40);
    AnomalBtn = new QPushButton(QStringLiteral("..."));
    AnomalBtn->setObjectName(QStringLiteral("AnomalBtn"));
    Ausfall = zahl(ctx_, QStringLiteral("Ausfall"), TNumEdit::ntInteger, 40);
    AusfallBtn = new QPushButton(QStringLiteral("..."));
    AusfallBtn->setObjectName(QStringLiteral("AusfallBtn"));
    for (QPushButton* b : {AnomalBtn, AusfallBtn}) {
        b->setAutoDefault(false);
        b->setMaximumWidth(30);
    }
    Absetzen = datum(ctx_, QStringLiteral("Absetzen"));
    abgesetzte = zahl(ctx_, QStringLiteral("abgesetzte"), TNumEdit::ntInteger, 40);
    abgesetzte->setToolTip(QStringLiteral("errechnet sich "));
    Absetzgew = zahl(ctx_, QStringLiteral("Absetzgew"), TNumEdit::ntGeneral, 60, 0, 65.535);
    Absetzgew->setPositiveMask(QStringLiteral("#0.0"));
    LAbsetzgew = label(QStringLiteral("Absetzgewicht"), Absetzgew);
    LAbsetzgewKg = label(QStringLiteral("kg"));
}

namespace {
// The widgets side by side, left-aligned.
QHBoxLayout* reihe(std::initializer_list<QWidget*> widgets) {
    auto* r = new QHBoxLayout;
    for (QWidget* w : widgets)
        r->addWidget(w);
    r->addStretch();
    return r;
}
} // namespace

QWidget* WurfPanel::ferkelGruppe() {
    auto* ferkel = new QGroupBox(QStringLiteral("Abferkeln"));
    ferkel->setProperty("helpContext", 253);
    auto* fg = new QGridLayout(ferkel);
    ferkelFelderAnlegen();
    fg->addWidget(label(QStringLiteral("Datum"), Abferkeln), 0, 0);
    fg->addWidget(Abferkeln, 0, 1);
    fg->addLayout(
        reihe({label(QStringLiteral("geboren"), geborene), geborene,
               label(QStringLiteral("tot"), todgeboren), todgeboren, LGelten, Gelten, LGeburtgew,
               Geburtgew, LGeburtgewG, label(QStringLiteral("Ausgleich "), Zugesetzt), Zugesetzt}),
        0, 2);
    fg->addWidget(label(QStringLiteral("Notiz"), FerkelnNote), 1, 0);
    fg->addWidget(FerkelnNote, 1, 1);
    fg->addLayout(reihe({label(QStringLiteral("Besonderheiten"), Anomal), Anomal, AnomalBtn,
                         label(QStringLiteral("Ausfälle"), Ausfall), Ausfall, AusfallBtn}),
                  1, 2);
    fg->addWidget(label(QStringLiteral("Absetzen"), Absetzen), 2, 0);
    fg->addWidget(Absetzen, 2, 1);
    fg->addLayout(reihe({label(QStringLiteral("abgesetzte"), abgesetzte), abgesetzte, LAbsetzgew,
                         Absetzgew, LAbsetzgewKg}),
                  2, 2);
    fg->setColumnStretch(2, 1);
    return ferkel;
}

QGroupBox* WurfPanel::terminGruppe() {
    TerminBox = new QGroupBox(QStringLiteral("Termine"));
    TerminBox->setObjectName(QStringLiteral("TerminBox"));
    TerminBox->setProperty("helpContext", 252);
    static const char* const kTermin[8] = {"termin1", "termin2", "termin3", "termin4",
                                           "Termin5", "Termin6", "Termin7", "Termin8"};
    for (std::size_t i = 0; i < 8; ++i) {
        termin[i] = datum(ctx_, QString::fromLatin1(kTermin[i]));
        LWurfTermin[i] = label({}, termin[i]);
        LWurfTermin[i]->setObjectName(nummeriert("LWurfTermin", int(i)));
    }
    FutterBox = new QGroupBox(QStringLiteral("F&utter kg/Tag"));
    FutterBox->setObjectName(QStringLiteral("FutterBox"));
    auto* fu = new QGridLayout(FutterBox);
    static const char* const kFutter[4] = {"Niedertragend", "Hochtragend", "Säugend", "Leer"};
    for (int i = 0; i < 4; ++i) {
        TNumEdit*& f = Futter[std::size_t(i)];
        f = zahl(ctx_, nummeriert("Futter", i), TNumEdit::ntGeneral, 50, 0, 6553.5);
        f->setPositiveMask(QStringLiteral("#0.0"));
        fu->addWidget(label(QString::fromUtf8(kFutter[i]), f), i, 0);
        fu->addWidget(f, i, 1);
    }
    Notiz = new QLineEdit;
    Notiz->setObjectName(QStringLiteral("Notiz"));
    Notiz->setMaxLength(68);
    return TerminBox;
}

void WurfPanel::einstellungenAnwenden() {
    const Einstellungen& e = ctx_.einstellungen;
    // Task dates: one column beside the feed box, or two columns of four in its place.
    auto* tg = new QGridLayout(TerminBox);
    for (int i = 0; i < 8; ++i) {
        const int zeile = e.futtermengen ? i : i % 4;
        const int spalte = e.futtermengen ? 0 : (i / 4) * 2;
        tg->addWidget(LWurfTermin[std::size_t(i)], zeile, spalte);
        tg->addWidget(termin[std::size_t(i)], zeile, spalte + 1);
    }
    FutterBox->setVisible(e.futtermengen);
    Gelten->setVisible(e.weibliche);
    LGelten->setVisible(e.weibliche);
    for (QWidget* w : std::initializer_list<QWidget*>{Geburtgew, LGeburtgew, LGeburtgewG})
        w->setVisible(e.gebGewicht);
    for (QWidget* w : std::initializer_list<QWidget*>{Absetzgew, LAbsetzgew, LAbsetzgewKg})
        w->setVisible(e.absGewicht);

    QStringList eber = ctx_.Eberliste;
    if (e.maxEber >= 1 && eber.size() > e.maxEber) eber = eber.mid(0, e.maxEber);
    for (std::size_t k = 0; k < 3; ++k) {
        Eber[k]->addItems(eber);
        Belegnote[k]->addItems(ctx_.Hilfslisten[hlBemerkungen]);
    }
    FerkelnNote->addItems(ctx_.Hilfslisten[hlBemerkungen]);
    for (QComboBox* c : findChildren<QComboBox*>())
        c->setCurrentIndex(-1);
}

void WurfPanel::tabFolgeSetzen() {
    std::vector<QWidget*> folge;
    for (std::size_t k = 0; k < 3; ++k)
        folge.insert(folge.end(), {Belegen[k], Eber[k], mal[k], Belegnote[k]});
    folge.insert(folge.end(), {tkdatum[0], tk[0], tkdatum[1], tk[1], Abferkeln, geborene,
                               todgeboren, Gelten, Geburtgew, Zugesetzt, FerkelnNote, Anomal,
                               AnomalBtn, Ausfall, AusfallBtn, Absetzen, abgesetzte, Absetzgew});
    folge.insert(folge.end(), termin.begin(), termin.end());
    folge.insert(folge.end(), Futter.begin(), Futter.end());
    folge.push_back(Notiz);
    for (std::size_t i = 1; i < folge.size(); ++i)
        setTabOrder(folge[i - 1], folge[i]);
}

void WurfPanel::TermineBeschriften(const Terminnamen& namen) {
    for (std::size_t i = 0; i < 8; ++i) {
        LWurfTermin[i]->setText(namen[10 + i]);
        termin[i]->setEnabled(!namen[10 + i].isEmpty());
    }
}
