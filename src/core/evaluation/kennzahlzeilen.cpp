#include "evaluation/kennzahlzeilen.h"

#include "herd/numformat.h"

namespace {

using Zelle = KennzahlZelle;

// Builds the rows in table order.
class Zeilen {
public:
    Zeilen(const TAuswertungsStand& st, const Einstellungen& e, bool druck)
        : st_(st), k_(st.Summe), e_(e), druck_(druck), eber_(st.Modus == amEber),
          wurfTeiler_(k_.Wuerfe != 0 ? double(k_.Wuerfe) : 1.0),
          zwzSumme_(double(k_.Zwischenwurfzeit)) {}

    std::vector<KennzahlZeile> bauen() {
        if (eber_) {
            deckungen();
            geborene();
            if (druck_ && e_.weibliche)
                zeile("weibliche Ferkel", {{Kante::Gesamt, Ganz(k_.Weibliche)}});
            geburtsgewicht();
            befunde(true);
            return std::move(z_);
        }
        const QString tage = QStringLiteral(" Tage");
        zeile("Zwischenwurfzeit",
              {{Kante::Mittel, Zahl(zwzSumme_ / wurfTeiler_, 4, 0), tage},
               {Kante::WuerfeJahr,
                zwzSumme_ > 0 ? Zahl(365.0 / (zwzSumme_ / wurfTeiler_), 8, 2) : QString(),
                QStringLiteral(" Würfe/Jahr")}});
        geborene();
        const int lebend = k_.Geborene - k_.Todgeborene;
        zeile("lebend/tot",
              {Zelle::Paar(Kante::Mittel, proJahr(lebend), QStringLiteral("/"),
                           proJahr(k_.Todgeborene)),
               Zelle::Paar(Kante::Gesamt, Ganz(lebend), QStringLiteral("/"), Ganz(k_.Todgeborene)),
               Zelle::Paar(Kante::JeWurf, Zahl(lebend / wurfTeiler_, 5, 1), QStringLiteral("/"),
                           Zahl(k_.Todgeborene / wurfTeiler_, 5, 1))});
        if (e_.weibliche) zeile("weibliche Ferkel", {{Kante::Gesamt, Ganz(k_.Weibliche)}});
        geburtsgewicht();
        zeile("Trächtigkeitsdauer",
              {{Kante::Mittel, Zahl(k_.Traechtigkeit / wurfTeiler_, 4, 0), tage}});
        zeile("abgesetzte Ferkel/Jahr",
              {{Kante::Mittel, proJahr(k_.Abgesetzte)},
               {Kante::Gesamt, Ganz(k_.Abgesetzte, 5)},
               {Kante::JeWurf, Zahl(k_.Abgesetzte / wurfTeiler_, 14, 1)}});
        if (e_.absGewicht) {
            const bool n = k_.AbsetzgewichtAnzahl != 0;
            zeile("Absetzgewicht",
                  {{Kante::Mittel,
                    n ? Zahl(k_.AbsetzgewichtSumme / k_.AbsetzgewichtAnzahl, 6, 1) : QString(),
                    n ? QStringLiteral(" kg") : QString()}});
        }
        zeile("Absetzalter", {{Kante::Mittel, Zahl(k_.Saeugetage / wurfTeiler_, 4, 0), tage}});
        const int leer = k_.Leertage + k_.Umrauschtage;
        zeile(druck_ ? "Leertage" : "Leerzeit",
              {{Kante::Mittel, Zahl(leer / wurfTeiler_, 4, 0), tage}, {Kante::Gesamt, Ganz(leer)}});
        zeile("Leer bis Verkauf", {{Kante::Gesamt, Ganz(k_.LeerBisAbgang)}});
        umrauscher("Umrauscher         1 mal", k_.ZweitBelegungen, 4);
        umrauscher("Umrauscher         2 mal", k_.DrittBelegungen, 10);
        for (KennzahlZeile& r : z_)
            r.doppelpunkt = true;
        befunde(false);
        if (k_.AusgleichZu != k_.AusgleichAb) saldo();
        if (st_.Modus == amAuswahl)
            zeile("Remontierungsquote",
                  {{Kante::Mittel, Zahl(k_.Remontierungsquote, 4, 1), QStringLiteral(" %")}});
        return std::move(z_);
    }

private:
    void zeile(const char* text, std::vector<Zelle> zellen) {
        KennzahlZeile r;
        r.text = QString::fromUtf8(text);
        r.zellen = std::move(zellen);
        z_.push_back(std::move(r));
    }
    QString proJahr(double x) const {
        return zwzSumme_ > 0 ? Zahl(x * 365.0 / zwzSumme_, 6, 1) : QString();
    }
    QString prozent(double x, double von, int w) const { return Zahl(x / von * 100.0, w, 1); }

    void geborene() {
        zeile("geborene Ferkel/Jahr",
              {{Kante::Mittel, proJahr(k_.Geborene)},
               {Kante::Gesamt, Ganz(k_.Geborene)},
               {Kante::JeWurf, Zahl(k_.Geborene / wurfTeiler_, druck_ || eber_ ? 4 : 5, 1)}});
    }
    void geburtsgewicht() {
        if (!e_.gebGewicht) return;
        const bool n = k_.GeburtsgewichtAnzahl != 0;
        zeile("Geburtsgewicht",
              {{Kante::Mittel,
                n ? Zahl(k_.GeburtsgewichtSumme / k_.GeburtsgewichtAnzahl, 4, 0) : QString(),
                n ? QStringLiteral(" g") : QString()}});
    }
    void deckungen() {
        const bool n = k_.Deckungen > 0;
        zeile("Deckungen", {{Kante::Gesamt, Ganz(k_.Deckungen, 5)}});
        zeile("mehrfach",
              n ? std::vector<Zelle>{{Kante::Mittel, prozent(k_.Mehrfach, k_.Deckungen, 6),
                                      QStringLiteral(" %")},
                                     {Kante::Gesamt, Ganz(k_.Mehrfach, 5)}}
                : std::vector<Zelle>{});
        zeile("Trefferquote",
              n ? std::vector<Zelle>{{Kante::Mittel, prozent(k_.Treffer, k_.Deckungen, 6),
                                      QStringLiteral(" %")},
                                     {Kante::Gesamt, Ganz(k_.Treffer, 5)}}
                : std::vector<Zelle>{});
    }
    void umrauscher(const char* text, int n, int breite) {
        const QString rate =
            k_.ErstBelegungen > 0 ? prozent(n, k_.ErstBelegungen, 5) : QStringLiteral("0");
        zeile(text,
              {{Kante::Mittel, rate, QStringLiteral(" %")}, {Kante::Gesamt, Ganz(n, breite)}});
    }
    // "Anomalitäten" and, outside the boar mode, "Ausfälle", each with its opened details.
    void befunde(bool nurAnomalien) {
        befund("Anomalitäten", k_.AnomalienAnzahl, 4, k_.AnomalieListe, st_.AnomalienOffen,
               KennzahlZeile::AnomalienKnopf);
        if (!nurAnomalien)
            befund("Ausfälle", k_.AusfaelleAnzahl, 5, k_.AusfallListe, st_.AusfaelleOffen,
                   KennzahlZeile::AusfaelleKnopf);
    }
    void befund(const char* text, int anzahl, int breite, const std::vector<TBefundEintrag>& liste,
                bool offen, KennzahlZeile::Knopf knopf) {
        std::vector<Zelle> zellen;
        if (k_.Geborene > 0 && anzahl > 0)
            zellen = {{Kante::Mittel, prozent(anzahl, k_.Geborene, 6), QStringLiteral(" %")},
                      {Kante::Gesamt, Ganz(anzahl, breite)},
                      {Kante::JeWurf, Zahl(anzahl / wurfTeiler_, 4, 1)}};
        zeile(text, std::move(zellen));
        z_.back().knopf = knopf;
        if (!offen) return;
        for (const TBefundEintrag& b : liste) {
            KennzahlZeile r;
            r.art = KennzahlZeile::Detail;
            r.text = b.Name.text();
            const QString anteil =
                anzahl > 0 ? Zahl(b.Anzahl * 100.0 / anzahl, 4, 1) : QStringLiteral("0");
            r.zellen = {{Kante::Anteil, anteil, QStringLiteral(" %")},
                        {Kante::Anzahl, Ganz(b.Anzahl)}};
            z_.push_back(std::move(r));
        }
    }
    void saldo() {
        KennzahlZeile r;
        r.art = KennzahlZeile::Saldo;
        r.text = QStringLiteral("Saldo Wurfausgleiche :");
        r.vorschub = 2.5;
        r.zellen = {{Kante::SaldoMittel, Ganz(k_.AusgleichZu - k_.AusgleichAb, 4)},
                    Zelle::Paar(Kante::SaldoGesamt, Ganz(k_.AusgleichZu), QStringLiteral(" / -"),
                                Ganz(k_.AusgleichAb))};
        z_.push_back(std::move(r));
    }

    const TAuswertungsStand& st_;
    const TKennzahlen& k_;
    const Einstellungen& e_;
    bool druck_, eber_;
    double wurfTeiler_, zwzSumme_;
    std::vector<KennzahlZeile> z_;
};

} // namespace

QString Zahl(double x, int w, int d) {
    return numformat::zahl(x, d).rightJustified(w);
}

QString Ganz(long long x, int w) {
    return QString::number(x).rightJustified(w);
}

std::vector<KennzahlZeile> KennzahlZeilen(const TAuswertungsStand& stand, const Einstellungen& e,
                                          bool druck) {
    return Zeilen(stand, e, druck).bauen();
}
