#pragma once

// Small herds for the evaluation tests: dates are days after 1.1.2020.

#include "evaluation/auswertung.h"
#include "herd/sauherde.h"
#include "platform/recordingcanvas.h"

#include <QDate>
#include <QTest>
#include <initializer_list>
#include <utility>

inline TKurzDatum Tag(int n) {
    return n < 0 ? TKurzDatum{} : TKurzDatum::aus(QDate(2020, 1, 1).addDays(n));
}

// A litter mated on `beleg` (boar "Ajax"), farrowed and weaned on the given days (-1: not yet).
inline TWurfRec Wurf(int nr, int beleg, int ferkeln = -1, int absetzen = -1, int geb = 0,
                     int tot = 0) {
    TWurfRec w = TWurfRec::leer(std::uint8_t(nr));
    w.setBelegen(1, Tag(beleg));
    w.setEber(1, "Ajax");
    w.setMal(1, 1);
    w.setAbferkeln(Tag(ferkeln));
    w.setAbsetzen(Tag(absetzen));
    w.setGeborene(std::uint8_t(geb));
    w.setTodgeborene(std::uint8_t(tot));
    return w;
}

// Losses (cause, Verlusttag) from slot 1 up.
inline void Verluste(TWurfRec& w, std::initializer_list<std::pair<const char*, int>> v) {
    int slot = 1;
    for (const auto& [ursache, tag] : v) {
        w.setEintrag(slot, QString::fromUtf8(ursache));
        w.setVerlusttag(slot++, std::uint8_t(tag));
    }
}

inline Sau Sau1(const QString& nr, int zugang, std::vector<TWurfRec> wuerfe, int abgang = -1) {
    Sau s;
    s.rec.setSauNr(nr);
    s.rec.setZugang(Tag(zugang));
    s.rec.setAbgang(Tag(abgang));
    s.wuerfe = std::move(wuerfe);
    return s;
}

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
