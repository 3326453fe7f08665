#include "entry/tsauauswahl.h"

#include "entry/auswahlzeilen.h"

#include "controls/tnumedit.h"
#include "entry/auswahlbuchung.h"
#include "entry/tsauwurfeingabe.h"
#include "herd/saustatus.h"
#include "herd/textfunktionen.h"
#include "platform/messages.h"
#include "platform/wartecursor.h"
#include "programm/appcontext.h"
#include "stamm/terminnamen.h"

#include <QAbstractListModel>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <algorithm>

TSauAuswahl::TSauAuswahl(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("SauAuswahl"));
    setWindowTitle(QStringLiteral("Sau-Auswahl"));
    setProperty("helpContext", 220);

    connect(&ctx_.meldung, &HerdMeldung::geaendert, this, &TSauAuswahl::herdeGeaendert);
    kopfAufbauen();
    listeAufbauen();
    auto* anzeige = anzeigeAufbauen();
    sortierungAufbauen();
    sucheAufbauen();
    wurfPanelAufbauen();
    knoepfeAufbauen();
    anordnen(anzeige);
    resize(640, 520);
}

// The column header above the list: number, then the four sections.
void TSauAuswahl::kopfAufbauen() {
    Kopf = new QHeaderView(Qt::Horizontal);
    Kopf->setObjectName(QStringLiteral("HeaderControl1"));
    auto* kopfModell = new QStandardItemModel(0, 5, Kopf);
    kopfModell->setHorizontalHeaderLabels({QString(), QStringLiteral("Status  "),
                                           QStringLiteral("Wurf"), QStringLiteral("Grp."),
                                           QStringLiteral("Stall")});
    Kopf->setModel(kopfModell);
    Kopf->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Kopf->resizeSection(0, 110);
    Kopf->resizeSection(1, 90);
    Kopf->resizeSection(2, 40);
    Kopf->resizeSection(3, 45);
    Kopf->setStretchLastSection(true);
    Kopf->setSectionsClickable(false);
    Kopf->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    Kopf->setFixedHeight(Kopf->fontMetrics().height() + 8);
}

void TSauAuswahl::listeAufbauen() {
    modell_ = new AuswahlModell(liste_, this);
    ListBox1 = new QListView;
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setModel(modell_);
    ListBox1->setUniformItemSizes(true);
    ListBox1->setItemDelegate(new AuswahlMaler(liste_, ctx_, Kopf, ListBox1));
    ListBox1->setMinimumWidth(380);
    ListBox1->installEventFilter(this);
    ListBox1->viewport()->installEventFilter(this);

    connect(ListBox1, &QListView::clicked, this,
            [this](const QModelIndex& i) { zeileGeklickt(i.row()); });
    // The count follows every change of the marked lines, by mouse, keys or "alle".
    connect(ListBox1->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (modus_ == awSauen) anzahlZeigen();
    });
    connect(ListBox1, &QListView::doubleClicked, this, [this](const QModelIndex&) {
        if (modus_ == awEineSau || nurLesen_)
            OKBtnClick();
        else if (modus_ == awSauMitWurf)
            wurfWahlZeigen();
    });
}

// The state boxes and the count of listed sows.
QGroupBox* TSauAuswahl::anzeigeAufbauen() {
    auto* anzeige = new QGroupBox(QStringLiteral("Anzeige"));
    auto* al = new QVBoxLayout(anzeige);
    static const char* const kBoxen[7][2] = {{"CheckBox1", "Leer"},      {"CheckBox2", "Belegt"},
                                             {"CheckBox3", "Tragend"},   {"CheckBox4", "Säugend"},
                                             {"CheckBox5", "Verkauft"},  {"CheckBox6", "leer JS"},
                                             {"CheckBox7", "umrauschen"}};
    for (int i = 0; i < 7; ++i) {
        auto* b = new QCheckBox(QString::fromUtf8(kBoxen[i][1]));
        b->setObjectName(QString::fromLatin1(kBoxen[i][0]));
        connect(b, &QCheckBox::clicked, this, &TSauAuswahl::ListboxAufbauen);
        boxen_[std::size_t(i)] = b;
        al->addWidget(b);
    }
    Edit2 = new QLineEdit;
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setReadOnly(true);
    Edit2->setFocusPolicy(Qt::NoFocus);
    Edit2->setMaximumWidth(70);
    auto* anzahl = new QHBoxLayout;
    anzahl->addWidget(Edit2);
    anzahl->addWidget(new QLabel(QStringLiteral("Sauen")));
    al->addLayout(anzahl);

    return anzeige;
}

void TSauAuswahl::sortierungAufbauen() {
    RadioGroup2 = new QGroupBox(QStringLiteral("Sortierung"));
    RadioGroup2->setObjectName(QStringLiteral("RadioGroup2"));
    sortierKnoepfe_ = new QButtonGroup(this);
    auto* sl = new QVBoxLayout(RadioGroup2);
    const QStringList sortNamen{QStringLiteral("Alphanum."),     QStringLiteral("Numerisch"),
                                QStringLiteral("Einstalldatum"), QStringLiteral("Status"),
                                QStringLiteral("Abferkeldatum"), QStringLiteral("Gruppe")};
    for (int i = 0; i < sortNamen.size(); ++i) {
        auto* r = new QRadioButton(sortNamen[i]);
        r->setObjectName(QStringLiteral("Sortierung%1").arg(i));
        sortierKnoepfe_->addButton(r, i);
        sl->addWidget(r);
    }
    connect(sortierKnoepfe_, &QButtonGroup::idClicked, this, &TSauAuswahl::Sortieren);
    Button1 = new QPushButton(QStringLiteral("neu Sortieren"));
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->hide();
    connect(Button1, &QPushButton::clicked, this, &TSauAuswahl::Sortieren);
    sl->addWidget(Button1);
}

// The search field, and for groups the group choice with its count and "alle".
void TSauAuswahl::sucheAufbauen() {
    Edit1 = new QLineEdit;
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(feldgroesse::SauNr);
    Edit1->setPlaceholderText(QStringLiteral("Sau-Nr."));
    Edit1->installEventFilter(this);

    Gruppe = new QComboBox;
    Gruppe->setObjectName(QStringLiteral("Gruppe"));
    Gruppe->addItems({QStringLiteral("-"), QStringLiteral("JS")});
    for (int g = 0; g <= std::max(0, ctx_.einstellungen.maxGruppe); ++g)
        Gruppe->addItem(QString::number(g));
    Gruppe->setCurrentIndex(0);
    connect(Gruppe, &QComboBox::activated, this, &TSauAuswahl::gruppeGewaehlt);
    LGruppe = new QLabel(QStringLiteral("Gruppe:"));
    NumEdit1 = new TNumEdit(ctx_.messages(), ctx_.einstellungen.waehrung);
    NumEdit1->setObjectName(QStringLiteral("NumEdit1"));
    NumEdit1->setNumericType(TNumEdit::ntInteger);
    NumEdit1->setReadOnly(true);
    NumEdit1->setMaximumWidth(60);
    LTiere = new QLabel(QStringLiteral("Tiere"));
    Button2 = new QPushButton(QStringLiteral("alle"));
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setAutoDefault(false);
    connect(Button2, &QPushButton::clicked, this, [this] {
        ListBox1->selectAll();
        anzahlZeigen();
    });
}

// The litter choice shown over the list in mode 1.
void TSauAuswahl::wurfPanelAufbauen() {
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto* pl = new QVBoxLayout(Panel1);
    pl->addWidget(new QLabel(QStringLiteral("Wurf")));
    ListBox2 = new QListWidget;
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    ListBox2->installEventFilter(this);
    pl->addWidget(ListBox2);
    Panel1->setAutoFillBackground(true);
    Panel1->hide();
    connect(ListBox2, &QListWidget::itemDoubleClicked, this, [this] {
        gewaehlterWurf_ = ListBox2->currentRow();
        Panel1->hide();
        QDialog::done(QDialog::Accepted);
    });
}

void TSauAuswahl::knoepfeAufbauen() {
    LoeschenBtn = new QPushButton(QStringLiteral("Sau löschen"));
    LoeschenBtn->setObjectName(QStringLiteral("LoeschenBtn"));
    connect(LoeschenBtn, &QPushButton::clicked, this, &TSauAuswahl::LoeschenBtnClick);

    ProgressBar1 = new QProgressBar;
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->hide();

    OKBtn = new QPushButton(QStringLiteral("OK"));
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    CancelBtn = new QPushButton(QStringLiteral("Zurück"));
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    HelpBtn = new QPushButton(QStringLiteral("Hilfe"));
    HelpBtn->setObjectName(QStringLiteral("HelpBtn"));
    connect(OKBtn, &QPushButton::clicked, this, &TSauAuswahl::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    CancelBtn->setAutoDefault(false);
    HelpBtn->setAutoDefault(false);
}

void TSauAuswahl::anordnen(QGroupBox* anzeige) {
    auto* links = new QVBoxLayout;
    links->addWidget(Kopf);
    links->addWidget(ListBox1, 1);
    auto* suche = new QHBoxLayout;
    suche->addWidget(Edit1);
    suche->addWidget(LGruppe);
    suche->addWidget(Gruppe);
    suche->addWidget(NumEdit1);
    suche->addWidget(LTiere);
    suche->addWidget(Button2);
    suche->addStretch();
    links->addLayout(suche);
    links->addWidget(ProgressBar1);
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(anzeige);
    rechts->addWidget(RadioGroup2);
    rechts->addStretch();
    rechts->addWidget(LoeschenBtn);
    rechts->addWidget(OKBtn);
    rechts->addWidget(CancelBtn);
    rechts->addWidget(HelpBtn);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(links, 1);
    layout->addLayout(rechts);
}

TSauAuswahl::~TSauAuswahl() = default;

Sortierung TSauAuswahl::sortierung() const {
    const int id = sortierKnoepfe_->checkedId();
    return Sortierung(id >= 0 && id <= 5 ? id : 1);
}

std::array<bool, 7> TSauAuswahl::filter() const {
    std::array<bool, 7> f{};
    for (std::size_t i = 0; i < 7; ++i)
        f[i] = boxen_[i]->isChecked();
    return f;
}

void TSauAuswahl::Vorbereiten(const std::array<bool, 7>& filterWerte, int modus, int sortWert) {
    modus_ = modus;
    ListBox1->setSelectionMode(modus == awSauen ? QAbstractItemView::MultiSelection
                                                : QAbstractItemView::SingleSelection);
    OKBtn->setDefault(modus != awSauen);
    OKBtn->setAutoDefault(modus != awSauen);
    Edit1->setVisible(modus != awSauen);
    for (QWidget* w : {static_cast<QWidget*>(Gruppe), static_cast<QWidget*>(NumEdit1),
                       static_cast<QWidget*>(LTiere), static_cast<QWidget*>(LGruppe),
                       static_cast<QWidget*>(Button2)})
        w->setVisible(modus == awSauen);
    Kopf->setVisible(modus != awSauen);
    LoeschenBtn->setVisible(modus == awEineSau);
    // Choosing sows for a batch entry or printout must not regroup them: the group box starts
    // at "-" each time.
    if (modus == awSauen) {
        const QSignalBlocker still(Gruppe);
        Gruppe->setCurrentIndex(0);
    }

    bool filterNeu = false;
    for (std::size_t i = 0; i < 7; ++i)
        if (boxen_[i]->isChecked() != filterWerte[i]) {
            boxen_[i]->setChecked(filterWerte[i]);
            filterNeu = true;
        }
    const int sortAlt = sortierKnoepfe_->checkedId();
    if (QAbstractButton* b = sortierKnoepfe_->button(sortWert >= 0 && sortWert <= 5 ? sortWert : 1))
        b->setChecked(true);
    const bool sortNeu = sortierKnoepfe_->checkedId() != sortAlt;

    // The entries name sows by position: after sows came or went they are made anew.
    if (sauenVeraltet_ || liste_.eintraege().size() != ctx_.Sauenliste.size()) {
        eintraegeAufbauen();
    } else {
        if (sortNeu || ctx_.einstellungen.autosort)
            Sortieren();
        else if (filterNeu)
            ListboxAufbauen();
        // The sows may have changed since the last sort: the user re-sorts when he wants.
        if (!ctx_.einstellungen.autosort) Button1->show();
    }
    // Lines selected in the multi-select mode do not stay behind: only the current one.
    if (modus != awSauen) zeileWaehlen(std::max(aktuelleZeile(), 0));
}

void TSauAuswahl::SauenZeigen(const std::vector<int>& sauen, const QString& titel) {
    nurLesen_ = true;
    setWindowTitle(QStringLiteral("Sau-Auswahl  ") + titel);
    liste_.beschraenken(sauen, ctx_.Sauenliste.size());
    // Every state is shown: the list is the given sows.
    Vorbereiten({true, true, true, true, true, true, true}, awSauen, ctx_.einstellungen.sortierung);
    for (QWidget* w : {static_cast<QWidget*>(Gruppe), static_cast<QWidget*>(NumEdit1),
                       static_cast<QWidget*>(LTiere), static_cast<QWidget*>(LGruppe),
                       static_cast<QWidget*>(Button2), static_cast<QWidget*>(LoeschenBtn)})
        w->hide();
    Kopf->show();
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    OKBtn->setText(QStringLiteral("&Karte"));
    OKBtn->setDefault(true);
    ListboxAufbauen();
    if (liste_.zeilen() > 0)
        ListBox1->selectionModel()->setCurrentIndex(modell_->index(0),
                                                    QItemSelectionModel::ClearAndSelect);
}

void TSauAuswahl::KarteOeffnen() {
    const int z = aktuelleZeile();
    if (z < 0 || z >= liste_.zeilen()) return;
    TSauWurfEingabe karte(ctx_, this);
    karte.TermineBeschriften(Terminnamen(ctx_.Planzeiten));
    karte.SauOeffnen(liste_.zeile(z).index);
    karte.exec();
    // The card may have changed the sow.
    liste_.auffrischen(ctx_.Sauenliste, ctx_.Tragezeit);
    modell_->zeilenGeaendert();
}

void TSauAuswahl::AnzeigeHolen(std::array<bool, 7>& f, int& s) const {
    f = filter();
    s = int(sortierung());
}

void TSauAuswahl::eintraegeAufbauen() {
    Wartecursor warten;
    liste_.aufbauen(ctx_.Sauenliste, ctx_.Tragezeit, sortierung());
    sauenVeraltet_ = false;
    frischAufgebaut_ = true;
    ListboxAufbauen();
    gewaehlterWurf_ = -1;
    Button1->hide();
}

void TSauAuswahl::ListboxAufbauen() {
    const int vorher = aktuelleZeile();
    liste_.sichtbareAufbauen(ctx_.Sauenliste, filter());
    modell_->neu();
    zeileWaehlen(vorher > 0 && vorher < liste_.zeilen() ? vorher : 0);
    Edit2->setText(QString::number(liste_.zeilen()));
    anzahlZeigen();
}

void TSauAuswahl::Sortieren() {
    Wartecursor warten;
    ProgressBar1->setMaximum(int(liste_.eintraege().size()));
    ProgressBar1->setValue(0);
    ProgressBar1->show();
    liste_.sortieren(ctx_.Sauenliste, sortierung());
    ProgressBar1->setValue(ProgressBar1->maximum());
    ListboxAufbauen();
    if (!Edit1->text().isEmpty()) suchen(Edit1->text());
    ProgressBar1->hide();
    Button1->hide();
}

int TSauAuswahl::aktuelleZeile() const {
    const QModelIndex i = ListBox1->currentIndex();
    return i.isValid() ? i.row() : -1;
}

void TSauAuswahl::zeileWaehlen(int zeile) {
    if (zeile < 0 || zeile >= liste_.zeilen()) {
        if (modus_ != awSauen) ListBox1->clearSelection();
        return;
    }
    const QModelIndex i = modell_->index(zeile);
    if (modus_ == awSauen)
        ListBox1->selectionModel()->setCurrentIndex(i, QItemSelectionModel::NoUpdate);
    else
        ListBox1->selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect);
    ListBox1->scrollTo(i);
}

int TSauAuswahl::GewaehlteSau() const {
    const QModelIndexList sel = ListBox1->selectionModel()->selectedIndexes();
    if (sel.isEmpty()) return -1;
    // One line is chosen: the current one when it is selected.
    const QModelIndex aktuell = ListBox1->currentIndex();
    const int z = aktuell.isValid() && ListBox1->selectionModel()->isSelected(aktuell)
                      ? aktuell.row()
                      : sel.first().row();
    return z < liste_.zeilen() ? liste_.zeile(z).index : -1;
}

std::vector<int> TSauAuswahl::GewaehlteSauen() const {
    std::vector<int> out;
    for (int z = 0; z < liste_.zeilen(); ++z)
        if (ListBox1->selectionModel()->isSelected(modell_->index(z)))
            out.push_back(liste_.zeile(z).index);
    return out;
}

void TSauAuswahl::herdeGeaendert(bool sauenGeaendert) {
    frischAufgebaut_ = false;
    if (sauenGeaendert) sauenVeraltet_ = true;
    if (!isVisible()) return; // made current when shown
    if (sauenVeraltet_) {
        eintraegeAufbauen();
        return;
    }
    liste_.auffrischen(ctx_.Sauenliste, ctx_.Tragezeit);
    modell_->zeilenGeaendert();
}

void TSauAuswahl::showEvent(QShowEvent* e) {
    // The sows may have changed while the list was hidden, unless it was just made.
    if (!frischAufgebaut_) {
        liste_.auffrischen(ctx_.Sauenliste, ctx_.Tragezeit);
        modell_->zeilenGeaendert();
    }
    frischAufgebaut_ = false;
    if (Edit1->isVisible() || modus_ != awSauen)
        Edit1->setFocus();
    else
        ListBox1->setFocus();
    GruppeGeaendert = false;
    gruppenMarke_.reset();
    QDialog::showEvent(e);
}

void TSauAuswahl::suchen(const QString& text) {
    const int z = liste_.suchen(text);
    if (z >= 0) zeileWaehlen(z);
}

void TSauAuswahl::zeileGeklickt(int zeile) {
    if (zeile < 0 || zeile >= liste_.zeilen()) return;
    if (modus_ == awSauen) {
        auswahlGeaendert(zeile, ListBox1->selectionModel()->isSelected(modell_->index(zeile)));
        return;
    }
    Edit1->setText(liste_.zeile(zeile).nummer());
    Edit1->selectAll();
}

void TSauAuswahl::anzahlZeigen() {
    NumEdit1->setWert(double(ListBox1->selectionModel()->selectedIndexes().size()));
}

void TSauAuswahl::gruppeGewaehlt(int item) {
    ListBox1->clearSelection();
    if (item >= 1) {
        const int gruppe = item - 2; // "JS" = -1, "0" = 0, ...
        QItemSelection sel;
        for (int z = 0; z < liste_.zeilen(); ++z) {
            const int idx = liste_.zeile(z).index;
            if (ctx_.Sauenliste[std::size_t(idx)].rec.Gruppe() == gruppe)
                sel.select(modell_->index(z), modell_->index(z));
        }
        ListBox1->selectionModel()->select(sel, QItemSelectionModel::Select);
    }
    anzahlZeigen();
}

void TSauAuswahl::auswahlGeaendert(int zeile, bool gewaehlt) {
    const int item = Gruppe->currentIndex();
    if (item >= 2) {
        const int gruppe = item - 2;
        if (auswahlbuchung::GruppeSetzen(ctx_, liste_.zeile(zeile).index, gruppe, gewaehlt)) {
            GruppeGeaendert = true;
            if (!gruppenMarke_) gruppenMarke_.emplace(ctx_.geoeffnet, -1, true);
        }
    }
    anzahlZeigen();
}

void TSauAuswahl::wurfWahlZeigen() {
    const int idx = GewaehlteSau();
    if (idx < 0) return;
    const AuswahlEintrag& e = liste_.zeile(aktuelleZeile());
    ListBox2->clear();
    for (int nr = e.ersterWurf; nr <= e.letzterWurf; ++nr)
        ListBox2->addItem(QString::number(nr));
    Panel1->setGeometry(ListBox1->geometry().right() - 120, ListBox1->geometry().top(), 110,
                        std::min(ListBox1->height(), 220));
    Panel1->show();
    Panel1->raise();
    ListBox2->setFocus();
    ListBox2->setCurrentRow(ListBox2->count() - 1);
}

void TSauAuswahl::wurfWahlVerlassen() {
    if (!Panel1->isVisible()) return;
    Panel1->hide();
    gewaehlterWurf_ = ListBox2->currentRow();
}

void TSauAuswahl::OKBtnClick() {
    if (nurLesen_) {
        KarteOeffnen();
        return;
    }
    if (liste_.zeilen() == 0) {
        reject();
        return;
    }
    if (modus_ == awSauMitWurf && gewaehlterWurf_ < 0) {
        wurfWahlZeigen();
        return;
    }
    accept();
}

void TSauAuswahl::LoeschenBtnClick() {
    const int idx = GewaehlteSau();
    if (idx < 0 || modus_ != awEineSau) return;
    const QString nr = ctx_.Sauenliste[std::size_t(idx)].rec.SauNr();
    if (ctx_.messages().question(QStringLiteral("Wollen Sie die Sau ") + nr +
                                     QStringLiteral(" wirklich komplett entfernen!"),
                                 MessageService::Buttons::YesNoDefaultNo) !=
        MessageService::Answer::Yes)
        return;
    Wartecursor warten;
    auswahlbuchung::SauEntfernen(ctx_, idx);
}

void TSauAuswahl::done(int r) {
    if (GruppeGeaendert) {
        switch (ctx_.messages().question(QStringLiteral("Geänderte Gruppenzuordnung speichern?"),
                                         MessageService::Buttons::YesNoCancel)) {
        case MessageService::Answer::Yes:
            auswahlbuchung::GruppenAbschliessen(ctx_, true);
            break;
        case MessageService::Answer::No:
            auswahlbuchung::GruppenAbschliessen(ctx_, false);
            break;
        default:
            return;
        }
        GruppeGeaendert = false;
    }
    gruppenMarke_.reset();
    Panel1->hide();
    QDialog::done(r);
}

bool TSauAuswahl::eventFilter(QObject* watched, QEvent* event) {
    if (nurLesen_ && watched == ListBox1 && event->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent*>(event)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            KarteOeffnen();
            return true;
        }
    }
    if (modus_ == awSauen && !nurLesen_ && watched == ListBox1 &&
        event->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent*>(event)->key();
        const int zeile = aktuelleZeile();
        if (k == Qt::Key_Space && zeile >= 0) {
            // Space marks or unmarks the line as a click does, the group included.
            ListBox1->selectionModel()->select(modell_->index(zeile), QItemSelectionModel::Toggle);
            zeileGeklickt(zeile);
            return true;
        }
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            // Enter in the list takes the marked sows; it never marks them all.
            OKBtn->click();
            return true;
        }
    }
    if (watched == ListBox2 && event->type() == QEvent::FocusOut) {
        wurfWahlVerlassen();
        return false;
    }
    if (watched == Edit1 && event->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(event);
        if (k->key() == Qt::Key_Up || k->key() == Qt::Key_Down) {
            const int z = aktuelleZeile() + (k->key() == Qt::Key_Up ? -1 : 1);
            if (z >= 0 && z < liste_.zeilen()) {
                zeileWaehlen(z);
                zeileGeklickt(z);
            }
            return true;
        }
        const QString t = k->text();
        if (modus_ != awSauen && !t.isEmpty() && t[0].isPrint()) {
            const int pos =
                Edit1->hasSelectedText() ? Edit1->selectionStart() : Edit1->cursorPosition();
            suchen(Edit1->text().left(pos) + t);
        }
        return false;
    }
    return QDialog::eventFilter(watched, event);
}
