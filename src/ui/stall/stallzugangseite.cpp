#include "stall/stallzugangseite.h"

#include "controls/tnumedit.h"
#include "herd/einstellungen.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

StallzugangSeite::StallzugangSeite(MessageService& msg, const Waehrungstabelle& waehrung,
                                   QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("SeiteStallzugang"));
    auto* l = new QVBoxLayout(this);
    Stallzugang = new QCheckBox(QStringLiteral("Stallzugang"));
    Stallzugang->setObjectName(QStringLiteral("Stallzugang"));
    l->addWidget(Stallzugang);
    auto* form = new QFormLayout;
    StallPort = new TNumEdit(msg, waehrung);
    StallPort->setObjectName(QStringLiteral("StallPort"));
    StallPort->setNumericType(TNumEdit::ntInteger);
    StallPort->setMin(1024);
    StallPort->setMax(65535);
    StallPort->setMaximumWidth(90);
    form->addRow(QStringLiteral("Port"), StallPort);
    l->addLayout(form);
    auto* hinweis = new QLabel(
        QStringLiteral("Handys und Tablets im eigenen Netz buchen über eine Webseite des "
                       "Programms. Koppeln unter Optionen › Stallzugang."));
    hinweis->setWordWrap(true);
    l->addWidget(hinweis);
    l->addStretch();
}

void StallzugangSeite::laden(const Einstellungen& e) {
    Stallzugang->setChecked(e.stallzugang);
    StallPort->setWert(e.stallPort);
}

void StallzugangSeite::uebernehmen(Einstellungen& e) const {
    e.stallzugang = Stallzugang->isChecked();
    const int port = StallPort->AsInteger();
    if (port >= 1024 && port <= 65535) e.stallPort = port;
}
