#include "evaluation/auswertungsliste.h"

#include "evaluation/tauswertungfilter.h"
#include "platform/fortschrittsbalken.h"
#include "platform/wartecursor.h"
#include "programm/appcontext.h"

#include <QApplication>
#include <QPointer>
#include <QProgressBar>

Auswertungsliste::Auswertungsliste(AppContext& ctx, QWidget* parent)
    : Listenfenster(ctx, parent), weibliche_(ctx.einstellungen.weibliche) {
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8, QFont::Bold));
}

void Auswertungsliste::filterSetzen(const TAuswertungsFilter& f) {
    stand_.Modus = amAuswahl;
    stand_.filter = f;
    stand_.filter.EberFilter.truncate(15);
    stand_.filter.HerkunftFilter.truncate(15);
    stand_.filter.RasseFilter.truncate(15);
}

void Auswertungsliste::listeAufbauen(const QString& von, const QString& bis) {
    aufbauen(von, bis);
    PaintBox1->setFixedHeight(2 * ScrollBox1->zeilenhoehe() + 2);
}

void Auswertungsliste::mitFortschritt(
    int sauen, const std::function<void(const std::function<void(int)>&)>& rechnen) {
    if (!Gauge1) {
        Gauge1 = new QProgressBar(ScrollBox1);
        Gauge1->setObjectName(QStringLiteral("Gauge1"));
        Gauge1->setStyleSheet(QStringLiteral("QProgressBar::chunk { background: maroon; }"));
        Gauge1->setGeometry(10, 10, 300, 20);
    }
    Gauge1->setRange(0, std::max(0, sauen - 1));
    Gauge1->show();
    Wartecursor warten;
    rechnen(Fortschrittsbalken(Gauge1));
    Gauge1->hide();
    ScrollBox1->viewport()->update();
    PaintBox1->update();
}

bool AuswertungsfilterErfragen(AppContext& ctx, const std::array<bool, 7>& sichtbar,
                               QWidget* parent, TAuswertungsFilter& f, bool fuerLebendeHerde) {
    TAuswertungFilter dlg(ctx, parent);
    dlg.FilterSichtbarkeit(sichtbar);
    if (fuerLebendeHerde) dlg.KopieVorbereiten(true);
    if (dlg.exec() != QDialog::Accepted) return false;
    dlg.FilterLesen(f);
    return true;
}
