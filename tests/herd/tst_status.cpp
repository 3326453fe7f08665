// The derived sow state, the litter figures, the text helpers and currency conversion.

#include "herd/saustatus.h"
#include "herd/textfunktionen.h"
#include "herd/waehrung.h"
#include "support/herdbau.h"

#include <QTest>

namespace {

// A litter from tokens: "B2:3.1" mating 2 on 3 January 2013, "T1:1.2+" check 1 on 1 February
// positive ("+255" result 255, "-" negative), "F:25.4" farrowed, "W:20.5" weaned, "N2" litter
// number 2. A date's third and fourth parts are the year byte and the Zusatz.
TWurfRec w(const QString& s) {
    TWurfRec r = TWurfRec::leer(1);
    for (const QString& t : s.split(u' ', Qt::SkipEmptyParts)) {
        const int i = t.mid(1, 1).toInt();
        QString datum = t.section(u':', 1);
        const QString plus = datum.section(u'+', 1);
        const int ergebnis = !datum.contains(u'+') ? 0 : plus.isEmpty() ? 1 : plus.toInt();
        datum = datum.section(u'+', 0, 0).section(u'-', 0, 0);
        const QStringList d = datum.split(u'.');
        const TKurzDatum k =
            D(d[0].toInt(), d.value(1).toInt(), d.value(2, "113").toInt(), d.value(3).toInt());
        const QChar art = t[0];
        if (art == u'N') r.setWurfNr(std::uint8_t(i));
        if (art == u'B') r.setBelegen(i, k);
        if (art == u'T') r.setTKDatum(i, k);
        if (art == u'T') r.setTKErgebnis(i, std::uint8_t(ergebnis));
        if (art == u'F') r.setAbferkeln(k);
        if (art == u'W') r.setAbsetzen(k);
    }
    return r;
}

Sau sauAus(std::vector<TWurfRec> wuerfe, TKurzDatum abgang = {}) {
    Sau s = sau({}, std::move(wuerfe), {});
    s.rec.setAbgang(abgang);
    return s;
}

enum TextFunktion { Gross, Leerzeichen, Pfad };

} // namespace

class TestStatus : public QObject {
    Q_OBJECT

private slots:
    void sauStatus_data() {
        QTest::addColumn<Sau>("sau");
        QTest::addColumn<int>("status");

        const TWurfRec saeugend = w("B1:1.1 T1:1.2+ F:25.4");
        QTest::newRow("departed without litter") << sauAus({}, D(1, 5, 113)) << 5;
        QTest::newRow("no litter") << sauAus({}) << 6;
        QTest::newRow("two litters, the last without mating") << sauAus({saeugend, w("N2")}) << 0;
        QTest::newRow("weaned") << sauAus({w("B1:1.1 T1:1.2+ F:25.4 W:20.5")}) << 0;
        QTest::newRow("farrowed") << sauAus({saeugend}) << 4;
        QTest::newRow("only the last litter counts") << sauAus({saeugend, w("N2 B1:1.1")}) << 2;
        QTest::newRow("second check without first") << sauAus({w("B1:1.1 T2:1.2+")}) << 2;
        QTest::newRow("any nonzero check a day after mating")
            << sauAus({w("B1:1.1 T1:2.1+255")}) << 3;
        QTest::newRow("negative check after mating") << sauAus({w("B1:1.1 T1:1.2-")}) << 1;
        QTest::newRow("second check negative after positive")
            << sauAus({w("B1:1.1 T1:1.2+ T2:1.3-")}) << 1;
        // The second check decides even when it is dated before the first one.
        QTest::newRow("second check on the mating day")
            << sauAus({w("B1:1.1 T1:1.2+ T2:1.1+")}) << 2;
        QTest::newRow("check before the second mating")
            << sauAus({w("B1:1.1 B2:1.3 T1:1.2+")}) << 2;
        // Only the day byte says whether a date is there.
        QTest::newRow("dates with day byte 0 are absent")
            << sauAus({w("B1:1.1 B2:0.3 T1:1.2+ T2:0.3-")}) << 3;
        // A third mating without a second is still the latest mating.
        QTest::newRow("check before a third mating without second")
            << sauAus({w("B1:1.1 B3:1.3 T1:1.2+")}) << 2;
    }
    void sauStatus() {
        QFETCH(Sau, sau);
        QTEST(int(SauStatus(sau)), "status");
    }
    void tkNegativ_data() {
        QTest::addColumn<TWurfRec>("wurf");
        QTest::addColumn<bool>("negativ");

        QTest::newRow("no mating, negative check") << w("T1:1.2-") << false;
        // One mating: any negative check counts, whatever its date.
        QTest::newRow("one mating, negative before the mating") << w("B1:1.2 T1:1.1-") << true;
        QTest::newRow("one mating, only second check negative") << w("B1:1.1 T2:1.3-") << true;
        // Without a second mating the third one does not move the reference date.
        QTest::newRow("third without second, negative before it")
            << w("B1:1.1 B3:1.3 T1:1.2-") << true;
        // More matings: the first check counts after the latest mating, the second when later.
        QTest::newRow("two matings, negative after the second")
            << w("B1:1.1 B2:3.1 T1:4.1-") << true;
        QTest::newRow("two matings, negative on the second's day")
            << w("B1:1.1 B2:3.1 T1:3.1-") << false;
        QTest::newRow("two matings, positive, later negative")
            << w("B1:1.1 B2:3.1 T1:1.2+ T2:1.3-") << true;
        QTest::newRow("two matings, second negative on the first's day")
            << w("B1:1.1 B2:3.1 T1:1.2+ T2:1.2-") << false;
        QTest::newRow("two matings, negative, earlier positive")
            << w("B1:1.1 B2:3.1 T1:1.2- T2:20.1+") << true;
        QTest::newRow("two matings, only second check negative")
            << w("B1:1.1 B2:3.1 T2:1.3-") << false;
        QTest::newRow("three matings, negative after the third")
            << w("B1:1.1 B2:3.1 B3:5.1 T1:6.1-") << true;
        QTest::newRow("second mating alone, negative after it") << w("B2:3.1 T1:1.2-") << true;
    }
    void tkNegativ() {
        QFETCH(TWurfRec, wurf);
        QTEST(TKNegativ(wurf), "negativ");
    }
    void theorAbferkeltermin_data() {
        QTest::addColumn<TWurfRec>("wurf");
        QTest::addColumn<int>("tragezeit");
        QTest::addColumn<QDate>("termin"); // invalid: no date

        const QDate b1(2012, 12, 1), b2(2012, 12, 3), b3(2012, 12, 5);
        QTest::newRow("no mating") << w("") << 113 << QDate();
        QTest::newRow("first mating") << w("B1:1.12.112") << 113 << b1.addDays(113);
        QTest::newRow("third mating")
            << w("B1:1.12.112 B2:3.12.112 B3:5.12.112") << 113 << b3.addDays(113);
        QTest::newRow("third without second is ignored")
            << w("B1:1.12.112 B3:5.12.112") << 113 << b1.addDays(113);
        QTest::newRow("second mating without first") << w("B2:3.12.112") << 113 << QDate();
        QTest::newRow("negative check") << w("B1:1.12.112 T1:1.1-") << 113 << QDate();
        QTest::newRow("mating with Zusatz gives Zusatz 0")
            << w("B1:1.12.112.2") << 113 << b1.addDays(113);
        // Month byte 100: the text "1.100.13" reads back as 1.10.00.
        QTest::newRow("impossible month read back from its text")
            << w("B1:1.100.113") << 0 << QDate(2000, 10, 1);
    }
    void theorAbferkeltermin() {
        QFETCH(TWurfRec, wurf);
        QFETCH(int, tragezeit);
        QFETCH(QDate, termin);
        QCOMPARE(TheorAbferkeltermin(wurf, tragezeit), termin.isValid() ? K(termin) : TKurzDatum{});
    }
    void verlusteUndAnomalien_data() {
        // Slots 1..14: 'v' loss (day 3, with text), 'd' loss day without text, 'a' anomaly (text,
        // day 0), '.' unused.
        QTest::addColumn<QString>("plaetze");
        QTest::addColumn<int>("verluste");
        QTest::addColumn<int>("anomalien");

        QTest::newRow("empty") << ".............." << 0 << 0;
        QTest::newRow("losses stop at the first unused slot") << "v.v..........." << 1 << 0;
        QTest::newRow("two anomalies") << "............aa" << 0 << 2;
        QTest::newRow("anomalies stop at an unused slot") << "...........a.a" << 0 << 1;
        QTest::newRow("text with a loss day in the last slot") << ".............v" << 0 << 0;
        QTest::newRow("losses and anomalies") << "vvv........aaa" << 3 << 3;
        QTest::newRow("anomalies down to a loss") << "vaaaaaaaaaaaaa" << 1 << 13;
    }
    void verlusteUndAnomalien() {
        QFETCH(QString, plaetze);

        TWurfRec w = TWurfRec::leer(1);
        for (int i = 1; i <= 14; ++i) {
            const QChar c = plaetze[i - 1];
            w.setVerlusttag(i, c == u'v' || c == u'd' ? 3 : 0);
            w.setEintrag(i, c == u'v'   ? QStringLiteral("erdrückt")
                            : c == u'a' ? QStringLiteral("Spreizer")
                                        : QString());
        }
        QTEST(Verluste(w), "verluste");
        QTEST(Anomalien(w), "anomalien");
    }
    void abgesetzte_data() {
        QTest::addColumn<QList<int>>("wurf"); // born, born dead, losses, fostered
        QTest::addColumn<int>("abgesetzte");

        QTest::newRow("fostered off") << QList<int>{12, 1, 2, -3} << 6;
        QTest::newRow("below zero") << QList<int>{2, 2, 1, 0} << -1;
        QTest::newRow("largest") << QList<int>{255, 0, 0, 127} << 382;
        QTest::newRow("most fostered off") << QList<int>{20, 0, 0, -128} << -108;
    }
    // Computed without looking at the weaning date.
    void abgesetzte() {
        QFETCH(QList<int>, wurf);

        TWurfRec w = WurfMit(wurf[0], wurf[1], wurf[3], {}, {});
        for (int i = 1; i <= wurf[2]; ++i)
            w.setVerlusttag(i, 1);
        QTEST(Abgesetzte(w), "abgesetzte");
    }

    void textFunktionen_data() {
        QTest::addColumn<int>("funktion");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("ergebnis");

        const struct {
            int funktion;
            const char *name, *text, *ergebnis;
        } faelle[] = {
            {Gross, "letters", "Sau 12a xyz", "SAU 12A XYZ"},
            {Gross, "umlauts", "äöü ÄÖÜ", "ÄÖÜ ÄÖÜ"},
            {Gross, "sharp s and other accents stay", "straße éàçñÿ", "STRAßE éàçñÿ"},
            {Gross, "signs next to the letters stay", "@[`{", "@[`{"},
            {Leerzeichen, "both ends, inner blanks stay", "  a  b  ", "a  b"},
            {Leerzeichen, "only blanks", "    ", ""},
            {Leerzeichen, "other white space stays", " \t\u00A0a\n ", "\t\u00A0a\n"},
            {Pfad, "empty path", "", ""},
            {Pfad, "path of blanks", "   ", "   "},
            {Pfad, "path without separator", "/home/daten", "/home/daten/"},
            {Pfad, "path with backslash", "C:\\PV\\", "C:\\PV\\"},
            {Pfad, "separator before blanks", "/daten/  ", "/daten/  "},
        };
        for (const auto& f : faelle)
            QTest::newRow(f.name) << f.funktion << QString::fromUtf8(f.text)
                                  << QString::fromUtf8(f.ergebnis);
    }
    void textFunktionen() {
        QFETCH(int, funktion);
        QFETCH(QString, text);
        QFETCH(QString, ergebnis);

        if (funktion == Gross) {
            QCOMPARE(GrossText(text), ergebnis);
            for (qsizetype i = 0; i < text.size(); ++i)
                QCOMPARE(GrossBuchstabe(text[i]), ergebnis[i]);
        }
        if (funktion == Leerzeichen) QCOMPARE(LeerzeichenEntfernen(text), ergebnis);
        if (funktion == Pfad) QCOMPARE(PfadMitTrenner(text), ergebnis);
    }
    void umrechnen_data() {
        QTest::addColumn<int>("anzeige");
        QTest::addColumn<int>("waehrung");
        QTest::addColumn<double>("betrag");
        QTest::addColumn<int>("ohneKurs"); // a currency whose rate is 0, or -1
        QTest::addColumn<double>("ergebnis");

        QTest::newRow("same currency, also Euro of rate 0")
            << int(Euro) << int(Euro) << 10.0 << int(Euro) << 10.0;
        QTest::newRow("Euro by its own rate 0")
            << int(DM) << int(Euro) << 10.0 << int(Euro) << 19.5583;
        QTest::newRow("DM to Euro") << int(Euro) << int(DM) << 19.5583 << -1 << 10.0;
        QTest::newRow("oS to DM") << int(DM) << int(oS) << 137.603 << -1 << 19.5583;
        QTest::newRow("currency of rate 0 stays") << int(oS) << int(nw) << 12.5 << int(nw) << 12.5;
    }
    void umrechnen() {
        QFETCH(int, anzeige);
        QFETCH(int, waehrung);
        QFETCH(double, betrag);
        QFETCH(int, ohneKurs);

        Waehrungstabelle t;
        t.kurs = {1.0, 1.95583, 13.7603, 1.601, 1.0};
        if (ohneKurs >= 0) t.kurs[std::size_t(ohneKurs)] = 0.0;
        t.anzeige = TWaehrung(anzeige);
        QTEST(Umrechnen(t, TWaehrung(waehrung), betrag), "ergebnis");
    }
};

QTEST_GUILESS_MAIN(TestStatus)
#include "tst_status.moc"
