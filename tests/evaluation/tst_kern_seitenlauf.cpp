// The page engine of every printout: the line rule over a range of lines (heads with the page
// number on every page, at least one line a page, progress and cancel) and the block rule.

#include "platform/recordingcanvas.h"
#include "platform/seitenlauf.h"
#include "support/herdbau.h"

#include <QTest>

namespace {

// What one walk drew: the lines by page and y, the heads' page numbers, the progress told.
struct Lauf {
    QList<int> zeilen, seiten;
    QList<double> ys;
    QStringList koepfe;
    QList<int> fortschritt;
    bool fertig = false;
    double fuss = 0, h = 0;
    int seitenZahl = 0;
};

Lauf laufen(double hoehe, double punkt, double kopfZeilen, Druckbereich b, int abbruchNach = 0) {
    RecordingCanvas c(600, hoehe, 1.0);
    c.setFont("Arial", punkt, Canvas::Normal);
    Seitenlauf s(c, 80, 1.2);
    Lauf l;
    const auto kopf = [&](Seitenlauf& seite) {
        c.drawText(0, seite.oben(), seite.seitenText());
        l.koepfe << seite.seitenText();
        return seite.oben() + kopfZeilen * seite.zeilenhoehe();
    };
    double y = s.beginnen(kopf, 2 * s.zeilenhoehe());
    const auto zeile = [&](int i, double zy) {
        l.zeilen << i;
        l.ys << zy;
        l.seiten << s.seite();
    };
    l.fertig = s.zeilen(b, y, zeile, [&](int erledigt, int) {
        l.fortschritt << erledigt;
        return abbruchNach == 0 || l.fortschritt.size() < abbruchNach;
    });
    l.fuss = s.fuss();
    l.h = s.zeilenhoehe();
    l.seitenZahl = c.pageCount();
    return l;
}

} // namespace

class TestSeitenlauf : public QObject {
    Q_OBJECT
private slots:
    // Random pages, fonts and ranges, badly scaled ones among them (heads taller than the page,
    // a pitch of less than one unit, pages a few units high, empty ranges).
    void zeilenregelUeberZufallsseiten() {
        Zufall r(17);
        for (int n = 0; n < 300; ++n) {
            const double hoehe = n % 10 == 0 ? r.zahl(1, 20) : r.zahl(50, 2049);
            const double punkt = n % 7 == 0 ? 0.05 : r.zahl(1, 40);
            const double kopf = n % 5 == 0 ? 60 : r.zahl(0, 3);
            const int von = r.zahl(1, 20), bis = r.zahl(0, 299);
            const Lauf l = laufen(hoehe, punkt, kopf, {von, bis});
            QVERIFY(l.fertig);
            QVERIFY(l.h >= 1);
            // Every line once, in order; one head a page, numbered from 1.
            QCOMPARE(l.zeilen.size(), std::max(0, bis - von + 1));
            for (int i = 0; i < l.zeilen.size(); ++i)
                QCOMPARE(l.zeilen[i], von + i);
            QCOMPARE(l.koepfe.size(), l.seitenZahl);
            QCOMPARE(l.koepfe.last(), QStringLiteral("Seite %1").arg(l.seitenZahl));
            QCOMPARE(l.fortschritt.size(), l.seitenZahl);
            QCOMPARE(l.fortschritt.last(), int(l.zeilen.size()));
            for (int i = 1; i < l.zeilen.size(); ++i) {
                if (l.seiten[i] == l.seiten[i - 1]) {
                    // A line after the first of its page lies above the foot ...
                    QVERIFY(l.ys[i] < l.fuss);
                    QCOMPARE(l.ys[i], l.ys[i - 1] + l.h);
                } else {
                    // ... and a page ends only when the next line would not.
                    QCOMPARE(l.seiten[i], l.seiten[i - 1] + 1);
                    QVERIFY(l.ys[i - 1] + l.h >= l.fuss);
                }
            }
        }
    }

    void abbruchNachSeiten() {
        const Lauf l = laufen(200, 10, 1, {1, 100}, 2);
        QVERIFY(!l.fertig);
        QCOMPARE(l.seitenZahl, 2);
        QCOMPARE(l.fortschritt.size(), 2);
        QVERIFY(l.fortschritt[0] > 0 && l.fortschritt[1] > l.fortschritt[0]);
        QCOMPARE(l.zeilen.size(), l.fortschritt[1]);
    }

    // A block that ends right on the foot still fits; one unit more begins a new page three
    // pitches down, without heads when none were given.
    void blockregel() {
        RecordingCanvas c(800, 1000, 1.0);
        c.setFont("Arial", 10, Canvas::Normal);
        Seitenlauf s(c, 80, 1.0);
        double y = s.fuss() - 5 * s.zeilenhoehe();
        QVERIFY(!s.platz(y, 5 * s.zeilenhoehe()));
        QCOMPARE(c.pageCount(), 1);
        QVERIFY(s.platz(y, 5 * s.zeilenhoehe() + 1));
        QCOMPARE(c.pageCount(), 2);
        QCOMPARE(s.seite(), 2);
        QCOMPARE(y, 3 * s.zeilenhoehe());
        QCOMPARE(c.texts().size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestSeitenlauf)
#include "tst_kern_seitenlauf.moc"
