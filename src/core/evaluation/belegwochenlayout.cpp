#include "evaluation/belegwochenlayout.h"

#include "evaluation/belegwochenchart.h"
#include "evaluation/kennzahlzeilen.h"
#include "platform/canvas.h"
#include "platform/csvwriter.h"
#include "platform/seitenlauf.h"

#include <algorithm>
#include <cmath>

namespace {

BelegwochenZelle ganz(int n) {
    BelegwochenZelle z;
    z.text = QString::number(n);
    z.zahl = true;
    z.wert = n;
    return z;
}

// A figure with one decimal, marked when it lies below `ziel` (no target: ziel < 0).
BelegwochenZelle wert(bool hat, double v, double ziel = -1) {
    BelegwochenZelle z;
    if (!hat) return z;
    z.text = Zahl(v, 0, 1);
    z.zahl = true;
    z.wert = v;
    z.stellen = 1;
    z.warnung = ziel >= 0 && v < ziel;
    return z;
}

BelegwochenZelle bereich(TKurzDatum von, TKurzDatum bis) {
    BelegwochenZelle z;
    z.von = von;
    z.bis = bis;
    if (!von.vorhanden()) return z;
    z.text = von == bis ? KurzDatumText(von)
                        : KurzDatumText(von) + QStringLiteral("–") + KurzDatumText(bis);
    return z;
}

void zelleZeichnen(Canvas& c, const BelegwochenSpalte& s, double links, double rechts, double y,
                   const BelegwochenZelle& z, double ziffer) {
    if (z.text.isEmpty()) return;
    if (z.warnung) c.setFarbe(kWarnfarbe);
    if (s.rechts)
        TextRechts(c, rechts - ziffer, y, z.text);
    else
        c.drawText(links + ziffer / 2, y, Eingepasst(c, z.text, rechts - links - ziffer));
    if (z.warnung) c.setFarbe(0);
}

// The caption of a column in the table: the two head lines joined, a hyphen at the break
// taken out.
QString tabellenkopf(const BelegwochenSpalte& s) {
    if (s.kopf2.isEmpty()) return s.kopf1;
    if (s.kopf1.endsWith(u'-')) return s.kopf1.chopped(1) + s.kopf2;
    return s.kopf1 + u' ' + s.kopf2;
}

} // namespace

const std::vector<BelegwochenSpalte>& BelegwochenSpalten() {
    static const std::vector<BelegwochenSpalte> spalten = {
        {QStringLiteral("Gruppe"), {}, 15, false},
        {QStringLiteral("belegt"), {}, 6},
        {QStringLiteral("davon"), QStringLiteral("JS"), 6},
        {QStringLiteral("Umr."), QStringLiteral("1 mal"), 6},
        {QStringLiteral("Umr."), QStringLiteral("2 mal"), 6},
        {QStringLiteral("abge-"), QStringLiteral("ferkelt"), 8},
        {QStringLiteral("Abferkel-"), QStringLiteral("rate %"), 9, true, QStringLiteral("%")},
        {QStringLiteral("lebend"), QStringLiteral("je Wurf"), 7},
        {QStringLiteral("tot"), QStringLiteral("je Wurf"), 7},
        {QStringLiteral("abges."), QStringLiteral("je Wurf"), 7},
        {QStringLiteral("Verluste"), QStringLiteral("%"), 8, true, QStringLiteral("%")},
        {QStringLiteral("erw. Abferkeln"), {}, 16, false, {}, true},
        {QStringLiteral("Absetzen"), {}, 16, false, {}, true},
    };
    return spalten;
}

std::vector<BelegwochenZelle> BelegwochenZellen(const TBelegwoche& g, const Belegwochenziele& z) {
    const Belegwochenwerte v = BelegwochenWerte(g);
    std::vector<BelegwochenZelle> zellen;
    BelegwochenZelle name;
    name.text = g.name();
    zellen.push_back(name);
    for (int n : {g.belegt(), g.jungsauen, int(g.summe.ZweitBelegungen),
                  int(g.summe.DrittBelegungen), g.abgeferkelt})
        zellen.push_back(ganz(n));
    if (g.offen) {
        BelegwochenZelle offen;
        offen.text = QStringLiteral("offen");
        zellen.push_back(offen);
    } else {
        zellen.push_back(wert(v.hatRate, v.rate, z.abferkelrate));
    }
    zellen.push_back(wert(v.hatWurf, v.lebend, z.lebend));
    zellen.push_back(wert(v.hatWurf, v.tot));
    zellen.push_back(wert(v.hatAbsetzen, v.abgesetzt, z.abgesetzt));
    zellen.push_back(wert(v.hatVerluste, v.verluste));
    // Expected farrowing only while the group can still farrow.
    zellen.push_back(g.offen ? bereich(g.erwartetVon, g.erwartetBis) : BelegwochenZelle{});
    zellen.push_back(bereich(g.absetzenVon, g.absetzenBis));
    return zellen;
}

std::vector<double> BelegwochenKanten(double ziffer, double x0) {
    std::vector<double> kanten{x0};
    for (const BelegwochenSpalte& s : BelegwochenSpalten())
        kanten.push_back(kanten.back() + s.breite * ziffer);
    return kanten;
}

void BelegwochenKopfZeichnen(Canvas& c, const std::vector<double>& kanten, double y, double h) {
    const auto& spalten = BelegwochenSpalten();
    const double ziffer = c.textWidth(QStringLiteral("0"));
    for (std::size_t i = 0; i < spalten.size(); ++i) {
        BelegwochenZelle k1, k2;
        k1.text = spalten[i].kopf1;
        k2.text = spalten[i].kopf2;
        zelleZeichnen(c, spalten[i], kanten[i], kanten[i + 1], y, k1, ziffer);
        zelleZeichnen(c, spalten[i], kanten[i], kanten[i + 1], y + h, k2, ziffer);
    }
}

void BelegwochenZeileZeichnen(Canvas& c, const std::vector<double>& kanten, double y,
                              const TBelegwoche& g, const Belegwochenziele& z) {
    const auto& spalten = BelegwochenSpalten();
    const auto zellen = BelegwochenZellen(g, z);
    const double ziffer = c.textWidth(QStringLiteral("0"));
    for (std::size_t i = 0; i < spalten.size(); ++i)
        zelleZeichnen(c, spalten[i], kanten[i], kanten[i + 1], y, zellen[i], ziffer);
}

bool BelegwochenDrucken(Canvas& c, const std::vector<TBelegwoche>& gruppen, int von, int bis,
                        const QString& filtertext, const Belegwochenziele& z, int diagramm,
                        const QString& schrift, const Druckfortschritt& fortschritt) {
    c.setFont(schrift, 10);
    const double h = c.textHeight();
    // The columns fill at most the page width less two margins of 2 %.
    const double x0 = c.pageWidth() * 0.02;
    const double gesamt = BelegwochenKanten(1, 0).back();
    const double ziffer = std::min(c.textWidth(QStringLiteral("0")), c.pageWidth() * 0.96 / gesamt);
    const std::vector<double> kanten = BelegwochenKanten(ziffer, x0);
    const QString titel = QStringLiteral("Belegwochen");
    c.drawText((c.pageWidth() - c.textWidth(titel)) / 2, double(std::lround(2 * h)), titel);
    double y = 3.5 * h;
    c.drawText((c.pageWidth() - c.textWidth(filtertext)) / 2, y, filtertext);
    y = double(std::lround(y + 1.5 * h));
    double letzte = y;
    const Druckbereich b = Druckbereich::geklemmt(von, bis, int(gruppen.size()));
    const bool ok = SeitenDrucken(
        c, h, y, b,
        [&](int seite, double oben) {
            TextRechts(c, kanten.back(), oben,
                       QStringLiteral("Seite: ") + QString::number(seite).rightJustified(2));
            oben += h;
            BelegwochenKopfZeichnen(c, kanten, oben, h);
            const double linie = double(std::lround(oben + 2.2 * h));
            c.drawLine(x0, linie, kanten.back(), linie);
            return double(std::lround(oben + 2.5 * h));
        },
        [&](int i, double zeileY) {
            BelegwochenZeileZeichnen(c, kanten, zeileY, gruppen[std::size_t(i - 1)], z);
            letzte = zeileY + h;
        },
        fortschritt);
    if (!ok) return false;
    // The chart below the last line when a good part of the page is left, else on a new page.
    double oben = letzte + 2 * h;
    const double unten = c.pageHeight() - 3 * h;
    if (unten - oben < c.pageHeight() * 0.4) {
        c.newPage();
        oben = 3 * h;
    }
    BelegwochenChartZeichnen(c, gruppen, diagramm, z, x0, oben, kanten.back() - x0, unten - oben);
    return true;
}

CsvWriter BelegwochenAlsCsv(const std::vector<TBelegwoche>& gruppen, const Belegwochenziele& z) {
    const auto& spalten = BelegwochenSpalten();
    CsvWriter csv;
    for (const BelegwochenSpalte& s : spalten) {
        const QString kopf = tabellenkopf(s);
        if (s.bereich) {
            csv.text(kopf + QStringLiteral(" von")).text(kopf + QStringLiteral(" bis"));
            continue;
        }
        csv.text(kopf);
        if (!s.einheit.isEmpty()) csv.text(QStringLiteral("Einheit"));
    }
    csv.zeileEnde();
    for (const TBelegwoche& g : gruppen) {
        const auto zellen = BelegwochenZellen(g, z);
        for (std::size_t i = 0; i < spalten.size(); ++i) {
            const BelegwochenSpalte& s = spalten[i];
            const BelegwochenZelle& zelle = zellen[i];
            if (s.bereich) {
                csv.datum(zelle.von.alsQDate()).datum(zelle.bis.alsQDate());
                continue;
            }
            if (zelle.zahl)
                zelle.stellen == 0 ? csv.ganz(qint64(zelle.wert))
                                   : csv.zahl(zelle.wert, zelle.stellen);
            else
                s.einheit.isEmpty() ? csv.text(zelle.text) : csv.leer();
            // The unit beside its number; an open group's rate says so there.
            if (!s.einheit.isEmpty()) csv.text(zelle.zahl ? s.einheit : zelle.text);
        }
        csv.zeileEnde();
    }
    return csv;
}
