#include "saubewegung.h"

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
        liste.push_back({s.SauNr(), s.Zugang(), s.Abgang(), s.Herkunft(), s.Abnehmer(), s.TVG()});
    }
    return liste;
}

void BewegungKopfZeichnen(Canvas& c) {
    c.drawText(40, 0, QStringLiteral("Sau-Nr."));
    c.drawText(140, 0, QStringLiteral("TVG-Nr."));
    c.drawText(240, 0, QStringLiteral("Einstallung"));
    c.drawText(440, 0, QStringLiteral("Abgang"));
}

void BewegungZeileZeichnen(Canvas& c, const TBewegung& b, int n, double y,
                           const std::function<void(bool)>& grau) {
    Laufnummer(c, 25, y, n, grau);
    c.drawText(30, y, b.SauNr);
    c.drawText(130, y, b.TVG);
    c.drawText(250, y, KurzDatumText(b.Zugang));
    c.drawText(310, y, b.Herkunft);
    c.drawText(450, y, KurzDatumText(b.Abgang));
    c.drawText(510, y, b.Abnehmer);
}

bool BewegungenDrucken(Canvas& c, const std::vector<TBewegung>& liste, int von, int bis,
                       const QString& schrift, const Druckfortschritt& fortschritt) {
    const int h = Druckzeilenhoehe(c);
    c.setFont(schrift, 12);
    const int u = Druckeinheit(c, 86);
    auto kopf = [&](double y) {
        c.drawText(6 * u, y, QStringLiteral("Sau-Nr."));
        c.drawText(20 * u, y, QStringLiteral("TVG-Nr."));
        c.drawText(40 * u, y, QStringLiteral("Einstallung"));
        c.drawText(60 * u, y, QStringLiteral("Abgang"));
        const double r = std::lround(y + c.textHeight());
        c.drawLine(3 * u, r, 80 * u, r);
    };
    auto zeile = [&](int i, double y) {
        const TBewegung& b = liste[std::size_t(i - 1)];
        // Names stop short of the next column; dates are never cut.
        c.drawText(3 * u, y, Eingepasst(c, b.SauNr, 14.5 * u));
        c.drawText(18 * u, y, Eingepasst(c, b.TVG, 19.5 * u));
        c.drawText(38 * u, y, KurzDatumText(b.Zugang));
        c.drawText(46 * u, y, Eingepasst(c, b.Herkunft, 11.5 * u));
        c.drawText(58 * u, y, KurzDatumText(b.Abgang));
        c.drawText(66 * u, y, b.Abnehmer);
    };
    const Druckbereich bereich = Druckbereich::geklemmt(von, bis, int(liste.size()));
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
        csv.ganz(++n).text(b.SauNr).text(b.TVG).datum(b.Zugang.alsQDate());
        csv.text(b.Herkunft).datum(b.Abgang.alsQDate()).text(b.Abnehmer);
        csv.zeileEnde();
    }
    return csv;
}
