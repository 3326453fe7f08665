#include "feed/tkomponente.h"

#include "controls/dialogknoepfe.h"
#include "controls/enteralstab.h"
#include "controls/tnumedit.h"
#include "herd/textfunktionen.h"
#include "feed/optimierer.h"
#include "platform/messages.h"
#include "programm/appcontext.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QString maske(int nachkomma) {
    return nachkomma > 0 ? QStringLiteral("0.") + QString(nachkomma, u'0') : QStringLiteral("0");
}

// How the optimiser takes a target: the dry matter exactly, fibre, fat and ash as upper limits
// (0: none), the others as lower limits.
QString zielArt(int m) {
    switch (MischungsLP::art(m)) {
    case MischungsLP::Gleich:
        return QStringLiteral("genau");
    case MischungsLP::Hoechstens:
        return QStringLiteral("höchstens");
    case MischungsLP::Mindestens:
        break;
    }
    return QStringLiteral("mindestens");
}

} // namespace

TKomponente::TKomponente(AppContext& ctx, const TKomponentenRec& rec, Modus modus, QWidget* parent)
    : QDialog(parent), ctx_(ctx), rec_(rec), modus_(modus) {
    setObjectName(QStringLiteral("Komponente"));
    setWindowTitle(modus == Ziel ? QStringLiteral("Vorgabewerte")
                                 : QStringLiteral("Futterkomponente"));
    setProperty("helpContext", 810);
    auto* gitter = new QGridLayout;
    auto* nameLabel = new QLabel(QStringLiteral("Bezeichnung"));
    Edit1 = new QLineEdit(rec.Name());
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(20);
    nameLabel->setBuddy(Edit1);
    gitter->addWidget(nameLabel, 0, 0);
    gitter->addWidget(Edit1, 0, 1, 1, 2);
    werteAufbauen(gitter);
    auto* preisLabel = new QLabel(QString::fromUtf8(kWertBezeichnung[fwPreis]));
    Preisein = new TNumEdit(ctx.messages(), ctx.einstellungen.waehrung);
    Preisein->setObjectName(QStringLiteral("Preisein"));
    Preisein->setNumericType(TNumEdit::ntCurrency);
    Preisein->setWaehrung(rec.Waehrung() <= nw ? rec.Waehrung()
                                               : ctx.einstellungen.waehrung.anzeige);
    Preisein->setWert(rec.Wert(fwPreis));
    preisLabel->setBuddy(Preisein);
    gitter->addWidget(preisLabel, kNaehrwerte + 1, 0);
    gitter->addWidget(Preisein, kNaehrwerte + 1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(gitter);
    QDialogButtonBox* knoepfe = DialogKnoepfe(this, false);
    layout->addWidget(knoepfe);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &TKomponente::OKBtnClick);
    new EnterAlsTab(this);

    if (modus == Ziel) {
        for (QWidget* w : {static_cast<QWidget*>(nameLabel), static_cast<QWidget*>(Edit1),
                           static_cast<QWidget*>(preisLabel), static_cast<QWidget*>(Preisein)})
            w->hide();
        Werte[0]->setFocus();
    } else {
        Edit1->setFocus();
    }
}

TKomponentenRec TKomponente::Satz() const {
    TKomponentenRec r = rec_;
    for (int m = 0; m < kNaehrwerte; ++m)
        r.setWert(m, Werte[std::size_t(m)]->Wert());
    if (modus_ == Komponente) {
        r.setName(LeerzeichenEntfernen(Edit1->text()));
        r.setWert(fwPreis, Preisein->Wert());
        r.setWaehrung(Preisein->Waehrung());
    }
    return r;
}

void TKomponente::OKBtnClick() {
    if (modus_ == Komponente && LeerzeichenEntfernen(Edit1->text()).isEmpty()) {
        ctx_.messages().error(QStringLiteral("Die Komponente hat keinen Namen!"));
        Edit1->setFocus();
        return;
    }
    accept();
}

// One row per nutrient: name, value, unit, and for targets whether it is a minimum or maximum.
void TKomponente::werteAufbauen(QGridLayout* gitter) {
    for (int m = 0; m < kNaehrwerte; ++m) {
        auto* f = new TNumEdit(ctx_.messages(), ctx_.einstellungen.waehrung);
        f->setObjectName(QStringLiteral("NumEdit%1").arg(m + 1));
        f->setPositiveMask(maske(kWertNachkomma[std::size_t(m)]));
        f->setWert(rec_.Wert(m));
        auto* l = new QLabel(QString::fromUtf8(kWertBezeichnung[std::size_t(m)]));
        l->setBuddy(f);
        gitter->addWidget(l, m + 1, 0);
        gitter->addWidget(f, m + 1, 1);
        gitter->addWidget(new QLabel(m == fwMJ ? QStringLiteral("MJ") : QStringLiteral("g/kg")),
                          m + 1, 2);
        if (modus_ == Ziel) {
            auto* art = new QLabel(zielArt(m));
            art->setObjectName(QStringLiteral("Art%1").arg(m + 1));
            gitter->addWidget(art, m + 1, 3);
            if (MischungsLP::art(m) == MischungsLP::Hoechstens)
                f->setToolTip(QStringLiteral("0 = keine Obergrenze"));
        }
        Werte[std::size_t(m)] = f;
    }
}
