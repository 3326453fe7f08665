#include "feed/optimierer.h"

#include <QRandomGenerator>
#include <QtTest>
#include <cmath>

namespace {

using Posten = std::array<TMischungsPosten, kMischungPosten>;
using Ziele = std::array<double, kNaehrwerte>;

TMischungsPosten posten(const QString& name, std::initializer_list<double> inhalt,
                        bool fest = false, double anteil = 0) {
    TMischungsPosten p;
    p.setName(name);
    int m = 0;
    for (double v : inhalt)
        p.setInhalt(m++, v);
    p.setFest(fest);
    p.setAnteil(anteil);
    p.beitraegeBerechnen();
    return p;
}

Ziele standardZiele() {
    Ziele z{};
    z[fwTS] = 880;
    return z;
}

// The column of the programme's matrix with the given basis code.
std::array<double, kNaehrwerte> spalte(const MischungsLP& lp, int code) {
    std::array<double, kNaehrwerte> s{};
    if (code < 100) {
        for (int r = 0; r < kNaehrwerte; ++r)
            s[r] = lp.a[r][code];
    } else if (code < 200) {
        const int r = code - 100;
        s[r] = MischungsLP::art(r) == MischungsLP::Hoechstens ? 1 : -1;
    } else {
        s[code - 200] = 1;
    }
    return s;
}

// Solves B^T y = c_B for the basis the solver reports, independently of its tableau.
bool dualeAusBasis(const MischungsLP& lp, const std::array<int, kNaehrwerte>& basis,
                   std::array<double, kNaehrwerte>& y) {
    constexpr int n = kNaehrwerte;
    double m[n][n + 1];
    for (int i = 0; i < n; ++i) {
        const auto s = spalte(lp, basis[i]);
        for (int r = 0; r < n; ++r)
            m[i][r] = s[r];
        m[i][n] = basis[i] < 100 ? lp.c[basis[i]] : 0.0;
    }
    for (int k = 0; k < n; ++k) {
        int p = k;
        for (int i = k + 1; i < n; ++i)
            if (std::abs(m[i][k]) > std::abs(m[p][k])) p = i;
        if (std::abs(m[p][k]) < 1e-12) return false;
        std::swap(m[p], m[k]);
        for (int i = 0; i < n; ++i) {
            if (i == k) continue;
            const double g = m[i][k] / m[k][k];
            for (int j = k; j <= n; ++j)
                m[i][j] -= g * m[k][j];
        }
    }
    for (int i = 0; i < n; ++i)
        y[i] = m[i][n] / m[i][i];
    return true;
}

double mal(const std::array<double, kNaehrwerte>& y, const std::array<double, kNaehrwerte>& s) {
    double t = 0;
    for (int r = 0; r < kNaehrwerte; ++r)
        t += y[r] * s[r];
    return t;
}

// Every row of the programme met by x, computed here rather than by the solver.
QString zeilenVerletzt(const MischungsLP& lp, const std::array<double, kMischungPosten>& x) {
    for (int i = 0; i < lp.v; ++i)
        if (x[i] < -1e-9) return QStringLiteral("Anteil %1 negativ").arg(i);
    for (int r = 0; r < kNaehrwerte; ++r) {
        double s = 0;
        for (int i = 0; i < lp.v; ++i)
            s += lp.a[r][i] * x[i];
        const double tol = 1e-5 * (1 + std::abs(lp.b[r]));
        const auto art = MischungsLP::art(r);
        if ((art == MischungsLP::Gleich && std::abs(s - lp.b[r]) > tol) ||
            (art == MischungsLP::Mindestens && s < lp.b[r] - tol) ||
            (art == MischungsLP::Hoechstens && s > lp.b[r] + tol))
            return QStringLiteral("Zeile %1: %2 gegen %3").arg(r).arg(s).arg(lp.b[r]);
    }
    return {};
}

// Dual signs: a lower limit's slack column (-1) needs y >= 0, an upper limit's (+1) y <= 0.
bool schlupfVorzeichen(const std::array<double, kNaehrwerte>& y, double tol) {
    for (int r = 1; r < kNaehrwerte; ++r) {
        const bool oben = MischungsLP::art(r) == MischungsLP::Hoechstens;
        if (oben ? y[r] > tol : y[r] < -tol) return false;
    }
    return true;
}

// A realistic component: contents drawn around those of feed grains, meals, oils and
// minerals, some nutrients absent.
TMischungsPosten zufallsPosten(QRandomGenerator& g, int nr) {
    static const double grenze[kFutterWerte] = {900, 18,  480, 30,  8,   650, 150,
                                                990, 900, 350, 120, 120, 90};
    TMischungsPosten p;
    p.setName(QStringLiteral("K%1").arg(nr));
    for (int m = 0; m < kFutterWerte; ++m) {
        double v = g.bounded(grenze[m]);
        if (m == fwTS)
            v = 850 + g.bounded(50.0);
        else if (m != fwPreis && g.bounded(4) == 0)
            v = 0;
        else if (m == fwPreis)
            v = 5 + v;
        p.setInhalt(m, v);
    }
    return p;
}

} // namespace

class TestOptimierer : public QObject {
    Q_OBJECT
private slots:
    void alleFestBestehtMitVNull() {
        Posten p{};
        p[0] = posten("Weizen", {880, 13.8, 120}, true, 0.6);
        p[1] = posten("Gerste", {880, 12.6, 105}, true, 0.4);
        const Posten vorher = p;
        const OptimierAusgang a = Optimieren(p, 2, standardZiele());
        QVERIFY(a.ok);
        QVERIFY(p == vorher);
    }

    void standardZieleGebenRechteSeiten() {
        Posten p{};
        p[0] = posten("A", {880, 13, 120, 4, 2, 500, 40, 20, 15, 1, 3, 0.2, 20});
        p[1] = posten("B", {880, 12, 105, 4, 2, 450, 50, 22, 20, 1, 3, 0.2, 18});
        const MischungsLP lp = LPAufstellen(p, 0, 2, standardZiele());
        const std::array<double, kNaehrwerte> erwartet{880, 0, 0, 0, 0, 0, 880, 880, 880, 0, 0, 0};
        QCOMPARE(lp.v, 2);
        QCOMPARE(lp.b, erwartet);
        QCOMPARE(lp.c[1], 18.0);
        // A fixed part above an upper limit lifts the limit, one above a target clears it.
        p[0].setFest(true);
        p[0].setAnteil(1.0);
        p[0].beitraegeBerechnen();
        Ziele z = standardZiele();
        z[fwRFas] = 30;
        z[fwRProt] = 100;
        const MischungsLP mitFest = LPAufstellen(p, 1, 2, z);
        QCOMPARE(mitFest.b[fwRFas], 880.0);
        QCOMPARE(mitFest.b[fwRProt], 0.0);
        QCOMPARE(mitFest.b[fwTS], 0.0);
    }

    void festeKommenNachVorneInDerGefundenenReihenfolge_data() {
        QTest::addColumn<QString>("fest"); // one letter per slot, upper case = fixed
        QTest::addColumn<QString>("danach");
        QTest::newRow("fester im letzten Platz") << "abcdefghijklmnO"
                                                 << "Obcdefghijklmna";
        QTest::newRow("zwei feste") << "aBcDe"
                                    << "BDcae";
        QTest::newRow("schon vorne") << "ABcd"
                                     << "ABcd";
        QTest::newRow("keiner") << "abc"
                                << "abc";
    }
    void festeKommenNachVorneInDerGefundenenReihenfolge() {
        QFETCH(QString, fest);
        Posten p{};
        for (int i = 0; i < fest.size(); ++i)
            p[i] = posten(fest.mid(i, 1), {880, 10, 100, 5, 2, 400, 40, 30, 50, 5, 5, 1, 20},
                          fest[i].isUpper(), fest[i].isUpper() ? 0.05 : 0.0);
        Optimieren(p, int(fest.size()), standardZiele());
        QString ist;
        for (int i = 0; i < fest.size(); ++i)
            ist += p[i].Name();
        QTEST(ist, "danach");
    }

    void gleicheQuotientenDieNiedrigereZeileGeht() {
        // A: TS 880 / 500 and RProt 176 / 100 give the same quotient 1.76 in rows 0 and 2.
        Posten p{};
        p[0] = posten("A", {500, 0, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 10});
        p[1] = posten("B", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 50});
        Ziele z = standardZiele();
        z[fwRProt] = 176;
        const MischungsLP lp = LPAufstellen(p, 0, 2, z);
        const LPLoesung l = LPLoesen(lp);
        QCOMPARE(l.status, LPLoesung::Optimal);
        QCOMPARE(l.basis[0], 0); // A took the TS row
        QCOMPARE(l.basis[2], 102);
        QCOMPARE(l.x[0], 1.76);
        QCOMPARE(l.x[1], 0.0);
    }

    void unerfuellbarLaesstAnteileUndNenntZiele() {
        // Protein 400 cannot be reached with at most 60 g crude fibre from these two.
        Posten p{};
        p[0] = posten("Weizen", {880, 13.8, 120, 3.4, 1.9, 580, 26, 18, 17, 0.6, 3.3, 0.1, 20},
                      false, 0.3);
        p[1] = posten("Raps", {890, 10.6, 350, 19, 7, 0, 125, 25, 70, 7, 11, 0.3, 25}, false, 0.7);
        Ziele z = standardZiele();
        z[fwRProt] = 400;
        z[fwRFas] = 60;
        const Posten vorher = p;
        const OptimierAusgang a = Optimieren(p, 2, z);
        QVERIFY(!a.ok);
        QVERIFY(p == vorher);
        QVERIFY2(a.unvereinbar.contains("RProt"), qPrintable(a.unvereinbar.join(',')));
        QVERIFY(a.unvereinbar.contains("TS"));
        QVERIFY(!a.unvereinbar.contains("Na"));
    }

    void zufallsmischungenSindZulaessigUndOptimal() {
        QRandomGenerator g(20261206);
        int loesbar = 0, unloesbar = 0;
        for (int lauf = 0; lauf < 4000; ++lauf) {
            Posten p{};
            const int n = 1 + int(g.bounded(15));
            for (int i = 0; i < n; ++i) {
                p[i] = zufallsPosten(g, i);
                // Duplicates make ties and degenerate steps.
                if (i > 0 && g.bounded(6) == 0) p[i] = p[i - 1];
                if (g.bounded(8) == 0) {
                    p[i].setFest(true);
                    p[i].setAnteil(g.bounded(0.2));
                    p[i].beitraegeBerechnen();
                }
            }
            static const double typisch[kNaehrwerte] = {880, 13, 170, 9, 3, 350,
                                                        60,  60, 60,  8, 5, 2};
            Ziele z{};
            for (int r = 0; r < kNaehrwerte; ++r)
                z[r] = r == 0 ? 880 : (g.bounded(3) == 0 ? 0 : typisch[r] * (0.3 + g.bounded(1.2)));
            const int f = FesteNachVorne(p, n);
            const MischungsLP lp = LPAufstellen(p, f, n, z);
            if (lp.v == 0) continue;
            const LPLoesung l = LPLoesen(lp);
            const QByteArray wo = QByteArray("Lauf ") + QByteArray::number(lauf);
            QVERIFY2(l.status != LPLoesung::Abbruch, wo);
            if (l.status == LPLoesung::Optimal) {
                ++loesbar;
                const QString fehler = zeilenVerletzt(lp, l.x);
                QVERIFY2(fehler.isEmpty(), wo + ' ' + fehler.toUtf8());
                std::array<double, kNaehrwerte> y{};
                QVERIFY2(dualeAusBasis(lp, l.basis, y), wo);
                const double tol = 1e-6 * (1 + std::abs(l.kosten));
                for (int i = 0; i < lp.v; ++i)
                    QVERIFY2(mal(y, spalte(lp, i)) <= lp.c[i] + 1e-6, wo);
                QVERIFY2(schlupfVorzeichen(y, 1e-7), wo);
                double kosten = 0;
                for (int i = 0; i < lp.v; ++i)
                    kosten += lp.c[i] * l.x[i];
                QVERIFY2(std::abs(mal(y, lp.b) - kosten) <= tol, wo);
            } else {
                ++unloesbar;
                for (int i = 0; i < lp.v; ++i)
                    QVERIFY2(mal(l.y, spalte(lp, i)) <= 1e-7, wo);
                QVERIFY2(schlupfVorzeichen(l.y, 1e-7), wo);
                QVERIFY2(mal(l.y, lp.b) > 1e-7, wo);
            }
        }
        qInfo("%d lösbar, %d unlösbar", loesbar, unloesbar);
        // Both answers must be common, or the test proves little.
        QVERIFY2(loesbar > 500 && unloesbar > 500,
                 qPrintable(QStringLiteral("%1 lösbar, %2 unlösbar").arg(loesbar).arg(unloesbar)));
    }
};

QTEST_GUILESS_MAIN(TestOptimierer)
#include "tst_optimierer.moc"
