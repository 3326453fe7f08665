#include "tsauwurfeingabe.h"

#include "app/appcontext.h"
#include "controls/enteralstab.h"
#include "controls/tdate_ed.h"
#include "controls/tnumedit.h"
#include "entry/kartendruck.h"
#include "entry/tanomalein.h"
#include "entry/wurfuebersicht.h"
#include "herd/herdfile.h"
#include "herd/saustatus.h"
#include "herd/textfunktionen.h"
#include "platform/messages.h"
#include "platform/paintercanvas.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>
#include <cmath>

// The litter overview pane of the sow page.
class WurfUebersicht : public QWidget {
public:
    explicit WurfUebersicht(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("PaintBox1"));
        setMinimumHeight(3 * fontMetrics().height() + 4);
    }
    void setzen(const std::vector<TWurfRec>& w) {
        wuerfe_ = w;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        PainterCanvas c(p, width(), height());
        c.setFont(font().family(), font().pointSizeF());
        WurfUebersichtZeichnen(c, wuerfe_, width());
    }

private:
    std::vector<TWurfRec> wuerfe_;
};

namespace {

QLabel* label(const QString& text, QWidget* buddy = nullptr) {
    auto* l = new QLabel(text);
    if (buddy) l->setBuddy(buddy);
    return l;
}

QComboBox* combo(const char* name, bool editierbar, int laenge) {
    auto* c = new QComboBox;
    c->setObjectName(QString::fromLatin1(name));
    c->setEditable(editierbar);
    if (editierbar) c->lineEdit()->setMaxLength(laenge);
    c->setInsertPolicy(QComboBox::NoInsert);
    return c;
}

void boxSetzen(QComboBox* c, const QString& t) {
    if (c->isEditable())
        c->setEditText(t);
    else
        c->setCurrentIndex(c->findText(t));
}

int gerundet(const TNumEdit* n) {
    return int(std::lround(n->Wert()));
}

} // namespace

TSauWurfEingabe::TSauWurfEingabe(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("SauWurfEingabe"));
    setWindowTitle(QStringLiteral("Eingabe"));
    setProperty("helpContext", 250);
    aufbauen();
    einstellungenAnwenden();
    verbinden();
    qApp->installEventFilter(this);
}

std::vector<TWurfRec>& TSauWurfEingabe::sauListe() {
    if (index_ >= 0 && std::size_t(index_) < ctx_.Sauenliste.size())
        return ctx_.Sauenliste[std::size_t(index_)].wuerfe;
    return neueListe_;
}

// ---------------------------------------------------------------------------------------
// Building the window

static tdate_ed* neuesDatum(AppContext& ctx, const char* name) {
    auto* d = new tdate_ed(ctx.clock());
    d->setObjectName(QString::fromLatin1(name));
    d->setAutoPreset(false);
    d->SetDatum({});
    return d;
}

static TNumEdit* neueZahl(AppContext& ctx, const char* name, TNumEdit::TNumericType typ,
                          int breite = 50) {
    auto* n = new TNumEdit(ctx.messages(), ctx.einstellungen.waehrung);
    n->setObjectName(QString::fromLatin1(name));
    n->setNumericType(typ);
    n->setMaximumWidth(breite);
    return n;
}

void TSauWurfEingabe::aufbauen() {
    Notebook = new QTabBar;
    Notebook->setObjectName(QStringLiteral("TabbedNotebook1"));
    Notebook->setUsesScrollButtons(true);
    Notebook->setExpanding(false);
    Notebook->addTab(QStringLiteral("Sau"));
    seiten_ = new QStackedWidget;
    seiten_->addWidget(sauSeiteAufbauen());
    seiten_->addWidget(wurfPanelAufbauen());

    OKBtn = new QPushButton(QStringLiteral("&OK"));
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    CancelBtn = new QPushButton(QStringLiteral("Abbrechen"));
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    HilfeBtn = new QPushButton(QStringLiteral("Hilfe"));
    HilfeBtn->setObjectName(QStringLiteral("HilfeBtn"));
    DruckBtn = new QPushButton(QStringLiteral("Karte &Drucken"));
    DruckBtn->setObjectName(QStringLiteral("DruckBtn"));
    VorschauBtn = new QPushButton(QStringLiteral("&Vorschau"));
    VorschauBtn->setObjectName(QStringLiteral("VorschauBtn"));
    PdfBtn = new QPushButton(QStringLiteral("PDF..."));
    PdfBtn->setObjectName(QStringLiteral("PdfBtn"));
    for (QPushButton* b : {OKBtn, CancelBtn, HilfeBtn, DruckBtn, VorschauBtn, PdfBtn})
        b->setAutoDefault(false);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(DruckBtn);
    knoepfe->addWidget(VorschauBtn);
    knoepfe->addWidget(PdfBtn);
    knoepfe->addStretch();
    knoepfe->addWidget(OKBtn);
    knoepfe->addWidget(CancelBtn);
    knoepfe->addWidget(HilfeBtn);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->addWidget(Notebook);
    layout->addWidget(seiten_, 1);
    layout->addSpacing(8);
    layout->addLayout(knoepfe);
}

QWidget* TSauWurfEingabe::sauSeiteAufbauen() {
    auto* w = new QWidget;
    w->setObjectName(QStringLiteral("SauSeite"));
    auto* g = new QGridLayout(w);
    SauNr = new QLineEdit;
    SauNr->setObjectName(QStringLiteral("SauNr"));
    SauNr->setMaxLength(10);
    Stall = combo("Stall", false, 15);
    Stall->setToolTip(QStringLiteral("derzeitiger Aufenthalt im Bestand"));
    StatusFeld = new QLineEdit;
    StatusFeld->setObjectName(QStringLiteral("StatusFeld"));
    StatusFeld->setReadOnly(true);
    StatusFeld->setFocusPolicy(Qt::NoFocus);
    Zugang = neuesDatum(ctx_, "Zugang");
    Zugang->setToolTip(QStringLiteral("Datum der Einstallung"));
    Herkunft = combo("Herkunft", true, 15);
    TVG = new QLineEdit;
    TVG->setObjectName(QStringLiteral("TVG"));
    TVG->setMaxLength(15);
    Rasse = combo("Rasse", true, 15);
    NumEdit2 = neueZahl(ctx_, "NumEdit2", TNumEdit::ntGeneral, 70);
    NumEdit2->setPositiveMask(QStringLiteral("###0"));
    Einkauf = neueZahl(ctx_, "Einkauf", TNumEdit::ntCurrency, 110);
    Abgang = neuesDatum(ctx_, "Abgang");
    Abnehmer = combo("Abnehmer", true, 15);
    NumEdit3 = neueZahl(ctx_, "NumEdit3", TNumEdit::ntGeneral, 70);
    NumEdit3->setPositiveMask(QStringLiteral("###0"));
    Verkauf = neueZahl(ctx_, "Verkauf", TNumEdit::ntCurrency, 110);
    Memo1 = new QPlainTextEdit;
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setToolTip(QStringLiteral("Textvermerke"));
    Memo1->setTabChangesFocus(true);
    PaintBox1 = new WurfUebersicht(w);

    int z = 0;
    g->addWidget(label(QStringLiteral("Sau Nr.:"), SauNr), z, 0);
    g->addWidget(SauNr, z, 1);
    g->addWidget(label(QStringLiteral("Status"), StatusFeld), z, 2);
    g->addWidget(StatusFeld, z, 3);
    ++z;
    g->addWidget(label(QStringLiteral("Stall"), Stall), z, 0);
    g->addWidget(Stall, z, 1);
    g->addWidget(label(QStringLiteral("Zugang"), Zugang), z, 2);
    g->addWidget(Zugang, z, 3);
    ++z;
    g->addWidget(label(QStringLiteral("Herkunft"), Herkunft), z, 0);
    g->addWidget(Herkunft, z, 1);
    g->addWidget(label(QStringLiteral("TVG-Nr.:"), TVG), z, 2);
    g->addWidget(TVG, z, 3);
    ++z;
    g->addWidget(label(QStringLiteral("Rasse"), Rasse), z, 0);
    g->addWidget(Rasse, z, 1);
    auto* kauf = new QHBoxLayout;
    kauf->addWidget(NumEdit2);
    kauf->addWidget(label(QStringLiteral("Preis"), Einkauf));
    kauf->addWidget(Einkauf);
    kauf->addStretch();
    g->addWidget(label(QStringLiteral("Gewicht"), NumEdit2), z, 2);
    g->addLayout(kauf, z, 3);
    ++z;

    auto* termine = new QGroupBox;
    termine->setObjectName(QStringLiteral("SauTermine"));
    termine->setProperty("helpContext", 251);
    auto* tg = new QGridLayout(termine);
    for (int i = 0; i < 4; ++i) {
        Impfung[std::size_t(i)] =
            neuesDatum(ctx_, QStringLiteral("Impfung%1").arg(i + 1).toLatin1());
        Impfung[std::size_t(i)]->setToolTip(QStringLiteral("Termine quitieren"));
        Impfung[std::size_t(i)]->setProperty("helpContext", 251);
        LSauTermin[std::size_t(i)] = label({}, Impfung[std::size_t(i)]);
        LSauTermin[std::size_t(i)]->setObjectName(QStringLiteral("LSauTermin%1").arg(i + 1));
        tg->addWidget(LSauTermin[std::size_t(i)], i / 2, (i % 2) * 2);
        tg->addWidget(Impfung[std::size_t(i)], i / 2, (i % 2) * 2 + 1);
    }
    g->addWidget(termine, z, 0, 1, 4);
    ++z;

    LAbgang = label(QStringLiteral("Ab&gang"), Abgang);
    LAbnehmer = label(QStringLiteral("Abnehmer"), Abnehmer);
    LAbnehmer->setObjectName(QStringLiteral("LAbnehmer"));
    LKg = label(QStringLiteral("kg"), NumEdit3);
    LKg->setObjectName(QStringLiteral("LKg"));
    LVerkauf = label(QStringLiteral("Preis"), Verkauf);
    g->addWidget(LAbgang, z, 0);
    g->addWidget(Abgang, z, 1);
    g->addWidget(LAbnehmer, z, 2);
    g->addWidget(Abnehmer, z, 3);
    ++z;
    auto* verkauf = new QHBoxLayout;
    verkauf->addWidget(NumEdit3);
    verkauf->addWidget(LKg);
    verkauf->addWidget(LVerkauf);
    verkauf->addWidget(Verkauf);
    verkauf->addStretch();
    g->addLayout(verkauf, z, 3);
    ++z;
    g->addWidget(label(QStringLiteral("No&tiz"), Memo1), z, 0, Qt::AlignTop);
    g->addWidget(Memo1, z, 1, 1, 3);
    ++z;
    g->addWidget(PaintBox1, z, 0, 1, 4);
    g->setRowStretch(z - 1, 1);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    return w;
}

QWidget* TSauWurfEingabe::wurfPanelAufbauen() {
    WurfPanel = new QWidget;
    WurfPanel->setObjectName(QStringLiteral("WurfPanel"));
    auto* haupt = new QVBoxLayout(WurfPanel);

    auto* beleg = new QGroupBox(QStringLiteral("Belegen"));
    beleg->setProperty("helpContext", 251);
    auto* bg = new QGridLayout(beleg);
    bg->addWidget(label(QStringLiteral("Datum")), 0, 1);
    bg->addWidget(label(QStringLiteral("Eber")), 0, 2);
    bg->addWidget(label(QStringLiteral("mal")), 0, 3);
    bg->addWidget(label(QStringLiteral("Bemerkung")), 0, 4);
    for (int k = 0; k < 3; ++k) {
        const auto n = std::size_t(k);
        Belegen[n] = neuesDatum(ctx_, QStringLiteral("Belegen%1").arg(k + 1).toLatin1());
        Eber[n] = combo(QStringLiteral("Eber%1").arg(k + 1).toLatin1(), true, 10);
        mal[n] =
            neueZahl(ctx_, QStringLiteral("mal%1").arg(k + 1).toLatin1(), TNumEdit::ntInteger, 40);
        Belegnote[n] = combo(QStringLiteral("Belegnote%1").arg(k + 1).toLatin1(), true, 15);
        bg->addWidget(label(QStringLiteral("%1.").arg(k + 1), Belegen[n]), k + 1, 0);
        bg->addWidget(Belegen[n], k + 1, 1);
        bg->addWidget(Eber[n], k + 1, 2);
        bg->addWidget(mal[n], k + 1, 3);
        bg->addWidget(Belegnote[n], k + 1, 4);
    }
    for (int k = 0; k < 2; ++k) {
        const auto n = std::size_t(k);
        tkdatum[n] = neuesDatum(ctx_, QStringLiteral("tkdatum%1").arg(k + 1).toLatin1());
        tk[n] = new QCheckBox(QStringLiteral("ok"));
        tk[n]->setObjectName(QStringLiteral("tk%1").arg(k + 1));
        bg->addWidget(label(QStringLiteral("%1. TK").arg(k + 1), tkdatum[n]), 4 + k, 0);
        bg->addWidget(tkdatum[n], 4 + k, 1);
        bg->addWidget(tk[n], 4 + k, 2);
    }
    bg->setColumnStretch(4, 1);

    auto* ferkel = new QGroupBox(QStringLiteral("Abferkeln"));
    ferkel->setProperty("helpContext", 253);
    auto* fg = new QGridLayout(ferkel);
    Abferkeln = neuesDatum(ctx_, "Abferkeln");
    geborene = neueZahl(ctx_, "geborene", TNumEdit::ntInteger, 40);
    todgeboren = neueZahl(ctx_, "todgeboren", TNumEdit::ntInteger, 40);
    Gelten = neueZahl(ctx_, "Gelten", TNumEdit::ntInteger, 40);
    LGelten = label(QStringLiteral("w"), Gelten);
    Geburtgew = neueZahl(ctx_, "Geburtgew", TNumEdit::ntInteger, 60);
    LGeburtgew = label(QStringLiteral("Gew:"), Geburtgew);
    LGeburtgewG = label(QStringLiteral(" g"));
    Zugesetzt = neueZahl(ctx_, "Zugesetzt", TNumEdit::ntGeneral, 40);
    Zugesetzt->setPositiveMask(QStringLiteral("'+'#0"));
    Zugesetzt->setNegativeMask(QStringLiteral("'-'#0"));
    Zugesetzt->setZeroMask(QStringLiteral("0"));
    FerkelnNote = combo("FerkelnNote", true, 15);
    Anomal = neueZahl(ctx_, "Anomal", TNumEdit::ntInteger, 40);
    AnomalBtn = new QPushButton(QStringLiteral("..."));
    AnomalBtn->setObjectName(QStringLiteral("AnomalBtn"));
    Ausfall = neueZahl(ctx_, "Ausfall", TNumEdit::ntInteger, 40);
    AusfallBtn = new QPushButton(QStringLiteral("..."));
    AusfallBtn->setObjectName(QStringLiteral("AusfallBtn"));
    for (QPushButton* b : {AnomalBtn, AusfallBtn}) {
        b->setAutoDefault(false);
        b->setMaximumWidth(30);
    }
    Absetzen = neuesDatum(ctx_, "Absetzen");
    abgesetzte = neueZahl(ctx_, "abgesetzte", TNumEdit::ntInteger, 40);
    abgesetzte->setToolTip(QStringLiteral("errechnet sich "));
    Absetzgew = neueZahl(ctx_, "Absetzgew", TNumEdit::ntGeneral, 60);
    Absetzgew->setPositiveMask(QStringLiteral("#0.0"));
    LAbsetzgew = label(QStringLiteral("Absetzgewicht"), Absetzgew);
    LAbsetzgewKg = label(QStringLiteral("kg"));
    Notiz = new QLineEdit;
    Notiz->setObjectName(QStringLiteral("Notiz"));
    Notiz->setMaxLength(68);

    fg->addWidget(label(QStringLiteral("Datum"), Abferkeln), 0, 0);
    fg->addWidget(Abferkeln, 0, 1);
    auto* zahlen = new QHBoxLayout;
    zahlen->addWidget(label(QStringLiteral("geboren"), geborene));
    zahlen->addWidget(geborene);
    zahlen->addWidget(label(QStringLiteral("tot"), todgeboren));
    zahlen->addWidget(todgeboren);
    zahlen->addWidget(LGelten);
    zahlen->addWidget(Gelten);
    zahlen->addWidget(LGeburtgew);
    zahlen->addWidget(Geburtgew);
    zahlen->addWidget(LGeburtgewG);
    zahlen->addWidget(label(QStringLiteral("Ausgleich "), Zugesetzt));
    zahlen->addWidget(Zugesetzt);
    zahlen->addStretch();
    fg->addLayout(zahlen, 0, 2);
    fg->addWidget(label(QStringLiteral("Notiz"), FerkelnNote), 1, 0);
    fg->addWidget(FerkelnNote, 1, 1);
    auto* eintraege = new QHBoxLayout;
    eintraege->addWidget(label(QStringLiteral("Besonderheiten"), Anomal));
    eintraege->addWidget(Anomal);
    eintraege->addWidget(AnomalBtn);
    eintraege->addWidget(label(QStringLiteral("Ausfälle"), Ausfall));
    eintraege->addWidget(Ausfall);
    eintraege->addWidget(AusfallBtn);
    eintraege->addStretch();
    fg->addLayout(eintraege, 1, 2);
    fg->addWidget(label(QStringLiteral("Absetzen"), Absetzen), 2, 0);
    fg->addWidget(Absetzen, 2, 1);
    auto* absetz = new QHBoxLayout;
    absetz->addWidget(label(QStringLiteral("abgesetzte"), abgesetzte));
    absetz->addWidget(abgesetzte);
    absetz->addWidget(LAbsetzgew);
    absetz->addWidget(Absetzgew);
    absetz->addWidget(LAbsetzgewKg);
    absetz->addStretch();
    fg->addLayout(absetz, 2, 2);
    fg->setColumnStretch(2, 1);

    TerminBox = new QGroupBox(QStringLiteral("Termine"));
    TerminBox->setObjectName(QStringLiteral("TerminBox"));
    TerminBox->setProperty("helpContext", 252);
    static const char* const kTermin[8] = {"termin1", "termin2", "termin3", "termin4",
                                           "Termin5", "Termin6", "Termin7", "Termin8"};
    for (int i = 0; i < 8; ++i) {
        termin[std::size_t(i)] = neuesDatum(ctx_, kTermin[i]);
        LWurfTermin[std::size_t(i)] = label({}, termin[std::size_t(i)]);
        LWurfTermin[std::size_t(i)]->setObjectName(QStringLiteral("LWurfTermin%1").arg(i + 1));
    }
    FutterBox = new QGroupBox(QStringLiteral("F&utter kg/Tag"));
    FutterBox->setObjectName(QStringLiteral("FutterBox"));
    auto* fu = new QGridLayout(FutterBox);
    static const char* const kFutter[4] = {"Niedertragend", "Hochtragend", "Säugend", "Leer"};
    for (int i = 0; i < 4; ++i) {
        Futter[std::size_t(i)] = neueZahl(ctx_, QStringLiteral("Futter%1").arg(i + 1).toLatin1(),
                                          TNumEdit::ntGeneral, 50);
        Futter[std::size_t(i)]->setPositiveMask(QStringLiteral("#0.0"));
        fu->addWidget(label(QString::fromUtf8(kFutter[i]), Futter[std::size_t(i)]), i, 0);
        fu->addWidget(Futter[std::size_t(i)], i, 1);
    }

    auto* notiz = new QHBoxLayout;
    notiz->addWidget(label(QStringLiteral("Notiz"), Notiz));
    notiz->addWidget(Notiz, 1);

    auto* unten = new QHBoxLayout;
    unten->addWidget(TerminBox, 1);
    unten->addWidget(FutterBox);
    haupt->addWidget(beleg);
    haupt->addWidget(ferkel);
    haupt->addLayout(unten);
    haupt->addLayout(notiz);
    haupt->addStretch();
    return WurfPanel;
}

void TSauWurfEingabe::einstellungenAnwenden() {
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
    for (QWidget* w : {static_cast<QWidget*>(Geburtgew), static_cast<QWidget*>(LGeburtgew),
                       static_cast<QWidget*>(LGeburtgewG)})
        w->setVisible(e.gebGewicht);
    for (QWidget* w : {static_cast<QWidget*>(Absetzgew), static_cast<QWidget*>(LAbsetzgew),
                       static_cast<QWidget*>(LAbsetzgewKg)})
        w->setVisible(e.absGewicht);

    Stall->addItems(ctx_.Hilfslisten[5]);
    Herkunft->addItems(ctx_.Hilfslisten[3]);
    Abnehmer->addItems(ctx_.Hilfslisten[3]);
    Rasse->addItems(ctx_.Hilfslisten[0]);
    QStringList eber = ctx_.Eberliste;
    if (e.maxEber >= 1 && eber.size() > e.maxEber) eber = eber.mid(0, e.maxEber);
    for (int k = 0; k < 3; ++k) {
        Eber[std::size_t(k)]->addItems(eber);
        Belegnote[std::size_t(k)]->addItems(ctx_.Hilfslisten[4]);
    }
    FerkelnNote->addItems(ctx_.Hilfslisten[4]);
    for (QComboBox* c : findChildren<QComboBox*>())
        if (c->isEditable()) c->setCurrentIndex(-1);
}

void TSauWurfEingabe::verbinden() {
    connect(Notebook, &QTabBar::tabBarClicked, this, [this](int i) {
        if (i >= 0) seiteWaehlen(i);
    });
    connect(Notebook, &QTabBar::currentChanged, this,
            [this](int i) { seiten_->setCurrentIndex(i > 0 ? 1 : 0); });
    connect(OKBtn, &QPushButton::clicked, this, &TSauWurfEingabe::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(DruckBtn, &QPushButton::clicked, this, &TSauWurfEingabe::KarteDrucken);
    connect(VorschauBtn, &QPushButton::clicked, this,
            [this] { druckausgabe::vorschau(*this, this); });
    connect(PdfBtn, &QPushButton::clicked, this,
            [this] { druckausgabe::pdfSpeichern(*this, this); });

    connect(SauNr, &QLineEdit::editingFinished, this, [this] {
        if (!SauNr->text().trimmed().isEmpty()) namePruefen();
    });
    connect(Abgang, &tdate_ed::verlassen, this, &TSauWurfEingabe::AbgangExit);
    for (int k = 0; k < 3; ++k)
        connect(Eber[std::size_t(k)]->lineEdit(), &QLineEdit::editingFinished, this,
                [this, k] { EberExit(k); });

    for (int k = 0; k < 3; ++k)
        connect(Belegen[std::size_t(k)], &tdate_ed::verlassen, this, [this, k] { BelegenExit(k); });
    for (tdate_ed* t : tkdatum)
        connect(t, &tdate_ed::verlassen, this, [this, t] { TKExit(t); });
    connect(tk[0], &QCheckBox::clicked, this, &TSauWurfEingabe::regelnAnwenden);
    connect(Abferkeln, &tdate_ed::verlassen, this, &TSauWurfEingabe::AbferkelnExit);
    connect(Absetzen, &tdate_ed::verlassen, this, &TSauWurfEingabe::AbsetzenExit);
    connect(geborene, &TNumEdit::verlassen, this, [this] {
        regelnAnwenden();
        abgesetzteBerechnen();
    });
    connect(Gelten, &TNumEdit::verlassen, this, &TSauWurfEingabe::GeltenExit);
    connect(todgeboren, &TNumEdit::verlassen, this, &TSauWurfEingabe::todgeborenExit);
    connect(Zugesetzt, &TNumEdit::verlassen, this, &TSauWurfEingabe::abgesetzteBerechnen);
    connect(abgesetzte, &TNumEdit::verlassen, this, &TSauWurfEingabe::abgesetzteExit);
    connect(Anomal, &TNumEdit::verlassen, this, &TSauWurfEingabe::AnomalExit);
    connect(Ausfall, &TNumEdit::verlassen, this, &TSauWurfEingabe::AusfallExit);
    connect(AnomalBtn, &QPushButton::clicked, this,
            [this] { eintraegeOeffnen(0, Anomal->AsInteger()); });
    connect(AusfallBtn, &QPushButton::clicked, this, [this] {
        eintraegeOeffnen(1, Ausfall->AsInteger());
        abgesetzteBerechnen();
    });
    Anomal->installEventFilter(this);
    Ausfall->installEventFilter(this);
    new EnterAlsTab(this);
}

// ---------------------------------------------------------------------------------------
// Opening, loading, pages, storing

void TSauWurfEingabe::TermineBeschriften(const Terminnamen& namen) {
    for (std::size_t i = 0; i < 4; ++i) {
        LSauTermin[i]->setText(namen[i]);
        Impfung[i]->setEnabled(!namen[i].isEmpty());
    }
    for (std::size_t i = 0; i < 8; ++i) {
        LWurfTermin[i]->setText(namen[10 + i]);
        termin[i]->setEnabled(!namen[10 + i].isEmpty());
    }
}

void TSauWurfEingabe::SauOeffnen(int index) {
    if (index >= 0 && std::size_t(index) < ctx_.Sauenliste.size()) {
        index_ = index;
        sau_ = ctx_.Sauenliste[std::size_t(index)].rec;
        setWindowTitle(sau_.SauNr());
        setProperty("helpContext", 250);
        laden();
        return;
    }
    index_ = -1;
    sau_ = TSauRec{};
    neueListe_.clear();
    setWindowTitle(QStringLiteral("Neue Sau"));
    setProperty("helpContext", 200);
    for (QWidget* w : {static_cast<QWidget*>(Abgang), static_cast<QWidget*>(LAbgang),
                       static_cast<QWidget*>(Abnehmer), static_cast<QWidget*>(Verkauf),
                       static_cast<QWidget*>(LVerkauf), static_cast<QWidget*>(LKg)})
        w->hide();
    LAbnehmer->setText(QStringLiteral("Eingabebegin mit Wurf"));
    LAbnehmer->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LAbnehmer->setBuddy(NumEdit3);
    laden();
    NumEdit3->setWert(1);
    SauNr->setFocus();
}

void TSauWurfEingabe::SauVorbelegen(const TSauRec& rec) {
    sau_ = rec;
    neueListe_.clear();
    laden();
    NumEdit3->setWert(1);
}

void TSauWurfEingabe::SauAuslesen(TSauRec& rec) {
    kartenSpeichern(rec);
}

void TSauWurfEingabe::laden() {
    // The stall is looked for from the last entry down to the second; otherwise the first.
    const QStringList& staelle = ctx_.Hilfslisten[5];
    int stall = staelle.isEmpty() ? -1 : 0;
    for (qsizetype i = staelle.size() - 1; i >= 1; --i)
        if (staelle[i] == sau_.Stall()) {
            stall = int(i);
            break;
        }
    Stall->setCurrentIndex(stall);
    SauNr->setText(sau_.SauNr());
    Zugang->SetDatum(sau_.Zugang());
    boxSetzen(Herkunft, sau_.Herkunft());
    TVG->setText(sau_.TVG());
    boxSetzen(Rasse, sau_.Rasse());
    for (int i = 0; i < 4; ++i)
        Impfung[std::size_t(i)]->SetDatum(sau_.SauTermin(i + 1));
    Abgang->SetDatum(sau_.Abgang());
    boxSetzen(Abnehmer, sau_.Abnehmer());
    NumEdit2->setWert(sau_.Einkaufsgewicht());
    Einkauf->setWaehrung(sau_.EinkaufWaehrung());
    Einkauf->setWert(sau_.Einkaufspreis());
    Verkauf->setWaehrung(sau_.VerkaufWaehrung());
    Verkauf->setWert(sau_.Verkaufspreis());
    const std::vector<TWurfRec>& liste = sauListe();
    NumEdit3->setWert(liste.empty() ? 1 : sau_.Verkaufsgewicht());
    QString notiz = sau_.SauNotiz();
    if (notiz.endsWith(u'\n')) notiz.chop(1);
    Memo1->setPlainText(notiz.left(335));

    wuerfe_ = liste;
    if (!sau_.SauNr().isEmpty() && !sau_.Abgang().vorhanden() &&
        (wuerfe_.empty() || wuerfe_.back().Absetzen().vorhanden()))
        wuerfe_.push_back(
            TWurfRec::leer(std::uint8_t(wuerfe_.empty() ? 1 : wuerfe_.back().WurfNr() + 1)));

    panelSeite_ = 0;
    registerErneuern();
    Notebook->setCurrentIndex(0);
    if (!wuerfe_.empty()) wurfZeigen(int(wuerfe_.size()));
    seiteWechseln(0);
}

QString TSauWurfEingabe::registerText(int i) const {
    return QString::number(wuerfe_[std::size_t(i)].WurfNr()) + QStringLiteral(".Wurf");
}

void TSauWurfEingabe::registerErneuern() {
    const QSignalBlocker sperre(Notebook);
    while (Notebook->count() > 1)
        Notebook->removeTab(Notebook->count() - 1);
    for (std::size_t i = 0; i < wuerfe_.size(); ++i)
        Notebook->addTab(registerText(int(i)));
}

void TSauWurfEingabe::seiteWaehlen(int seite) {
    seiteWechseln(seite);
}

void TSauWurfEingabe::seiteWechseln(int seite) {
    if (seite > 0 && SauNr->text().trimmed().isEmpty()) {
        seite = 0;
        Notebook->setCurrentIndex(0);
        ctx_.messages().error(QStringLiteral("Die Sau hat keine Bezeichnung"));
    }
    if (panelSeite_ > 0) wurfSpeichern();
    Notebook->setCurrentIndex(seite);
    seiten_->setCurrentIndex(seite > 0 ? 1 : 0);
    if (seite > 0) {
        wurfZeigen(seite);
    } else {
        TSauRec scratch;
        kartenSpeichern(scratch);
        statusZeigen();
    }
}

void TSauWurfEingabe::statusZeigen() {
    TSauRec scratch;
    kartenSpeichern(scratch);
    StatusFeld->setText(StatusName(SauStatus(Sau{scratch, sauListe()})));
    PaintBox1->setzen(wuerfe_);
}

void TSauWurfEingabe::kartenSpeichern(TSauRec& rec) {
    rec = sau_;
    const auto feld = [](const QString& s, int n) { return LeerzeichenEntfernen(s).left(n); };
    rec.setStall(feld(Stall->currentText(), 15));
    rec.setSauNr(feld(SauNr->text(), 10));
    rec.setHerkunft(feld(Herkunft->currentText(), 15));
    rec.setTVG(feld(TVG->text(), 15));
    rec.setRasse(feld(Rasse->currentText(), 15));
    rec.setAbnehmer(feld(Abnehmer->currentText(), 15));
    rec.setZugang(Zugang->Getdatum());
    for (int i = 0; i < 4; ++i)
        rec.setSauTermin(i + 1, Impfung[std::size_t(i)]->Getdatum());
    rec.setAbgang(Abgang->Getdatum());
    rec.setEinkaufspreis(Einkauf->Wert());
    rec.setEinkaufWaehrung(Einkauf->Waehrung());
    rec.setVerkaufspreis(Verkauf->Wert());
    rec.setVerkaufWaehrung(Verkauf->Waehrung());
    rec.setEinkaufsgewicht(std::uint16_t(NumEdit2->AsInteger()));
    rec.setVerkaufsgewicht(index_ >= 0 ? std::uint16_t(NumEdit3->AsInteger()) : 0);
    // Every line of the note ends in one LF; an empty note has no line.
    const QString memo = Memo1->toPlainText();
    rec.setSauNotiz(memo.isEmpty() ? QString() : memo + u'\n');

    std::vector<TWurfRec>& liste = sauListe();
    for (std::size_t i = 0; i < wuerfe_.size(); ++i) {
        if (i < liste.size())
            liste[i] = wuerfe_[i];
        else
            liste.push_back(wuerfe_[i]);
    }
}

// ---------------------------------------------------------------------------------------
// Checks of the sow page

bool TSauWurfEingabe::namePruefen() {
    const QString name = LeerzeichenEntfernen(SauNr->text());
    if (name.isEmpty()) return false;
    for (std::size_t i = 0; i < ctx_.Sauenliste.size(); ++i) {
        if (int(i) == index_) continue;
        if (ctx_.Sauenliste[i].rec.SauNr() == name) {
            ctx_.messages().error(QStringLiteral("Die Bezeichnung ") + name +
                                  QStringLiteral(" kommt mehrfach in der Kartei vor!\n\r") +
                                  QStringLiteral("Bitte ändern Sie diese."));
            return false;
        }
    }
    return true;
}

void TSauWurfEingabe::AbgangExit() {
    TKurzDatum abgang = Abgang->Getdatum();
    if (!abgang.vorhanden()) return;
    if (TageZwischen(Zugang->Getdatum(), abgang) < 0) {
        ctx_.messages().error(QStringLiteral("Der angegebene Verkauf liegt vor der Einstallung!"));
        Abgang->SetDatum({});
        abgang = {};
    }
    if (abgang.vorhanden() && !wuerfe_.empty()) {
        const TKurzDatum letzter = wurfregeln::letzterEintrag(wuerfe_.back());
        if (TageZwischen(letzter, abgang) < 0) {
            ctx_.messages().error(
                QStringLiteral("Der Verkaufstermin liegt vor Eintragungen im letzten Wurf!"));
            Abgang->SetDatum({});
            abgang = {};
        }
    }
    if (abgang.vorhanden()) StatusFeld->setText(StatusName(stVerkauft));
}

void TSauWurfEingabe::EberExit(int k) {
    QComboBox* box = Eber[std::size_t(k)];
    const QString name = LeerzeichenEntfernen(box->currentText());
    box->setEditText(name);
    if (name.isEmpty() || box->findText(name, Qt::MatchFixedString | Qt::MatchCaseSensitive) >= 0 ||
        ctx_.Eberliste.contains(name))
        return;
    ctx_.Eberliste.prepend(name);
}

// ---------------------------------------------------------------------------------------
// The litter panel

bool TSauWurfEingabe::letzteWurfseite() const {
    return panelSeite_ > 0 && std::size_t(panelSeite_) == wuerfe_.size();
}

void TSauWurfEingabe::wurfZeigen(int seite) {
    if (seite < 1 || std::size_t(seite) > wuerfe_.size()) return;
    panelSeite_ = seite;
    wurf_ = wuerfe_[std::size_t(seite - 1)];
    const TWurfRec& w = wurf_;
    for (int k = 0; k < 3; ++k) {
        const auto n = std::size_t(k);
        Belegen[n]->SetDatum(w.Belegen(k + 1));
        Eber[n]->setEditText(w.Eber(k + 1));
        mal[n]->setWert(w.Mal(k + 1) == 0 ? 1 : w.Mal(k + 1));
        Belegnote[n]->setEditText(w.Belegnote(k + 1));
    }
    for (int k = 0; k < 2; ++k) {
        tkdatum[std::size_t(k)]->SetDatum(w.TKDatum(k + 1));
        tk[std::size_t(k)]->setChecked(w.TKErgebnis(k + 1) != 0);
    }
    for (int i = 0; i < 8; ++i)
        termin[std::size_t(i)]->SetDatum(w.WurfTermin(i + 1));
    Abferkeln->SetDatum(w.Abferkeln());
    Absetzen->SetDatum(w.Absetzen());
    geborene->setWert(w.Geborene());
    todgeboren->setWert(w.Todgeborene());
    Gelten->setWert(w.Weibliche());
    Zugesetzt->setWert(w.Ausgleich());
    FerkelnNote->setEditText(w.FerkelnNote());
    Geburtgew->setWert(w.Geburtsgewicht());
    Absetzgew->setWert(w.Absetzgewicht() * 0.001);
    for (int i = 0; i < 4; ++i)
        Futter[std::size_t(i)]->setWert(w.Futter(i + 1) * 0.1);
    Notiz->setText(w.WurfNotiz());
    Anomal->setWert(Anomalien(w));
    Ausfall->setWert(Verluste(w));
    anomalAlt_ = Anomal->AsInteger();
    ausfallAlt_ = Ausfall->AsInteger();
    regelnAnwenden();
    vorschlagAktualisieren();
    abgesetzteBerechnen();
}

void TSauWurfEingabe::wurfSpeichern() {
    if (panelSeite_ < 1 || std::size_t(panelSeite_) > wuerfe_.size()) return;
    TWurfRec w = wurf_;
    const auto byte = [](const TNumEdit* n) { return std::uint8_t(gerundet(n)); };
    for (int k = 0; k < 3; ++k) {
        const auto n = std::size_t(k);
        w.setBelegen(k + 1, Belegen[n]->Getdatum());
        w.setEber(k + 1, LeerzeichenEntfernen(Eber[n]->currentText()).left(10));
        w.setMal(k + 1, byte(mal[n]));
        w.setBelegnote(k + 1, Belegnote[n]->currentText().left(15));
    }
    for (int k = 0; k < 2; ++k) {
        w.setTKDatum(k + 1, tkdatum[std::size_t(k)]->Getdatum());
        w.setTKErgebnis(k + 1, tk[std::size_t(k)]->isChecked() ? 1 : 0);
    }
    for (int i = 0; i < 8; ++i)
        w.setWurfTermin(i + 1, termin[std::size_t(i)]->Getdatum());
    w.setAbferkeln(Abferkeln->Getdatum());
    w.setAbsetzen(Absetzen->Getdatum());
    w.setGeborene(byte(geborene));
    w.setTodgeborene(byte(todgeboren));
    w.setWeibliche(byte(Gelten));
    w.setAusgleich(std::int8_t(gerundet(Zugesetzt)));
    w.setFerkelnNote(FerkelnNote->currentText().left(15));
    w.setGeburtsgewicht(std::uint16_t(gerundet(Geburtgew)));
    w.setAbsetzgewicht(std::uint16_t(std::lround(Absetzgew->Wert() * 1000.0)));
    for (int i = 0; i < 4; ++i)
        w.setFutter(i + 1, std::uint16_t(std::lround(Futter[std::size_t(i)]->Wert() * 10.0)));
    w.setWurfNotiz(Notiz->text().left(75));
    wurf_ = w;
    wuerfe_[std::size_t(panelSeite_ - 1)] = w;
}

wurfregeln::Stand TSauWurfEingabe::stand() const {
    wurfregeln::Stand s;
    for (std::size_t k = 0; k < 3; ++k) {
        s.belegenText[k] = !Belegen[k]->text().isEmpty();
        s.belegen[k] = Belegen[k]->Getdatum();
    }
    s.tkdatum1 = tkdatum[0]->Getdatum().vorhanden();
    s.tk1 = tk[0]->isChecked();
    s.tkdatum2 = tkdatum[1]->Getdatum().vorhanden();
    s.abferkeln = Abferkeln->Getdatum();
    s.absetzen = Absetzen->Getdatum();
    s.geborene = gerundet(geborene);
    s.todgeboren = gerundet(todgeboren);
    s.zugesetzt = gerundet(Zugesetzt);
    s.anomal = gerundet(Anomal);
    s.ausfall = gerundet(Ausfall);
    return s;
}

void TSauWurfEingabe::regelnAnwenden() {
    const wurfregeln::Freigabe f = wurfregeln::freigaben(stand());
    for (std::size_t k = 0; k < 3; ++k) {
        Eber[k]->setEnabled(f.eber[k]);
        mal[k]->setEnabled(f.mal[k]);
        Belegnote[k]->setEnabled(f.belegnote[k]);
        if (f.mal[k] && mal[k]->Wert() == 0) mal[k]->setWert(1);
    }
    Belegen[1]->setEnabled(f.belegen2);
    Belegen[2]->setEnabled(f.belegen3);
    tkdatum[0]->setEnabled(f.tkdatum1);
    tk[0]->setEnabled(f.tk1);
    tkdatum[1]->setEnabled(f.tkdatum2);
    tk[1]->setEnabled(f.tk2);
    Abferkeln->setEnabled(f.abferkeln);
    // Farrowing depends on its own enabling: compute the rest once more with it settled.
    const wurfregeln::Freigabe g = wurfregeln::freigaben(stand());
    geborene->setEnabled(g.geborene);
    todgeboren->setEnabled(g.todgeboren);
    Gelten->setEnabled(g.gelten);
    Geburtgew->setEnabled(g.geburtgew);
    Zugesetzt->setEnabled(g.zugesetzt);
    Anomal->setEnabled(g.anomal);
    Ausfall->setEnabled(g.ausfall);
    Absetzen->setEnabled(g.absetzen);
    FerkelnNote->setEnabled(g.ferkelnNote);
    AnomalBtn->setEnabled(g.anomalKnopf);
    AusfallBtn->setEnabled(g.ausfallKnopf);
    Absetzen->setReadOnly(g.absetzenNurLesen);
    abgesetzte->setEnabled(g.abgesetzte);
    Absetzgew->setEnabled(g.absetzgew);
}

void TSauWurfEingabe::vorschlagAktualisieren() {
    if (Abferkeln->Getdatum().vorhanden()) return;
    Abferkeln->textSetzen(wurfregeln::abferkelVorschlag(stand(), ctx_.Tragezeit));
}

void TSauWurfEingabe::abgesetzteBerechnen() {
    abgesetzte->setWert(wurfregeln::abgesetzte(stand()));
}

void TSauWurfEingabe::datumFehler(tdate_ed* feld, const wurfregeln::Pruefung& p) {
    ctx_.messages().error(p.meldung);
    feld->SetDatum({});
    if (p.fokusZurueck) feld->setFocus();
}

void TSauWurfEingabe::BelegenExit(int k) {
    const TKurzDatum d = Belegen[std::size_t(k)]->Getdatum();
    if (d.vorhanden()) {
        wurfregeln::Pruefung p;
        if (k == 0) {
            const TKurzDatum vorher =
                panelSeite_ > 1 ? wuerfe_[std::size_t(panelSeite_ - 2)].Absetzen() : TKurzDatum{};
            p = wurfregeln::pruefeBelegen1(d, panelSeite_ == 1, Zugang->Getdatum(), vorher);
        } else if (k == 1) {
            p = wurfregeln::pruefeBelegen2(Belegen[0]->Getdatum(), d);
        } else {
            p = wurfregeln::pruefeBelegen3(Belegen[1]->Getdatum(), d);
        }
        if (!p.meldung.isEmpty())
            datumFehler(Belegen[std::size_t(k)], p);
        else
            vorschlagAktualisieren();
    }
    regelnAnwenden();
}

void TSauWurfEingabe::TKExit(tdate_ed* feld) {
    const TKurzDatum d = feld->Getdatum();
    if (d.vorhanden()) {
        const auto p = wurfregeln::pruefeTK(Belegen[0]->Getdatum(), d);
        if (!p.meldung.isEmpty()) datumFehler(feld, p);
    }
    regelnAnwenden();
}

void TSauWurfEingabe::AbferkelnExit() {
    const wurfregeln::Stand s = stand();
    bool zurueck = false;
    if (s.abferkeln.vorhanden()) {
        const auto p = wurfregeln::pruefeAbferkeln(s);
        if (!p.meldung.isEmpty()) {
            datumFehler(Abferkeln, p);
            zurueck = true;
        } else if (wurfregeln::weichtZuStarkAb(s, ctx_.Tragezeit)) {
            ctx_.messages().warning(wurfregeln::kAbstandWarnung);
            Abferkeln->setFocus();
        }
    }
    // Left empty: the proposal comes back (not while the field gets the focus back).
    if (!zurueck && !Abferkeln->Getdatum().vorhanden()) vorschlagAktualisieren();
    regelnAnwenden();
    abgesetzteBerechnen();
}

void TSauWurfEingabe::AbferkelnUebernehmen() {
    if (!Abferkeln->text().startsWith(u'~')) return;
    Abferkeln->textSetzen(Abferkeln->text().mid(1));
    AbferkelnExit();
}

void TSauWurfEingabe::AbsetzenExit() {
    const TKurzDatum d = Absetzen->Getdatum();
    if (d.vorhanden() && letzteWurfseite()) {
        const TKurzDatum f = Abferkeln->Getdatum();
        const auto p = wurfregeln::pruefeAbsetzen(f, d);
        if (!p.meldung.isEmpty()) {
            datumFehler(Absetzen, p);
        } else if (TageZwischen(f, d) == 0) {
            if (ohneLebendeFerkel(wurfregeln::kAbort)) todgeboren->setWert(geborene->Wert());
        }
    }
    abgesetzteBerechnen();
    regelnAnwenden();
}

bool TSauWurfEingabe::ohneLebendeFerkel(const QString& warnung) {
    if (ctx_.messages().warningOkCancel(warnung) != MessageService::Answer::Ok) {
        todgeboren->setWert(0);
        return false;
    }
    ausfallSetzen(0);
    Zugesetzt->setWert(0);
    return true;
}

void TSauWurfEingabe::GeltenExit() {
    if (Gelten->Wert() > geborene->Wert()) Gelten->setWert(geborene->Wert());
}

void TSauWurfEingabe::todgeborenExit() {
    if (todgeboren->Wert() > geborene->Wert()) todgeboren->setWert(geborene->Wert());
    if (geborene->Wert() > 0 && gerundet(todgeboren) == gerundet(geborene)) {
        if (ohneLebendeFerkel(wurfregeln::kAlleTot)) Absetzen->SetDatum(Abferkeln->Getdatum());
    }
    abgesetzteBerechnen();
    regelnAnwenden();
}

void TSauWurfEingabe::ausfallSetzen(int wert) {
    // Losses that are no longer counted leave the litter, too.
    Ausfall->setWert(wert);
    if (wert <= 0) wurfregeln::verlusteEntfernen(wurf_);
    ausfallAlt_ = wert;
}

void TSauWurfEingabe::abgesetzteExit() {
    const wurfregeln::Stand s = stand();
    const int berechnet = wurfregeln::abgesetzte(s);
    const int d = berechnet - gerundet(abgesetzte);
    if (d > 0 && s.geborene - s.todgeboren - s.zugesetzt > d) {
        Ausfall->setWert(s.ausfall + d);
        AusfallExit();
        return;
    }
    abgesetzte->setWert(berechnet);
}

void TSauWurfEingabe::AnomalExit() {
    regelnAnwenden();
    const int neu = Anomal->AsInteger();
    if (neu == anomalAlt_) return;
    anomalAlt_ = neu;
    if (neu <= 0)
        wurfregeln::anomalienEntfernen(wurf_);
    else
        eintraegeOeffnen(0, neu);
}

void TSauWurfEingabe::AusfallExit() {
    regelnAnwenden();
    const int neu = Ausfall->AsInteger();
    if (neu != ausfallAlt_) {
        ausfallAlt_ = neu;
        if (neu <= 0)
            wurfregeln::verlusteEntfernen(wurf_);
        else
            eintraegeOeffnen(1, neu);
    }
    abgesetzteBerechnen();
}

void TSauWurfEingabe::eintraegeOeffnen(int modus, int anzahl) {
    if (anzahl < 1) return;
    TAnomalEin fenster(ctx_, this);
    fenster.AnomalOeffnen(wurf_, Abferkeln->Getdatum(), modus, std::min(anzahl, 14));
    if (fenster.exec() == QDialog::Accepted) fenster.AnomalUebernehmen(wurf_);
}

void TSauWurfEingabe::umnummerieren(int delta) {
    if (panelSeite_ != 1 || Notebook->currentIndex() != 1 || wuerfe_.empty()) return;
    if (delta < 0 && wuerfe_.front().WurfNr() <= 1) return;
    wurfSpeichern();
    for (TWurfRec& w : wuerfe_)
        w.setWurfNr(std::uint8_t(w.WurfNr() + delta));
    for (std::size_t i = 0; i < wuerfe_.size(); ++i)
        Notebook->setTabText(int(i + 1), registerText(int(i)));
    wurfZeigen(panelSeite_);
}

// ---------------------------------------------------------------------------------------
// Keys, OK, closing, printing

bool TSauWurfEingabe::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == Anomal || watched == Ausfall) && event->type() == QEvent::FocusIn) {
        if (watched == Anomal)
            anomalAlt_ = Anomal->AsInteger();
        else
            ausfallAlt_ = Ausfall->AsInteger();
        return false;
    }
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType() ||
        static_cast<QWidget*>(watched)->window() != this)
        return false;
    const auto* k = static_cast<QKeyEvent*>(event);
    if (watched == Abferkeln && (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) &&
        (k->modifiers() & Qt::ShiftModifier)) {
        AbferkelnUebernehmen();
        return true;
    }
    if ((k->modifiers() & Qt::AltModifier) && (k->modifiers() & Qt::KeypadModifier)) {
        if (k->key() == Qt::Key_Plus) {
            umnummerieren(+1);
            return true;
        }
        if (k->key() == Qt::Key_Minus) {
            umnummerieren(-1);
            return true;
        }
    }
    return false;
}

void TSauWurfEingabe::OKBtnClick() {
    OKBtn->setFocus();
    seiteWechseln(Notebook->currentIndex());
    if (namePruefen()) {
        schliessenMitOK_ = true;
        accept();
        return;
    }
    if (ctx_.messages().errorOkCancel(QStringLiteral(
            "Die Sauenbezeichnung ist nicht zulässig, daher wird die Sau nicht gespeichert!")) ==
        MessageService::Answer::Ok)
        reject();
}

void TSauWurfEingabe::done(int r) {
    if (r == QDialog::Accepted && schliessenMitOK_) {
        TSauRec rec;
        kartenSpeichern(rec);
        if (index_ < 0) {
            const int nr = NumEdit3->AsInteger();
            neueListe_.push_back(TWurfRec::leer(std::uint8_t(nr >= 1 ? nr : 1)));
            ctx_.Sauenliste.push_back(Sau{rec, neueListe_});
            index_ = int(ctx_.Sauenliste.size()) - 1;
        }
        Sau& sau = ctx_.Sauenliste[std::size_t(index_)];
        if (rec.Abgang().vorhanden() && !sau.wuerfe.empty() &&
            !sau.wuerfe.back().Belegen(1).vorhanden())
            sau.wuerfe.pop_back();
        sau.rec = rec;
        // The card goes on with the herd's litters (a later read-out must not bring back
        // a removed one).
        wuerfe_ = sau.wuerfe;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        AenderungFesthalten(ctx_);
        QApplication::restoreOverrideCursor();
    }
    schliessenMitOK_ = false;
    QDialog::done(r);
}

void TSauWurfEingabe::druckInhalt(Canvas& canvas) {
    seiteWechseln(Notebook->currentIndex());
    TSauRec rec;
    kartenSpeichern(rec);
    ::KarteDrucken(canvas, rec, wuerfe_, ctx_.einstellungen, ctx_.Tragezeit);
}

void TSauWurfEingabe::KarteDrucken() {
    druckausgabe::drucken(*this, this);
}
