#include "evaluation/tabsetzen.h"

#include "platform/csvwriter.h"
#include "programm/appcontext.h"

TAbsetzen::TAbsetzen(AppContext& ctx, QWidget* parent) : Listenfenster(ctx, parent) {
    setObjectName(QStringLiteral("Absetzen"));
    setWindowTitle(QStringLiteral("Ferkelabgänge"));
    setProperty("helpContext", 350);
    aufbauen(QStringLiteral(" von:"), QStringLiteral("bis: "));
}

void TAbsetzen::bilden() {
    liste_ = FerkelbuchBilden(ctx_.Sauenliste);
    ScrollBox1->setzen(
        anzahl(),
        [this](Canvas& c, int n, double y, const auto& grau) {
            FerkelZeileZeichnen(c, liste_.Tage[std::size_t(n)], n, y, anzahl(), grau);
        },
        [this](Canvas& c, double y) { FerkelBestandZeichnen(c, liste_.Bestand, y, anzahl()); });
}

bool TAbsetzen::seitenDrucken(Canvas& c, int von, int bis, const Druckfortschritt& f) {
    return FerkelbuchDrucken(c, liste_, von, bis, ctx_.einstellungen.printerFont, f);
}

CsvWriter TAbsetzen::tabelle() const {
    return FerkelbuchAlsCsv(liste_);
}

TAbsetzen* AbsetzenOeffnen(AppContext& ctx, QMdiArea* mdi) {
    auto* w = new TAbsetzen(ctx);
    ListenfensterZeigen(w, mdi);
    return w;
}
