#include "evaluation/saubewegung.h"

#include "herd/kurzdatum.h"
#include "platform/canvas.h"
#include "platform/csvwriter.h"

#include <algorithm>
#include <cmath>

std::vector<TBewegung> BewegungenBilden(const Herde& herde) {
    // Each sow went in before the first line not earlier than her own: ascending dates, the
    // later sow first among equals. A stable sort of the reversed herd gives the same order.
    struct Eintrag {
        int schluessel;
        const TSauRec* sau;
    };
    std::vector<Eintrag> folge;
    folge.reserve(herde.size());
    for (auto it = herde.rbegin(); it != herde.rend(); ++it)
        folge.push_back({DatumsSchluessel(it->rec.Zugang()), &it->rec});
    std::stable_sort(folge.begin(), folge.end(), [](const Eintrag& a, const Eintrag& b) {
        return a.schluessel < b.schluessel;
    });
    std::vector<TBewegung> liste;
    liste.reserve(folge.size());
    for (const Eintrag& e : folge) {
        const TSauRec& s = *e.sau;
        liste.push_back({Kurzname::aus(s.SauNrZeichen()), s.Zugang(), s.Abgang(),
                         Kurzname::aus(s.HerkunftZeichen()), Kurzname::aus(s.AbnehmerZeichen()),
                         Kurzname::aus(s.TVGZeichen())});
    }
    return liste;
}

void BewegungKopfZeichnen(Canvas& c, int anzahl) {
    const double d = LaufnummerVersatz(c, anzahl);
    c.drawText(40 + d, 0, QStringLiteral("Sau-Nr."));
    c.drawText(140 + d, 0, QStringLiteral("TVG-Nr."));
    c.drawText(240 + d, 0, QStringLiteral("Einstallung"));
    c.drawText(440 + d, 0, QStringLiteral("Abgang"));
}

void BewegungZeileZeichnen(Canvas& c, const TBewegung& b, int n, double y, int anzahl,
                           const std::function<void(bool)>& grau) {
    const double d = LaufnummerVersatz(c, anzahl);
    Laufnummer(c, 25 + d, y, n, grau);
    c.drawText(30 + d, y, b.SauNr.text());
    c.drawText(130 + d, y, b.TVG.text());
    c.drawText(250 + d, y, KurzDatumText(b.Zugang));
    c.drawText(310 + d, y, b.Herkunft.text());
    c.drawText(450 + d, y, KurzDatumText(b.Abgang));
    c.drawText(510 + d, y, b.Abnehmer.text());
}

namespace {

// The printed columns from the stalling-in date on: each keeps its place unless the widest
// text of the column before needs more, then it moves right to leave a unit of room after it.
// Origins are cut only when the buyers would otherwise run off the page.
struct Spalten {
    double herkunft, herkunftBreite, abgang, abnehmer, rechts;
};

Spalten spaltenLegen(const Canvas& c, const std::vector<TBewegung>& liste, Druckbereich b,
                     double u) {
    double zugang = 0, herkunft = 0, abgang = 0, abnehmer = 0;
    for (int i = b.von; i <= b.bis; ++i) {
        const TBewegung& z = liste[std::size_t(i - 1)];
        zugang = std::max(zugang, c.textWidth(KurzDatumText(z.Zugang)));
        herkunft = std::max(herkunft, c.textWidth(z.Herkunft.text()));
        abgang = std::max(abgang, c.textWidth(KurzDatumText(z.Abgang)));
        abnehmer = std::max(abnehmer, c.textWidth(z.Abnehmer.text()));
    }
    const auto legen = [&](double herkunftBreite) {
        Spalten s;
        s.herkunft = std::max(46 * u, 38 * u + zugang + u);
        s.abgang = std::max(58 * u + (s.herkunft - 46 * u), s.herkunft + herkunftBreite + u);
        s.abnehmer = std::max(66 * u + (s.abgang - 58 * u), s.abgang + abgang + u);
        s.herkunftBreite = std::max(herkunftBreite, s.abgang - u - s.herkunft);
        return s;
    };
    Spalten s = legen(herkunft);
    const double ueber = s.abnehmer + abnehmer - c.pageWidth();
    if (ueber > 0) s = legen(std::max(0.0, herkunft - ueber));
    s.rechts = std::min(c.pageWidth(), std::max(80 * u, s.abnehmer + abnehmer));
    return s;
}

} // namespace

bool BewegungenDrucken(Canvas& c, const std::vector<TBewegung>& liste, int von, int bis,
                       const QString& schrift, const Druckfortschritt& fortschritt) {
    const int h = Druckzeilenhoehe(c);
    c.setFont(schrift, 12);
    const int u = Druckeinheit(c, 86);
    const Druckbereich bereich = Druckbereich::geklemmt(von, bis, int(liste.size()));
    const Spalten sp = spaltenLegen(c, liste, bereich, u);
    auto kopf = [&](double y) {
        c.drawText(6 * u, y, QStringLiteral("Sau-Nr."));
        c.drawText(20 * u, y, QStringLiteral("TVG-Nr."));
        c.drawText(40 * u, y, QStringLiteral("Einstallung"));
        c.drawText(sp.abgang + 2 * u, y, QStringLiteral("Abgang"));
        y += h;
        c.drawText(sp.herkunft, y, QStringLiteral("Herkunft"));
        c.drawText(sp.abnehmer, y, QStringLiteral("Abnehmer"));
        const double r = std::lround(y + c.textHeight());
        c.drawLine(3 * u, r, sp.rechts, r);
        return y + h;
    };
    auto zeile = [&](int i, double y) {
        const TBewegung& b = liste[std::size_t(i - 1)];
        // Names stop short of the next column; dates are never cut.
        c.drawText(3 * u, y, Eingepasst(c, b.SauNr.text(), 14.5 * u));
        c.drawText(18 * u, y, Eingepasst(c, b.TVG.text(), 19.5 * u));
        c.drawText(38 * u, y, KurzDatumText(b.Zugang));
        c.drawText(sp.herkunft, y, Eingepasst(c, b.Herkunft.text(), sp.herkunftBreite));
        c.drawText(sp.abgang, y, KurzDatumText(b.Abgang));
        c.drawText(sp.abnehmer, y, Eingepasst(c, b.Abnehmer.text(), c.pageWidth() - sp.abnehmer));
    };
    return ListeDrucken(c, h, bereich, kopf, zeile, fortschritt) >= 0;
}

CsvWriter BewegungenAlsCsv(const std::vector<TBewegung>& liste) {
    CsvWriter csv;
    for (const char* kopf :
         {"Nr.", "Sau-Nr.", "TVG-Nr.", "Einstallung", "Herkunft", "Abgang", "Abnehmer"})
        csv.text(QString::fromUtf8(kopf));
    csv.zeileEnde();
    int n = 0;
    for (const TBewegung& b : liste) {
        csv.ganz(++n).text(b.SauNr.text()).text(b.TVG.text()).datum(b.Zugang.alsQDate());
        csv.text(b.Herkunft.text()).datum(b.Abgang.alsQDate()).text(b.Abnehmer.text());
        csv.zeileEnde();
    }
    return csv;
}
