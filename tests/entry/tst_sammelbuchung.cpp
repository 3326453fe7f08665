#include "entry/sammelbuchung.h"
#include "stamm/terminnamen.h"
#include "support/fensterfixtur.h"

#include <QtTest>
#include <functional>
#include <numeric>

using namespace sammelbuchung;

namespace {

const TKurzDatum tag = dt(4, 3, 2013);

// A litter mated `matings` times from 1.10.2012 on; farrowed and weaned as asked.
TWurfRec belegterWurf(int nr, int matings, bool abgeferkelt = false, bool abgesetzt = false) {
    TWurfRec w = TWurfRec::leer(std::uint8_t(nr));
    for (int k = 1; k <= matings; ++k) {
        w.setBelegen(k, dt(k, 10, 2012));
        w.setEber(k, QStringLiteral("Alt"));
    }
    if (abgeferkelt) w.setAbferkeln(dt(20, 1, 2013));
    if (abgesetzt) w.setAbsetzen(dt(15, 2, 2013));
    return w;
}

Buchung buchung(int ep, int mal = 1, bool tragend = false, double kg = 0) {
    Buchung b;
    b.eingabepunkt = ep;
    b.datum = tag;
    b.eber = ep == epBelegen ? QStringLiteral("Eber-Nummer-12") : QStringLiteral("Schlachthof");
    b.mal = mal;
    b.tragend = tragend;
    b.absetzgewichtKg = kg;
    return b;
}

} // namespace

class TestSammelbuchung : public QObject {
    Q_OBJECT
private slots:
    void buchungJeEingabepunkt_data() {
        QTest::addColumn<Sau>("vorher");
        QTest::addColumn<Buchung>("b");
        QTest::addColumn<Sau>("nachher");
        QTest::addColumn<QString>("meldung");
        // A row: the sow before, the booking, what it changes in her (nothing when refused).
        const auto zeile = [](const char* n, const Sau& s, const Buchung& b,
                              std::function<void(Sau&)> f, const QString& meldung = {}) {
            Sau nach = s;
            if (f) f(nach);
            QTest::newRow(n) << s << b << nach << meldung;
        };
        const auto eber3 = [](Sau& s) {
            s.wuerfe[0].setBelegen(3, tag);
            s.wuerfe[0].setEber(3, QStringLiteral("Eber-Numme"));
        };
        const Sau abgesetzt = sau("A", {belegterWurf(3, 1, true, true)});
        zeile("mating after weaning: next litter", abgesetzt, buchung(epBelegen, 2), [](Sau& s) {
            TWurfRec w = TWurfRec::leer(4);
            w.setBelegen(1, tag);
            w.setEber(1, QStringLiteral("Eber-Numme"));
            w.setMal(1, 2);
            s.wuerfe.push_back(w);
        });
        zeile("two matings: third, Mal 1 stays 0", sau("B", {belegterWurf(1, 2)}),
              buchung(epBelegen), eber3);
        zeile("three matings: third overwritten", sau("C", {belegterWurf(1, 3)}),
              buchung(epBelegen, 3), [&](Sau& s) {
                  eber3(s);
                  s.wuerfe[0].setMal(3, 3);
              });
        const Sau saeugend = sau("17", {belegterWurf(1, 1, true)});
        zeile("suckling sow not mated", saeugend, buchung(epBelegen), {},
              QStringLiteral("Die Sau 17 ist zur Zeit säugend!"));
        const Sau belegt = sau("E", {belegterWurf(2, 1)});
        zeile("second check without first fills the first", belegt, buchung(epTK2, 1, true),
              [](Sau& s) {
                  s.wuerfe[0].setTKDatum(1, tag);
                  s.wuerfe[0].setTKErgebnis(1, 1);
              });
        Sau geprueft = belegt;
        geprueft.wuerfe[0].setTKDatum(1, dt(1, 11, 2012));
        zeile("second check after first", geprueft, buchung(epTK2),
              [](Sau& s) { s.wuerfe[0].setTKDatum(2, tag); });
        const QString nichtBelegt =
            QStringLiteral("Die Sau %1 wird zur Zeit nicht als belegt oder tragend geführt!");
        zeile("check of a farrowed sow refused", saeugend, buchung(epTK1), {},
              nichtBelegt.arg("17"));
        zeile("check of a sow without litter refused", sau("G", {}), buchung(epTK1), {},
              nichtBelegt.arg("G"));
        zeile("weaning with weight in grams", saeugend, buchung(epAbsetzen, 1, false, 7.2346),
              [](Sau& s) {
                  s.wuerfe[0].setAbsetzen(tag);
                  s.wuerfe[0].setAbsetzgewicht(7235);
              });
        Sau gewogen = saeugend;
        gewogen.wuerfe[0].setAbsetzgewicht(6000);
        zeile("weaning without weight keeps it", gewogen, buchung(epAbsetzen),
              [](Sau& s) { s.wuerfe[0].setAbsetzen(tag); });
        zeile("weaning without farrowing refused", belegt, buchung(epAbsetzen), {},
              QStringLiteral("Zur Sau E liegt keine Abferkeleintrag vor!"));
        zeile("departure with buyer", belegt, buchung(epAbgang), [](Sau& s) {
            s.rec.setAbgang(tag);
            s.rec.setAbnehmer(QStringLiteral("Schlachthof"));
        });
        Buchung stall = buchung(epStall);
        stall.stall = QStringLiteral("Abferkelstall Nord");
        zeile("stall cut to 15", belegt, stall,
              [](Sau& s) { s.rec.setStall(QStringLiteral("Abferkelstall N")); });
        zeile("sow date 3", belegt, buchung(8), [](Sau& s) { s.rec.setSauTermin(3, tag); });
        zeile("litter date 8 into the last litter", abgesetzt, buchung(17),
              [](Sau& s) { s.wuerfe.back().setWurfTermin(8, tag); });
        zeile("mating of a sow without litter leaves her", sau("G", {}), buchung(epBelegen), {});
    }

    void buchungJeEingabepunkt() {
        QFETCH(Sau, vorher);
        QFETCH(Buchung, b);
        QFETCH(Sau, nachher);
        b.datum.Zusatz = 2; // the date is booked without its suffix
        QTEST(SauBuchen(vorher, b), "meldung");
        QVERIFY(vorher.rec == nachher.rec);
        QCOMPARE(vorher.wuerfe.size(), nachher.wuerfe.size());
        for (std::size_t i = 0; i < vorher.wuerfe.size(); ++i)
            QVERIFY2(vorher.wuerfe[i] == nachher.wuerfe[i], qPrintable(QString::number(i)));
    }

    void eingabepunktliste_data() {
        QTest::addColumn<Terminnamen>("namen");
        QTest::addColumn<QStringList>("liste");
        const QStringList fest =
            QStringLiteral(
                "Stall ändern|Belegen|1. TK.-Kontr.|2. TK.-Kontr.|Absetzen|Abgang|-|-|-|-")
                .split(u'|');
        Terminnamen zwei;
        zwei[10] = QStringLiteral("Impfen");
        zwei[12] = QStringLiteral("Entwurmen");
        QTest::newRow("slots 10 and 12") << zwei << fest + QStringList{"Impfen", "-", "Entwurmen"};
        QTest::newRow("all empty") << Terminnamen() << fest;
        Terminnamen sauTermin;
        sauTermin[2] = QStringLiteral("Klauen");
        sauTermin[17] = QStringLiteral("Letzter");
        QStringList lang = fest + QStringList(8, QStringLiteral("-"));
        lang[8] = QStringLiteral("Klauen");
        lang.last() = QStringLiteral("Letzter");
        QTest::newRow("sow date and last slot") << sauTermin << lang;
    }

    void eingabepunktliste() {
        QFETCH(Terminnamen, namen);
        QTEST(Eingabepunkte(namen), "liste");
    }

    void nummernansicht_data() {
        QTest::addColumn<std::vector<int>>("vorher");
        QTest::addColumn<QChar>("taste");
        QTest::addColumn<std::vector<int>>("nachher");
        QTest::addColumn<bool>("geaendert");
        QTest::newRow("plus renumbers")
            << std::vector{2, 5, 6} << QChar(u'+') << std::vector{3, 4, 5} << true;
        QTest::newRow("minus at 1 stays")
            << std::vector{1, 2} << QChar(u'-') << std::vector{1, 2} << false;
        QTest::newRow("minus") << std::vector{3, 4} << QChar(u'-') << std::vector{2, 3} << true;
        QTest::newRow("equals closes gaps")
            << std::vector{4, 7, 7} << QChar(u'=') << std::vector{4, 5, 6} << true;
        QTest::newRow("other key")
            << std::vector{4, 7} << QChar(u'x') << std::vector{4, 7} << false;
        QTest::newRow("no litters")
            << std::vector<int>{} << QChar(u'+') << std::vector<int>{} << false;
        QTest::newRow("stays within a byte")
            << std::vector{254, 255} << QChar(u'+') << std::vector{254, 255} << false;
    }

    void nummernansicht() {
        QFETCH(std::vector<int>, vorher);
        QFETCH(QChar, taste);
        QFETCH(std::vector<int>, nachher);
        Sau s = sau(QStringLiteral("S-12"), {});
        for (int nr : vorher)
            s.wuerfe.push_back(TWurfRec::leer(std::uint8_t(nr)));
        QTEST(BaumTaste(s, taste), "geaendert");
        QString zeile = QStringLiteral("S S-12             ");
        for (std::size_t i = 0; i < nachher.size(); ++i) {
            QCOMPARE(int(s.wuerfe[i].WurfNr()), nachher[i]);
            zeile += QStringLiteral(" - W") + QString::number(nachher[i]);
        }
        QCOMPARE(BaumZeile(s), zeile);
    }

    void warnungJeSau_data() {
        QTest::addColumn<Herde>("herde");
        QTest::addColumn<Buchung>("b");
        QTest::addColumn<QString>("warnung");
        const auto gesetzt = [](int tag, int monat) {
            TWurfRec w = belegterWurf(1, 1, true);
            w.setAbsetzen(dt(tag, monat, 2013));
            return w;
        };
        const auto zeile = [](const QString& nr, const QString& text) {
            return QStringLiteral("Sau ") + nr + QStringLiteral(": ") + text;
        };
        const QString pruefen = QStringLiteral("\nBitte prüfen.");
        // The rules' edges are the plausibility tests'; here the booked values meet them.
        QTest::newRow("mated 2 days after weaning")
            << Herde{sau("7", {gesetzt(2, 3)})} << buchung(epBelegen)
            << zeile("7", "Belegt 2 Tage nach dem Absetzen?") + pruefen;
        TWurfRec spaet = belegterWurf(1, 1);
        spaet.setAbferkeln(dt(5, 3, 2013));
        QTest::newRow("weaned before farrowing")
            << Herde{sau("8", {spaet})} << buchung(epAbsetzen)
            << zeile("8", "Abgesetzt vor dem Abferkeln?") + pruefen;
        TWurfRec verlust = belegterWurf(1, 1, true);
        verlust.setGeborene(12);
        verlust.setVerlusttag(1, 44);
        QTest::newRow("loss after the weaning day")
            << Herde{sau("9", {verlust})} << buchung(epAbsetzen)
            << zeile("9", "Ausfall am 44. Tag, abgesetzt am 43. Tag?") + pruefen;
        TWurfRec vorher = belegterWurf(1, 1, true);
        vorher.setGeborene(40);
        QTest::newRow("what was wrong before is not told again")
            << Herde{sau("10", {vorher})} << buchung(epAbsetzen) << QString();
        QTest::newRow("refused booking is not judged")
            << Herde{sau("11", {gesetzt(2, 3)})} << buchung(epTK1) << QString();
        Herde viele;
        for (int i = 1; i <= 10; ++i)
            viele.push_back(sau(QString::number(i), {gesetzt(3, 3)}));
        QStringList zeilen;
        for (int i = 1; i <= 8; ++i)
            zeilen << zeile(QString::number(i), "Belegt 1 Tage nach dem Absetzen?");
        QTest::newRow("eight lines and the rest counted")
            << viele << buchung(epBelegen)
            << zeilen.join(u'\n') + QStringLiteral("\n… und 2 weitere.") + pruefen;
    }

    void warnungJeSau() {
        QFETCH(Herde, herde);
        QFETCH(Buchung, b);
        std::vector<int> alle(herde.size());
        std::iota(alle.begin(), alle.end(), 0);
        OffenePunkteVorgaben v;
        v.heute = QDate(2013, 3, 10);
        const auto befunde = Befunde(herde, alle, b, v);
        QTEST(Warnung(herde, befunde), "warnung");
    }
};

QTEST_GUILESS_MAIN(TestSammelbuchung)
#include "tst_sammelbuchung.moc"
