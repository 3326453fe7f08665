#include "evaluation/thitliste.h"

#include "platform/csvwriter.h"
#include "platform/wartecursor.h"
#include "programm/appcontext.h"

#include <QMdiArea>
#include <QMdiSubWindow>

THitliste::THitliste(AppContext& ctx, QWidget* parent) : Auswertungsliste(ctx, parent) {
    setObjectName(QStringLiteral("Hitliste"));
    setWindowTitle(QStringLiteral("Hitliste"));
    setProperty("helpContext", 320);
    listeAufbauen(QStringLiteral(" von Platz"), QStringLiteral("bis Platz "));
}

void THitliste::Auswerten(const TAuswertungsFilter& f) {
    Wartecursor warten; // the working copy and the figures walk the whole herd
    filterSetzen(f);
    setWindowTitle(QStringLiteral("Hitliste    ") + Filterbeschreibung(stand_.filter));
    liste_.clear();
    // The live herd: litters still suckling take part.
    const auto kopie = Herdenkopie(ctx_, true);
    const Auswertungskopie& herde = *kopie;
    mitFortschritt(herde.sauenAnzahl(), [&](const std::function<void(int)>& fortschritt) {
        liste_ = HitlisteBilden(herde, stand_.filter, ctx_.einstellungen, fortschritt);
    });
    bilden();
}

void THitliste::bilden() {
    ScrollBox1->setzen(anzahl(), [this](Canvas& c, int n, double y, const auto&) {
        HitZeileZeichnen(c, liste_[std::size_t(n)], y, weibliche_);
    });
}

void THitliste::kopfZeichnen(Canvas& c) {
    HitKopfZeichnen(c, weibliche_);
}

bool THitliste::seitenDrucken(Canvas& c, int von, int bis, const Druckfortschritt& f) {
    return HitlisteDrucken(c, liste_, von, bis, Filterbeschreibung(stand_.filter), weibliche_,
                           ctx_.einstellungen.printerFont, f);
}

CsvWriter THitliste::tabelle() const {
    return HitlisteAlsCsv(liste_, weibliche_);
}

THitliste* HitlisteOeffnen(AppContext& ctx, QMdiArea* mdi, QWidget* parent) {
    TAuswertungsFilter f;
    if (!AuswertungsfilterErfragen(ctx, {true, true, true, true, true, true, true}, parent, f,
                                   true))
        return nullptr;
    auto* w = new THitliste(ctx);
    w->Auswerten(f);
    ListenfensterZeigen(w, mdi);
    if (auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget())) sub->showMaximized();
    return w;
}
