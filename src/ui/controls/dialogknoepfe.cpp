#include "controls/dialogknoepfe.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

QDialogButtonBox* DialogKnoepfe(QDialog* dialog, bool mitHilfe) {
    QDialogButtonBox::StandardButtons welche = QDialogButtonBox::Ok | QDialogButtonBox::Cancel;
    if (mitHilfe) welche |= QDialogButtonBox::Help;
    auto* box = new QDialogButtonBox(welche, dialog);
    box->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKBtn"));
    box->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("CancelBtn"));
    if (mitHilfe) box->button(QDialogButtonBox::Help)->setObjectName(QStringLiteral("HelpBtn"));
    for (QAbstractButton* b : box->buttons())
        if (auto* p = qobject_cast<QPushButton*>(b)) {
            p->setAutoDefault(false);
            p->setDefault(false);
        }
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return box;
}
