#include "ferkelbuch.h"

#include "platform/canvas.h"
#include "platform/csvwriter.h"

#include <cmath>

namespace {

int datumsSchluessel(TKurzDatum d) {
    return d.Jahr * 10000 + d.Monat * 100 + d.Tag;
}

void rechtsbuendig(Canvas& c, double xEnde, double y, const QString& s) {
    c.drawText(xEnde - c.textWidth(s), y, s);
}

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

void Ferkelbuch::Hinzufuegen(TKurzDatum d, Ferkelereignis art, int n) {
    Tag& tag = tage_[datumsSchluessel(d)];
    std::size_t& i = tag.erste[int(art)];
    while (i < tag.zeilen.size() && Anzahl(tag.zeilen[i], art) == 0)
        ++i;
    if (i < tag.zeilen.size()) {
        Anzahl(tag.zeilen[i], art) += n;
        return;
    }
    TAbgangTag neu;
    neu.Datum = d;
    Anzahl(neu, art) = n;
    tag.zeilen.push_back(neu);
}

std::vector<TAbgangTag> Ferkelbuch::Tage() const {
    std::vector<TAbgangTag> alle;
    for (const auto& [schluessel, tag] : tage_)
        alle.insert(alle.end(), tag.zeilen.begin(), tag.zeilen.end());
    return alle;
}

Ferkelliste FerkelbuchBilden(const Herde& herde) {
    Ferkelbuch buch;
    for (const Sau& sau : herde) {
        for (const TWurfRec& w : sau.wuerfe) {
            const int lebend = int(w.Geborene()) - int(w.Todgeborene());
            if (lebend <= 0 || !w.Abferkeln().vorhanden()) continue;
            buch.Hinzufuegen(w.Abferkeln(), Ferkelereignis::Geburt, lebend);
            int l = 0;
            while (l < 14 && w.Verlusttag(l + 1) > 0) {
                const TKurzDatum tag = TageAddierenDatum(w.Verlusttag(l + 1) - 1, w.Abferkeln());
                buch.Hinzufuegen(tag, Ferkelereignis::Verlust, 1);
                ++l;
            }
            if (w.Absetzen().vorhanden())
                buch.Hinzufuegen(w.Absetzen(), Ferkelereignis::Absetzen,
                                 lebend + w.Ausgleich() - l);
        }
    }
    Ferkelliste liste;
    liste.Tage = buch.Tage();
    for (const TAbgangTag& t : liste.Tage)
        liste.Bestand += t.Geboren - t.Abgesetzt - t.Verlust;
    return liste;
}

void FerkelKopfZeichnen(Canvas& c) {
    c.drawText(40, 0, QStringLiteral("Index"));
    c.drawText(100, 0, QStringLiteral("Datum"));
    c.drawText(220, 0, QStringLiteral("Geboren"));
    c.drawText(340, 0, QStringLiteral("Abgesetzt"));
    c.drawText(460, 0, QStringLiteral("Verlust"));
}

void FerkelZeileZeichnen(Canvas& c, const TAbgangTag& t, int n, double y,
                         const std::function<void(bool)>& grau) {
    if (grau) grau(true);
    rechtsbuendig(c, 25, y, QString::number(n + 1));
    if (grau) grau(false);
    c.drawText(100, y, KurzDatumText(t.Datum));
    rechtsbuendig(c, 250, y, wennPositiv(t.Geboren));
    rechtsbuendig(c, 370, y, wennPositiv(t.Abgesetzt));
    rechtsbuendig(c, 490, y, wennPositiv(t.Verlust));
}

void FerkelBestandZeichnen(Canvas& c, std::int32_t bestand, double y) {
    c.drawText(150, y, QStringLiteral("Bestand : "));
    rechtsbuendig(c, 250, y, QString::number(bestand));
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
    };
    auto zeile = [&](int i, double y) {
        const TAbgangTag& t = liste.Tage[std::size_t(i - 1)];
        rechtsbuendig(c, 8 * u, y, QString::number(i));
        rechtsbuendig(c, 26 * u, y, KurzDatumText(t.Datum));
        rechtsbuendig(c, 39 * u, y, wennPositiv(t.Geboren));
        rechtsbuendig(c, 58 * u, y, wennPositiv(t.Abgesetzt));
        rechtsbuendig(c, 73 * u, y, wennPositiv(t.Verlust));
    };
    const Druckbereich bereich = Druckbereich::geklemmt(von, bis, int(liste.Tage.size()));
    const double y = ListeDrucken(c, h, bereich, kopf, zeile, fortschritt);
    if (y < 0) return false;
    c.drawText(20 * u, y, QStringLiteral("Bestand"));
    rechtsbuendig(c, 39 * u, y, QString::number(liste.Bestand));
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
