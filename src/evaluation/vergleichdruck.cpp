#include "vergleich.h"

#include "evaluation/kennzahlzeilen.h"
#include "platform/canvas.h"
#include "platform/csvwriter.h"

#include <cmath>

namespace {

QString z(double x, int d) {
    return Zahl(x, 0, d);
}

// "Seite: n", the heads and the rule; returns the y of the first group.
double druckKopf(Canvas& c, int seite, double y, double u, double h, Vergleichsart art,
                 bool weibliche) {
    const double s = weibliche ? 8 : 0;
    c.drawText(100 * u, y, QStringLiteral("Seite: ") + QString::number(seite).rightJustified(2));
    y += h;
    const auto t = [&](double x, int zeile, const char* text) {
        c.drawText(x * u, y + zeile * h, QString::fromUtf8(text));
    };
    t(4, 0, "Name");
    if (art != vaEber) t(14, 0, "Sauen/");
    t(14, 1, "Würfe");
    t(24, 0, "Würfe");
    t(24, 1, "/Jahr");
    t(32, 0, "Ferkel/Jahr");
    t(32, 1, "geb.");
    t(40, 1, "abg.");
    if (weibliche) t(48, 1, "weibl.");
    t(48 + s, 1, "Säuge");
    t(51 + s, 0, "Tage");
    t(56 + s, 1, "Leer");
    const char* koepfe[4] = {"1*Umr", "2*Umr", "Anomal", "Ausfall"};
    for (int i = 0; i < 4; ++i) {
        t(64 + 8 * i + s, 0, koepfe[i]);
        t(66 + 8 * i + s, 1, "%");
    }
    const double linie = double(std::lround(y + 2.2 * h));
    c.drawLine(3 * u, linie, 106 * u, linie);
    return double(std::lround(y + 2.5 * h));
}

void druckZeile(Canvas& c, const TVergleichszeile& r, double y, double u, bool weibliche) {
    const double s = weibliche ? 8 : 0;
    c.drawText(3 * u, y, Eingepasst(c, r.Name, 11.5 * u));
    c.drawText(15 * u, y, r.Anzahl);
    if (!r.mitWerten) return;
    if (r.mitZeit) {
        TextRechts(c, 28 * u, y, z(r.WuerfeJahr, 2));
        TextRechts(c, 35 * u, y, z(r.GeboreneJahr, 1));
        TextRechts(c, 43 * u, y, z(r.AbgesetzteJahr, 1));
        if (weibliche) TextRechts(c, 51 * u, y, z(r.WeiblicheJahr, 1));
    }
    TextRechts(c, (52 + s) * u, y, z(r.Saeugetage, 1));
    TextRechts(c, (59 + s) * u, y, z(r.Leertage, 1));
    if (r.mitBelegungen) {
        TextRechts(c, (68 + s) * u, y, z(r.Umrauscher1, 1));
        TextRechts(c, (76 + s) * u, y, z(r.Umrauscher2, 1));
    }
    if (r.mitGeborenen) {
        TextRechts(c, (84 + s) * u, y, z(r.Anomalien, 1));
        TextRechts(c, (92 + s) * u, y, z(r.Ausfaelle, 1));
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
    return SeitenDrucken(
        c, h, y, b,
        [&](int seite, double oben) { return druckKopf(c, seite, oben, u, h, art, weibliche); },
        [&](int i, double zeileY) {
            druckZeile(c, zeilen[std::size_t(i - 1)], zeileY, u, weibliche);
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
