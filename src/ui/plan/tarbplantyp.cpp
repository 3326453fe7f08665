#include "plan/tarbplantyp.h"

#include "controls/enteralstab.h"
#include "herd/textfunktionen.h"
#include "stamm/planfiles.h"
#include "platform/messages.h"
#include "programm/appcontext.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace {

struct BoxText {
    const char* name;
    const char* text;
    int index;
};
// The state check boxes and the state code each is bound to; "verkauft" has none.
constexpr BoxText kStatusBoxen[] = {{"leere", "leere", stLeer},
                                    {"belegte", "belegte", stBelegt},
                                    {"tragende", "tragende", stTragend},
                                    {"saeugende", "säugend", stSaeugend},
                                    {"Jungsauen", "Jungsauen", stLeereJS},
                                    {"Umrauscher", "Umrauscher", stUmrauschen}};
constexpr BoxText kSeitenBoxen[] = {{"CheckBox1", "nach Belegen", psBelegen},
                                    {"CheckBox2", "nach Abferkeln", psAbferkeln},
                                    {"CheckBox3", "nach Absetzen", psAbsetzen},
                                    {"CheckBox4", "Wurfunabhängig", psWurfunabhaengig},
                                    {"CheckBox5", "nach Einstallen", psEinstallen}};

bool verlassen(const QFocusEvent* e) {
    // Opening a drop-down list or switching to another window does not leave a control.
    return e->reason() != Qt::PopupFocusReason && e->reason() != Qt::ActiveWindowFocusReason;
}

} // namespace

// The focus still moves while the widgets go; the window no longer listens by then.
TArbPlanTyp::~TArbPlanTyp() {
    disconnect(fokusVerbindung_);
}

TArbPlanTyp::TArbPlanTyp(AppContext& ctx, QWidget* parent)
    : QDialog(parent), ctx_(ctx), typen_(ctx.Plantypen) {
    setObjectName(QStringLiteral("ArbPlanTyp"));
    setWindowTitle(QStringLiteral("Arbeitsplandefinition"));
    setProperty("helpContext", 520);

    auto* label = namensfeldAufbauen();
    stallUndGruppeAufbauen();
    QGroupBox* status = nullptr;
    QGroupBox* terminart = nullptr;
    kaestchenAufbauen(status, terminart);
    DelBtn = new QPushButton(QStringLiteral("Löschen"));
    DelBtn->setObjectName(QStringLiteral("DelBtn"));
    DelBtn->setEnabled(false);
    OKBtn = new QPushButton(QStringLiteral("OK"));
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    CancelBtn = new QPushButton(QStringLiteral("Abbrechen"));
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    for (QPushButton* b : {DelBtn, OKBtn, CancelBtn})
        b->setAutoDefault(false);

    anordnen(label, status, terminart);
    tabReihenfolge();
    verbinden();
    new EnterAlsTab(this);
    resize(520, 460);
}

// The plan name: typed or chosen from the stored plan types.
QLabel* TArbPlanTyp::namensfeldAufbauen() {
    auto* label = new QLabel(QStringLiteral("Planbezeichnung :"));
    ComboBox2 = new QComboBox;
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->setEditable(true);
    ComboBox2->setInsertPolicy(QComboBox::NoInsert);
    ComboBox2->setCompleter(nullptr); // names are matched whole, never completed
    for (const TPlanTyp& t : typen_)
        ComboBox2->addItem(t.Name());
    ComboBox2->setCurrentIndex(-1);
    label->setBuddy(ComboBox2);

    return label;
}

// Which sows: the stalls of the helper list, or one group.
void TArbPlanTyp::stallUndGruppeAufbauen() {
    RadioButton1 = new QRadioButton(QStringLiteral("Ställe"));
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->setChecked(true);
    ListBox1 = new QListWidget;
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setToolTip(QStringLiteral("alle zu berücksichtigenden Ställe markieren"));
    ListBox1->setSelectionMode(QAbstractItemView::MultiSelection);
    ListBox1->addItems(ctx_.Hilfslisten[hlStaelle]);
    ListBox1->selectAll();
    RadioButton2 = new QRadioButton(QStringLiteral("Gruppe"));
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    ComboBox1 = new QComboBox;
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItem(QStringLiteral("JS"));
    for (int g = 0; g <= ctx_.einstellungen.maxGruppe; ++g)
        ComboBox1->addItem(QString::number(g));
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setEnabled(false);
}

// The state boxes and the kinds of task, each bound to a flag of the plan type.
void TArbPlanTyp::kaestchenAufbauen(QGroupBox*& status, QGroupBox*& terminart) {
    status = new QGroupBox(QStringLiteral("Status"));
    status->setObjectName(QStringLiteral("GroupBox1"));
    auto* statusLayout = new QVBoxLayout(status);
    terminart = new QGroupBox(QStringLiteral("Terminart"));
    terminart->setObjectName(QStringLiteral("GroupBox2"));
    auto* terminLayout = new QVBoxLayout(terminart);
    auto box = [this](const BoxText& b, Bindung::Art art, QVBoxLayout* in) {
        auto* c = new QCheckBox(QString::fromUtf8(b.text));
        c->setObjectName(QString::fromLatin1(b.name));
        c->setChecked(true);
        c->installEventFilter(this);
        bindungen_.push_back({c, art, b.index});
        in->addWidget(c);
    };
    for (const BoxText& b : kStatusBoxen)
        box(b, Bindung::Status, statusLayout);
    for (const BoxText& b : kSeitenBoxen)
        box(b, Bindung::Seite, terminLayout);
    box({"CheckBox6", "Auflistung incl. Sauen ohne aktuelleTermine", 0}, Bindung::AlleAuflisten,
        terminLayout);
}

void TArbPlanTyp::anordnen(QLabel* label, QGroupBox* status, QGroupBox* terminart) {
    auto* links = new QVBoxLayout;
    links->addWidget(RadioButton1);
    links->addWidget(ListBox1, 1);
    links->addWidget(RadioButton2);
    links->addWidget(ComboBox1);
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(status);
    rechts->addWidget(terminart);
    rechts->addStretch();
    auto* mitte = new QHBoxLayout;
    mitte->addLayout(links, 1);
    mitte->addLayout(rechts, 1);
    auto* name = new QHBoxLayout;
    name->addWidget(label);
    name->addWidget(ComboBox2, 1);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(DelBtn);
    knoepfe->addStretch();
    knoepfe->addWidget(OKBtn);
    knoepfe->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(name);
    layout->addLayout(mitte, 1);
    layout->addLayout(knoepfe);
}

void TArbPlanTyp::tabReihenfolge() {
    QWidget* reihe[] = {ComboBox2, RadioButton1, ListBox1, RadioButton2, ComboBox1};
    for (std::size_t i = 1; i < std::size(reihe); ++i)
        setTabOrder(reihe[i - 1], reihe[i]);
    QWidget* vorher = ComboBox1;
    for (const Bindung& b : bindungen_) {
        setTabOrder(vorher, b.box);
        vorher = b.box;
    }
    setTabOrder(vorher, DelBtn);
    setTabOrder(DelBtn, OKBtn);
    setTabOrder(OKBtn, CancelBtn);
}

void TArbPlanTyp::verbinden() {
    ComboBox2->installEventFilter(this);
    ComboBox2->view()->installEventFilter(this);
    ListBox1->installEventFilter(this);
    ComboBox1->installEventFilter(this);
    // The name box is left when another control of this window takes the focus; its own
    // list, another window or closing this one do not leave it.
    fokusVerbindung_ =
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* neu) {
            if (neu == ComboBox2) {
                imNamen_ = true;
            } else if (imNamen_ && neu && neu->window() == this) {
                imNamen_ = false;
                ComboBox2Exit();
            }
        });
    connect(ComboBox2->lineEdit(), &QLineEdit::textEdited, this, &TArbPlanTyp::namenGetippt);
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0) zeigen(i);
        DelBtn->setEnabled(i >= 0);
        ComboBox2->view()->setCurrentIndex(ComboBox2->model()->index(i, 0));
    });
    for (const Bindung& b : bindungen_)
        connect(b.box, &QCheckBox::clicked, this, [this, b] { boxSchreiben(b); });
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, [this] {
        if (!laden_) ListBox1Exit();
    });
    connect(ComboBox1, &QComboBox::activated, this, &TArbPlanTyp::ComboBox1Exit);
    connect(RadioButton1, &QRadioButton::clicked, this, &TArbPlanTyp::RadioButton1Click);
    connect(RadioButton2, &QRadioButton::clicked, this, &TArbPlanTyp::RadioButton2Click);
    connect(DelBtn, &QPushButton::clicked, this, &TArbPlanTyp::DelBtnClick);
    connect(OKBtn, &QPushButton::clicked, this, &TArbPlanTyp::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

TPlanTyp TArbPlanTyp::neuerPlanTyp() const {
    TPlanTyp t;
    for (int s = 0; s < 7; ++s)
        t.setStatusFlag(s, 1);
    for (int p = 0; p < kPlanSeiten; ++p)
        t.setSeitenFlag(p, 1);
    t.setAlleAuflisten(1);
    const int n = std::min(ListBox1->count(), kPlanTypStaelle);
    for (int i = 0; i < n; ++i)
        t.setStall(i, ListBox1->item(i)->text());
    t.setGruppe(TPlanTyp::NachStaellen);
    return t;
}

TPlanTyp* TArbPlanTyp::aktuell() {
    const int i = ComboBox2->currentIndex();
    return i >= 0 && std::size_t(i) < typen_.size() ? &typen_[std::size_t(i)] : nullptr;
}

int TArbPlanTyp::suchen(const QString& text) const {
    const QString gross = GrossText(text);
    for (int i = 0; i < ComboBox2->count(); ++i)
        if (GrossText(ComboBox2->itemText(i)) == gross) return i;
    return -1;
}

void TArbPlanTyp::auswaehlen(int index) {
    ComboBox2->setCurrentIndex(index);
    ComboBox2->lineEdit()->end(false);
}

void TArbPlanTyp::namenGetippt(const QString& text) {
    const int i = ComboBox2->currentIndex();
    if (i >= 0) {
        if (ComboBox2->itemText(i) == text) return;
        // Typing away from the selected name selects nothing; the typed text stays.
        QLineEdit* edit = ComboBox2->lineEdit();
        const int pos = edit->cursorPosition();
        ComboBox2->setCurrentIndex(-1);
        edit->setText(text);
        edit->setCursorPosition(pos);
    }
    const int gefunden = suchen(text);
    if (gefunden >= 0) auswaehlen(gefunden);
}

void TArbPlanTyp::ComboBox2Exit() {
    if (schliessen_) return;
    ComboBox2->hidePopup();
    const QString text = ComboBox2->currentText();
    if (text.isEmpty()) {
        reject();
        return;
    }
    int i = ComboBox2->currentIndex();
    if (i < 0) {
        i = suchen(text);
        if (i < 0) {
            // The record first: adding the name may select it at once.
            typen_.push_back(neuerPlanTyp());
            ComboBox2->addItem(text);
            i = ComboBox2->count() - 1;
        }
        auswaehlen(i);
    }
    typen_[std::size_t(i)].setName(ComboBox2->itemText(i).left(15));
}

void TArbPlanTyp::zeigen(int index) {
    if (index < 0 || std::size_t(index) >= typen_.size()) return;
    const TPlanTyp& t = typen_[std::size_t(index)];
    laden_ = true;
    for (const Bindung& b : bindungen_) {
        std::uint8_t v = 0;
        switch (b.art) {
        case Bindung::Status:
            v = t.StatusFlag(b.index);
            break;
        case Bindung::Seite:
            v = t.SeitenFlag(b.index);
            break;
        case Bindung::AlleAuflisten:
            v = t.AlleAuflisten();
            break;
        }
        b.box->setChecked(v != 0);
    }
    // The used slots come first; the first empty one ends them.
    QStringList staelle;
    for (int s = 0; s < kPlanTypStaelle && !t.Stall(s).isEmpty(); ++s)
        staelle << t.Stall(s);
    for (int r = 0; r < ListBox1->count(); ++r)
        ListBox1->item(r)->setSelected(staelle.contains(ListBox1->item(r)->text()));
    const bool nachGruppe = t.Gruppe() >= TPlanTyp::Jungsauen;
    (nachGruppe ? RadioButton2 : RadioButton1)->setChecked(true);
    staelleFreigeben(!nachGruppe);
    ComboBox1->setCurrentIndex(nachGruppe ? t.Gruppe() + 1 : -1);
    laden_ = false;
}

void TArbPlanTyp::boxSchreiben(const Bindung& b) {
    TPlanTyp* t = aktuell();
    if (laden_ || !t) return;
    const std::uint8_t v = b.box->isChecked() ? 1 : 0;
    switch (b.art) {
    case Bindung::Status:
        t->setStatusFlag(b.index, v);
        break;
    case Bindung::Seite:
        t->setSeitenFlag(b.index, v);
        break;
    case Bindung::AlleAuflisten:
        t->setAlleAuflisten(v);
        break;
    }
}

void TArbPlanTyp::ListBox1Exit() {
    TPlanTyp* t = aktuell();
    if (laden_ || !t) return;
    t->staelleLeeren();
    int slot = 0;
    for (int r = 0; r < ListBox1->count() && slot < kPlanTypStaelle; ++r)
        if (ListBox1->item(r)->isSelected()) t->setStall(slot++, ListBox1->item(r)->text());
}

void TArbPlanTyp::ComboBox1Exit() {
    TPlanTyp* t = aktuell();
    if (laden_ || !t) return;
    t->setGruppe(std::int16_t(ComboBox1->currentIndex() - 1));
}

void TArbPlanTyp::staelleFreigeben(bool nachStaellen) {
    ListBox1->setEnabled(nachStaellen);
    ComboBox1->setEnabled(!nachStaellen);
}

void TArbPlanTyp::RadioButton1Click() {
    staelleFreigeben(true);
    ComboBox1->setCurrentIndex(-1);
    if (TPlanTyp* t = aktuell()) t->setGruppe(TPlanTyp::NachStaellen);
}

void TArbPlanTyp::RadioButton2Click() {
    staelleFreigeben(false);
    ComboBox1->setCurrentIndex(1); // group "0"
    if (TPlanTyp* t = aktuell()) t->setGruppe(0);
}

void TArbPlanTyp::DelBtnClick() {
    const int i = ComboBox2->currentIndex();
    if (i < 0) return;
    const QString frage = QStringLiteral("Soll die Plandefinition \"%1\" gelöscht werden?")
                              .arg(ComboBox2->currentText());
    if (ctx_.messages().question(frage, MessageService::Buttons::YesNoDefaultNo) !=
        MessageService::Answer::Yes)
        return;
    typen_.erase(typen_.begin() + i);
    {
        // The combo box would select a neighbour; nothing shall be selected.
        const QSignalBlocker sperre(ComboBox2);
        ComboBox2->removeItem(i);
    }
    ComboBox2->setCurrentIndex(-1);
    DelBtn->setEnabled(false);
}

void TArbPlanTyp::OKBtnClick() {
    // Existing records are overwritten in place, new ones appended, removed ones dropped:
    // the list becomes the editor's list.
    ctx_.Plantypen = typen_;
    PlanTypenSpeichern(ctx_.Plantypen, ctx_.Datenpfad, ctx_.messages());
    accept();
}

bool TArbPlanTyp::popupTaste(QKeyEvent* k) {
    switch (k->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        ComboBox2->hidePopup();
        focusNextPrevChild(k->key() != Qt::Key_Backtab);
        return true;
    case Qt::Key_Escape:
        ComboBox2->hidePopup();
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down: {
        if (ComboBox2->count() == 0) return true;
        const int i = ComboBox2->currentIndex();
        const int neu =
            k->key() == Qt::Key_Up ? std::max(i - 1, 0) : std::min(i + 1, ComboBox2->count() - 1);
        auswaehlen(neu);
        return true;
    }
    default:
        // Typing goes on in the name while the list is open.
        QApplication::sendEvent(ComboBox2->lineEdit(), k);
        return true;
    }
}

bool TArbPlanTyp::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type typ = event->type();
    if (watched == ComboBox2->view() && typ == QEvent::KeyPress)
        return popupTaste(static_cast<QKeyEvent*>(event));
    if (typ == QEvent::FocusIn && watched == ComboBox2) {
        // Entering the name box drops its list down.
        const auto* f = static_cast<QFocusEvent*>(event);
        if (f->reason() != Qt::PopupFocusReason &&
            (ersteAnzeige_ || f->reason() != Qt::ActiveWindowFocusReason)) {
            QTimer::singleShot(0, this, [this] {
                if (schliessen_ || !ComboBox2->hasFocus() || ComboBox2->view()->isVisible()) return;
                ersteAnzeige_ = false;
                ComboBox2->showPopup();
            });
        }
    }
    if (typ == QEvent::FocusOut && verlassen(static_cast<QFocusEvent*>(event))) {
        if (watched == ListBox1)
            ListBox1Exit();
        else if (watched == ComboBox1)
            ComboBox1Exit();
        else
            for (const Bindung& b : bindungen_)
                if (watched == b.box) boxSchreiben(b);
    }
    return QDialog::eventFilter(watched, event);
}

void TArbPlanTyp::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ComboBox2->setFocus(Qt::OtherFocusReason);
}

void TArbPlanTyp::done(int result) {
    schliessen_ = true;
    ComboBox2->hidePopup();
    QDialog::done(result);
}

bool PlanTypenBearbeiten(AppContext& ctx, QWidget* parent) {
    TArbPlanTyp dlg(ctx, parent);
    return dlg.exec() == QDialog::Accepted;
}
