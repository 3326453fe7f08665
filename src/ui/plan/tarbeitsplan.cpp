#include "plan/tarbeitsplan.h"

#include "controls/herdfolge.h"
#include "plan/arbeitsplancsv.h"
#include "plan/arbeitsplandruck.h"
#include "plan/tarbplanstart.h"
#include "platform/csvwriter.h"
#include "platform/fortschrittsbalken.h"
#include "platform/messages.h"
#include "platform/paintercanvas.h"
#include "platform/safewrite.h"
#include "platform/wartecursor.h"
#include "platform/zeilenmodell.h"
#include "programm/appcontext.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIODevice>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kZeilenhoehe = 16;
constexpr std::uint32_t kAqua = 0x00FFFF, kWeiss = 0xFFFFFF;

// Draws one cell of the list: aqua on even lines, a vertical line before every column but the
// first, text 2 pixels in from its edge.
class PlanMaler final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QRect r = option.rect;
        p->save();
        p->setFont(option.font);
        p->setPen(option.palette.color(QPalette::Text));
        PainterCanvas c(*p, r.width(), r.height());
        c.fillRect(r.x(), r.y(), r.width(), r.height(), index.row() % 2 == 0 ? kAqua : kWeiss);
        if (index.column() > 0) c.drawLine(r.x(), r.y(), r.x(), r.y() + r.height());
        const QString text = index.data().toString();
        if (!text.isEmpty()) {
            const double y = r.y() + (r.height() - c.textHeight()) / 2;
            const bool rechts = index.data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight;
            c.drawText(rechts ? r.right() - 2 - c.textWidth(text) : r.x() + 2, y, text);
        }
        p->restore();
    }
};

QPushButton* knopf(const char* name, const QString& text) {
    auto* b = new QPushButton(text);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

TArbeitsplan::TArbeitsplan(AppContext& ctx, QWidget* parent)
    : QWidget(parent), ctx_(ctx), plan_(ctx.Hilfslisten[hlStaelle]) {
    setObjectName(QStringLiteral("Arbeitsplan"));
    setWindowTitle(QStringLiteral("Arbeitsplan"));
    setProperty("helpContext", 500);
    // A plan once made follows the herd.
    folge_ = new Herdfolge(ctx_.meldung, this, [this] { folgen(); });
    listeAufbauen();
    tagLeisteAufbauen();
    Fortschritt = new QProgressBar;
    Fortschritt->setObjectName(QStringLiteral("Fortschritt"));
    Fortschritt->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addLayout(knoepfeAufbauen());
    Legende = new QLabel;
    Legende->setObjectName(QStringLiteral("Legende"));
    // In a narrow window the legend goes on in a second line rather than off the edge.
    Legende->setWordWrap(true);
    layout->addWidget(Legende);
    layout->addWidget(Liste, 1);
    layout->addWidget(Fortschritt);
    layout->addWidget(leistenZeile_);
    resize(980, 560);
}

void TArbeitsplan::listeAufbauen() {
    modell_ = new Zeilenmodell(this);
    Liste = new QTableView;
    Liste->setObjectName(QStringLiteral("ListBox1"));
    Liste->setModel(modell_);
    Liste->setItemDelegate(new PlanMaler(Liste));
    Liste->setShowGrid(false);
    Liste->setSelectionMode(QAbstractItemView::NoSelection);
    Liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Liste->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Liste->setWordWrap(false);
    Liste->verticalHeader()->hide();
    Liste->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Liste->verticalHeader()->setMinimumSectionSize(kZeilenhoehe);
    Liste->verticalHeader()->setDefaultSectionSize(kZeilenhoehe);
    Liste->horizontalHeader()->setHighlightSections(false);
    Liste->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Resizing a head redraws the list.
    connect(Liste->horizontalHeader(), &QHeaderView::sectionResized, Liste->viewport(),
            qOverload<>(&QWidget::update));
}

// The scroll bar through the days, under the day columns only.
void TArbeitsplan::tagLeisteAufbauen() {
    TagLeiste = new QScrollBar(Qt::Horizontal);
    TagLeiste->setObjectName(QStringLiteral("TagLeiste"));
    connect(TagLeiste, &QScrollBar::valueChanged, this, &TArbeitsplan::TagLeisteChange);
    leistenAbstand_ = new QWidget;
    leistenZeile_ = new QWidget;
    auto* leiste = new QHBoxLayout(leistenZeile_);
    leiste->setContentsMargins(0, 0, 0, 0);
    leiste->setSpacing(0);
    leiste->addWidget(leistenAbstand_);
    leiste->addWidget(TagLeiste, 1);
    leistenZeile_->hide();
}

QHBoxLayout* TArbeitsplan::knoepfeAufbauen() {
    QPushButton* drucken = knopf("DruckBtn", QStringLiteral("&Drucken"));
    QPushButton* vorschau = knopf("VorschauBtn", QStringLiteral("&Vorschau"));
    QPushButton* pdf = knopf("PdfBtn", QStringLiteral("PDF..."));
    QPushButton* csv = knopf("CsvBtn", QStringLiteral("CSV..."));
    connect(drucken, &QPushButton::clicked, this,
            [this] { druckausgabe::ausgeben(*this, druckausgabe::Ziel::Drucker, this); });
    connect(vorschau, &QPushButton::clicked, this,
            [this] { druckausgabe::ausgeben(*this, druckausgabe::Ziel::Vorschau, this); });
    connect(pdf, &QPushButton::clicked, this,
            [this] { druckausgabe::ausgeben(*this, druckausgabe::Ziel::Pdf, this); });
    connect(csv, &QPushButton::clicked, this, &TArbeitsplan::CsvBtnClick);
    auto* knoepfe = new QHBoxLayout;
    for (QPushButton* b : {drucken, vorschau, pdf, csv})
        knoepfe->addWidget(b);
    knoepfe->addStretch();
    return knoepfe;
}

QWidget* TArbeitsplan::rahmen() {
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    return sub ? static_cast<QWidget*>(sub) : this;
}

void TArbeitsplan::fensterZeigen() {
    show();
    QWidget* r = rahmen();
    // In the main window: at least as large as the window's space allows up to a full plan.
    if (QWidget* flaeche = r != this ? r->parentWidget() : nullptr)
        r->resize(r->size().expandedTo(flaeche->size().boundedTo(QSize(1100, 700))));
    r->show();
    r->raise();
}

MessageService* TArbeitsplan::druckMeldungen() const {
    return &ctx_.messages();
}

void TArbeitsplan::Plan1Click() {
    plan_.zeiten = ctx_.Planzeiten;
    TArbPlanStart dlg(ctx_, this);
    if (dlg.exec() != QDialog::Accepted) {
        rahmen()->hide();
        return;
    }
    planAufstellen(dlg.ersterTag(), dlg.planTyp());
}

void TArbeitsplan::planAufstellen(TKurzDatum ersterTag, int planTyp) {
    if (planTyp >= 0 && std::size_t(planTyp) < ctx_.Plantypen.size()) {
        plan_.typ = ctx_.Plantypen[std::size_t(planTyp)];
        typGewaehlt_ = true;
    } else if (!typGewaehlt_) {
        plan_.typ = StandardPlanTyp(ctx_.Hilfslisten[hlStaelle]); // the stall list may have changed
    }
    plan_.ersterTag = ersterTag;
    plan_.mitStall = ctx_.einstellungen.mitStall;
    plan_.mitTage = ctx_.einstellungen.mitTage;
    plan_.mitWurf = ctx_.einstellungen.mitWurf;
    setWindowTitle(plan_.titel());
    fensterZeigen();
    aufbauen();
}

int TArbeitsplan::ersteTagesspalte() const {
    return int(spalten_.size()) - 7;
}

void TArbeitsplan::koepfeSetzen() {
    const QFontMetrics fm = Liste->horizontalHeader()->fontMetrics();
    const auto breite = [&fm](const char* muster) {
        return fm.horizontalAdvance(QString::fromUtf8(muster)) + 8;
    };
    QHeaderView* h = Liste->horizontalHeader();
    for (int i = 0; i < int(spalten_.size()); ++i) {
        h->showSection(i);
        switch (spalten_[std::size_t(i)]) {
        case Arbeitsplan::spSau:
            h->resizeSection(i, breite("0000000000"));
            break;
        case Arbeitsplan::spFerkeln:
            h->resizeSection(i, breite("00.00.00"));
            break;
        case Arbeitsplan::spWurf:
            h->resizeSection(i, breite("##"));
            break;
        case Arbeitsplan::spTag:
            h->resizeSection(i, breite("000."));
            break;
        case Arbeitsplan::spStall:
            h->resizeSection(i, fm.horizontalAdvance(QStringLiteral("000000000000")));
            break;
        default:
            h->resizeSection(i, fm.horizontalAdvance(QStringLiteral("11.11.11      Mit")));
        }
    }
}

// After a booking only the rows of the sows it changed are made again.
void TArbeitsplan::folgen() {
    if (spalten_.empty()) return;
    bool alle = true;
    const std::vector<int> sauen = folge_->geaenderteSauen(alle);
    if (alle) {
        aufbauen();
        return;
    }
    // The farmer keeps his place: the current line stays on its sow (or its position when she
    // left the plan).
    const QModelIndex aktuell = Liste->currentIndex();
    const std::size_t zeile = aktuell.isValid() ? std::size_t(aktuell.row()) : 0;
    const int sau = zeile < plan_.zeilen.size() ? plan_.zeilen[zeile].sau : -1;
    plan_.nachtragen(ctx_.Sauenliste, sauen, ctx_.Tragezeit);
    modell_->zeilenSetzen(int(plan_.zeilen.size()) + 1);
    if (!aktuell.isValid()) return;
    const auto gleich = std::find_if(plan_.zeilen.begin(), plan_.zeilen.end(),
                                     [sau](const auto& z) { return sau >= 0 && z.sau == sau; });
    const int neu = gleich != plan_.zeilen.end() ? int(gleich - plan_.zeilen.begin())
                                                 : std::min(int(zeile), int(plan_.zeilen.size()));
    Liste->setCurrentIndex(modell_->index(neu, aktuell.column()));
}

void TArbeitsplan::aufbauen() {
    Wartecursor warten;
    folge_->erneuert();
    bool alle = true;
    folge_->geaenderteSauen(alle); // built from the whole herd

    Legende->setText(PlanLegende(plan_.zeiten, plan_.typ));
    spalten_ = plan_.spalten();
    QStringList koepfe;
    for (int s : spalten_)
        koepfe << plan_.kopf(s);
    modell_->setzen(0, koepfe, {});
    Liste->hide();
    Fortschritt->setRange(0, std::max(0, int(ctx_.Sauenliste.size()) - 1));
    Fortschritt->setValue(0);
    Fortschritt->show();
    layout()->activate();
    plan_.aufbauen(ctx_.Sauenliste, ctx_.Tragezeit, Fortschrittsbalken(Fortschritt));
    const auto zelle = [this](int zeile, int spalte, int rolle) -> QVariant {
        if (zeile >= int(plan_.zeilen.size())) return {}; // the blank line after the last row
        const int art = spalten_[std::size_t(spalte)];
        if (rolle == Qt::DisplayRole) return plan_.zelle(plan_.zeilen[std::size_t(zeile)], art);
        if (rolle == Qt::TextAlignmentRole) {
            const bool rechts = art == Arbeitsplan::spFerkeln || art == Arbeitsplan::spWurf ||
                                art == Arbeitsplan::spTag;
            return int((rechts ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        }
        return {};
    };
    modell_->setzen(int(plan_.zeilen.size()) + 1, koepfe, zelle);
    koepfeSetzen();
    Fortschritt->hide();
    Liste->show();
    tageEinpassen();
}

void TArbeitsplan::tageEinpassen() {
    if (spalten_.empty()) return;
    QHeaderView* h = Liste->horizontalHeader();
    const int tagBreite = h->fontMetrics().horizontalAdvance(QStringLiteral("00.00.00   Mit _"));
    int fest = 0;
    for (int i = 0; i < ersteTagesspalte(); ++i)
        fest += h->sectionSize(i);
    for (int j = 0; j < 7; ++j) {
        h->showSection(ersteTagesspalte() + j);
        h->resizeSection(ersteTagesspalte() + j, tagBreite);
    }
    const int maximum = TagLeisteMaximum(Liste->viewport()->width() - fest, tagBreite);
    const QSignalBlocker sperre(TagLeiste);
    TagLeiste->setRange(1, std::max(1, maximum));
    TagLeiste->setPageStep(1);
    TagLeiste->setValue(1);
    leistenAbstand_->setFixedWidth(fest + Liste->frameWidth());
    leistenZeile_->setVisible(maximum > 0);
    Liste->viewport()->update();
}

// At position p the day columns 1 .. p-1 are hidden and p .. 7 shown; a column shown again
// gets 1.2 times the width of its head text.
void TArbeitsplan::TagLeisteChange(int p) {
    QHeaderView* h = Liste->horizontalHeader();
    for (int j = 1; j <= 7; ++j) {
        const int spalte = ersteTagesspalte() + j - 1;
        if (j < p) {
            h->hideSection(spalte);
        } else if (h->isSectionHidden(spalte)) {
            h->showSection(spalte);
            const QString kopf = modell_->headerData(spalte, Qt::Horizontal).toString();
            h->resizeSection(spalte,
                             int(std::lround(1.2 * h->fontMetrics().horizontalAdvance(kopf))));
        }
    }
    Liste->viewport()->update();
}

void TArbeitsplan::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        rahmen()->hide();
        return;
    }
    QWidget::keyPressEvent(e);
}

void TArbeitsplan::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    tageEinpassen();
}

void TArbeitsplan::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    tageEinpassen();
}

void TArbeitsplan::druckInhalt(Canvas& canvas) {
    ArbeitsplanDrucken(canvas, plan_, ctx_.einstellungen.printerFont,
                       ctx_.einstellungen.mitKommentar);
}

bool TArbeitsplan::csvSchreiben(const QString& datei) {
    QString grund;
    if (ArbeitsplanCsv(plan_).speichern(datei, &grund)) return true;
    ctx_.messages().error(SchreibFehlerText(QFileInfo(datei).fileName(), datei, grund));
    return false;
}

void TArbeitsplan::CsvBtnClick() {
    const QString datei =
        QFileDialog::getSaveFileName(this, QStringLiteral("Als CSV speichern"),
                                     QDir::home().filePath(QStringLiteral("Arbeitsplan.csv")),
                                     QStringLiteral("CSV-Dateien (*.csv)"));
    if (!datei.isEmpty()) csvSchreiben(datei);
}
