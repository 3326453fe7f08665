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

Ferkelbuch::Tag& Ferkelbuch::tag(TKurzDatum d) {
    // Dates with one key are one day, whatever their bytes.
    const int schluessel = DatumsSchluessel(d);
    // A month below 16 and a day below 32 read back from the key as they stand.
    int jahr = d.Jahr, monat = d.Monat, tag = d.Tag;
    if (monat >= 16 || tag >= 32) {
        jahr = schluessel / 10000;
        monat = schluessel / 100 % 100;
        tag = schluessel % 100;
    }
    if (jahr >= 256 || monat >= 16 || tag >= 32) return andere_[schluessel];
    auto& tabelle = jahre_[std::size_t(jahr)];
    if (!tabelle) tabelle = std::make_unique<std::array<Tag, 16 * 32>>();
    return (*tabelle)[std::size_t(monat * 32 + tag)];
}

void Ferkelbuch::Reservieren(std::size_t wuerfe) {
    zeilen_.reserve(4 * wuerfe);
}

void Ferkelbuch::Hinzufuegen(TKurzDatum d, Ferkelereignis art, int n) {
    Tag& t = tag(d);
    int& z = t.ersteJeArt[int(art)];
    while (z >= 0 && Anzahl(zeilen_[std::size_t(z)].werte, art) == 0)
        z = zeilen_[std::size_t(z)].naechste;
    if (z >= 0) {
        Anzahl(zeilen_[std::size_t(z)].werte, art) += n;
        return;
    }
    // Past the day's last line: the lines added since hold no count of this kind.
    Zeile& neu = zeilen_.emplace_back();
    neu.werte.Datum = d;
    Anzahl(neu.werte, art) = n;
    z = int(zeilen_.size()) - 1;
    if (t.letzte >= 0)
        zeilen_[std::size_t(t.letzte)].naechste = z;
    else
        t.erste = z;
    t.letzte = z;
}

void Ferkelbuch::tagesZeilen(const Tag& t, std::vector<TAbgangTag>& aus) const {
    for (int z = t.erste; z >= 0; z = zeilen_[std::size_t(z)].naechste)
        aus.push_back(zeilen_[std::size_t(z)].werte);
}

std::vector<TAbgangTag> Ferkelbuch::Tage() const {
    // The tables give their days in ascending order of the key; the few other keys are merged
    // in.
    std::vector<TAbgangTag> alle;
    alle.reserve(zeilen_.size());
    auto andere = andere_.begin();
    for (std::size_t jahr = 0; jahr < jahre_.size(); ++jahr) {
        if (!jahre_[jahr]) continue;
        const auto& tabelle = *jahre_[jahr];
        for (std::size_t platz = 0; platz < tabelle.size(); ++platz) {
            if (tabelle[platz].erste < 0) continue;
            const int schluessel = int(jahr * 10000 + platz / 32 * 100 + platz % 32);
            for (; andere != andere_.end() && andere->first < schluessel; ++andere)
                tagesZeilen(andere->second, alle);
            tagesZeilen(tabelle[platz], alle);
        }
    }
    for (; andere != andere_.end(); ++andere)
        tagesZeilen(andere->second, alle);
    return alle;
}

Ferkelliste FerkelbuchBilden(const Herde& herde) {
    Ferkelbuch buch;
    std::size_t wuerfe = 0;
    for (const Sau& sau : herde)
        wuerfe += sau.wuerfe.size();
    buch.Reservieren(wuerfe);
    for (const Sau& sau : herde) {
        for (const TWurfRec& w : sau.wuerfe) {
            const int lebend = int(w.Geborene()) - int(w.Todgeborene());
            if (lebend <= 0) continue;
            const TKurzDatum abferkeln = w.Abferkeln();
            if (!abferkeln.vorhanden()) continue;
            buch.Hinzufuegen(abferkeln, Ferkelereignis::Geburt, lebend);
            // Each lost piglet counts one on its loss day. A run of slots with one loss day
            // goes in as one count: a loss count only grows here, so the piglets one by one
            // would go to the same line.
            const int verluste = Verluste(w);
            for (int slot = 1, lauf = 1; slot <= verluste; slot += lauf) {
                const std::uint8_t verlusttag = w.Verlusttag(slot);
                lauf = 1;
                while (slot + lauf <= verluste && w.Verlusttag(slot + lauf) == verlusttag)
                    ++lauf;
                const TKurzDatum tag = TageAddierenDatum(verlusttag - 1, abferkeln);
                buch.Hinzufuegen(tag, Ferkelereignis::Verlust, lauf);
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
