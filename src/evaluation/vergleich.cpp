#include "vergleich.h"

#include "evaluation/kennzahlzeilen.h"
#include "platform/canvas.h"
#include "platform/csvwriter.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <unordered_map>

namespace {

// Upper case as GrossText does it (a..z, ä ö ü), on the Windows-1252 bytes.
Kurzname gross(Kurzname n) {
    for (std::size_t i = 0; i < n.laenge; ++i) {
        const auto c = std::uint8_t(n.z[i]);
        if ((c >= 'a' && c <= 'z') || c == 0xE4 || c == 0xF6 || c == 0xFC) n.z[i] = char(c - 32);
    }
    return n;
}

const Kurzname& schluessel(const Auswertungskopie& kopie, int sau, int i, Vergleichsart art,
                           Kurzname& eber) {
    const KopieSau& s = kopie.sau(sau);
    if (art == vaHerkunft) return s.Herkunft;
    if (art == vaRasse) return s.Rasse;
    const KopieWurf& w = kopie.wuerfe(sau)[std::size_t(i)];
    const std::size_t b = !w.Eber[2].leer() ? 2 : !w.Eber[1].leer() ? 1 : 0;
    eber = gross(w.Eber[b]);
    return eber;
}

QString z(double x, int d) {
    return Zahl(x, 0, d);
}

} // namespace

TVergleichsgruppen VergleichBilden(const Auswertungskopie& kopie, const TAuswertungsFilter& filter,
                                   Vergleichsart art, const Einstellungen& e,
                                   const std::function<void(int)>& fortschritt) {
    const Filtervergleich f(filter);
    const TAuswertungsModus modus = art == vaEber ? amEber : amAuswahl;
    TVergleichsgruppen g;
    // The groups by key, so that each lookup is one hash probe instead of a walk.
    std::unordered_map<std::string, int> index;
    Kurzname eber;
    for (int s = 0; s < kopie.sauenAnzahl(); ++s) {
        if (fortschritt) fortschritt(s);
        bool ersterWurf = true;
        for (int i = 0; i < int(kopie.wuerfe(s).size()); ++i) {
            if (!WurfImFilter(f, kopie, s, i)) continue;
            const Kurzname& k = schluessel(kopie, s, i, art, eber);
            const auto [it, neu] =
                index.try_emplace(std::string(k.z.data(), k.laenge), int(g.Gruppen.size()));
            if (neu) {
                g.Gruppen.emplace_back();
                g.Gruppennamen.append(k.text());
            }
            TKennzahlen& gruppe = g.Gruppen[std::size_t(it->second)];
            WurfZahlenAddieren(f, kopie, s, i, gruppe, modus, e);
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
        if (r.mitWerten && r.mitZeit) wert = std::max(wert, c.textWidth(z(r.WuerfeJahr, 2)));
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
    const auto t = [&c, d](double x, double y, const char* text) {
        c.drawText(x + d, y, QString::fromUtf8(text));
    };
    if (art != vaEber) c.drawText(90 + v.name, 0, QStringLiteral("Sauen/"));
    t(165, 0, "Würfe");
    t(230, 0, "Ferkel/Jahr");
    t(350 + s, 0, "Tage");
    t(430 + s, 0, "1*Umr");
    t(490 + s, 0, "2*Umr");
    t(545 + s, 0, "Anomal");
    t(605 + s, 0, "Ausfall");
    c.drawText(90 + v.name, h, QStringLiteral("Würfe"));
    t(165, h, "/Jahr");
    t(220, h, "geb.");
    t(275, h, "abg.");
    if (weibliche) t(320, h, "weibl.");
    t(320 + s, h, "Säuge");
    t(380 + s, h, "Leer");
    for (double x : {450.0, 510.0, 565.0, 625.0})
        t(x + s, h, "%");
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
        TextRechts(c, 200 + d, y, z(r.WuerfeJahr, 2));
        TextRechts(c, 255 + d, y, z(r.GeboreneJahr, 1));
        TextRechts(c, 305 + d, y, z(r.AbgesetzteJahr, 1));
        if (weibliche) TextRechts(c, 360 + d, y, z(r.WeiblicheJahr, 1));
    }
    TextRechts(c, 355 + s + d, y, z(r.Saeugetage, 0));
    TextRechts(c, 400 + s + d, y, z(r.Leertage, 0));
    if (r.mitBelegungen) {
        TextRechts(c, 460 + s + d, y, z(r.Umrauscher1, 1));
        TextRechts(c, 520 + s + d, y, z(r.Umrauscher2, 1));
    }
    if (r.mitGeborenen) {
        TextRechts(c, 580 + s + d, y, z(r.Anomalien, 1));
        TextRechts(c, 640 + s + d, y, z(r.Ausfaelle, 1));
    }
}
