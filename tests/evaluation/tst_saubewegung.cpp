// The register of animal movements: its order, its lines, its printed pages and its table.

#include "berichtshilfe.h"
#include "evaluation/saubewegung.h"
#include "herd/kurzdatum.h"
#include "platform/csvwriter.h"

#include <QTest>

namespace {

QStringList Nummern(const std::vector<TBewegung>& liste) {
    QStringList nr;
    for (const auto& b : liste)
        nr << b.SauNr;
    return nr;
}

// Each sow in turn inserted before the first line whose Zugang is not earlier than hers.
QStringList WoertlichEingefuegt(const Herde& herde) {
    std::vector<TBewegung> liste;
    for (const Sau& s : herde) {
        auto it = liste.begin();
        while (it != liste.end() && DatumVor(it->Zugang, s.rec.Zugang()))
            ++it;
        liste.insert(it, TBewegung{s.rec.SauNr(), s.rec.Zugang(), {}, {}, {}, {}});
    }
    return Nummern(liste);
}

std::vector<TBewegung> Zeilen(int n) {
    Herde h;
    for (int i = 1; i <= n; ++i)
        h.push_back(SauMit(QString::number(i), D(1 + i % 28, 1, 2012), D(2, 2, 2013)));
    return BewegungenBilden(h);
}

} // namespace

class TstSaubewegung : public QObject {
    Q_OBJECT
private slots:
    void reihenfolge_data() {
        QTest::addColumn<Herde>("herde");
        QTest::addColumn<QStringList>("erwartet");
        QTest::newRow("ohne Zugang zuerst") << Herde{SauMit("a", D(5, 3, 2012)), SauMit("b", {}),
                                                     SauMit("c", D(1, 1, 2011)), SauMit("d", {})}
                                            << QStringList{"d", "b", "c", "a"};
        QTest::newRow("gleicher Tag in umgekehrter Herdenfolge")
            << Herde{SauMit("a", D(5, 3, 2012)), SauMit("b", D(5, 3, 2012)),
                     SauMit("c", D(4, 3, 2012)), SauMit("d", D(5, 3, 2012))}
            << QStringList{"c", "d", "b", "a"};
        QTest::newRow("Jahr vor Monat vor Tag")
            << Herde{SauMit("a", D(1, 2, 2012)), SauMit("b", D(31, 1, 2012)),
                     SauMit("c", D(1, 1, 2013))}
            << QStringList{"b", "a", "c"};
    }
    void reihenfolge() {
        QFETCH(Herde, herde);
        QFETCH(QStringList, erwartet);
        QCOMPARE(Nummern(BewegungenBilden(herde)), erwartet);
    }

    void wieDieEinfuegung() {
        QRandomGenerator r(7);
        for (int lauf = 0; lauf < 20; ++lauf) {
            Herde h;
            const int n = int(r.bounded(300));
            for (int i = 0; i < n; ++i) {
                Sau s = SauMit(QString::number(i), ZufallsDatum(r));
                // The Zusatz plays no part in the order.
                if (r.bounded(4) == 0) {
                    TKurzDatum z = s.rec.Zugang();
                    z.Zusatz = std::uint8_t(1 + r.bounded(3));
                    s.rec.setZugang(z);
                }
                h.push_back(s);
            }
            QCOMPARE(Nummern(BewegungenBilden(h)), WoertlichEingefuegt(h));
        }
    }

    void zeileOhneAbgang() {
        const auto liste = BewegungenBilden(Herde{SauMit("7", D(5, 3, 2012), {}, "Hof A")});
        QCOMPARE(liste.size(), std::size_t(1));
        RecordingCanvas c(600, 100);
        BewegungZeileZeichnen(c, liste[0], 0, 16);
        QStringList bei450, bei510;
        for (const auto& i : c.texts()) {
            if (i.x1 == 450) bei450 << i.text;
            if (i.x1 == 510) bei510 << i.text;
            QCOMPARE(i.y1, 16.0);
        }
        QCOMPARE(bei450, QStringList{QString()});
        QCOMPARE(bei510, QStringList{QString()});
        QVERIFY(c.texts().first().x2 == 25); // running number ends at 25
        QCOMPARE(c.texts().first().text, QStringLiteral("1"));
        QVERIFY(SeitenTexte(c, 0).contains(QStringLiteral("5.3.12")));
    }

    void druckBereich_data() {
        QTest::addColumn<int>("von");
        QTest::addColumn<int>("bis");
        QTest::addColumn<int>("erste");
        QTest::addColumn<int>("letzte"); // 0: no line
        QTest::newRow("Vorgabe 1 bis Anzahl") << 1 << 200 << 1 << 200;
        QTest::newRow("Mitte") << 17 << 23 << 17 << 23;
        QTest::newRow("ausserhalb geklemmt") << -5 << 9999 << 1 << 200;
        QTest::newRow("von > bis nur Koepfe") << 9 << 3 << 0 << 0;
    }
    void druckBereich() {
        QFETCH(int, von);
        QFETCH(int, bis);
        QFETCH(int, erste);
        QFETCH(int, letzte);
        const auto liste = Zeilen(200);
        RecordingCanvas c(860, 1200);
        QVERIFY(BewegungenDrucken(c, liste, von, bis, QStringLiteral("Arial")));
        QStringList nummern;
        for (const auto& i : c.texts())
            if (i.x1 == 30) nummern << i.text; // SauNr at 3 u, u = 10
        QStringList erwartet;
        for (int i = erste; erste > 0 && i <= letzte; ++i)
            erwartet << liste[i - 1].SauNr;
        QCOMPARE(nummern, erwartet);
        if (erste == 0) QCOMPARE(c.pageCount(), 1);
    }

    void druckSeiten() {
        const auto liste = Zeilen(200);
        RecordingCanvas c(860, 1200);
        int meldungen = 0;
        QVERIFY(
            BewegungenDrucken(c, liste, 1, 200, QStringLiteral("Arial"), [&](int fertig, int n) {
                ++meldungen;
                return fertig <= n;
            }));
        // h = 1.2 x 12 rounded = 14; lines from 42 while below 1200 - 42: 80 a page.
        QCOMPARE(c.pageCount(), 3);
        QCOMPARE(meldungen, 3);
        for (int s = 0; s < 3; ++s) {
            const QStringList t = SeitenTexte(c, s);
            QCOMPARE(t.mid(0, 4), (QStringList{"Sau-Nr.", "TVG-Nr.", "Einstallung", "Abgang"}));
            QCOMPARE(t.size(), 4 + 6 * (s < 2 ? 80 : 40));
        }
        for (const auto& i : c.texts()) {
            QCOMPARE(i.pointSize, 12.0);
            QVERIFY(i.y1 < 1200 - 42);
        }
        // A long origin stops before the departure date.
        RecordingCanvas lang(860, 1200);
        BewegungenDrucken(lang,
                          BewegungenBilden(Herde{
                              SauMit("1", D(5, 3, 2012), D(6, 3, 2013), "Zuchtbetrieb Lindenhof")}),
                          1, 1, "Arial");
        const auto t = lang.texts();
        QCOMPARE(t.at(7).text, QStringLiteral("Zuchtbetrieb Li"));
        QVERIFY(t.at(7).x2 < t.at(8).x1);
        QCOMPARE(t.at(8).text, QStringLiteral("6.3.13"));

        // Cancelled after the first page: no second one.
        RecordingCanvas abbruch(860, 1200);
        QVERIFY(
            !BewegungenDrucken(abbruch, liste, 1, 200, "Arial", [](int, int) { return false; }));
        QCOMPARE(abbruch.pageCount(), 1);
    }

    void csv() {
        const auto liste = BewegungenBilden(
            Herde{SauMit("1;2", D(5, 3, 2012), D(7, 8, 2013), "Hof", "Händler"), SauMit("2", {})});
        const QString text = QString::fromUtf8(BewegungenAlsCsv(liste).bytes());
        QVERIFY(BewegungenAlsCsv(liste).bytes().startsWith("\xEF\xBB\xBF"));
        const QStringList zeilen = text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(zeilen, (QStringList{"Nr.;Sau-Nr.;TVG-Nr.;Einstallung;Herkunft;Abgang;Abnehmer",
                                      "1;2;T2;;;;",
                                      "2;\"1;2\";\"T1;2\";05.03.2012;Hof;07.08.2013;Händler"}));
    }
};

QTEST_GUILESS_MAIN(TstSaubewegung)
#include "tst_saubewegung.moc"
