#include "evaluation/vergleich.h"

#include "evaluation/kennzahlzeilen.h"
#include "platform/canvas.h"
#include "platform/csvwriter.h"

#include <algorithm>
#include <cmath>

namespace {

// "Seite: n", the heads and the rule; returns the y of the first group.
// The columns after the name and after the count moved by `v`.
double druckKopf(Canvas& c, int seite, double y, double u, double h, Vergleichsart art,
                 bool weibliche, const VergleichVersatz& v) {
    const double d = v.name + v.anzahl;
    const double s = weibliche ? 8 : 0;
    c.drawText(100 * u, y, QStringLiteral("Seite: ") + QString::number(seite).rightJustified(2));
    y += h;
    c.drawText(4 * u, y, QStringLiteral("Name"));
    const auto kopf = [&](double x, int zeile, const char* text) {
        c.drawText(x * u + d, y + zeile * h, QString::fromUtf8(text));
    };
    if (art != vaEber) c.drawText(14 * u + v.name, y, QStringLiteral("Sauen/"));
    c.drawText(14 * u + v.name, y + h, QStringLiteral("Würfe"));
    kopf(24, 0, "Würfe");
    kopf(24, 1, "/Jahr");
    kopf(32, 0, "Ferkel/Jahr");
    kopf(32, 1, "geb.");
    kopf(40, 1, "abg.");
    if (weibliche) kopf(48, 1, "weibl.");
    kopf(48 + s, 1, "Säuge");
    kopf(51 + s, 0, "Tage");
    kopf(56 + s, 1, "Leer");
    const char* koepfe[4] = {"1*Umr", "2*Umr", "Anomal", "Ausfall"};
    for (int i = 0; i < 4; ++i) {
        kopf(64 + 8 * i + s, 0, koepfe[i]);
        kopf(66 + 8 * i + s, 1, "%");
    }
    const double linie = double(std::lround(y + 2.2 * h));
    c.drawLine(3 * u, linie, 106 * u + d, linie);
    return double(std::lround(y + 2.5 * h));
}

void druckZeile(Canvas& c, const TVergleichszeile& r, double y, double u, bool weibliche,
                const VergleichVersatz& v) {
    const double s = weibliche ? 8 : 0;
    const double d = v.name + v.anzahl;
    const auto rechts = [&](double x, double wert, int stellen) {
        TextRechts(c, x * u + d, y, Zahl(wert, 0, stellen));
    };
    c.drawText(3 * u, y, Eingepasst(c, r.Name, 11.5 * u + v.name));
    c.drawText(15 * u + v.name, y, r.Anzahl);
    if (!r.mitWerten) return;
    if (r.mitZeit) {
        rechts(28, r.WuerfeJahr, 2);
        rechts(35, r.GeboreneJahr, 1);
        rechts(43, r.AbgesetzteJahr, 1);
        if (weibliche) rechts(51, r.WeiblicheJahr, 1);
    }
    rechts(52 + s, r.Saeugetage, 1);
    rechts(59 + s, r.Leertage, 1);
    if (r.mitBelegungen) {
        rechts(68 + s, r.Umrauscher1, 1);
        rechts(76 + s, r.Umrauscher2, 1);
    }
    if (r.mitGeborenen) {
        rechts(84 + s, r.Anomalien, 1);
        rechts(92 + s, r.Ausfaelle, 1);
    }
}

} // namespace

bool VergleichDrucken(Canvas& c, const std::vector<TVergleichszeile>& zeilen, int von, int bis,
                      Vergleichsart art, const QString& filtertext, bool weibliche,
                      const QString& schrift, const Druckfortschritt& fortschritt) {
    c.setFont(schrift, 12);
    const double u = Druckeinheit(c, 132);
    const double h = c.textHeight();
    const QString titel =
        QStringLiteral("Vergleich") + (art == vaEber       ? QStringLiteral(" Eber")
                                       : art == vaHerkunft ? QStringLiteral(" Herkunft")
                                                           : QStringLiteral(" Rasse"));
    c.drawText(55 * u, double(std::lround(2.5 * h)), titel);
    double y = 4 * h;
    c.drawText(50 * u - c.textWidth(filtertext) / 2, y, filtertext);
    y = double(std::lround(y + 1.5 * h));
    const Druckbereich b = Druckbereich::geklemmt(von, bis, int(zeilen.size()));
    // The longest printed name and count keep half a unit of room before the next column, as
    // far as the table still ends on the page; names give way first.
    const std::vector<TVergleichszeile> gedruckt(zeilen.begin() + std::min(b.von - 1, b.bis),
                                                 zeilen.begin() + std::max(0, b.bis));
    VergleichVersatz v = VergleichVersaetze(c, gedruckt, 3 * u, 15 * u, 28 * u, u / 2);
    const double platz = std::max(0.0, c.pageWidth() - 106 * u);
    v.anzahl = std::min(v.anzahl, platz);
    v.name = std::min(v.name, platz - v.anzahl);
    return SeitenDrucken(
        c, h, y, b,
        [&](int seite, double oben) { return druckKopf(c, seite, oben, u, h, art, weibliche, v); },
        [&](int i, double zeileY) {
            druckZeile(c, zeilen[std::size_t(i - 1)], zeileY, u, weibliche, v);
        },
        fortschritt);
}

CsvWriter VergleichAlsCsv(const std::vector<TVergleichszeile>& zeilen, Vergleichsart art,
                          bool weibliche) {
    CsvWriter csv;
    csv.text(QStringLiteral("Name"));
    csv.text(art == vaEber ? QStringLiteral("Würfe") : QStringLiteral("Sauen/Würfe"));
    csv.text(QStringLiteral("Würfe/Jahr")).text(QStringLiteral("Ferkel/Jahr geb."));
    csv.text(QStringLiteral("Ferkel/Jahr abg."));
    if (weibliche) csv.text(QStringLiteral("Ferkel/Jahr weibl."));
    csv.text(QStringLiteral("Tage Säuge")).text(QStringLiteral("Tage Leer"));
    csv.text(QStringLiteral("1*Umr %")).text(QStringLiteral("2*Umr %"));
    csv.text(QStringLiteral("Anomal %")).text(QStringLiteral("Ausfall %"));
    csv.zeileEnde();
    // Figures not shown stay empty fields.
    const auto feld = [&csv](bool zeigen, double v, int d) {
        zeigen ? csv.zahl(v, d) : csv.leer();
    };
    for (const TVergleichszeile& r : zeilen) {
        // A text cell, so that "3/5" does not turn into a date.
        csv.text(r.Name).text(r.Anzahl);
        const bool zeit = r.mitWerten && r.mitZeit;
        feld(zeit, r.WuerfeJahr, 2);
        feld(zeit, r.GeboreneJahr, 1);
        feld(zeit, r.AbgesetzteJahr, 1);
        if (weibliche) feld(zeit, r.WeiblicheJahr, 1);
        feld(r.mitWerten, r.Saeugetage, 0);
        feld(r.mitWerten, r.Leertage, 0);
        feld(r.mitWerten && r.mitBelegungen, r.Umrauscher1, 1);
        feld(r.mitWerten && r.mitBelegungen, r.Umrauscher2, 1);
        feld(r.mitWerten && r.mitGeborenen, r.Anomalien, 1);
        feld(r.mitWerten && r.mitGeborenen, r.Ausfaelle, 1);
        csv.zeileEnde();
    }
    return csv;
}
