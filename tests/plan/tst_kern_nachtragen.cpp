// After a booking the work plan, the overview and the open-points count are redone for the
// changed sows only; at start the overview is built while the herd is read. Either way they
// must come out as if built from the whole herd.

#include "entry/offenepunkte.h"
#include "entry/offenepunktezahl.h"
#include "herd/herdfile.h"
#include "plan/arbeitsplan.h"
#include "plan/uebersichtstand.h"
#include "platform/nebenlauf.h"
#include "programm/geaendertesauen.h"
#include "support/begrenztesgeraet.h"
#include "support/herdbau.h"
#include "support/testcontext.h"

#include <QtTest>

namespace {

const QDate kHeute(2020, 12, 1); // day 335 after 1.1.2020

// The rows as the plan shows them, for comparing two plans.
QStringList zeilenText(const std::vector<TArbeitsplanZeile>& zeilen) {
    QStringList out;
    for (const TArbeitsplanZeile& z : zeilen) {
        QString zeile =
            QString::number(z.sau) + u'|' + z.SauNr.text() + u'|' + KurzDatumText(z.Ferkeln) + u'|';
        for (const TagesZelle& t : z.Tage)
            zeile += t.text() + u',';
        out << zeile;
    }
    return out;
}

// The overview's counts and due lists, for comparing two overviews.
QStringList uebersichtText(const HerdUebersicht& u) {
    QStringList out;
    for (int n : u.status)
        out << QString::number(n);
    out << QString::number(u.bestand) << QString::number(u.abgaengeJahr);
    for (const auto* listen : {&u.woche, &u.ueberfaellig})
        for (const auto& liste : *listen) {
            QString zeile;
            for (const FaelligeSau& f : liste)
                zeile +=
                    QStringLiteral("%1/%2/%3 ").arg(f.sau).arg(f.wurf).arg(KurzDatumText(f.datum));
            out << zeile;
        }
    return out;
}

} // namespace

class TestNachtragen : public QObject {
    Q_OBJECT
private slots:
    void wieNeuGebaut_data();
    void wieNeuGebaut();
    void grenzenZaehlenAllesNeu();
    void geaenderteSauen();
    void beimLesenGebaut();
    void gegebeneSauenBleibenLiegen_data();
    void gegebeneSauenBleibenLiegen();
    void nebenlaufMeldetFehler();
};

void TestNachtragen::wieNeuGebaut_data() {
    QTest::addColumn<unsigned>("seed");
    QTest::addColumn<int>("sauen");
    QTest::addColumn<int>("geaendert");
    QTest::newRow("one sow of 60") << 1u << 60 << 1;
    QTest::newRow("a batch of 20 of 60") << 2u << 60 << 20;
    QTest::newRow("every sow of 12") << 3u << 12 << 12;
    QTest::newRow("one sow of one") << 4u << 1 << 1;
    QTest::newRow("the same sow twice") << 5u << 40 << -1;
}

// Random sows are redrawn; the plan rows and the open points of the changed herd, redone for
// those sows, equal the whole herd's.
void TestNachtragen::wieNeuGebaut() {
    QFETCH(unsigned, seed);
    QFETCH(int, sauen);
    QFETCH(int, geaendert);
    Herde herde = zufallsHerde(seed, sauen);
    const TPlanZeiten zeiten = PlanZeitenStandard();
    const TPlanTyp typ = StandardPlanTyp({});
    const TKurzDatum erster = K(kHeute);
    const OffenePunkteVorgaben v = PunkteVorgaben(PruefGrenzen{}, zeiten, 115, kHeute);
    auto zeilen = PlanZeilen(herde, zeiten, typ, erster, 115);
    OffenePunkteZahl zahl;
    zahl.zaehlen(herde, v);
    const UebersichtVorgaben uv = UebersichtVorgabenAus(zeiten, PruefGrenzen{}, 115, kHeute);
    Uebersichtsstand stand;
    stand.erneuern(herde, {}, true, uv, v);
    QCOMPARE(uebersichtText(stand.uebersicht()),
             uebersichtText(UebersichtBilden(herde, zeiten, PruefGrenzen{}, 115, kHeute)));
    QCOMPARE(stand.offenePunkte(), (long long)OffenePunkte(herde, v).size());

    Zufall zufall(seed * 7 + 1);
    std::vector<int> welche = geaendert < 0 ? std::vector<int>{3, 3} : std::vector<int>{};
    for (int k = 0; k < geaendert; ++k)
        welche.push_back(zufall.zahl(0, sauen - 1));
    for (int i : welche)
        herde[std::size_t(i)] = zufallsSau(zufall, i + 1);

    PlanZeilenNachtragen(zeilen, herde, welche, zeiten, typ, erster, 115);
    QCOMPARE(zeilenText(zeilen), zeilenText(PlanZeilen(herde, zeiten, typ, erster, 115)));
    zahl.nachzaehlen(herde, welche, v);
    QCOMPARE(zahl.summe(), (long long)OffenePunkte(herde, v).size());
    stand.erneuern(herde, welche, false, uv, v);
    QCOMPARE(uebersichtText(stand.uebersicht()),
             uebersichtText(UebersichtBilden(herde, zeiten, PruefGrenzen{}, 115, kHeute)));
    QCOMPARE(stand.offenePunkte(), zahl.summe());
}

// Other limits, another day or another herd size count every sow again; another day also
// sorts every sow into the overview again.
void TestNachtragen::grenzenZaehlenAllesNeu() {
    Herde herde = zufallsHerde(9, 50);
    OffenePunkteVorgaben v = PunkteVorgaben(PruefGrenzen{}, PlanZeitenStandard(), 115, kHeute);
    OffenePunkteZahl zahl;
    zahl.zaehlen(herde, v);
    Uebersichtsstand stand;
    const auto vorgaben = [](QDate heute) {
        return UebersichtVorgabenAus(PlanZeitenStandard(), PruefGrenzen{}, 115, heute);
    };
    stand.erneuern(herde, {}, true, vorgaben(kHeute), v);
    v.grenzen.maxLebend = 5;
    zahl.nachzaehlen(herde, {}, v);
    QCOMPARE(zahl.summe(), (long long)OffenePunkte(herde, v).size());
    v.heute = kHeute.addDays(400);
    zahl.nachzaehlen(herde, {}, v);
    QCOMPARE(zahl.summe(), (long long)OffenePunkte(herde, v).size());
    stand.erneuern(herde, {}, false, vorgaben(v.heute), v);
    QCOMPARE(uebersichtText(stand.uebersicht()),
             uebersichtText(UebersichtBilden(herde, PlanZeitenStandard(), {}, 115, v.heute)));
    herde.pop_back();
    zahl.nachzaehlen(herde, {}, v);
    QCOMPARE(zahl.summe(), (long long)OffenePunkte(herde, v).size());
}

// Which sows changed, as the notices tell it: named ones once each, else all.
void TestNachtragen::geaenderteSauen() {
    HerdZustand h;
    GeaenderteSauen g(h.meldung);
    bool alle = false;
    QVERIFY(g.abholen(alle).empty());
    QVERIFY(alle); // nothing is known at the start
    h.AenderungMerken({4, 1});
    h.AenderungMerken({4});
    QCOMPARE(g.abholen(alle), (std::vector<int>{1, 4}));
    QVERIFY(!alle);
    QVERIFY(g.abholen(alle).empty());
    QVERIFY(!alle);
    h.AenderungMerken({2});
    h.AenderungMerken(); // some sow, not said which
    g.abholen(alle);
    QVERIFY(alle);
    h.AenderungMerken({2});
    h.SauenGeaendert();
    g.abholen(alle);
    QVERIFY(alle);
}

// The overview built on a second thread while the herd file is read equals the one built on
// the herd afterwards.
void TestNachtragen::beimLesenGebaut() {
    TestContext t(kHeute);
    const Herde herde = zufallsHerde(6, 300);
    QVERIFY(schreiben(t.pfad(QString::fromLatin1(kHerdeDatei)), herdBytes(herde)));
    const Uebersichtsstand stand = HerdeMitUebersichtLaden(t.ctx);
    QCOMPARE(t.ctx.Sauenliste.size(), herde.size());
    const Uebersichtsrahmen r = UebersichtsrahmenAus(t.ctx);
    QCOMPARE(
        uebersichtText(stand.uebersicht()),
        uebersichtText(UebersichtBilden(t.ctx.Sauenliste, t.ctx.Planzeiten,
                                        t.ctx.einstellungen.pruefung, t.ctx.Tragezeit, kHeute)));
    QCOMPARE(stand.offenePunkte(), (long long)OffenePunkte(t.ctx.Sauenliste, r.punkte).size());
}

void TestNachtragen::gegebeneSauenBleibenLiegen_data() {
    QTest::addColumn<bool>("ohneGroesse");
    QTest::addColumn<int>("abbruch");
    QTest::newRow("device of unknown size: the list grows") << true << -1;
    QTest::newRow("the reading fails at sow 500") << false << 500;
}

// Each sow given to the second thread is done before the list of sows moves (read from a
// device of unknown size it grows as it goes) or goes (the reading fails); AddressSanitizer
// would see it read after.
void TestNachtragen::gegebeneSauenBleibenLiegen() {
    QFETCH(bool, ohneGroesse);
    QFETCH(int, abbruch);
    const Herde herde = zufallsHerde(7, 700);
    BegrenztesGeraet geraet(1 << 30, {}, 4096);
    QByteArray bytes;
    QBuffer datei(&bytes);
    QIODevice& dev = ohneGroesse ? static_cast<QIODevice&>(geraet) : datei;
    QVERIFY(dev.open(QIODevice::WriteOnly) && HerdeSchreiben(dev, herde));
    dev.close();
    QVERIFY(dev.open(QIODevice::ReadOnly));
    std::vector<int> folge;
    std::size_t wuerfe = 0;
    int verschoben = 0;
    struct Gegeben {
        const Sau* sau;
        int index;
    };
    Nebenlauf<Gegeben> walk([&](const Gegeben& g) {
        folge.push_back(g.index);
        wuerfe += g.sau->wuerfe.size(); // reads the sow where she was given
    });
    FakeMessages msg;
    const SauGelesen gelesen{[&](const Sau& s, int i) {
                                 if (i == abbruch) throw std::bad_alloc();
                                 walk.geben({&s, i});
                             },
                             [&] {
                                 ++verschoben;
                                 walk.leeren();
                             }};
    Herde gelesenHerde;
    if (abbruch >= 0) {
        QVERIFY_THROWS_EXCEPTION(std::bad_alloc, HerdeLesen(dev, kHeute, msg, gelesen));
    } else {
        gelesenHerde = HerdeLesen(dev, kHeute, msg, gelesen).herde; // kept until the walk ends
        QVERIFY(verschoben > 5);                                    // the list grew step by step
    }
    walk.warten();
    const int n = abbruch >= 0 ? abbruch : int(herde.size());
    QCOMPARE(int(folge.size()), n);
    if (abbruch < 0) QCOMPARE(gelesenHerde.size(), herde.size());
    QVERIFY(std::is_sorted(folge.begin(), folge.end()));
    std::size_t erwartet = 0;
    for (int i = 0; i < n; ++i)
        erwartet += abbruch < 0 ? gelesenHerde[std::size_t(i)].wuerfe.size()
                                : std::max<std::size_t>(herde[std::size_t(i)].wuerfe.size(), 1);
    QCOMPARE(wuerfe, erwartet);
}

// An error of the work on the second thread comes out where the caller waits; the items after
// it are left.
void TestNachtragen::nebenlaufMeldetFehler() {
    std::vector<int> getan;
    Nebenlauf<int> lauf([&](const int& i) {
        if (i == 300) throw std::runtime_error("kaputt");
        getan.push_back(i);
    });
    for (int i = 0; i < 600; ++i)
        lauf.geben(i);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, lauf.warten());
    QCOMPARE(getan.size(), std::size_t(300));
}

QTEST_GUILESS_MAIN(TestNachtragen)
#include "tst_kern_nachtragen.moc"
