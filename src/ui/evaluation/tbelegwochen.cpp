#include "evaluation/tbelegwochen.h"

#include "entry/tsauauswahl.h"
#include "evaluation/belegwochenchart.h"
#include "evaluation/belegwochenlayout.h"
#include "evaluation/tauswertungfilter.h"
#include "platform/csvwriter.h"
#include "platform/paintercanvas.h"
#include "platform/wartecursor.h"
#include "programm/appcontext.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPainter>
#include <QVBoxLayout>

namespace {

// The chart below the list, drawn like its printout.
class Diagramm final : public QWidget {
public:
    Diagramm(std::function<void(Canvas&, int, int)> zeichnen, QWidget* parent)
        : QWidget(parent), zeichnen_(std::move(zeichnen)) {
        setMinimumHeight(200);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.setPen(Qt::black);
        PainterCanvas c(p, width(), height());
        zeichnen_(c, width(), height());
    }

private:
    std::function<void(Canvas&, int, int)> zeichnen_;
};

std::vector<double> bildschirmKanten(const Canvas& c) {
    return BelegwochenKanten(c.textWidth(QStringLiteral("0")), 4);
}

} // namespace

TBelegwochen::TBelegwochen(AppContext& ctx, QWidget* parent)
    : Auswertungsliste(ctx, parent), ziele_(Belegwochenziele::aus(ctx.einstellungen)) {
    setObjectName(QStringLiteral("Belegwochen"));
    setWindowTitle(QStringLiteral("Belegwochen"));
    setProperty("helpContext", 370);
    listeAufbauen(QStringLiteral(" von Zeile"), QStringLiteral("bis Zeile "));
    if (auto* l = qobject_cast<QVBoxLayout*>(layout())) l->insertWidget(2, diagrammAufbauen());
    ScrollBox1->setWaehlbar(true);
    connect(ScrollBox1, &Listenflaeche::geoeffnet, this, [this](int n) { GruppeOeffnen(n); });
}

QWidget* TBelegwochen::diagrammAufbauen() {
    auto* bereich = new QWidget(this);
    auto* l = new QVBoxLayout(bereich);
    l->setContentsMargins(4, 4, 4, 0);
    auto* zeile = new QHBoxLayout;
    auto* label = new QLabel(QStringLiteral("&Diagramm:"), bereich);
    ComboDiagramm = new QComboBox(bereich);
    ComboDiagramm->setObjectName(QStringLiteral("ComboDiagramm"));
    for (int w : {bwAbferkelrate, bwLebend, bwAbgesetzt})
        ComboDiagramm->addItem(BelegwochenwertName(w));
    label->setBuddy(ComboDiagramm);
    zeile->addWidget(label);
    zeile->addWidget(ComboDiagramm);
    zeile->addStretch(1);
    l->addLayout(zeile);
    PaintBox3 = new Diagramm(
        [this](Canvas& c, int w, int h) {
            BelegwochenChartZeichnen(c, gruppen_, ComboDiagramm->currentIndex(), ziele_, 4, 4,
                                     w - 8, h - 8);
        },
        bereich);
    PaintBox3->setObjectName(QStringLiteral("PaintBox3"));
    l->addWidget(PaintBox3);
    connect(ComboDiagramm, &QComboBox::currentIndexChanged, PaintBox3,
            qOverload<>(&QWidget::update));
    return bereich;
}

void TBelegwochen::Auswerten(const TAuswertungsFilter& f) {
    Wartecursor warten; // the working copy and the figures walk the whole herd
    filterSetzen(f);
    setWindowTitle(QStringLiteral("Belegwochen  ") + Filterbeschreibung(stand_.filter));
    gruppen_.clear();
    // The live herd: litters not yet weaned belong to their group. Kept for listing a group's
    // sows from the herd as it was counted.
    kopie_ = Herdenkopie(ctx_, true);
    const Auswertungskopie& herde = *kopie_;
    const Einstellungen& e = ctx_.einstellungen;
    const Belegwochenrahmen rahmen{Gruppenraster(e.gruppenrhythmus, e.gruppenstart), ctx_.Tragezeit,
                                   ctx_.heute(), e};
    mitFortschritt(herde.sauenAnzahl(), [&](const std::function<void(int)>& fortschritt) {
        gruppen_ = BelegwochenBilden(herde, stand_.filter, rahmen, fortschritt);
    });
    bilden();
}

void TBelegwochen::bilden() {
    ScrollBox1->setzen(anzahl(), [this](Canvas& c, int n, double y, const auto&) {
        BelegwochenZeileZeichnen(c, bildschirmKanten(c), y, gruppen_[std::size_t(n)], ziele_);
    });
    if (PaintBox3) PaintBox3->update();
}

void TBelegwochen::kopfZeichnen(Canvas& c) {
    BelegwochenKopfZeichnen(c, bildschirmKanten(c), 0, c.textHeight());
}

bool TBelegwochen::seitenDrucken(Canvas& c, int von, int bis, const Druckfortschritt& f) {
    return BelegwochenDrucken(c, gruppen_, von, bis, Filterbeschreibung(stand_.filter), ziele_,
                              ComboDiagramm->currentIndex(), ctx_.einstellungen.printerFont, f);
}

CsvWriter TBelegwochen::tabelle() const {
    return BelegwochenAlsCsv(gruppen_, ziele_);
}

void TBelegwochen::GruppeOeffnen(int n) {
    if (n < 0 || n >= anzahl()) return;
    TSauAuswahl auswahl(ctx_, this);
    const TBelegwoche& g = gruppen_[std::size_t(n)];
    auswahl.SauenZeigen(BelegwochenSauen(*kopie_, stand_.filter, g.raster, g.nummer), g.name());
    auswahl.exec();
}

TBelegwochen* BelegwochenOeffnen(AppContext& ctx, QMdiArea* mdi, QWidget* parent) {
    const Einstellungen& e = ctx.einstellungen;
    TAuswertungFilter dlg(ctx, parent);
    TAuswertungsFilter vorgabe = dlg.gewaehlt();
    const TAuswertungsFilter zeitraum =
        BelegwochenVorgabe(ctx.heute(), Gruppenraster(e.gruppenrhythmus, e.gruppenstart));
    vorgabe.Von = zeitraum.Von;
    vorgabe.Bis = zeitraum.Bis;
    vorgabe.Datumsart = daBelegen;
    dlg.FilterSetzen(vorgabe);
    // The period is that of the first mating; the check boxes do not apply.
    dlg.FilterSichtbarkeit({true, false, false, false, true, true, true});
    dlg.DatumsartSperren(daBelegen);
    dlg.KopieVorbereiten(true);
    if (dlg.exec() != QDialog::Accepted) return nullptr;
    TAuswertungsFilter f;
    dlg.FilterLesen(f);
    f.Datumsart = daBelegen;
    auto* w = new TBelegwochen(ctx);
    w->Auswerten(f);
    ListenfensterZeigen(w, mdi);
    // The columns need the room.
    if (auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget())) sub->showMaximized();
    return w;
}
