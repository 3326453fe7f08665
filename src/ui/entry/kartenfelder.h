#pragma once

#include "controls/tdate_ed.h"
#include "controls/tnumedit.h"
#include "programm/appcontext.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <cmath>

// Small builders shared by the card's sow page and its litter panel.
namespace kartenfelder {

inline QLabel* label(const QString& text, QWidget* buddy = nullptr) {
    auto* l = new QLabel(text);
    if (buddy) l->setBuddy(buddy);
    return l;
}

inline QComboBox* combo(const QString& name, bool editierbar, int laenge) {
    auto* c = new QComboBox;
    c->setObjectName(name);
    c->setEditable(editierbar);
    if (editierbar) c->lineEdit()->setMaxLength(laenge);
    c->setInsertPolicy(QComboBox::NoInsert);
    // Wide enough for a full short entry (a boar's ten characters), however the layout shrinks.
    c->setMinimumContentsLength(std::min(laenge, 15));
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return c;
}

// A date field of the card: an empty text is no date.
inline tdate_ed* datum(AppContext& ctx, const QString& name) {
    auto* d = new tdate_ed(ctx.clock());
    d->setObjectName(name);
    d->setAutoPreset(false);
    d->SetDatum({});
    return d;
}

inline TNumEdit* zahl(AppContext& ctx, const QString& name, TNumEdit::TNumericType typ,
                      int breite = 50) {
    auto* n = new TNumEdit(ctx.messages(), ctx.einstellungen.waehrung);
    n->setObjectName(name);
    n->setNumericType(typ);
    n->setMaximumWidth(breite);
    return n;
}

// A number field that refuses, when left, what its record field cannot hold.
inline TNumEdit* zahl(AppContext& ctx, const QString& name, TNumEdit::TNumericType typ, int breite,
                      double min, double max) {
    TNumEdit* n = zahl(ctx, name, typ, breite);
    n->setMin(min);
    n->setMax(max);
    n->setValidate(true);
    return n;
}

inline int gerundet(const TNumEdit* n) {
    return int(std::lround(n->Wert()));
}

} // namespace kartenfelder
