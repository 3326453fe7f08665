#include "evaluation/tvergleich.h"

#include "platform/csvwriter.h"
#include "platform/wartecursor.h"
#include "programm/appcontext.h"

TVergleich::TVergleich(AppContext& ctx, QWidget* parent) : Auswertungsliste(ctx, parent) {
    setObjectName(QStringLiteral("Vergleich"));
    setWindowTitle(QStringLiteral("Vergleich"));
    setProperty("helpContext", 330);
    listeAufbauen(QStringLiteral(" von Zeile"), QStringLiteral("bis Zeile "));
}

QString TVergleich::druckTitel() const {
    return art_ == vaEber       ? QStringLiteral("Ebervergleich")
           : art_ == vaHerkunft ? QStringLiteral("Herkunftsvergleich")
                                : QStringLiteral("Rassenvergleich");
}

void TVergleich::Auswerten(Vergleichsart art, const TAuswertungsFilter& f) {
    Wartecursor warten; // the working copy and the figures walk the whole herd
    filterSetzen(f);
    art_ = art;
    zeilen_.clear();
    // The live herd: litters still suckling take part.
    const auto kopie = Herdenkopie(ctx_, true);
    const Auswertungskopie& herde = *kopie;
    mitFortschritt(herde.sauenAnzahl(), [&](const std::function<void(int)>& fortschritt) {
        zeilen_ = VergleichZeilen(
            VergleichBilden(herde, stand_.filter, art_, ctx_.einstellungen, fortschritt), art_);
    });
    setWindowTitle(VergleichTitel(art_, Filterbeschreibung(stand_.filter)));
    bilden();
}

void TVergleich::bilden() {
    ScrollBox1->setzen(anzahl(), [this](Canvas& c, int n, double y, const auto&) {
        VergleichZeileZeichnen(c, zeilen_[std::size_t(n)], y, weibliche_,
                               VergleichBildschirmVersatz(c, zeilen_));
    });
}

void TVergleich::kopfZeichnen(Canvas& c) {
    VergleichKopfZeichnen(c, art_, weibliche_, VergleichBildschirmVersatz(c, zeilen_));
}

bool TVergleich::seitenDrucken(Canvas& c, int von, int bis, const Druckfortschritt& f) {
    return VergleichDrucken(c, zeilen_, von, bis, art_, Filterbeschreibung(stand_.filter),
                            weibliche_, ctx_.einstellungen.printerFont, f);
}

CsvWriter TVergleich::tabelle() const {
    return VergleichAlsCsv(zeilen_, art_, weibliche_);
}

TVergleich* VergleichOeffnen(AppContext& ctx, Vergleichsart art, QMdiArea* mdi, QWidget* parent) {
    // Period, the three check boxes, boar, origin, breed: the compared group is hidden.
    std::array<bool, 7> sichtbar{true, true, true, true, true, true, true};
    sichtbar[std::size_t(3 + art)] = false;
    TAuswertungsFilter f;
    if (!AuswertungsfilterErfragen(ctx, sichtbar, parent, f, true)) return nullptr;
    auto* w = new TVergleich(ctx);
    w->Auswerten(art, f);
    ListenfensterZeigen(w, mdi);
    return w;
}
