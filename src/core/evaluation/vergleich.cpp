#include "evaluation/vergleich.h"

#include "evaluation/kennzahlzeilen.h"
#include "platform/canvas.h"
#include "platform/csvwriter.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <unordered_map>

namespace {

// The boar of the latest mating that names one.
const Kurzname& eberDes(const KopieWurf& w) {
    return w.Eber(!w.Eber(3).leer() ? 3 : !w.Eber(2).leer() ? 2 : 1);
}

// The groups by key in order of first appearance. A boar's group is that of his name in upper
// case; each name as stored finds it once, later litters by the stored name alone.
class Gruppenwahl {
public:
    explicit Gruppenwahl(TVergleichsgruppen& g) : g_(g) {}

    int gruppe(const Kurzname& k) {
        const auto [it, neu] =
            index_.try_emplace(std::string(k.z.data(), k.laenge), int(g_.Gruppen.size()));
        if (neu) {
            g_.Gruppen.emplace_back();
            g_.Gruppennamen.append(k.text());
        }
        return it->second;
    }
    int eber(const Kurzname& k) {
        // The stored names live in the working copy as long as the comparison runs.
        const auto [it, neu] = eber_.try_emplace(std::string_view(k.z.data(), k.laenge), 0);
        if (neu) it->second = gruppe(k.gross());
        return it->second;
    }

private:
    TVergleichsgruppen& g_;
    std::unordered_map<std::string, int> index_;
    std::unordered_map<std::string_view, int> eber_;
};

} // namespace

TVergleichsgruppen VergleichBilden(const Auswertungskopie& kopie, const TAuswertungsFilter& filter,
                                   Vergleichsart art, const Einstellungen& e,
                                   const std::function<void(int)>& fortschritt) {
    const Filtervergleich f(filter);
    const TAuswertungsModus modus = art == vaEber ? amEber : amAuswahl;
    TVergleichsgruppen g;
    Gruppenwahl wahl(g);
    for (int s = 0; s < kopie.sauenAnzahl(); ++s) {
        if (fortschritt) fortschritt(s);
        bool ersterWurf = true;
        int gruppeDerSau = -1; // origin and breed: the sow's key serves all her litters
        const KopieSauSicht sau = kopie.sicht(s);
        for (int i = 0; i < int(sau.wuerfe.size()); ++i) {
            if (!WurfImFilter(f, sau, i)) continue;
            if (art == vaEber)
                gruppeDerSau = wahl.eber(eberDes(sau.wuerfe[std::size_t(i)]));
            else if (gruppeDerSau < 0)
                gruppeDerSau = wahl.gruppe(art == vaHerkunft ? sau.sau.Herkunft : sau.sau.Rasse);
            TKennzahlen& gruppe = g.Gruppen[std::size_t(gruppeDerSau)];
            WurfZahlenAddieren(f, sau, i, gruppe, modus, e);
            if (ersterWurf) ++gruppe.Sauen;
            ersterWurf = false;
        }
    }
    return g;
}

std::vector<TVergleichszeile> VergleichZeilen(const TVergleichsgruppen& g, Vergleichsart art) {
    std::vector<TVergleichszeile> zeilen;
    zeilen.reserve(g.Gruppen.size());
    for (std::size_t n = 0; n < g.Gruppen.size(); ++n) {
        const TKennzahlen& k = g.Gruppen[n];
        TVergleichszeile& r = zeilen.emplace_back();
        r.Name = g.Gruppennamen[qsizetype(n)];
        const int w = k.Wuerfe, zeit = k.Zwischenwurfzeit;
        r.Anzahl = art == vaEber || w == 0 ? QString::number(w)
                                           : QStringLiteral("%1/%2").arg(k.Sauen).arg(w);
        r.mitWerten = w > 0;
        if (!r.mitWerten) continue;
        r.mitZeit = zeit > 0;
        if (r.mitZeit) {
            r.WuerfeJahr = 365.0 / (double(zeit) / w);
            r.GeboreneJahr = k.Geborene * 365.0 / zeit;
            r.AbgesetzteJahr = k.Abgesetzte * 365.0 / zeit;
            r.WeiblicheJahr = k.Weibliche * 365.0 / zeit;
        }
        r.Saeugetage = double(k.Saeugetage) / w;
        r.Leertage = double(k.Umrauschtage) / w;
        r.mitBelegungen = k.ErstBelegungen > 0;
        if (r.mitBelegungen) {
            r.Umrauscher1 = double(k.ZweitBelegungen) / k.ErstBelegungen * 100.0;
            r.Umrauscher2 = double(k.DrittBelegungen) / k.ErstBelegungen * 100.0;
        }
        r.mitGeborenen = k.Geborene > 0;
        if (r.mitGeborenen) {
            r.Anomalien = double(k.AnomalienAnzahl) / k.Geborene * 100.0;
            r.Ausfaelle = double(k.AusfaelleAnzahl) / k.Geborene * 100.0;
        }
    }
    return zeilen;
}

QString VergleichTitel(Vergleichsart art, const QString& filtertext) {
    const QString art_ = art == vaEber       ? QStringLiteral("Eber")
                         : art == vaHerkunft ? QStringLiteral("Herkunfts")
                                             : QStringLiteral("Rassen");
    return art_ + QStringLiteral("vergleich  ") + filtertext;
}

VergleichVersatz VergleichVersaetze(const Canvas& c, const std::vector<TVergleichszeile>& zeilen,
                                    double nameX, double anzahlX, double wertEnde, double luecke) {
    double name = 0, anzahl = 0, wert = 0;
    for (const TVergleichszeile& r : zeilen) {
        name = std::max(name, c.textWidth(r.Name));
        anzahl = std::max(anzahl, c.textWidth(r.Anzahl));
        if (r.mitWerten && r.mitZeit) wert = std::max(wert, c.textWidth(Zahl(r.WuerfeJahr, 0, 2)));
    }
    VergleichVersatz v;
    v.name = std::max(0.0, nameX + name + luecke - anzahlX);
    v.anzahl = std::max(0.0, anzahlX + anzahl + luecke - (wertEnde - wert));
    return v;
}

VergleichVersatz VergleichBildschirmVersatz(const Canvas& c,
                                            const std::vector<TVergleichszeile>& zeilen) {
    return VergleichVersaetze(c, zeilen, 0, 100, 200, 4);
}

void VergleichKopfZeichnen(Canvas& c, Vergleichsart art, bool weibliche,
                           const VergleichVersatz& v) {
    const double h = c.textHeight();
    const double s = weibliche ? 60 : 0;
    c.drawText(10, 0, QStringLiteral("Name"));
    const double d = v.name + v.anzahl;
    const auto kopf = [&c, d](double x, double y, const char* text) {
        c.drawText(x + d, y, QString::fromUtf8(text));
    };
    if (art != vaEber) c.drawText(90 + v.name, 0, QStringLiteral("Sauen/"));
    kopf(165, 0, "Würfe");
    kopf(230, 0, "Ferkel/Jahr");
    kopf(350 + s, 0, "Tage");
    kopf(430 + s, 0, "1*Umr");
    kopf(490 + s, 0, "2*Umr");
    kopf(545 + s, 0, "Anomal");
    kopf(605 + s, 0, "Ausfall");
    c.drawText(90 + v.name, h, QStringLiteral("Würfe"));
    kopf(165, h, "/Jahr");
    kopf(220, h, "geb.");
    kopf(275, h, "abg.");
    if (weibliche) kopf(320, h, "weibl.");
    kopf(320 + s, h, "Säuge");
    kopf(380 + s, h, "Leer");
    for (double x : {450.0, 510.0, 565.0, 625.0})
        kopf(x + s, h, "%");
}

void VergleichZeileZeichnen(Canvas& c, const TVergleichszeile& r, double y, bool weibliche,
                            const VergleichVersatz& v) {
    const double s = weibliche ? 60 : 0;
    const double d = v.name + v.anzahl;
    // A long name stops short of the count.
    c.drawText(0, y, Eingepasst(c, r.Name, 96 + v.name));
    c.drawText(100 + v.name, y, r.Anzahl);
    if (!r.mitWerten) return;
    if (r.mitZeit) {
        TextRechts(c, 200 + d, y, Zahl(r.WuerfeJahr, 0, 2));
        TextRechts(c, 255 + d, y, Zahl(r.GeboreneJahr, 0, 1));
        TextRechts(c, 305 + d, y, Zahl(r.AbgesetzteJahr, 0, 1));
        if (weibliche) TextRechts(c, 360 + d, y, Zahl(r.WeiblicheJahr, 0, 1));
    }
    TextRechts(c, 355 + s + d, y, Zahl(r.Saeugetage, 0, 0));
    TextRechts(c, 400 + s + d, y, Zahl(r.Leertage, 0, 0));
    if (r.mitBelegungen) {
        TextRechts(c, 460 + s + d, y, Zahl(r.Umrauscher1, 0, 1));
        TextRechts(c, 520 + s + d, y, Zahl(r.Umrauscher2, 0, 1));
    }
    if (r.mitGeborenen) {
        TextRechts(c, 580 + s + d, y, Zahl(r.Anomalien, 0, 1));
        TextRechts(c, 640 + s + d, y, Zahl(r.Ausfaelle, 0, 1));
    }
}
