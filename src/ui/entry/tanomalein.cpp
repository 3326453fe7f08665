#include "entry/tanomalein.h"
#include "controls/dialogknoepfe.h"

#include "controls/enteralstab.h"
#include "controls/tdate_ed.h"
#include "programm/appcontext.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace {

// Draws a line as date and text in two columns; the text column starts at the width of
// "99.99.99  ". A line without a date shows its text alone.
class ZeilenDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem o(option);
        initStyleOption(&o, index);
        const QString text = o.text;
        const QVariant datum = index.data(TAnomalEin::DatumRolle);
        o.text.clear();
        const QWidget* w = o.widget;
        QStyle* style = w ? w->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &o, p, w);

        p->save();
        p->setFont(o.font);
        p->setPen(o.palette.color(
            o.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled,
            o.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        QRect r = o.rect;
        const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
        if (datum.isValid()) {
            p->drawText(r, flags, datum.toString());
            r.setLeft(r.left() + o.fontMetrics.horizontalAdvance(QStringLiteral("99.99.99  ")));
        }
        p->drawText(r, flags, text);
        p->restore();
    }
};

} // namespace

TAnomalEin::TAnomalEin(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("AnomalEin"));
    setWindowTitle(QStringLiteral("Anomalitäten"));
    setProperty("helpContext", 253);

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setItemDelegate(new ZeilenDelegate(ListBox1));
    connect(ListBox1, &QListWidget::currentRowChanged, this, [this] {
        if (!fuellen_) ListBox1Click();
    });
    connect(ListBox1, &QListWidget::itemClicked, this, [this] { ListBox1Click(); });

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->addItems(ctx_.Hilfslisten[hlAusfallursachen]);
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setEditText(QString());
    // Every change of the text, the last one before leaving included, goes into the line.
    connect(ComboBox1, &QComboBox::editTextChanged, this, &TAnomalEin::ComboBox1Change);

    tdate_ed1 = new tdate_ed(ctx_.clock(), this);
    tdate_ed1->setObjectName(QStringLiteral("tdate_ed1"));
    tdate_ed1->setAutoPreset(false);
    tdate_ed1->SetDatum({});
    connect(tdate_ed1, &tdate_ed::verlassen, this, &TAnomalEin::tdate_ed1Exit);

    QDialogButtonBox* buttons = DialogKnoepfe(this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* felder = new QVBoxLayout;
    felder->addWidget(ComboBox1);
    felder->addWidget(tdate_ed1);
    felder->addStretch();
    auto* oben = new QHBoxLayout;
    oben->addWidget(ListBox1, 1);
    oben->addLayout(felder);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(oben);
    layout->addWidget(buttons);
    setTabOrder(ListBox1, ComboBox1);
    setTabOrder(ComboBox1, tdate_ed1);
    resize(420, 300);

    new EnterAlsTab(this);
}

void TAnomalEin::AnomalOeffnen(const TWurfRec& block, TKurzDatum referenz, int modus, int anzahl) {
    daten_.AnomalOeffnen(block, referenz, modus, anzahl);
    const bool verluste = daten_.modus() == 1;
    setWindowTitle(verluste ? QStringLiteral("Ausfälle") : QStringLiteral("Anomalitäten"));
    tdate_ed1->setVisible(verluste);

    fuellen_ = true;
    ListBox1->clear();
    for (int i = 0; i < daten_.zeilen(); ++i) {
        ListBox1->addItem(QString());
        zeileZeigen(i);
    }
    ListBox1->setCurrentRow(daten_.zeilen() - 1);
    fuellen_ = false;
    ListBox1Click();

    if (verluste)
        tdate_ed1->setFocus();
    else
        ComboBox1->setFocus();
}

void TAnomalEin::AnomalUebernehmen(TWurfRec& block) const {
    daten_.AnomalUebernehmen(block);
}

void TAnomalEin::zeileZeigen(int zeile) {
    QListWidgetItem* it = ListBox1->item(zeile);
    if (!it) return;
    const AnomalDaten::Anzeige a = daten_.zeilenAnzeige(zeile);
    it->setText(a.text);
    it->setData(DatumRolle, a.mitDatum ? QVariant(a.datum) : QVariant());
}

void TAnomalEin::ListBox1Click() {
    daten_.zeileAnklicken(ListBox1->currentRow());
    const int zeile = daten_.auswahl();
    if (zeile < 0) return;
    ComboBox1->setEditText(daten_.zeilenText(zeile));
    tdate_ed1->SetDatum(daten_.zeilenDatum(zeile));
    zeileZeigen(zeile);
}

void TAnomalEin::ComboBox1Change(const QString& text) {
    daten_.textAendern(text);
    zeileZeigen(daten_.auswahl());
}

void TAnomalEin::tdate_ed1Exit() {
    if (!daten_.datumVerlassen(tdate_ed1->Getdatum())) tdate_ed1->SetDatum(daten_.referenz());
    zeileZeigen(daten_.auswahl());
}
