// The register of animal movements and the piglet day book: order and adding rule, lines,
// stock, printed pages and tables.

#include "auswertungtesthilfe.h"
#include "evaluation/ferkelbuch.h"
#include "evaluation/saubewegung.h"
#include "herd/kurzdatum.h"
#include "platform/csvwriter.h"
#include "support/textlage.h"

#include <QTest>

namespace {

// A date from a small pool, so that many fall on the same day; sometimes none.
TKurzDatum ZufallsDatum(Zufall& r) {
    if (r.einmalIn(8)) return {};
    return TKurzDatum::aus(r.zahl(1, 28), r.zahl(1, 3), r.zahl(2010, 2011));
}

std::vector<TBewegung> Zeilen(int n) {
    Herde h;
    for (int i = 1; i <= n; ++i)
        h.push_back(SauMit(QString::number(i), dt(1 + i % 28, 1, 2012), dt(2, 2, 2013)));
    return BewegungenBilden(h);
}

struct Ereignis {
    TKurzDatum d;
    Ferkelereignis art;
    int n;
};

// Walk from the start past earlier dates and past lines of the same date without a count of
// the kind; add there on the same date, else insert a new line there.
std::vector<TAbgangTag> WoertlichGelaufen(const std::vector<Ereignis>& ereignisse) {
    std::vector<TAbgangTag> liste;
    for (const Ereignis& e : ereignisse) {
        auto it = liste.begin();
        while (it != liste.end() &&
               (DatumVor(it->Datum, e.d) || (!DatumVor(e.d, it->Datum) && Anzahl(*it, e.art) == 0)))
            ++it;
        if (it != liste.end() && !DatumVor(e.d, it->Datum)) {
            Anzahl(*it, e.art) += e.n;
        } else {
            TAbgangTag neu;
            neu.Datum = e.d;
            Anzahl(neu, e.art) = e.n;
            liste.insert(it, neu);
        }
    }
    return liste;
}

QStringList Text(const std::vector<TAbgangTag>& tage) {
    QStringList t;
    for (const auto& z : tage)
        t << QStringLiteral("%1 %2/%3/%4")
                 .arg(KurzDatumText(z.Datum))
                 .arg(z.Geboren)
                 .arg(z.Verlust)
                 .arg(z.Abgesetzt);
    return t;
}

Herde EineSau(std::vector<TWurfRec> wuerfe) {
    return {sau("1", std::move(wuerfe))};
}

} // namespace

class TstBestandsbuecher : public QObject {
    Q_OBJECT
private slots:
    void wieDieEinfuegung() {
        Zufall r(7);
        for (int lauf = 0; lauf < 20; ++lauf) {
            Herde h = zufallsHerde(quint32(lauf), r.zahl(0, 299));
            const int n = int(h.size());
            // The Zusatz plays no part in the order.
            for (Sau& s : h) {
                TKurzDatum z = s.rec.Zugang();
                z.Zusatz = std::uint8_t(r.einmalIn(4) ? r.zahl(1, 3) : 0);
                s.rec.setZugang(z);
            }
            // By entry date (an empty one first), equal dates in reverse herd order.
            const auto liste = BewegungenBilden(h);
            QCOMPARE(int(liste.size()), n);
            for (std::size_t i = 0; i + 1 < liste.size(); ++i) {
                const TBewegung &a = liste[i], &b = liste[i + 1];
                QVERIFY(DatumVor(a.Zugang, b.Zugang) ||
                        (!DatumVor(b.Zugang, a.Zugang) &&
                         a.SauNr.text().toInt() > b.SauNr.text().toInt()));
            }
        }
    }

    void bewegungenDruckBereich_data() {
        QTest::addColumn<int>("von");
        QTest::addColumn<int>("bis");
        QTest::addColumn<int>("erste");
        QTest::addColumn<int>("letzte"); // 0: no line
        QTest::newRow("ausserhalb geklemmt") << -5 << 9999 << 1 << 200;
        QTest::newRow("von > bis nur Koepfe") << 9 << 3 << 0 << 0;
    }
    void bewegungenDruckBereich() {
        QFETCH(int, von);
        QFETCH(int, bis);
        QFETCH(int, erste);
        QFETCH(int, letzte);
        const auto liste = Zeilen(200);
        RecordingCanvas c(860, 1200);
        QVERIFY(BewegungenDrucken(c, liste, von, bis, "Arial"));
        // Each line carries its sow's TVG "T" + number.
        QStringList tvg;
        for (const QString& t : texte(c))
            if (t.startsWith(u'T') && t != "TVG-Nr.") tvg << t;
        QStringList erwartet;
        for (int i = erste; erste > 0 && i <= letzte; ++i)
            erwartet << liste[i - 1].TVG.text();
        QCOMPARE(tvg, erwartet);
        if (erste == 0) QCOMPARE(c.pageCount(), 1);
        for (int p = 0; p < c.pageCount(); ++p) // the heads on every page
            QCOMPARE(texte(c, p).value(0), "Sau-Nr.");
    }

    // The origin keeps its name while the page has room and never runs into the departure
    // date; origin and buyer have their heads. A4 at 1200 dots per inch: u = 110, 12 points
    // are 120 dots a character.
    void bewegungenDruckHerkunft_data() {
        QTest::addColumn<QString>("herkunft");
        QTest::addColumn<QString>("abnehmer");
        QTest::addColumn<QString>("gedruckt");
        const auto zeile = [](const char* n, const char* herkunft, const char* abnehmer,
                              const char* gedruckt) {
            QTest::newRow(n) << QString(herkunft) << QString(abnehmer) << QString(gedruckt);
        };
        zeile("own rearing", "eigene Aufzucht", "EG Nordvieh", "eigene Aufzucht");
        zeile("longest name", "Zuchtbetrieb Lindenhof", "", "Zuchtbetrieb Li");
        zeile("no room left by the buyer: cut", "Zuchtbetrieb Lindenhof", "Tierkörperbeseitigung",
              "Zuchtbetrieb");
    }
    void bewegungenDruckHerkunft() {
        QFETCH(QString, herkunft);
        QFETCH(QString, abnehmer);
        QFETCH(QString, gedruckt);
        const auto liste = BewegungenBilden(Herde{
            SauMit("1", dt(5, 3, 2012), dt(22, 12, 2021), herkunft, abnehmer), SauMit("2", {})});
        RecordingCanvas c(9500, 13500, 1200.0 / 72);
        QVERIFY(BewegungenDrucken(c, liste, 1, 2, "Arial"));
        const QString ueber = TextUeberlappung(c);
        QVERIFY2(ueber.isEmpty(), qPrintable(ueber));
        const QStringList t = texte(c);
        QVERIFY(t.contains("Herkunft") && t.contains("Abnehmer"));
        QVERIFY2(t.contains(gedruckt), qPrintable(t.join(u'|')));
    }

    void bewegungenCsv() {
        const auto liste = BewegungenBilden(Herde{
            SauMit("1;2", dt(5, 3, 2012), dt(7, 8, 2013), "Hof", "Händler"), SauMit("2", {})});
        const QString text = QString::fromUtf8(BewegungenAlsCsv(liste).bytes());
        const QStringList zeilen = text.split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(zeilen, (QStringList{"Nr.;Sau-Nr.;TVG-Nr.;Einstallung;Herkunft;Abgang;Abnehmer",
                                      "1;2;T2;;;;",
                                      "2;\"1;2\";\"T1;2\";05.03.2012;Hof;07.08.2013;Händler"}));
    }

    void wieDerLauf() {
        Zufall r(11);
        for (int lauf = 0; lauf < 30; ++lauf) {
            std::vector<Ereignis> e;
            Ferkelbuch buch;
            for (int i = r.zahl(0, 399); i > 0; --i) {
                // Damaged bytes too, and two dates whose bytes differ but whose keys agree.
                const TKurzDatum seltsam[] = {D(5, 1, 111), D(105, 0, 111), D(40, 200, 3),
                                              D(255, 255, 255)};
                TKurzDatum d = r.einmalIn(5) ? seltsam[r.zahl(0, 3)] : ZufallsDatum(r);
                d.Zusatz = std::uint8_t(r.zahl(0, 1));
                // Counts of zero and below too: such lines never take a count again.
                e.push_back({d, Ferkelereignis(r.zahl(0, 2)), r.zahl(-1, 4)});
                buch.Hinzufuegen(e.back().d, e.back().art, e.back().n);
            }
            QCOMPARE(Text(buch.Tage()), Text(WoertlichGelaufen(e)));
        }
    }

    void wuerfe_data() {
        QTest::addColumn<Herde>("herde");
        QTest::addColumn<QStringList>("zeilen"); // date born/lost/weaned
        QTest::addColumn<int>("bestand");
        const TKurzDatum f = dt(10, 3, 2012), a = dt(7, 4, 2012);
        QTest::newRow("zwei Wuerfe am selben Tag, ein Verlust")
            << EineSau({WurfMit(10, 1, 0, f, {}, {1}), WurfMit(8, 0, 0, f, {})})
            << QStringList{"10.3.12 17/0/0", "10.3.12 0/1/0"} << 16;
        QTest::newRow("12 geboren, 2 tot, Verlust am 3. Tag, +1 versetzt")
            << EineSau({WurfMit(12, 2, 1, f, a, {3})})
            << QStringList{"10.3.12 10/0/0", "12.3.12 0/1/0", "7.4.12 0/0/10"} << -1;
        QTest::newRow("Amme gibt ab: Bestand ausgeglichen")
            << EineSau({WurfMit(12, 2, 1, f, a, {3}), WurfMit(9, 0, -1, f, a)})
            << QStringList{"10.3.12 19/0/0", "12.3.12 0/1/0", "7.4.12 0/0/18"} << 0;
        QTest::newRow("vierzehn Verluste")
            << EineSau({WurfMit(16, 0, 0, f, {}, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2})})
            << QStringList{"10.3.12 16/0/0", "10.3.12 0/13/0", "11.3.12 0/1/0"} << 2;
        QTest::newRow("saeugend, Verluste bis zur Luecke")
            << EineSau({WurfMit(11, 1, 0, f, {}, {2, 5, 0, 9})})
            << QStringList{"10.3.12 10/0/0", "11.3.12 0/1/0", "14.3.12 0/1/0"} << 8;
        QTest::newRow("nicht abgeferkelt oder keins lebend")
            << EineSau({WurfMit(10, 0, 0, {}, a), WurfMit(5, 5, 0, f, a), WurfMit(3, 4, 0, f, a)})
            << QStringList{} << 0;
    }
    void wuerfe() {
        QFETCH(Herde, herde);
        const Ferkelliste l = FerkelbuchBilden(herde);
        QTEST(Text(l.Tage), "zeilen");
        QTEST(l.Bestand, "bestand");
    }

    void ferkelbuchDruck() {
        // 100 litters on 100 days: 200 lines.
        Sau s = sau("1");
        for (int i = 0; i < 100; ++i)
            s.wuerfe.push_back(
                WurfMit(10, 0, 0, TageAddierenDatum(i, dt(1, 1, 2012)), {}, {i % 3 + 2}));
        const Ferkelliste l = FerkelbuchBilden(Herde{s});
        QCOMPARE(int(l.Tage.size()), 200);
        QCOMPARE(l.Bestand, 900);

        RecordingCanvas c(860, 1200);
        QVERIFY(FerkelbuchDrucken(c, l, 0, 500, "Arial"));
        const auto t = c.texts();
        QCOMPARE(t.at(t.size() - 2).text, "Bestand");
        QCOMPARE(t.last().text, "900");
        QCOMPARE(t.at(t.size() - 7).text, "200"); // the last line's running number

        // On 4.1 the loss came before the births, so its line stands first.
        RecordingCanvas teil(860, 1200);
        QVERIFY(FerkelbuchDrucken(teil, l, 5, 6, "Arial"));
        QCOMPARE(texte(teil, 0).mid(5), (QStringList{"5", "4.1.12", "", "", "1", "6", "4.1.12",
                                                     "10", "", "", "Bestand", "900"}));
    }

    void ferkelbuchCsv() {
        const Ferkelliste l =
            FerkelbuchBilden(EineSau({WurfMit(12, 2, 1, dt(10, 3, 2012), dt(7, 4, 2012), {3})}));
        const QStringList zeilen =
            QString::fromUtf8(FerkelbuchAlsCsv(l).bytes()).split("\r\n", Qt::SkipEmptyParts);
        QCOMPARE(zeilen,
                 (QStringList{"Index;Datum;Geboren;Abgesetzt;Verlust", "1;10.03.2012;10;0;0",
                              "2;12.03.2012;0;0;1", "3;07.04.2012;0;10;0", ";Bestand;-1"}));
    }
};

QTEST_GUILESS_MAIN(TstBestandsbuecher)
#include "tst_bestandsbuecher.moc"
