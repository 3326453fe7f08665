#include "programm/tformbaum.h"

#include "entry/sammelbuchung.h"
#include "programm/appcontext.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QVBoxLayout>

TFormBaum::TFormBaum(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("FormBaum"));
    setWindowTitle(QStringLiteral("baum"));
    ListBox1 = new QListWidget;
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setFont(QFont(QStringLiteral("Courier New"), 10));
    ListBox1->setUniformItemSizes(true);
    for (const Sau& sau : ctx_.Sauenliste)
        ListBox1->addItem(sammelbuchung::BaumZeile(sau));
    if (ListBox1->count() > 0) ListBox1->setCurrentRow(0);
    ListBox1->installEventFilter(this);
    auto* haupt = new QVBoxLayout(this);
    haupt->addWidget(ListBox1);
    resize(520, 480);
}

bool TFormBaum::eventFilter(QObject* watched, QEvent* event) {
    if (watched != ListBox1 || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const QString text = static_cast<QKeyEvent*>(event)->text();
    if (text != u"+" && text != u"-" && text != u"=") return QDialog::eventFilter(watched, event);
    const int zeile = ListBox1->currentRow();
    if (zeile < 0 || std::size_t(zeile) >= ctx_.Sauenliste.size()) return true;
    Sau& sau = ctx_.Sauenliste[std::size_t(zeile)];
    if (sammelbuchung::BaumTaste(sau, text.front())) AenderungFesthalten(ctx_);
    ListBox1->item(zeile)->setText(sammelbuchung::BaumZeile(sau));
    return true;
}
