#include "programm/tauswahl.h"

#include "controls/dialogknoepfe.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

TAuswahl::TAuswahl(const QString& titel, int hilfe, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Auswahl"));
    setWindowTitle(titel);
    if (hilfe) setProperty("helpContext", hilfe);
    ListBox1 = new QListWidget;
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    // A double click or Enter on the list takes the entry.
    connect(ListBox1, &QListWidget::itemActivated, this, &QDialog::accept);
    QDialogButtonBox* knoepfe = DialogKnoepfe(this);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* haupt = new QVBoxLayout(this);
    haupt->addWidget(ListBox1);
    haupt->addWidget(knoepfe);
}

void TAuswahl::EintraegeSetzen(const QStringList& eintraege) {
    ListBox1->clear();
    ListBox1->addItems(eintraege);
    if (!eintraege.isEmpty()) ListBox1->setCurrentRow(0);
}

int TAuswahl::GewaehlterEintrag() const {
    return ListBox1->currentRow();
}
