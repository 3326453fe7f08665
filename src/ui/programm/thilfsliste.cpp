#include "programm/thilfsliste.h"
#include "controls/dialogknoepfe.h"

#include "controls/enteralstab.h"
#include "herd/textfunktionen.h"
#include "programm/appcontext.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QString kAnhaengen = QStringLiteral(">");

struct Seite {
    const char* titel;
    const char* name;
    int liste;
};
// Page order of the editor; OK rebuilds the lists in this order, too.
constexpr Seite kSeiten[6] = {
    {"&Herkunft/Abn.", "ListHandel", 3}, {"&Rassen", "ListRasse", 0},
    {"&Ställe", "ListStall", 5},         {"&Ausfallursachen", "ListAusfall", 1},
    {"&Impf./Medik.", "ListMedika", 2},  {"&Vermerke", "ListVermerk", 4}};

bool istAnhaengen(const QListWidget* box, int zeile) {
    return zeile == box->count() - 1;
}

} // namespace

THilfsliste::THilfsliste(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("Hilfsliste"));
    setWindowTitle(QStringLiteral("Hilfsliste"));
    setProperty("helpContext", 150);
    seiten_ = new QTabWidget(this);
    seiten_->setObjectName(QStringLiteral("PageControl1"));
    seiten_->setTabPosition(QTabWidget::South);
    for (const Seite& s : kSeiten) {
        auto* box = new QListWidget;
        box->setObjectName(QString::fromLatin1(s.name));
        box->setEditTriggers(QAbstractItemView::NoEditTriggers);
        box->addItems(ctx_.Hilfslisten[std::size_t(s.liste)]);
        box->addItem(kAnhaengen);
        box->setCurrentRow(0);
        box->installEventFilter(this);
        connect(box, &QListWidget::itemDoubleClicked, this,
                [this, box](QListWidgetItem* it) { editierenBeginnen(box, it->text()); });
        boxen_[s.liste] = box;
        seiten_->addTab(box, QString::fromUtf8(s.titel));
    }
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(15);
    Edit1->hide();
    Edit1->installEventFilter(this);

    QDialogButtonBox* buttons = DialogKnoepfe(this);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        OKBtnClick();
        accept();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(seiten_);
    layout->addWidget(buttons);
    seiten_->setCurrentWidget(boxen_[5]);
    boxen_[5]->setFocus(); // the user types into the list at once
    resize(600, 420);

    new EnterAlsTab(this, [this](QWidget* w) {
        if (w != Edit1) return false;
        editierenBeenden();
        return true;
    });
}

QListWidget* THilfsliste::liste(int nr) const {
    return nr >= 0 && nr < 6 ? boxen_[nr] : nullptr;
}

QListWidget* THilfsliste::aktuelleListe() const {
    return qobject_cast<QListWidget*>(seiten_->currentWidget());
}

void THilfsliste::editierenBeginnen(QListWidget* box, const QString& start) {
    const int zeile = box->currentRow();
    if (zeile < 0) return;
    if (istAnhaengen(box, zeile)) box->addItem(kAnhaengen);
    editBox_ = box;
    Edit1->setParent(box->viewport());
    const QRect r = box->visualItemRect(box->item(zeile));
    Edit1->setFont(box->font());
    Edit1->setGeometry(0, r.top(), box->viewport()->width(), r.height());
    Edit1->setText(start.left(15));
    Edit1->setCursorPosition(Edit1->text().size());
    Edit1->show();
    Edit1->setFocus();
}

void THilfsliste::editierenBeenden() {
    if (!editBox_ || !Edit1->isVisible()) return;
    QListWidget* box = editBox_;
    editBox_ = nullptr;
    if (QListWidgetItem* it = box->currentItem()) it->setText(LeerzeichenEntfernen(Edit1->text()));
    Edit1->hide();
    box->setFocus();
}

void THilfsliste::einfuegen(QListWidget* box) {
    const int zeile = box->currentRow();
    if (zeile < 0 || istAnhaengen(box, zeile)) return;
    box->insertItem(zeile, kAnhaengen);
    box->setCurrentRow(zeile);
}

void THilfsliste::entfernen(QListWidget* box) {
    const int zeile = box->currentRow();
    if (zeile < 0 || istAnhaengen(box, zeile)) return;
    delete box->takeItem(zeile);
    // The same position, or the one before when the last real entry went.
    int neu = zeile;
    if (istAnhaengen(box, neu) && neu > 0) --neu;
    box->setCurrentRow(neu);
}

bool THilfsliste::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit1 && event->type() == QEvent::FocusOut && Edit1->isVisible()) {
        editierenBeenden();
        return false;
    }
    auto* box = qobject_cast<QListWidget*>(watched);
    if (!box || event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    const auto* k = static_cast<QKeyEvent*>(event);
    switch (k->key()) {
    case Qt::Key_Insert:
        einfuegen(box);
        return true;
    case Qt::Key_Delete:
        entfernen(box);
        return true;
    default:
        break;
    }
    const QString text = k->text();
    if (!text.isEmpty() && text[0].isPrint() &&
        !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        editierenBeginnen(box, text);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void THilfsliste::OKBtnClick() {
    editierenBeenden();
    for (QStringList& l : ctx_.Hilfslisten)
        l.clear();
    for (const Seite& s : kSeiten) {
        const QListWidget* box = boxen_[s.liste];
        QStringList& ziel = ctx_.Hilfslisten[std::size_t(s.liste)];
        for (int i = 0; i < box->count(); ++i) {
            const QString t = box->item(i)->text();
            if (LeerzeichenEntfernen(t) != kAnhaengen) ziel.append(t.left(15));
        }
    }
    HilfslistenSpeichern(ctx_.Hilfslisten, ctx_.Datenpfad, ctx_.messages());
}
