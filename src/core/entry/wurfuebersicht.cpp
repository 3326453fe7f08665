#include "entry/wurfuebersicht.h"

#include "herd/saustatus.h"
#include "platform/canvas.h"

void WurfUebersichtZeichnen(Canvas& c, const std::vector<TWurfRec>& wuerfe, double breite) {
    const double h = c.textHeight();
    c.drawText(1, 0, QStringLiteral("Wurf   :"));
    c.drawText(1, h, QStringLiteral("geb.F :"));
    c.drawText(1, 2 * h, QStringLiteral("abg.F:"));
    const auto rechts = [&](double xEnde, double y, const QString& t) {
        c.drawText(xEnde - c.textWidth(t), y, t);
    };
    for (std::size_t i = 0; i < wuerfe.size(); ++i) {
        const TWurfRec& w = wuerfe[i];
        const double x = double(i + 2) * breite / 15.0;
        rechts(x, 0, QString::number(w.WurfNr()));
        if (w.Abferkeln().vorhanden()) rechts(x, h, QString::number(w.Geborene()));
        if (w.Absetzen().vorhanden()) rechts(x, 2 * h, QString::number(Abgesetzte(w)));
    }
}
