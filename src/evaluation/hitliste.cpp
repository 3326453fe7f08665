#include "hitliste.h"

#include "evaluation/kennzahlzeilen.h"
#include "platform/canvas.h"
#include "platform/csvwriter.h"

#include <algorithm>
#include <cmath>

namespace {

// a × 365 / days, 0 without days.
double proJahr(double a, int tage) {
    return tage > 0 ? a * 365.0 / tage : 0.0;
}

double prozent(double a, int basis) {
    return basis != 0 ? a / basis * 100.0 : 0.0;
}

QString z(double x, int d) {
    return Zahl(x, 0, d);
}

} // namespace

double Leistungsindex(const TKennzahlenWerte& k, const std::array<int, 7>& w, bool weibliche) {
    if (k.Wuerfe <= 0 || k.ErstBelegungen <= 0) return 0.0;
    const double erst = k.ErstBelegungen;
    double i = (1.0 - k.ZweitBelegungen / erst) * w[2] + (1.0 - k.DrittBelegungen / erst) * w[2] +
               double(k.Wuerfe) * w[5];
    if (k.Zwischenwurfzeit > 0) {
        // 18.25 = 365 / 20: twenty piglets a year score the full weight.
        const double zwz = k.Zwischenwurfzeit;
        i += k.Geborene * 18.25 / zwz * w[1] + k.Abgesetzte * 18.25 / zwz * w[0];
        if (weibliche) i += k.Weibliche * 18.25 / zwz * w[6];
    }
    if (k.Geborene > 0)
        i -= double(k.AnomalienAnzahl) / k.Wuerfe * w[3] +
             double(k.AusfaelleAnzahl) / k.Wuerfe * w[4];
    return i;
}

THitEintrag HitEintrag(const QString& sauNr, const TKennzahlen& k, const Einstellungen& e) {
    THitEintrag h;
    h.SauNr = sauNr;
    h.Leistungsindex = Leistungsindex(k, e.index, e.weibliche);
    h.Wuerfe = k.Wuerfe;
    h.GeboreneJahr = proJahr(k.Geborene, k.Zwischenwurfzeit);
    h.AbgesetzteJahr = proJahr(k.Abgesetzte, k.Zwischenwurfzeit);
    h.AusfaelleProzent = prozent(k.AusfaelleAnzahl, k.Geborene);
    h.AnomalienProzent = prozent(k.AnomalienAnzahl, k.Geborene);
    h.Umrauscher1Prozent = prozent(k.ZweitBelegungen, k.ErstBelegungen);
    h.Umrauscher2Prozent = prozent(k.DrittBelegungen, k.ErstBelegungen);
    h.WeiblicheJahr = proJahr(k.Weibliche, k.Zwischenwurfzeit);
    return h;
}

std::vector<THitEintrag> HitlisteBilden(const Auswertungskopie& kopie,
                                        const TAuswertungsFilter& filter, const Einstellungen& e,
                                        const std::function<void(int)>& fortschritt) {
    const Filtervergleich f(filter);
    std::vector<THitEintrag> liste;
    TKennzahlen summe;
    for (int s = 0; s < kopie.sauenAnzahl(); ++s) {
        if (fortschritt) fortschritt(s);
        summe.Leeren();
        for (int i = 0; i < int(kopie.wuerfe(s).size()); ++i)
            if (WurfImFilter(f, kopie, s, i))
                WurfZahlenAddieren(f, kopie, s, i, summe, amAuswahl, e);
        if (summe.Wuerfe > 0) liste.push_back(HitEintrag(kopie.sau(s).SauNr.text(), summe, e));
    }
    // Each entry went in before the first one not greater: descending, the later sow first
    // among equals. A stable sort of the reversed list gives the same order.
    std::reverse(liste.begin(), liste.end());
    std::stable_sort(liste.begin(), liste.end(), [](const THitEintrag& a, const THitEintrag& b) {
        return a.Leistungsindex > b.Leistungsindex;
    });
    return liste;
}

void HitKopfZeichnen(Canvas& c, bool weibliche) {
    const double h = c.textHeight();
    const double s = weibliche ? 60 : 0;
    c.drawText(10, 0, QStringLiteral("Sau-Nr"));
    c.drawText(80, 0, QStringLiteral("Index"));
    c.drawText(130, 0, QStringLiteral("Würfe"));
    c.drawText(190, 0, QStringLiteral("Ferkel/Jahr"));
    c.drawText(320 + s, 0, QStringLiteral("1*Umr"));
    c.drawText(380 + s, 0, QStringLiteral("2*Umr"));
    c.drawText(440 + s, 0, QStringLiteral("Anomal."));
    c.drawText(510 + s, 0, QStringLiteral("Ausfälle"));
    c.drawText(180, h, QStringLiteral("geb."));
    c.drawText(250, h, QStringLiteral("abg."));
    if (weibliche) c.drawText(310, h, QStringLiteral("weibl."));
    for (double x : {330.0, 390.0, 460.0, 530.0})
        c.drawText(x + s, h, QStringLiteral("%"));
}

void HitZeileZeichnen(Canvas& c, const THitEintrag& e, double y, bool weibliche) {
    const double s = weibliche ? 60 : 0;
    c.drawText(0, y, e.SauNr);
    TextRechts(c, 120, y, z(e.Leistungsindex, 1));
    TextRechts(c, 160, y, QString::number(e.Wuerfe));
    TextRechts(c, 220, y, z(e.GeboreneJahr, 1));
    TextRechts(c, 280, y, z(e.AbgesetzteJahr, 1));
    if (weibliche) TextRechts(c, 340, y, z(e.WeiblicheJahr, 1));
    TextRechts(c, 350 + s, y, z(e.Umrauscher1Prozent, 1));
    TextRechts(c, 410 + s, y, z(e.Umrauscher2Prozent, 1));
    TextRechts(c, 480 + s, y, z(e.AnomalienProzent, 1));
    TextRechts(c, 550 + s, y, z(e.AusfaelleProzent, 1));
}

namespace {

// Step 2 of a page: "Seite: n", the heads and the rule; returns the y of the first entry.
double druckKopf(Canvas& c, int seite, double y, double u, double h, bool weibliche) {
    const double s = weibliche ? 5 : 0;
    c.drawText(68 * u, y, QStringLiteral("Seite: ") + QString::number(seite).rightJustified(2));
    y += h;
    c.drawText(3 * u, y, QStringLiteral("Sau-Nr."));
    c.drawText(14 * u, y, QStringLiteral("Index"));
    c.drawText(21 * u, y, QStringLiteral("Würfe"));
    c.drawText(29 * u, y, QStringLiteral("Ferkel/Jahr"));
    c.drawText(27 * u, y + h, QStringLiteral("geb."));
    c.drawText(34 * u, y + h, QStringLiteral("abg."));
    if (weibliche) c.drawText(41 * u, y + h, QStringLiteral("weibl."));
    const char* koepfe[4] = {"1*Umr", "2*Umr", "Anomal.", "Ausfälle"};
    const double xs[4] = {42, 49, 56, 64};
    for (int i = 0; i < 4; ++i) {
        c.drawText((xs[i] + s) * u, y, QString::fromUtf8(koepfe[i]));
        c.drawText((xs[i] + 1 + s) * u, y + h, QStringLiteral("%"));
    }
    y += h;
    c.drawLine(u, y + h, 79 * u, y + h);
    return double(std::lround(y + 1.25 * h));
}

void druckZeile(Canvas& c, const THitEintrag& e, double y, double u, bool weibliche) {
    const double s = weibliche ? 5 : 0;
    c.drawText(3 * u, y, e.SauNr);
    TextRechts(c, 18 * u, y, z(e.Leistungsindex, 1));
    TextRechts(c, 23 * u, y, QString::number(e.Wuerfe));
    TextRechts(c, 32 * u, y, z(e.GeboreneJahr, 1));
    TextRechts(c, 38 * u, y, z(e.AbgesetzteJahr, 1));
    if (weibliche) TextRechts(c, 44 * u, y, z(e.WeiblicheJahr, 1));
    TextRechts(c, (45 + s) * u, y, z(e.Umrauscher1Prozent, 1));
    TextRechts(c, (52 + s) * u, y, z(e.Umrauscher2Prozent, 1));
    TextRechts(c, (60 + s) * u, y, z(e.AnomalienProzent, 1));
    TextRechts(c, (68 + s) * u, y, z(e.AusfaelleProzent, 1));
}

} // namespace

bool HitlisteDrucken(Canvas& c, const std::vector<THitEintrag>& liste, int von, int bis,
                     const QString& filtertext, bool weibliche, const QString& schrift,
                     const Druckfortschritt& fortschritt) {
    c.setFont(schrift, 12);
    const double u = Druckeinheit(c, 80);
    const double h = c.textHeight();
    const QString titel = QStringLiteral("Hitliste");
    c.drawText((c.pageWidth() - c.textWidth(titel)) / 2, 2 * h, titel);
    double y = 4 * h;
    c.drawText(40 * u - c.textWidth(filtertext) / 2, y, filtertext);
    y += h;
    const Druckbereich b = Druckbereich::geklemmt(von, bis, int(liste.size()));
    return SeitenDrucken(
        c, h, y, b,
        [&](int seite, double oben) { return druckKopf(c, seite, oben, u, h, weibliche); },
        [&](int i, double zeileY) {
            druckZeile(c, liste[std::size_t(i - 1)], zeileY, u, weibliche);
        },
        fortschritt);
}

CsvWriter HitlisteAlsCsv(const std::vector<THitEintrag>& liste, bool weibliche) {
    CsvWriter csv;
    csv.text(QStringLiteral("Sau-Nr")).text(QStringLiteral("Index")).text(QStringLiteral("Würfe"));
    csv.text(QStringLiteral("Ferkel/Jahr geb.")).text(QStringLiteral("Ferkel/Jahr abg."));
    if (weibliche) csv.text(QStringLiteral("Ferkel/Jahr weibl."));
    csv.text(QStringLiteral("1*Umr %")).text(QStringLiteral("2*Umr %"));
    csv.text(QStringLiteral("Anomal. %")).text(QStringLiteral("Ausfälle %"));
    csv.zeileEnde();
    for (const THitEintrag& e : liste) {
        csv.text(e.SauNr).zahl(e.Leistungsindex, 1).ganz(e.Wuerfe);
        csv.zahl(e.GeboreneJahr, 1).zahl(e.AbgesetzteJahr, 1);
        if (weibliche) csv.zahl(e.WeiblicheJahr, 1);
        csv.zahl(e.Umrauscher1Prozent, 1).zahl(e.Umrauscher2Prozent, 1);
        csv.zahl(e.AnomalienProzent, 1).zahl(e.AusfaelleProzent, 1);
        csv.zeileEnde();
    }
    return csv;
}
