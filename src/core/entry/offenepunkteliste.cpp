#include "entry/offenepunkteliste.h"

#include "platform/canvas.h"
#include "platform/csvwriter.h"
#include "platform/seitenlauf.h"

#include <cmath>

using plausibel::Art;
using plausibel::Befund;

namespace offenepunkte {

QString ArtText(const Befund& b) {
    return plausibel::Ueberfaellig(b.art) ? QStringLiteral("überfällig")
                                          : QStringLiteral("unplausibel");
}

QString BefundText(const Befund& b) {
    if (b.art == Art::Zukunft || b.art == Art::KeinKalendertag)
        return plausibel::FeldTitel(b.feld) + QStringLiteral(": ") + plausibel::Text(b);
    return plausibel::Text(b);
}

QString WurfText(const Herde& herde, const Befund& b) {
    if (b.wurf < 0) return {};
    return QString::number(herde[std::size_t(b.sau)].wuerfe[std::size_t(b.wurf)].WurfNr());
}

QString GrenzenText(const OffenePunkteVorgaben& v) {
    const PruefGrenzen& g = v.grenzen;
    return QStringLiteral("Grenzen: lebend bis %1, tot bis %2, Tragezeit %3 bis %4 Tage, "
                          "Belegen ab %5 Tage nach Absetzen; überfällig: Abferkeln ab %6, "
                          "Absetzen ab %7, TK ab %8, kein Eintrag ab %9 Tagen")
        .arg(g.maxLebend)
        .arg(g.maxTot)
        .arg(g.minTragezeit)
        .arg(g.maxTragezeit)
        .arg(g.minBelegenNachAbsetzen)
        .arg(v.tragezeit + g.ueberfaelligTage + 1)
        .arg(v.absetzenBis + g.ueberfaelligTage + 1)
        .arg(g.tkTage)
        .arg(g.ohneEreignisTage + 1);
}

namespace {

// Screen columns from the left edge, before the shift for long running numbers. The text of
// the point comes last and takes the width that is left, so that the date shows in a narrow
// window too.
constexpr double kSau = 30, kWurf = 130, kArt = 170, kDatum = 260, kBefund = 330;

} // namespace

void KopfZeichnen(Canvas& c, int anzahl) {
    const double d = LaufnummerVersatz(c, anzahl);
    c.drawText(kSau + d, 0, QStringLiteral("Sau"));
    c.drawText(kWurf + d, 0, QStringLiteral("Wurf"));
    c.drawText(kArt + d, 0, QStringLiteral("Art"));
    c.drawText(kDatum + d, 0, QStringLiteral("Datum"));
    c.drawText(kBefund + d, 0, QStringLiteral("Befund"));
}

void ZeileZeichnen(Canvas& c, const Herde& herde, const Befund& b, int n, double y, int anzahl,
                   const std::function<void(bool)>& grau) {
    const double d = LaufnummerVersatz(c, anzahl);
    Laufnummer(c, 25 + d, y, n, grau);
    c.drawText(kSau + d, y, Eingepasst(c, herde[std::size_t(b.sau)].rec.SauNr(), kWurf - kSau - 4));
    c.drawText(kWurf + d, y, WurfText(herde, b));
    c.drawText(kArt + d, y, ArtText(b));
    c.drawText(kDatum + d, y, KurzDatumText(b.datum));
    c.drawText(kBefund + d, y, Eingepasst(c, BefundText(b), c.pageWidth() - kBefund - d - 4));
}

bool Drucken(Canvas& c, const Herde& herde, const std::vector<Befund>& liste, int von, int bis,
             const QString& schrift, const QString& grenzen, const Druckfortschritt& fortschritt) {
    const int h = Druckzeilenhoehe(c);
    c.setFont(schrift, 10);
    const int u = Druckeinheit(c, 100);
    const Druckbereich bereich = Druckbereich::geklemmt(von, bis, int(liste.size()));
    auto kopf = [&](double y) {
        c.setFont(schrift, 12, Canvas::Bold);
        c.drawText(3 * u, y, QStringLiteral("Offene Punkte"));
        // The limits in as many lines as the page needs.
        c.setFont(schrift, 8);
        const QStringList teile = Umbrochen(c, grenzen, 94 * u, QStringLiteral("; "));
        for (qsizetype i = 0; i < teile.size(); ++i)
            c.drawText(3 * u, y + (1.2 + double(i) * 0.8) * h, teile[i]);
        c.setFont(schrift, 10);
        y += (double(teile.size()) * 0.8 + 2.0) * h;
        c.drawText(3 * u, y, QStringLiteral("Sau"));
        c.drawText(17 * u, y, QStringLiteral("Wurf"));
        c.drawText(23 * u, y, QStringLiteral("Art"));
        c.drawText(35 * u, y, QStringLiteral("Befund"));
        c.drawText(86 * u, y, QStringLiteral("Datum"));
        const double r = std::lround(y + c.textHeight());
        c.drawLine(3 * u, r, 97 * u, r);
        return y + h;
    };
    auto zeile = [&](int i, double y) {
        const Befund& b = liste[std::size_t(i - 1)];
        c.drawText(3 * u, y, Eingepasst(c, herde[std::size_t(b.sau)].rec.SauNr(), 13.5 * u));
        c.drawText(17 * u, y, WurfText(herde, b));
        c.drawText(23 * u, y, ArtText(b));
        c.drawText(35 * u, y, Eingepasst(c, BefundText(b), 50 * u));
        c.drawText(86 * u, y, KurzDatumText(b.datum));
    };
    return ListeDrucken(c, h, bereich, kopf, zeile, fortschritt) >= 0;
}

CsvWriter AlsCsv(const Herde& herde, const std::vector<Befund>& liste) {
    CsvWriter csv;
    for (const char* kopf : {"Nr.", "Sau", "Wurf", "Art", "Befund", "Datum"})
        csv.text(QString::fromUtf8(kopf));
    csv.zeileEnde();
    int n = 0;
    for (const Befund& b : liste) {
        csv.ganz(++n).text(herde[std::size_t(b.sau)].rec.SauNr()).text(WurfText(herde, b));
        csv.text(ArtText(b)).text(BefundText(b));
        // A day that is not in the calendar is written as it stands.
        const QDate d = b.datum.alsQDate();
        if (d.isValid() || !b.datum.vorhanden())
            csv.datum(d);
        else
            csv.text(KurzDatumText(b.datum));
        csv.zeileEnde();
    }
    return csv;
}

} // namespace offenepunkte
