#include "evaluation/tsaubewegung.h"

#include "platform/csvwriter.h"
#include "programm/appcontext.h"

TSaubewegung::TSaubewegung(AppContext& ctx, QWidget* parent) : Listenfenster(ctx, parent) {
    setObjectName(QStringLiteral("Saubewegung"));
    setWindowTitle(QStringLiteral("Sauenbewegungen"));
    setProperty("helpContext", 340);
    aufbauen(QStringLiteral(" von lfd.Nr"), QStringLiteral("bis lfd.Nr "));
}

void TSaubewegung::bilden() {
    liste_ = BewegungenBilden(ctx_.Sauenliste);
    ScrollBox1->setzen(anzahl(), [this](Canvas& c, int n, double y, const auto& grau) {
        BewegungZeileZeichnen(c, liste_[std::size_t(n)], n, y, anzahl(), grau);
    });
}

bool TSaubewegung::seitenDrucken(Canvas& c, int von, int bis, const Druckfortschritt& f) {
    return BewegungenDrucken(c, liste_, von, bis, ctx_.einstellungen.printerFont, f);
}

CsvWriter TSaubewegung::tabelle() const {
    return BewegungenAlsCsv(liste_);
}

TSaubewegung* SaubewegungOeffnen(AppContext& ctx, QMdiArea* mdi) {
    auto* w = new TSaubewegung(ctx);
    ListenfensterZeigen(w, mdi);
    return w;
}
