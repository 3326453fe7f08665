#include "programm/seiteauswertung.h"

#include "controls/tdate_ed.h"
#include "controls/tnumedit.h"
#include "programm/appcontext.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>
#include <algorithm>

SeiteAuswertung::SeiteAuswertung(AppContext& ctx, QWidget* parent) : QWidget(parent) {
    const auto zahl = [&](const char* name, bool ganz) {
        auto* n = new TNumEdit(ctx.messages(), ctx.einstellungen.waehrung);
        n->setObjectName(QString::fromLatin1(name));
        if (ganz) n->setNumericType(TNumEdit::ntInteger);
        n->setPositivOnly(true);
        n->setMaximumWidth(90);
        return n;
    };
    auto* l = new QVBoxLayout(this);
    auto* gruppen = new QGroupBox(QStringLiteral("Belegwochen"));
    auto* gf = new QFormLayout(gruppen);
    NumEditRhythmus = zahl("NumEditRhythmus", true);
    NumEditRhythmus->setValidate(true);
    NumEditRhythmus->setMin(1);
    NumEditRhythmus->setMax(5);
    gf->addRow(QStringLiteral("Gruppenrhythmus (Wochen)"), NumEditRhythmus);
    DatumGruppenstart = new tdate_ed(ctx.clock());
    DatumGruppenstart->setObjectName(QStringLiteral("DatumGruppenstart"));
    DatumGruppenstart->setMaximumWidth(110);
    gf->addRow(QStringLiteral("Bezugsmontag"), DatumGruppenstart);
    l->addWidget(gruppen);
    auto* ziele = new QGroupBox(QStringLiteral("Ziele"));
    auto* zf = new QFormLayout(ziele);
    NumEditZielRate = zahl("NumEditZielRate", false);
    zf->addRow(QStringLiteral("Abferkelrate %"), NumEditZielRate);
    NumEditZielLebend = zahl("NumEditZielLebend", false);
    zf->addRow(QStringLiteral("lebend geboren je Wurf"), NumEditZielLebend);
    NumEditZielAbgesetzt = zahl("NumEditZielAbgesetzt", false);
    zf->addRow(QStringLiteral("abgesetzt je Wurf"), NumEditZielAbgesetzt);
    l->addWidget(ziele);
    l->addStretch();
}

void SeiteAuswertung::laden(const Einstellungen& e) {
    NumEditRhythmus->setWert(e.gruppenrhythmus);
    DatumGruppenstart->SetDatum(TKurzDatum::aus(e.gruppenstart));
    NumEditZielRate->setWert(e.zielAbferkelrate);
    NumEditZielLebend->setWert(e.zielLebend);
    NumEditZielAbgesetzt->setWert(e.zielAbgesetzt);
}

void SeiteAuswertung::uebernehmen(Einstellungen& e) const {
    e.gruppenrhythmus = std::clamp(NumEditRhythmus->AsInteger(), 1, 5);
    const QDate start = DatumGruppenstart->Getdatum().alsQDate();
    if (start.isValid()) e.gruppenstart = start.addDays(1 - start.dayOfWeek());
    e.zielAbferkelrate = NumEditZielRate->Wert();
    e.zielLebend = NumEditZielLebend->Wert();
    e.zielAbgesetzt = NumEditZielAbgesetzt->Wert();
}
