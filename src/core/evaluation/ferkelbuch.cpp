#include "evaluation/ferkelbuch.h"

#include "herd/kurzdatum.h"
#include "herd/saustatus.h"
#include "platform/canvas.h"
#include "platform/csvwriter.h"

#include <algorithm>
#include <cmath>

namespace {

QString wennPositiv(std::int32_t v) {
    return v > 0 ? QString::number(v) : QString();
}

} // namespace

std::int32_t& Anzahl(TAbgangTag& t, Ferkelereignis art) {
    switch (art) {
    case Ferkelereignis::Geburt:
        return t.Geboren;
    case Ferkelereignis::Verlust:
        return t.Verlust;
    case Ferkelereignis::Absetzen:
        break;
    }
    return t.Abgesetzt;
}

Ferkelbuch::Ferkelbuch() : platz_(256 * 16 * 32, -1) {}

Ferkelbuch::Tag& Ferkelbuch::tag(TKurzDatum d) {
    const int schluessel = DatumsSchluessel(d);
    int* p = nullptr;
    if (d.Monat < 16 && d.Tag < 32)
        p = &platz_[std::size_t(d.Jahr) << 9 | std::size_t(d.Monat) << 5 | d.Tag];
    else
        p = &andere_.try_emplace(schluessel, -1).first->second;
    if (*p < 0) {
        *p = int(tage_.size());
        tage_.push_back(Tag{schluessel, {}, {0, 0, 0}, {}, 0});
    }
    return tage_[std::size_t(*p)];
}

TKurzDatum Ferkelbuch::TageNach(TKurzDatum d, int n) {
    if (n < 0 || n > 255) return TageAddierenDatum(n, d);
    Tag& t = tag(d);
    if (t.nach.empty()) {
        t.nach.resize(256);
        t.nachZusatz = d.Zusatz;
    }
    if (t.nachZusatz != d.Zusatz) return TageAddierenDatum(n, d);
    TKurzDatum& r = t.nach[std::size_t(n)];
    if (!r.vorhanden()) r = TageAddierenDatum(n, d);
    return r;
}

void Ferkelbuch::Hinzufuegen(TKurzDatum d, Ferkelereignis art, int n) {
    Tag& t = tag(d);
    std::size_t& i = t.erste[int(art)];
    while (i < t.zeilen.size() && Anzahl(t.zeilen[i], art) == 0)
        ++i;
    if (i < t.zeilen.size()) {
        Anzahl(t.zeilen[i], art) += n;
        return;
    }
    TAbgangTag neu;
    neu.Datum = d;
    Anzahl(neu, art) = n;
    t.zeilen.push_back(neu);
}

std::vector<TAbgangTag> Ferkelbuch::Tage() const {
    std::vector<const Tag*> folge;
    folge.reserve(tage_.size());
    std::size_t zeilen = 0;
    for (const Tag& t : tage_) {
        folge.push_back(&t);
        zeilen += t.zeilen.size();
    }
    std::sort(folge.begin(), folge.end(),
              [](const Tag* a, const Tag* b) { return a->schluessel < b->schluessel; });
    std::vector<TAbgangTag> alle;
    alle.reserve(zeilen);
    for (const Tag* t : folge)
        alle.insert(alle.end(), t->zeilen.begin(), t->zeilen.end());
    return alle;
}

Ferkelliste FerkelbuchBilden(const Herde& herde) {
    Ferkelbuch buch;
    for (const Sau& sau : herde) {
        for (const TWurfRec& w : sau.wuerfe) {
            const int lebend = int(w.Geborene()) - int(w.Todgeborene());
            if (lebend <= 0) continue;
            const TKurzDatum abferkeln = w.Abferkeln();
            if (!abferkeln.vorhanden()) continue;
            buch.Hinzufuegen(abferkeln, Ferkelereignis::Geburt, lebend);
            const int verluste = Verluste(w);
            for (int slot = 1; slot <= verluste; ++slot) {
                const TKurzDatum tag = buch.TageNach(abferkeln, w.Verlusttag(slot) - 1);
                buch.Hinzufuegen(tag, Ferkelereignis::Verlust, 1);
            }
            if (const TKurzDatum absetzen = w.Absetzen(); absetzen.vorhanden())
                buch.Hinzufuegen(absetzen, Ferkelereignis::Absetzen, Abgesetzte(w));
        }
    }
    Ferkelliste liste;
    liste.Tage = buch.Tage();
    for (const TAbgangTag& t : liste.Tage)
        liste.Bestand += t.Geboren - t.Abgesetzt - t.Verlust;
    return liste;
}

void FerkelKopfZeichnen(Canvas& c, int anzahl) {
    const double d = LaufnummerVersatz(c, anzahl);
    c.drawText(40 + d, 0, QStringLiteral("Index"));
    c.drawText(100 + d, 0, QStringLiteral("Datum"));
    c.drawText(220 + d, 0, QStringLiteral("Geboren"));
    c.drawText(340 + d, 0, QStringLiteral("Abgesetzt"));
    c.drawText(460 + d, 0, QStringLiteral("Verlust"));
}

void FerkelZeileZeichnen(Canvas& c, const TAbgangTag& t, int n, double y, int anzahl,
                         const std::function<void(bool)>& grau) {
    const double d = LaufnummerVersatz(c, anzahl);
    Laufnummer(c, 25 + d, y, n, grau);
    c.drawText(100 + d, y, KurzDatumText(t.Datum));
    TextRechts(c, 250 + d, y, wennPositiv(t.Geboren));
    TextRechts(c, 370 + d, y, wennPositiv(t.Abgesetzt));
    TextRechts(c, 490 + d, y, wennPositiv(t.Verlust));
}

void FerkelBestandZeichnen(Canvas& c, std::int32_t bestand, double y, int anzahl) {
    const double d = LaufnummerVersatz(c, anzahl);
    c.drawText(150 + d, y, QStringLiteral("Bestand : "));
    TextRechts(c, 250 + d, y, QString::number(bestand));
}

bool FerkelbuchDrucken(Canvas& c, const Ferkelliste& liste, int von, int bis,
                       const QString& schrift, const Druckfortschritt& fortschritt) {
    const int h = Druckzeilenhoehe(c);
    c.setFont(schrift, 10);
    const int u = Druckeinheit(c, 86);
    auto kopf = [&](double y) {
        c.drawText(6 * u, y, QStringLiteral("Index"));
        c.drawText(20 * u, y, QStringLiteral("Datum"));
        c.drawText(35 * u, y, QStringLiteral("Geboren"));
        c.drawText(53 * u, y, QStringLiteral("Abgesetzt"));
        c.drawText(70 * u, y, QStringLiteral("Verlust"));
        const double r = std::lround(y + c.textHeight());
        c.drawLine(3 * u, r, 80 * u, r);
        return y + h;
    };
    auto zeile = [&](int i, double y) {
        const TAbgangTag& t = liste.Tage[std::size_t(i - 1)];
        TextRechts(c, 8 * u, y, QString::number(i));
        TextRechts(c, 26 * u, y, KurzDatumText(t.Datum));
        TextRechts(c, 39 * u, y, wennPositiv(t.Geboren));
        TextRechts(c, 58 * u, y, wennPositiv(t.Abgesetzt));
        TextRechts(c, 73 * u, y, wennPositiv(t.Verlust));
    };
    const Druckbereich bereich = Druckbereich::geklemmt(von, bis, int(liste.Tage.size()));
    const double y = ListeDrucken(c, h, bereich, kopf, zeile, fortschritt);
    if (y < 0) return false;
    c.drawText(20 * u, y, QStringLiteral("Bestand"));
    TextRechts(c, 39 * u, y, QString::number(liste.Bestand));
    return true;
}

CsvWriter FerkelbuchAlsCsv(const Ferkelliste& liste) {
    CsvWriter csv;
    for (const char* kopf : {"Index", "Datum", "Geboren", "Abgesetzt", "Verlust"})
        csv.text(QString::fromUtf8(kopf));
    csv.zeileEnde();
    int n = 0;
    for (const TAbgangTag& t : liste.Tage) {
        csv.ganz(++n).datum(t.Datum.alsQDate()).ganz(t.Geboren).ganz(t.Abgesetzt).ganz(t.Verlust);
        csv.zeileEnde();
    }
    csv.leer().text(QStringLiteral("Bestand")).ganz(liste.Bestand);
    csv.zeileEnde();
    return csv;
}
