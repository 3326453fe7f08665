#include "entry/tsauwurfeingabe.h"

#include "controls/enteralstab.h"
#include "controls/verwerfenfragen.h"
#include "entry/kartenbuchung.h"
#include "entry/kartendruck.h"
#include "entry/kartenfelder.h"
#include "entry/plausiwarner.h"
#include "entry/wurfpanel.h"
#include "entry/wurfuebersicht.h"
#include "herd/saustatus.h"
#include "herd/textfunktionen.h"
#include "platform/messages.h"
#include "platform/paintercanvas.h"
#include "platform/wartecursor.h"
#include "programm/appcontext.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QStackedWidget>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

using namespace kartenfelder;

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

constexpr int kNotizLaenge = 335; // characters of the sow note

void boxSetzen(QComboBox* c, const QString& t) {
    if (c->isEditable())
        c->setEditText(t);
    else
        c->setCurrentIndex(c->findText(t));
}

} // namespace

TSauWurfEingabe::TSauWurfEingabe(AppContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx), warner_(std::make_unique<PlausiWarner>(ctx)) {
    setObjectName(QStringLiteral("SauWurfEingabe"));
    setWindowTitle(QStringLiteral("Eingabe"));
    setProperty("helpContext", 250);
    aufbauen();
    einstellungenAnwenden();
    verbinden();
    panel_->tabFolgeSetzen();
    qApp->installEventFilter(this);
}

std::vector<TWurfRec>& TSauWurfEingabe::sauListe() {
    if (index_ >= 0 && std::size_t(index_) < ctx_.Sauenliste.size())
        return ctx_.Sauenliste[std::size_t(index_)].wuerfe;
    return neueListe_;
}

// ---------------------------------------------------------------------------------------
// Building the window

void TSauWurfEingabe::aufbauen() {
    Notebook = new QTabBar;
    Notebook->setObjectName(QStringLiteral("TabbedNotebook1"));
    Notebook->setUsesScrollButtons(true);
    Notebook->setExpanding(false);
    Notebook->addTab(QStringLiteral("Sau"));
    seiten_ = new QStackedWidget;
    seiten_->addWidget(sauSeiteAufbauen());
    panel_ = new WurfPanel(ctx_);
    seiten_->addWidget(panel_);

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

void TSauWurfEingabe::sauFelderAnlegen() {
    SauNr = new QLineEdit;
    SauNr->setObjectName(QStringLiteral("SauNr"));
    SauNr->setMaxLength(feldgroesse::SauNr);
    Stall = combo(QStringLiteral("Stall"), false, feldgroesse::Text);
    Stall->setToolTip(QStringLiteral("derzeitiger Aufenthalt im Bestand"));
    StatusFeld = new QLineEdit;
    StatusFeld->setObjectName(QStringLiteral("StatusFeld"));
    StatusFeld->setReadOnly(true);
    StatusFeld->setFocusPolicy(Qt::NoFocus);
    Zugang = datum(ctx_, QStringLiteral("Zugang"));
    Zugang->setToolTip(QStringLiteral("Datum der Einstallung"));
    Herkunft = combo(QStringLiteral("Herkunft"), true, feldgroesse::Text);
    TVG = new QLineEdit;
    TVG->setObjectName(QStringLiteral("TVG"));
    TVG->setMaxLength(feldgroesse::Text);
    Rasse = combo(QStringLiteral("Rasse"), true, feldgroesse::Text);
    NumEdit2 = zahl(ctx_, QStringLiteral("NumEdit2"), TNumEdit::ntGeneral, 70, 0, 65535);
    NumEdit2->setPositiveMask(QStringLiteral("###0"));
    Einkauf = zahl(ctx_, QStringLiteral("Einkauf"), TNumEdit::ntCurrency, 110);
    for (std::size_t i = 0; i < 4; ++i) {
        Impfung[i] = datum(ctx_, QStringLiteral("Impfung%1").arg(i + 1));
        Impfung[i]->setToolTip(QStringLiteral("Termine quitieren"));
        Impfung[i]->setProperty("helpContext", 251);
        LSauTermin[i] = label({}, Impfung[i]);
        LSauTermin[i]->setObjectName(QStringLiteral("LSauTermin%1").arg(i + 1));
    }
    Abgang = datum(ctx_, QStringLiteral("Abgang"));
    Abnehmer = combo(QStringLiteral("Abnehmer"), true, feldgroesse::Text);
    NumEdit3 = zahl(ctx_, QStringLiteral("NumEdit3"), TNumEdit::ntGeneral, 70, 0, 65535);
    NumEdit3->setPositiveMask(QStringLiteral("###0"));
    Verkauf = zahl(ctx_, QStringLiteral("Verkauf"), TNumEdit::ntCurrency, 110);
    Memo1 = new QPlainTextEdit;
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setToolTip(QStringLiteral("Textvermerke"));
    Memo1->setTabChangesFocus(true);
    LAbgang = label(QStringLiteral("Ab&gang"), Abgang);
    LAbnehmer = label(QStringLiteral("Abnehmer"), Abnehmer);
    LAbnehmer->setObjectName(QStringLiteral("LAbnehmer"));
    LKg = label(QStringLiteral("kg"), NumEdit3);
    LKg->setObjectName(QStringLiteral("LKg"));
    LVerkauf = label(QStringLiteral("Preis"), Verkauf);
}

QWidget* TSauWurfEingabe::sauSeiteAufbauen() {
    auto* w = new QWidget;
    w->setObjectName(QStringLiteral("SauSeite"));
    sauFelderAnlegen();
    PaintBox1 = new WurfUebersicht(w);
    auto* g = new QGridLayout(w);
    const auto paar = [g](int z, int s, const QString& text, QWidget* feld) {
        g->addWidget(label(text, feld), z, s);
        g->addWidget(feld, z, s + 1);
    };
    paar(0, 0, QStringLiteral("Sau Nr.:"), SauNr);
    paar(0, 2, QStringLiteral("Status"), StatusFeld);
    paar(1, 0, QStringLiteral("Stall"), Stall);
    paar(1, 2, QStringLiteral("Zugang"), Zugang);
    paar(2, 0, QStringLiteral("Herkunft"), Herkunft);
    paar(2, 2, QStringLiteral("TVG-Nr.:"), TVG);
    paar(3, 0, QStringLiteral("Rasse"), Rasse);
    auto* kauf = new QHBoxLayout;
    kauf->addWidget(NumEdit2);
    kauf->addWidget(label(QStringLiteral("Preis"), Einkauf));
    kauf->addWidget(Einkauf);
    kauf->addStretch();
    g->addWidget(label(QStringLiteral("Gewicht"), NumEdit2), 3, 2);
    g->addLayout(kauf, 3, 3);

    auto* termine = new QGroupBox;
    termine->setObjectName(QStringLiteral("SauTermine"));
    termine->setProperty("helpContext", 251);
    auto* tg = new QGridLayout(termine);
    for (std::size_t i = 0; i < 4; ++i) {
        tg->addWidget(LSauTermin[i], int(i / 2), int(i % 2) * 2);
        tg->addWidget(Impfung[i], int(i / 2), int(i % 2) * 2 + 1);
    }
    g->addWidget(termine, 4, 0, 1, 4);

    g->addWidget(LAbgang, 5, 0);
    g->addWidget(Abgang, 5, 1);
    g->addWidget(LAbnehmer, 5, 2);
    g->addWidget(Abnehmer, 5, 3);
    auto* verkauf = new QHBoxLayout;
    for (QWidget* x : std::initializer_list<QWidget*>{NumEdit3, LKg, LVerkauf, Verkauf})
        verkauf->addWidget(x);
    verkauf->addStretch();
    g->addLayout(verkauf, 6, 3);
    g->addWidget(label(QStringLiteral("No&tiz"), Memo1), 7, 0, Qt::AlignTop);
    g->addWidget(Memo1, 7, 1, 1, 3);
    g->addWidget(PaintBox1, 8, 0, 1, 4);
    g->setRowStretch(7, 1);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    return w;
}

void TSauWurfEingabe::einstellungenAnwenden() {
    Stall->addItems(ctx_.Hilfslisten[hlStaelle]);
    Herkunft->addItems(ctx_.Hilfslisten[hlHerkunft]);
    Abnehmer->addItems(ctx_.Hilfslisten[hlHerkunft]);
    Rasse->addItems(ctx_.Hilfslisten[hlRassen]);
    for (QComboBox* c : {Herkunft, Abnehmer, Rasse})
        c->setCurrentIndex(-1);
}

void TSauWurfEingabe::verbinden() {
    // A page change by click, arrow keys or wheel on the tab bar runs the same steps.
    connect(Notebook, &QTabBar::currentChanged, this, [this](int i) {
        if (!seitenSperre_ && i >= 0) seiteWechseln(i);
    });
    connect(Notebook, &QTabBar::tabBarClicked, this, [this](int i) {
        if (i >= 0 && i == Notebook->currentIndex()) seiteWechseln(i);
    });
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
    connect(Zugang, &tdate_ed::verlassen, this, [this] { warner_->datumPruefen(Zugang); });
    connect(Memo1, &QPlainTextEdit::textChanged, this, &TSauWurfEingabe::memoBegrenzen);
    new EnterAlsTab(this);
    new VerwerfenFragen(this, ctx_.messages(), [this] { return eingabenGeaendert(); });
}

void TSauWurfEingabe::memoBegrenzen() {
    const QString text = Memo1->toPlainText();
    if (text.size() <= kNotizLaenge) return;
    const QSignalBlocker sperre(Memo1);
    QTextCursor c = Memo1->textCursor();
    const int pos = std::min(c.position(), kNotizLaenge);
    Memo1->setPlainText(text.left(kNotizLaenge));
    c = Memo1->textCursor();
    c.setPosition(pos);
    Memo1->setTextCursor(c);
}

// ---------------------------------------------------------------------------------------
// Opening, loading, pages, storing

void TSauWurfEingabe::TermineBeschriften(const Terminnamen& namen) {
    for (std::size_t i = 0; i < 4; ++i) {
        LSauTermin[i]->setText(namen[i]);
        Impfung[i]->setEnabled(!namen[i].isEmpty());
    }
    panel_->TermineBeschriften(namen);
}

void TSauWurfEingabe::SauOeffnen(int index) {
    if (index >= 0 && std::size_t(index) < ctx_.Sauenliste.size()) {
        index_ = index;
        offen_ = std::make_unique<OffenMarke>(ctx_.geoeffnet, index);
        sau_ = ctx_.Sauenliste[std::size_t(index)].rec;
        setWindowTitle(sau_.SauNr());
        setProperty("helpContext", 250);
        NumEdit3->setMax(65535); // her sale weight
        laden();
        SauNr->setFocus();
        return;
    }
    index_ = -1;
    sau_ = TSauRec{};
    neueListe_.clear();
    setWindowTitle(QStringLiteral("Neue Sau"));
    setProperty("helpContext", 200);
    for (QWidget* w :
         std::initializer_list<QWidget*>{Abgang, LAbgang, Abnehmer, Verkauf, LVerkauf, LKg})
        w->hide();
    LAbnehmer->setText(QStringLiteral("Eingabebegin mit Wurf"));
    LAbnehmer->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LAbnehmer->setBuddy(NumEdit3);
    NumEdit3->setMax(255); // here the number of the first litter
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
    const QStringList& staelle = ctx_.Hilfslisten[hlStaelle];
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
    warner_->merken(Zugang, Zugang->text());
    warner_->merken(Abgang, Abgang->text());
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
    Memo1->setPlainText(notiz.left(kNotizLaenge));

    wuerfe_ = kartenbuchung::KartenWuerfe(sau_, liste);
    panelSeite_ = 0;
    registerErneuern();
    if (!wuerfe_.empty()) wurfZeigen(int(wuerfe_.size()));
    seiteWechseln(0);
    sauLesen(anfangSau_);
    anfangWuerfe_ = wuerfe_;
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
    Notebook->setCurrentIndex(0);
}

void TSauWurfEingabe::seiteWaehlen(int seite) {
    seiteWechseln(seite);
}

void TSauWurfEingabe::feldZeigen(int wurf, const QString& feld) {
    QTimer::singleShot(0, this, [this, wurf, feld] {
        const bool sauSeite = feld == QLatin1String("Zugang") || feld == QLatin1String("Abgang");
        const int letzte = Notebook->count() - 1;
        const int seite = sauSeite ? 0 : wurf < 0 ? letzte : std::min(wurf + 1, letzte);
        seiteWechseln(seite);
        QWidget* ziel = feld.isEmpty() ? nullptr : findChild<QWidget*>(feld);
        if (!ziel || !ziel->isEnabled())
            ziel = seite == 0 ? SauNr : EnterAlsTab::erstesFeld(panel_);
        if (ziel) ziel->setFocus(Qt::OtherFocusReason);
    });
}

void KarteAmFeldOeffnen(AppContext& ctx, QWidget* parent, int sau, int wurf, const QString& feld) {
    if (sau < 0 || std::size_t(sau) >= ctx.Sauenliste.size()) return;
    TSauWurfEingabe karte(ctx, parent);
    karte.TermineBeschriften(Terminnamen(ctx.Planzeiten));
    karte.SauOeffnen(sau);
    karte.feldZeigen(wurf, feld);
    karte.exec();
}

void TSauWurfEingabe::seiteBlaettern(int schritt) {
    const int n = Notebook->count();
    if (n > 1) Notebook->setCurrentIndex((Notebook->currentIndex() + schritt + n) % n);
    // Typing goes on in the page, not on the tab bar.
    if (Notebook->currentIndex() == 0)
        SauNr->setFocus(Qt::TabFocusReason);
    else if (QWidget* feld = EnterAlsTab::erstesFeld(panel_))
        feld->setFocus(Qt::TabFocusReason);
}

void TSauWurfEingabe::seiteWechseln(int seite) {
    // A litter field being edited is left first, so that its checks run as on Tab.
    if (QWidget* f = QApplication::focusWidget(); f && panel_->isAncestorOf(f))
        Notebook->setFocus(Qt::OtherFocusReason);
    if (seite > 0 && SauNr->text().trimmed().isEmpty()) {
        seite = 0;
        ctx_.messages().error(QStringLiteral("Die Sau hat keine Bezeichnung"));
    }
    wurfSpeichern();
    {
        const QScopedValueRollback sperre(seitenSperre_, true);
        Notebook->setCurrentIndex(seite);
    }
    seiten_->setCurrentIndex(seite > 0 ? 1 : 0);
    if (seite > 0) {
        wurfZeigen(seite);
        return;
    }
    // Page "Sau" commits the litter copies to the herd.
    TSauRec scratch;
    kartenSpeichern(scratch);
    statusZeigen();
}

void TSauWurfEingabe::statusZeigen() {
    TSauRec scratch;
    sauLesen(scratch);
    StatusFeld->setText(StatusName(SauStatus(Sau{scratch, wuerfe_})));
    PaintBox1->setzen(wuerfe_);
}

void TSauWurfEingabe::sauLesen(TSauRec& rec) {
    rec = sau_;
    const auto text = [](const QString& s, int n = feldgroesse::Text) {
        return LeerzeichenEntfernen(s).left(n);
    };
    rec.setStall(text(Stall->currentText()));
    rec.setSauNr(text(SauNr->text(), feldgroesse::SauNr));
    rec.setHerkunft(text(Herkunft->currentText()));
    rec.setTVG(text(TVG->text()));
    rec.setRasse(text(Rasse->currentText()));
    rec.setAbnehmer(text(Abnehmer->currentText()));
    rec.setZugang(Zugang->Getdatum());
    for (int i = 0; i < feldgroesse::SauTermine; ++i)
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
}

void TSauWurfEingabe::kartenSpeichern(TSauRec& rec) {
    sauLesen(rec);
    kartenbuchung::WuerfeEintragen(sauListe(), wuerfe_);
}

// ---------------------------------------------------------------------------------------
// Checks of the sow page

bool TSauWurfEingabe::eingabenGeaendert() {
    TSauRec jetzt;
    sauLesen(jetzt);
    std::vector<TWurfRec> wuerfe = wuerfe_;
    if (panelSeite_ >= 1 && std::size_t(panelSeite_) <= wuerfe.size())
        wuerfe[std::size_t(panelSeite_ - 1)] = panel_->speichern();
    if (jetzt.bytes() != anfangSau_.bytes() || wuerfe.size() != anfangWuerfe_.size()) return true;
    for (std::size_t i = 0; i < wuerfe.size(); ++i)
        if (wuerfe[i].bytes() != anfangWuerfe_[i].bytes()) return true;
    return false;
}

bool TSauWurfEingabe::namePruefen() {
    QString meldung;
    if (kartenbuchung::SauNrZulaessig(ctx_.Sauenliste, SauNr->text(), index_, &meldung))
        return true;
    if (!meldung.isEmpty()) ctx_.messages().error(meldung);
    return false;
}

void TSauWurfEingabe::AbgangExit() {
    const QString meldung =
        kartenbuchung::AbgangPruefen(Zugang->Getdatum(), Abgang->Getdatum(), wuerfe_);
    if (!meldung.isEmpty()) {
        ctx_.messages().error(meldung);
        Abgang->SetDatum({});
    }
    if (Abgang->Getdatum().vorhanden()) warner_->datumPruefen(Abgang);
    if (Abgang->Getdatum().vorhanden())
        StatusFeld->setText(StatusName(stVerkauft));
    else
        statusZeigen();
}

// ---------------------------------------------------------------------------------------
// The litter panel

void TSauWurfEingabe::wurfZeigen(int seite) {
    if (seite < 1 || std::size_t(seite) > wuerfe_.size()) return;
    panelSeite_ = seite;
    WurfPanel::Lage lage;
    lage.ersteSeite = seite == 1;
    lage.letzteSeite = std::size_t(seite) == wuerfe_.size();
    lage.zugang = Zugang->Getdatum();
    if (seite > 1) lage.vorherigesAbsetzen = wuerfe_[std::size_t(seite - 2)].Absetzen();
    panel_->zeigen(wuerfe_[std::size_t(seite - 1)], lage);
}

void TSauWurfEingabe::wurfSpeichern() {
    if (panelSeite_ < 1 || std::size_t(panelSeite_) > wuerfe_.size()) return;
    wuerfe_[std::size_t(panelSeite_ - 1)] = panel_->speichern();
}

void TSauWurfEingabe::umnummerieren(int delta) {
    if (panelSeite_ != 1 || Notebook->currentIndex() != 1 || wuerfe_.empty()) return;
    if (delta < 0 && wuerfe_.front().WurfNr() <= 1) return;
    // A litter number is one byte: none goes beyond 255.
    const auto hoechste =
        std::max_element(wuerfe_.begin(), wuerfe_.end(), [](const TWurfRec& a, const TWurfRec& b) {
            return a.WurfNr() < b.WurfNr();
        });
    if (delta > 0 && hoechste->WurfNr() >= 255) return;
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
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType() ||
        static_cast<QWidget*>(watched)->window() != this)
        return false;
    const auto* k = static_cast<QKeyEvent*>(event);
    const auto mod = k->modifiers();
    if ((mod & Qt::AltModifier) && (mod & Qt::KeypadModifier) &&
        (k->key() == Qt::Key_Plus || k->key() == Qt::Key_Minus)) {
        umnummerieren(k->key() == Qt::Key_Plus ? +1 : -1);
        return true;
    }
    // Ctrl+Tab, Ctrl+PgDn forward, Ctrl+Shift+Tab, Ctrl+PgUp back through the pages.
    if (mod & Qt::ControlModifier) {
        const int key = k->key();
        const bool rueck = key == Qt::Key_Backtab || key == Qt::Key_PageUp ||
                           (key == Qt::Key_Tab && (mod & Qt::ShiftModifier));
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_PageDown ||
            key == Qt::Key_PageUp) {
            seiteBlaettern(rueck ? -1 : +1);
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
        {
            Wartecursor warten; // the booking saves the herd
            index_ = kartenbuchung::KarteUebernehmen(ctx_, index_, rec, neueListe_,
                                                     NumEdit3->AsInteger());
        }
        // The card goes on with the herd's litters (a later read-out must not bring back
        // a removed one).
        wuerfe_ = ctx_.Sauenliste[std::size_t(index_)].wuerfe;
    }
    schliessenMitOK_ = false;
    offen_.reset();
    QDialog::done(r);
}

MessageService* TSauWurfEingabe::druckMeldungen() const {
    return &ctx_.messages();
}

void TSauWurfEingabe::druckInhalt(Canvas& canvas) {
    // The shown litter page is printed as it stands, but nothing goes into the herd.
    wurfSpeichern();
    TSauRec rec;
    sauLesen(rec);
    ::KarteDrucken(canvas, rec, wuerfe_, ctx_.einstellungen, ctx_.Tragezeit);
}

void TSauWurfEingabe::KarteDrucken() {
    druckausgabe::drucken(*this, this);
}

// The fields lose the focus while they are taken down; their signals must not reach a window
// that is already gone.
TSauWurfEingabe::~TSauWurfEingabe() {
    for (QObject* kind : findChildren<QObject*>())
        QObject::disconnect(kind, nullptr, this, nullptr);
}
