#pragma once

// Evaluating and reading printouts for the evaluation tests; the herds come from herdbau.h
// (Tag, Wurf, Verluste, Sau1: dates are days after 1.1.2020).

#include "evaluation/auswertung.h"
#include "platform/recordingcanvas.h"
#include "support/herdbau.h"

#include <QDate>
#include <QTest>
#include <initializer_list>
#include <utility>

// A filter over every date the tests use.
inline TAuswertungsFilter AllesFilter(TDatumsart art = daBelegen) {
    TAuswertungsFilter f;
    f.Von = Tag(0);
    f.Bis = Tag(5000);
    f.Datumsart = art;
    return f;
}

// The sum of `herde` in `modus` (sow 0, litter `wurf` for the sow modes).
inline TKennzahlen Auswerten(const Herde& herde, TAuswertungsModus modus,
                             const TAuswertungsFilter& f = AllesFilter(),
                             const Einstellungen& e = {}, int wurf = -1) {
    const Auswertungskopie kopie(herde);
    TAuswertungsStand st;
    st.Modus = modus;
    st.filter = f;
    st.Sau = 0;
    st.Wurf = wurf;
    KennzahlenBerechnen(st, kopie, e);
    return st.Summe;
}

// Every figure of a sum, for comparing two sums.
inline QList<double> Werte(const TKennzahlenWerte& k) {
    QList<double> w;
    w << k.Wuerfe << k.Zwischenwurfzeit << k.Leertage << k.Traechtigkeit << k.TragenUndSaeugen;
    w << k.Saeugetage << k.Umrauschtage << k.Einstalltage << k.LeerBisAbgang << k.Geborene;
    w << k.Weibliche << k.Todgeborene << k.Abgesetzte << k.GeburtsgewichtSumme;
    w << k.AbsetzgewichtSumme << k.GeburtsgewichtAnzahl << k.AbsetzgewichtAnzahl;
    w << k.AnomalienAnzahl << k.AusfaelleAnzahl << k.ErstBelegungen << k.ZweitBelegungen;
    w << k.DrittBelegungen << k.Deckungen << k.Treffer << k.Mehrfach << k.AusgleichAb;
    return w << k.AusgleichZu;
}

// The texts of a printout (of one page, `seite` >= 0), in drawing order.
inline QStringList texte(const RecordingCanvas& c, int seite = -1) {
    QStringList t;
    for (const auto& it : c.texts())
        if (seite < 0 || it.page == seite) t << it.text;
    return t;
}

// A list printout of `zeilen` lines (texts at x = 30 starting with `anfang`, heads aside) on
// pages `hoehe` high: each page with "Seite: n" and the heads, the title on the first only, no
// line starting below the height less three lines, each page but the last full, and `letzte`
// on the last page.
inline void SeitenPruefen(const RecordingCanvas& c, double hoehe, const QString& anfang,
                          const QStringList& koepfe, const QString& titel, int zeilen,
                          const QString& letzte) {
    QVERIFY(c.pageCount() >= 2);
    const double h = c.textHeight();
    int gedruckt = 0;
    for (int p = 0; p < c.pageCount(); ++p) {
        QStringList texte;
        double unten = 0;
        for (const auto& it : c.texts()) {
            if (it.page != p) continue;
            texte << it.text;
            if (it.x1 == 30 && it.text.startsWith(anfang) && !koepfe.contains(it.text)) {
                ++gedruckt;
                unten = std::max(unten, it.y1);
            }
        }
        QVERIFY(texte.contains(QStringLiteral("Seite: %1").arg(p + 1, 2)));
        for (const QString& k : koepfe)
            QVERIFY2(texte.contains(k), qPrintable(k));
        QCOMPARE(texte.contains(titel), p == 0);
        QVERIFY(unten < hoehe - 3 * h);
        if (p + 1 < c.pageCount()) QVERIFY(unten + h >= hoehe - 3 * h);
        if (p + 1 == c.pageCount()) QVERIFY(texte.contains(letzte));
    }
    QCOMPARE(gedruckt, zeilen);
}
