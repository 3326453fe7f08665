#include "evaluation/hitliste.h"

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

THitEintrag HitEintrag(const Kurzname& sauNr, const TKennzahlen& k, const Einstellungen& e) {
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
    liste.reserve(std::size_t(kopie.sauenAnzahl()));
    TKennzahlen summe;
    for (int s = 0; s < kopie.sauenAnzahl(); ++s) {
        if (fortschritt) fortschritt(s);
        summe.Leeren();
        const KopieSauSicht sau = kopie.sicht(s);
        for (int i = 0; i < int(sau.wuerfe.size()); ++i)
            if (WurfImFilter(f, sau, i)) WurfZahlenAddieren(f, sau, i, summe, amAuswahl, e);
        if (summe.Wuerfe > 0) liste.push_back(HitEintrag(sau.sau.SauNr, summe, e));
    }
    // Descending, the later sow first among equals: the order in which each entry goes in
    // before the first one not greater. The small keys are sorted, then the entries moved once.
    struct Rang {
        double index;
        std::size_t platz;
    };
    std::vector<Rang> folge;
    folge.reserve(liste.size());
    for (std::size_t i = 0; i < liste.size(); ++i)
        folge.push_back({liste[i].Leistungsindex, i});
    std::sort(folge.begin(), folge.end(), [](const Rang& a, const Rang& b) {
        return a.index > b.index || (a.index == b.index && a.platz > b.platz);
    });
    std::vector<THitEintrag> sortiert;
    sortiert.reserve(liste.size());
    for (const Rang& r : folge)
        sortiert.push_back(std::move(liste[r.platz]));
    return sortiert;
}

namespace {

// One column of the hit list as screen, print and CSV show it. Screen positions in pixels,
// print positions in print units; columns marked `rueckt` move right when the female
// piglets' column is shown (60 pixels, 5 units).
struct HitSpalte {
    const char* oben;      // first head line, or nullptr
    const char* druckOben; // the printout's first head line where it differs, or nullptr
    const char* unten;     // second head line, or nullptr
    const char* csv;       // CSV caption
    bool nurWeibliche, rueckt;
    double obenX, untenX, wertX;    // screen: heads, value (right edge; left for the number)
    double dObenX, dUntenX, dWertX; // print, the same
    enum { Text, Ganz, Zahl1 } art; // the sow's number, a count, a figure with one decimal
    double (*wert)(const THitEintrag&);
};

constexpr double kOhneWert(const THitEintrag&) {
    return 0;
}

const HitSpalte kSpalten[] = {
    {"Sau-Nr", "Sau-Nr.", nullptr, "Sau-Nr", false, false, 10, 0, 0, 3, 0, 3, HitSpalte::Text,
     kOhneWert},
    {"Index", nullptr, nullptr, "Index", false, false, 80, 0, 120, 14, 0, 18, HitSpalte::Zahl1,
     [](const THitEintrag& e) { return e.Leistungsindex; }},
    {"Würfe", nullptr, nullptr, "Würfe", false, false, 130, 0, 160, 21, 0, 23, HitSpalte::Ganz,
     [](const THitEintrag& e) { return double(e.Wuerfe); }},
    {"Ferkel/Jahr", nullptr, "geb.", "Ferkel/Jahr geb.", false, false, 190, 180, 220, 29, 27, 32,
     HitSpalte::Zahl1, [](const THitEintrag& e) { return e.GeboreneJahr; }},
    {nullptr, nullptr, "abg.", "Ferkel/Jahr abg.", false, false, 0, 250, 280, 0, 34, 38,
     HitSpalte::Zahl1, [](const THitEintrag& e) { return e.AbgesetzteJahr; }},
    {nullptr, nullptr, "weibl.", "Ferkel/Jahr weibl.", true, false, 0, 310, 340, 0, 41, 44,
     HitSpalte::Zahl1, [](const THitEintrag& e) { return e.WeiblicheJahr; }},
    {"1*Umr", nullptr, "%", "1*Umr %", false, true, 320, 330, 350, 42, 43, 45, HitSpalte::Zahl1,
     [](const THitEintrag& e) { return e.Umrauscher1Prozent; }},
    {"2*Umr", nullptr, "%", "2*Umr %", false, true, 380, 390, 410, 49, 50, 52, HitSpalte::Zahl1,
     [](const THitEintrag& e) { return e.Umrauscher2Prozent; }},
    {"Anomal.", nullptr, "%", "Anomal. %", false, true, 440, 460, 480, 56, 57, 60, HitSpalte::Zahl1,
     [](const THitEintrag& e) { return e.AnomalienProzent; }},
    {"Ausfälle", nullptr, "%", "Ausfälle %", false, true, 510, 530, 550, 64, 65, 68,
     HitSpalte::Zahl1, [](const THitEintrag& e) { return e.AusfaelleProzent; }},
};

bool gezeigt(const HitSpalte& sp, bool weibliche) {
    return weibliche || !sp.nurWeibliche;
}

QString zellenText(const HitSpalte& sp, const THitEintrag& e) {
    switch (sp.art) {
    case HitSpalte::Text:
        return e.SauNr.text();
    case HitSpalte::Ganz:
        return QString::number(qint64(sp.wert(e)));
    case HitSpalte::Zahl1:
        break;
    }
    return Zahl(sp.wert(e), 0, 1);
}

// A value at its column: the sow's number from the left, the figures to the right edge.
void zelle(Canvas& c, const HitSpalte& sp, double x, double y, const THitEintrag& e) {
    if (sp.art == HitSpalte::Text)
        c.drawText(x, y, zellenText(sp, e));
    else
        TextRechts(c, x, y, zellenText(sp, e));
}

} // namespace

void HitKopfZeichnen(Canvas& c, bool weibliche) {
    const double h = c.textHeight();
    const double s = weibliche ? 60 : 0;
    for (const HitSpalte& sp : kSpalten)
        if (gezeigt(sp, weibliche) && sp.oben)
            c.drawText(sp.obenX + (sp.rueckt ? s : 0), 0, QString::fromUtf8(sp.oben));
    for (const HitSpalte& sp : kSpalten)
        if (gezeigt(sp, weibliche) && sp.unten)
            c.drawText(sp.untenX + (sp.rueckt ? s : 0), h, QString::fromUtf8(sp.unten));
}

void HitZeileZeichnen(Canvas& c, const THitEintrag& e, double y, bool weibliche) {
    const double s = weibliche ? 60 : 0;
    for (const HitSpalte& sp : kSpalten)
        if (gezeigt(sp, weibliche)) zelle(c, sp, sp.wertX + (sp.rueckt ? s : 0), y, e);
}

namespace {

// "Seite: n", the heads and the rule; returns the y of the first entry.
double druckKopf(Canvas& c, int seite, double y, double u, double h, bool weibliche) {
    const double s = weibliche ? 5 : 0;
    c.drawText(68 * u, y, QStringLiteral("Seite: ") + QString::number(seite).rightJustified(2));
    y += h;
    for (const HitSpalte& sp : kSpalten) {
        if (!gezeigt(sp, weibliche)) continue;
        const double r = sp.rueckt ? s : 0;
        if (const char* oben = sp.druckOben ? sp.druckOben : sp.oben)
            c.drawText((sp.dObenX + r) * u, y, QString::fromUtf8(oben));
        if (sp.unten) c.drawText((sp.dUntenX + r) * u, y + h, QString::fromUtf8(sp.unten));
    }
    y += h;
    c.drawLine(u, y + h, 79 * u, y + h);
    return double(std::lround(y + 1.25 * h));
}

void druckZeile(Canvas& c, const THitEintrag& e, double y, double u, bool weibliche) {
    const double s = weibliche ? 5 : 0;
    for (const HitSpalte& sp : kSpalten)
        if (gezeigt(sp, weibliche)) zelle(c, sp, (sp.dWertX + (sp.rueckt ? s : 0)) * u, y, e);
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
    for (const HitSpalte& sp : kSpalten)
        if (gezeigt(sp, weibliche)) csv.text(QString::fromUtf8(sp.csv));
    csv.zeileEnde();
    for (const THitEintrag& e : liste) {
        for (const HitSpalte& sp : kSpalten) {
            if (!gezeigt(sp, weibliche)) continue;
            switch (sp.art) {
            case HitSpalte::Text:
                csv.text(e.SauNr.text());
                break;
            case HitSpalte::Ganz:
                csv.ganz(qint64(sp.wert(e)));
                break;
            case HitSpalte::Zahl1:
                csv.zahl(sp.wert(e), 1);
                break;
            }
        }
        csv.zeileEnde();
    }
    return csv;
}
