#include "entry/toffenepunkte.h"

#include "controls/herdfolge.h"
#include "entry/offenepunkteliste.h"
#include "entry/tsauwurfeingabe.h"
#include "platform/csvwriter.h"
#include "programm/appcontext.h"

#include <QLabel>
#include <QVBoxLayout>

TOffenePunkte::TOffenePunkte(AppContext& ctx, QWidget* parent) : Listenfenster(ctx, parent) {
    setObjectName(QStringLiteral("OffenePunkte"));
    setWindowTitle(QStringLiteral("Offene Punkte"));
    setProperty("helpContext", 720);
    aufbauen(QStringLiteral(" von lfd.Nr"), QStringLiteral("bis lfd.Nr "));
    Grenzen = new QLabel(this);
    Grenzen->setObjectName(QStringLiteral("Grenzen"));
    Grenzen->setWordWrap(true);
    Grenzen->setContentsMargins(4, 2, 4, 2);
    static_cast<QVBoxLayout*>(layout())->insertWidget(0, Grenzen);
    ScrollBox1->setWaehlbar(true);
    connect(ScrollBox1, &Listenflaeche::geoeffnet, this, &TOffenePunkte::zeileOeffnen);
    folge_ = new Herdfolge(ctx_.meldung, this, [this] { bilden(); });
    resize(820, 480);
}

void TOffenePunkte::bilden() {
    if (folge_) folge_->erneuert();
    vorgaben_ =
        PunkteVorgaben(ctx_.einstellungen.pruefung, ctx_.Planzeiten, ctx_.Tragezeit, ctx_.heute());
    liste_ = OffenePunkte(ctx_.Sauenliste, vorgaben_);
    Grenzen->setText(offenepunkte::GrenzenText(vorgaben_));
    const int aktuelle = ScrollBox1->aktuelle();
    ScrollBox1->setzen(anzahl(), [this](Canvas& c, int n, double y, const auto& grau) {
        offenepunkte::ZeileZeichnen(c, ctx_.Sauenliste, liste_[std::size_t(n)], n, y, anzahl(),
                                    grau);
    });
    ScrollBox1->setAktuelle(aktuelle < 0 ? 0 : aktuelle);
    PaintBox1->update();
}

void TOffenePunkte::kopfZeichnen(Canvas& c) {
    offenepunkte::KopfZeichnen(c, anzahl());
}

bool TOffenePunkte::seitenDrucken(Canvas& c, int von, int bis, const Druckfortschritt& f) {
    return offenepunkte::Drucken(c, ctx_.Sauenliste, liste_, von, bis,
                                 ctx_.einstellungen.printerFont,
                                 offenepunkte::GrenzenText(vorgaben_), f);
}

CsvWriter TOffenePunkte::tabelle() const {
    return offenepunkte::AlsCsv(ctx_.Sauenliste, liste_);
}

void TOffenePunkte::zeileOeffnen(int n) {
    if (n < 0 || n >= anzahl()) return;
    const plausibel::Befund b = liste_[std::size_t(n)];
    KarteAmFeldOeffnen(ctx_, this, b.sau, b.wurf, plausibel::FeldName(b.feld));
}

TOffenePunkte* OffenePunkteOeffnen(AppContext& ctx, QMdiArea* mdi) {
    auto* w = new TOffenePunkte(ctx);
    ListenfensterZeigen(w, mdi);
    return w;
}
