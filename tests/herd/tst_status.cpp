// The derived sow state, the litter figures, the text helpers and currency conversion.

#include "herd/saustatus.h"
#include "herd/textfunktionen.h"
#include "herd/waehrung.h"
#include "herdtesthilfe.h"

#include <QTest>

Q_DECLARE_METATYPE(TWurfRec)
Q_DECLARE_METATYPE(Sau)

namespace {

// Builds a litter field by field.
struct Wurf {
    TWurfRec w = TWurfRec::leer(1);

    Wurf& nr(int n) {
        w.setWurfNr(std::uint8_t(n));
        return *this;
    }
    Wurf& belegt(int i, TKurzDatum d) {
        w.setBelegen(i, d);
        return *this;
    }
    Wurf& tk(int i, TKurzDatum d, std::uint8_t ergebnis) {
        w.setTKDatum(i, d);
        w.setTKErgebnis(i, ergebnis);
        return *this;
    }
    Wurf& abgeferkelt(TKurzDatum d) {
        w.setAbferkeln(d);
        return *this;
    }
    Wurf& abgesetzt(TKurzDatum d) {
        w.setAbsetzen(d);
        return *this;
    }
    operator TWurfRec() const { return w; }
};

constexpr std::uint8_t kPositiv = 1, kNegativ = 0;

Sau sau(std::vector<TWurfRec> wuerfe, TKurzDatum abgang = {}) {
    Sau s;
    s.rec.setSauNr(QStringLiteral("101"));
    s.rec.setAbgang(abgang);
    s.wuerfe = std::move(wuerfe);
    return s;
}

// Dates of 2013 by day and month.
TKurzDatum T(int tag, int monat) {
    return D(tag, monat, 113);
}

} // namespace

class TestStatus : public QObject {
    Q_OBJECT

private slots:
    void sauStatus_data();
    void sauStatus();
    void statusNamen();

    void letzteBelegungUndTK_data();
    void letzteBelegungUndTK();

    void tkNegativ_data();
    void tkNegativ();

    void theorAbferkeltermin_data();
    void theorAbferkeltermin();

    void verlusteUndAnomalien_data();
    void verlusteUndAnomalien();
    void abgesetzte_data();
    void abgesetzte();

    void grossText_data();
    void grossText();
    void leerzeichenEntfernen_data();
    void leerzeichenEntfernen();
    void pfadMitTrenner_data();
    void pfadMitTrenner();

    void umrechnen_data();
    void umrechnen();
};

void TestStatus::sauStatus_data() {
    QTest::addColumn<Sau>("sau");
    QTest::addColumn<int>("status");

    const TWurfRec saeugend =
        Wurf().belegt(1, T(1, 1)).tk(1, T(1, 2), kPositiv).abgeferkelt(T(25, 4));
    const TWurfRec nurBelegt = Wurf().nr(2).belegt(1, T(1, 1));

    QTest::newRow("departed with a suckling litter") << sau({saeugend}, T(1, 5)) << 5;
    QTest::newRow("departed without litter") << sau({}, T(1, 5)) << 5;
    QTest::newRow("no litter") << sau({}) << 6;
    QTest::newRow("one litter without mating") << sau({Wurf()}) << 6;
    QTest::newRow("one litter without mating but farrowed")
        << sau({Wurf().abgeferkelt(T(1, 3))}) << 6;
    QTest::newRow("two litters, the last without mating") << sau({saeugend, Wurf().nr(2)}) << 0;
    QTest::newRow("weaned") << sau({Wurf(saeugend).abgesetzt(T(20, 5))}) << 0;
    QTest::newRow("weaned without farrowing")
        << sau({Wurf().belegt(1, T(1, 1)).abgesetzt(T(20, 5))}) << 0;
    QTest::newRow("farrowed") << sau({saeugend}) << 4;
    QTest::newRow("farrowed after a negative check")
        << sau({Wurf().belegt(1, T(1, 1)).tk(1, T(1, 2), kNegativ).abgeferkelt(T(25, 4))}) << 4;
    QTest::newRow("only the last litter counts") << sau({saeugend, nurBelegt}) << 2;
    QTest::newRow("mated, no check") << sau({Wurf().belegt(1, T(1, 1))}) << 2;
    QTest::newRow("second check without first")
        << sau({Wurf().belegt(1, T(1, 1)).tk(2, T(1, 2), kPositiv)}) << 2;
    QTest::newRow("positive check on the mating day")
        << sau({Wurf().belegt(1, T(1, 1)).tk(1, T(1, 1), kPositiv)}) << 2;
    QTest::newRow("positive check one day after mating")
        << sau({Wurf().belegt(1, T(1, 1)).tk(1, T(2, 1), kPositiv)}) << 3;
    QTest::newRow("any nonzero result is positive")
        << sau({Wurf().belegt(1, T(1, 1)).tk(1, T(2, 1), 255)}) << 3;
    QTest::newRow("negative check after mating")
        << sau({Wurf().belegt(1, T(1, 1)).tk(1, T(1, 2), kNegativ)}) << 1;
    QTest::newRow("check before mating")
        << sau({Wurf().belegt(1, T(1, 2)).tk(1, T(1, 1), kNegativ)}) << 2;
    QTest::newRow("second check negative after a positive first")
        << sau({Wurf().belegt(1, T(1, 1)).tk(1, T(1, 2), kPositiv).tk(2, T(1, 3), kNegativ)}) << 1;
    QTest::newRow("second check positive after a negative first")
        << sau({Wurf().belegt(1, T(1, 1)).tk(1, T(1, 2), kNegativ).tk(2, T(1, 3), kPositiv)}) << 3;
    // The second check decides even when it is dated before the first one.
    QTest::newRow("second check on the mating day")
        << sau({Wurf().belegt(1, T(1, 1)).tk(1, T(1, 2), kPositiv).tk(2, T(1, 1), kPositiv)}) << 2;
    QTest::newRow("check after first mating, before second")
        << sau({Wurf().belegt(1, T(1, 1)).belegt(2, T(1, 3)).tk(1, T(1, 2), kPositiv)}) << 2;
    QTest::newRow("check after second mating")
        << sau({Wurf().belegt(1, T(1, 1)).belegt(2, T(3, 1)).tk(1, T(1, 2), kNegativ)}) << 1;
    QTest::newRow("check after third mating") << sau({Wurf()
                                                          .belegt(1, T(1, 1))
                                                          .belegt(2, T(2, 1))
                                                          .belegt(3, T(3, 1))
                                                          .tk(1, T(4, 1), kPositiv)})
                                              << 3;
    // A third mating without a second is still the latest mating.
    QTest::newRow("third mating without second, check before it")
        << sau({Wurf().belegt(1, T(1, 1)).belegt(3, T(1, 3)).tk(1, T(1, 2), kPositiv)}) << 2;
    QTest::newRow("check across the year end")
        << sau({Wurf().belegt(1, D(31, 12, 112)).tk(1, D(1, 1, 113), kPositiv)}) << 3;
}

void TestStatus::sauStatus() {
    QFETCH(Sau, sau);
    QFETCH(int, status);
    QCOMPARE(int(SauStatus(sau)), status);
}

void TestStatus::statusNamen() {
    const QStringList namen = {QStringLiteral("leer"),    QStringLiteral("umrauschen"),
                               QStringLiteral("belegt"),  QStringLiteral("tragend"),
                               QStringLiteral("säugend"), QStringLiteral("verkauft"),
                               QStringLiteral("leere JS")};
    for (int i = 0; i < namen.size(); ++i)
        QCOMPARE(StatusName(i), namen[i]);
    QCOMPARE(StatusName(-1), QString());
    QCOMPARE(StatusName(7), QString());
}

void TestStatus::letzteBelegungUndTK_data() {
    QTest::addColumn<TWurfRec>("wurf");
    QTest::addColumn<int>("belegung");
    QTest::addColumn<int>("tk");

    QTest::newRow("nothing") << TWurfRec(Wurf()) << 1 << 1;
    QTest::newRow("first mating, first check")
        << TWurfRec(Wurf().belegt(1, T(1, 1)).tk(1, T(1, 2), kPositiv)) << 1 << 1;
    QTest::newRow("two matings, two checks") << TWurfRec(Wurf()
                                                             .belegt(1, T(1, 1))
                                                             .belegt(2, T(2, 1))
                                                             .tk(1, T(1, 2), kPositiv)
                                                             .tk(2, T(1, 3), kPositiv))
                                             << 2 << 2;
    QTest::newRow("third mating without second, second check without first")
        << TWurfRec(Wurf().belegt(1, T(1, 1)).belegt(3, T(3, 1)).tk(2, T(1, 3), kNegativ)) << 3
        << 2;
    QTest::newRow("second mating alone") << TWurfRec(Wurf().belegt(2, T(2, 1))) << 2 << 1;
    // Only the day byte says whether a date is there.
    QTest::newRow("day byte 0 with month and year")
        << TWurfRec(Wurf().belegt(1, T(1, 1)).belegt(2, D(0, 1, 113)).tk(2, D(0, 2, 113), 1)) << 1
        << 1;
}

void TestStatus::letzteBelegungUndTK() {
    QFETCH(TWurfRec, wurf);
    QFETCH(int, belegung);
    QFETCH(int, tk);
    QCOMPARE(LetzteBelegung(wurf), belegung);
    QCOMPARE(LetzteTK(wurf), tk);
}

void TestStatus::tkNegativ_data() {
    QTest::addColumn<TWurfRec>("wurf");
    QTest::addColumn<bool>("negativ");

    const Wurf b1 = Wurf().belegt(1, T(1, 1));
    const Wurf b12 = Wurf(b1).belegt(2, T(3, 1));
    const Wurf b123 = Wurf(b12).belegt(3, T(5, 1));

    QTest::newRow("no mating, negative check")
        << TWurfRec(Wurf().tk(1, T(1, 2), kNegativ)) << false;
    QTest::newRow("one mating, no check") << TWurfRec(b1) << false;
    QTest::newRow("one mating, first check negative")
        << TWurfRec(Wurf(b1).tk(1, T(1, 2), kNegativ)) << true;
    QTest::newRow("one mating, first check positive")
        << TWurfRec(Wurf(b1).tk(1, T(1, 2), kPositiv)) << false;
    QTest::newRow("one mating, negative check before the mating")
        << TWurfRec(Wurf().belegt(1, T(1, 2)).tk(1, T(1, 1), kNegativ)) << true;
    QTest::newRow("one mating, positive then negative")
        << TWurfRec(Wurf(b1).tk(1, T(1, 2), kPositiv).tk(2, T(1, 3), kNegativ)) << true;
    QTest::newRow("one mating, negative then positive")
        << TWurfRec(Wurf(b1).tk(1, T(1, 2), kNegativ).tk(2, T(1, 3), kPositiv)) << true;
    QTest::newRow("one mating, only second check negative")
        << TWurfRec(Wurf(b1).tk(2, T(1, 3), kNegativ)) << true;
    QTest::newRow("one mating, both positive")
        << TWurfRec(Wurf(b1).tk(1, T(1, 2), kPositiv).tk(2, T(1, 3), kPositiv)) << false;
    // Without a second mating the third one does not move the reference date.
    QTest::newRow("third mating without second, negative check before the third")
        << TWurfRec(Wurf(b1).belegt(3, T(1, 3)).tk(1, T(1, 2), kNegativ)) << true;
    QTest::newRow("two matings, negative check after the second")
        << TWurfRec(Wurf(b12).tk(1, T(4, 1), kNegativ)) << true;
    QTest::newRow("two matings, negative check on the second mating day")
        << TWurfRec(Wurf(b12).tk(1, T(3, 1), kNegativ)) << false;
    QTest::newRow("two matings, negative check before the second")
        << TWurfRec(Wurf(b12).tk(1, T(2, 1), kNegativ)) << false;
    QTest::newRow("two matings, negative first check, positive later second")
        << TWurfRec(Wurf(b12).tk(1, T(1, 2), kNegativ).tk(2, T(1, 3), kPositiv)) << false;
    QTest::newRow("two matings, positive first check, negative later second")
        << TWurfRec(Wurf(b12).tk(1, T(1, 2), kPositiv).tk(2, T(1, 3), kNegativ)) << true;
    QTest::newRow("two matings, negative second check on the first check's day")
        << TWurfRec(Wurf(b12).tk(1, T(1, 2), kPositiv).tk(2, T(1, 2), kNegativ)) << false;
    QTest::newRow("two matings, positive second check before the negative first")
        << TWurfRec(Wurf(b12).tk(1, T(1, 2), kNegativ).tk(2, T(20, 1), kPositiv)) << true;
    QTest::newRow("two matings, only second check negative")
        << TWurfRec(Wurf(b12).tk(2, T(1, 3), kNegativ)) << false;
    QTest::newRow("three matings, negative check after the third")
        << TWurfRec(Wurf(b123).tk(1, T(6, 1), kNegativ)) << true;
    QTest::newRow("three matings, negative check between second and third")
        << TWurfRec(Wurf(b123).tk(1, T(4, 1), kNegativ)) << false;
    QTest::newRow("second mating without first, negative check after it")
        << TWurfRec(Wurf().belegt(2, T(3, 1)).tk(1, T(1, 2), kNegativ)) << true;
    QTest::newRow("third mating alone, negative check after it")
        << TWurfRec(Wurf().belegt(3, T(5, 1)).tk(1, T(1, 2), kNegativ)) << true;
}

void TestStatus::tkNegativ() {
    QFETCH(TWurfRec, wurf);
    QFETCH(bool, negativ);
    QCOMPARE(TKNegativ(wurf), negativ);
}

void TestStatus::theorAbferkeltermin_data() {
    QTest::addColumn<TWurfRec>("wurf");
    QTest::addColumn<int>("tragezeit");
    QTest::addColumn<TKurzDatum>("termin");

    const QDate b1(2012, 12, 1), b2(2012, 12, 3), b3(2012, 12, 5);
    QTest::newRow("no mating") << TWurfRec(Wurf()) << 113 << TKurzDatum{};
    QTest::newRow("first mating") << TWurfRec(Wurf().belegt(1, K(b1))) << 113 << K(b1.addDays(113));
    QTest::newRow("second mating")
        << TWurfRec(Wurf().belegt(1, K(b1)).belegt(2, K(b2))) << 113 << K(b2.addDays(113));
    QTest::newRow("third mating") << TWurfRec(
                                         Wurf().belegt(1, K(b1)).belegt(2, K(b2)).belegt(3, K(b3)))
                                  << 113 << K(b3.addDays(113));
    QTest::newRow("third mating without second is ignored")
        << TWurfRec(Wurf().belegt(1, K(b1)).belegt(3, K(b3))) << 113 << K(b1.addDays(113));
    QTest::newRow("second mating without first")
        << TWurfRec(Wurf().belegt(2, K(b2))) << 113 << TKurzDatum{};
    QTest::newRow("negative check")
        << TWurfRec(Wurf().belegt(1, K(b1)).tk(1, K(b1.addDays(25)), kNegativ)) << 113
        << TKurzDatum{};
    QTest::newRow("positive check")
        << TWurfRec(Wurf().belegt(1, K(b1)).tk(1, K(b1.addDays(25)), kPositiv)) << 113
        << K(b1.addDays(113));
    QTest::newRow("gestation 115")
        << TWurfRec(Wurf().belegt(1, K(b1))) << 115 << K(b1.addDays(115));
    QTest::newRow("gestation 0") << TWurfRec(Wurf().belegt(1, K(b1))) << 0 << K(b1);
    QTest::newRow("gestation 255")
        << TWurfRec(Wurf().belegt(1, K(b1))) << 255 << K(b1.addDays(255));
    QTest::newRow("over 29 February")
        << TWurfRec(Wurf().belegt(1, D(15, 11, 111))) << 113 << K(QDate(2011, 11, 15).addDays(113));
    QTest::newRow("mating with Zusatz gives Zusatz 0")
        << TWurfRec(Wurf().belegt(1, D(1, 12, 112, 2))) << 113 << K(b1.addDays(113));
    QTest::newRow("from 1999 into 2000")
        << TWurfRec(Wurf().belegt(1, D(1, 12, 99))) << 113 << K(QDate(1999, 12, 1).addDays(113));
}

void TestStatus::theorAbferkeltermin() {
    QFETCH(TWurfRec, wurf);
    QFETCH(int, tragezeit);
    QFETCH(TKurzDatum, termin);
    QCOMPARE(TheorAbferkeltermin(wurf, tragezeit), termin);
}

void TestStatus::verlusteUndAnomalien_data() {
    QTest::addColumn<QList<int>>("verlusttage"); // slot 1 first
    QTest::addColumn<QStringList>("eintraege");  // slot 1 first
    QTest::addColumn<int>("verluste");
    QTest::addColumn<int>("anomalien");

    const QList<int> keine(14, 0);
    const QStringList leer(14, QString());
    const auto mit = [](QList<int> l, std::initializer_list<std::pair<int, int>> werte) {
        for (auto [slot, wert] : werte)
            l[slot - 1] = wert;
        return l;
    };
    const auto texte = [](QStringList l, std::initializer_list<std::pair<int, QString>> werte) {
        for (const auto& [slot, text] : werte)
            l[slot - 1] = text;
        return l;
    };
    const QString e = QStringLiteral("erdrückt"), s = QStringLiteral("Spreizer");

    QTest::newRow("empty") << keine << leer << 0 << 0;
    QTest::newRow("two losses") << mit(keine, {{1, 1}, {2, 5}}) << texte(leer, {{1, e}, {2, e}})
                                << 2 << 0;
    QTest::newRow("loss day without text counts") << mit(keine, {{1, 3}}) << leer << 1 << 0;
    QTest::newRow("losses stop at the first empty slot")
        << mit(keine, {{1, 3}, {3, 7}}) << texte(leer, {{1, e}, {3, e}}) << 1 << 0;
    QTest::newRow("no leading loss") << mit(keine, {{2, 5}}) << texte(leer, {{2, e}}) << 0 << 0;
    QTest::newRow("fourteen losses") << QList<int>(14, 200) << QStringList(14, e) << 14 << 0;
    QTest::newRow("one anomaly") << keine << texte(leer, {{14, s}}) << 0 << 1;
    QTest::newRow("two anomalies") << keine << texte(leer, {{13, s}, {14, s}}) << 0 << 2;
    QTest::newRow("anomalies stop at an empty slot")
        << keine << texte(leer, {{12, s}, {14, s}}) << 0 << 1;
    QTest::newRow("anomaly not in the last slot") << keine << texte(leer, {{13, s}}) << 0 << 0;
    QTest::newRow("text with a loss day in the last slot")
        << mit(keine, {{14, 2}}) << texte(leer, {{14, e}}) << 0 << 0;
    QTest::newRow("fourteen anomalies") << keine << QStringList(14, s) << 0 << 14;
    QTest::newRow("losses and anomalies")
        << mit(keine, {{1, 1}, {2, 1}, {3, 9}})
        << texte(leer, {{1, e}, {2, e}, {3, e}, {12, s}, {13, s}, {14, s}}) << 3 << 3;
    QTest::newRow("anomalies down to a loss") << mit(keine, {{1, 1}})
                                              << texte(leer, {{1, e},
                                                              {2, s},
                                                              {3, s},
                                                              {4, s},
                                                              {5, s},
                                                              {6, s},
                                                              {7, s},
                                                              {8, s},
                                                              {9, s},
                                                              {10, s},
                                                              {11, s},
                                                              {12, s},
                                                              {13, s},
                                                              {14, s}})
                                              << 1 << 13;
}

void TestStatus::verlusteUndAnomalien() {
    QFETCH(QList<int>, verlusttage);
    QFETCH(QStringList, eintraege);
    QFETCH(int, verluste);
    QFETCH(int, anomalien);

    TWurfRec w = TWurfRec::leer(1);
    for (int i = 1; i <= 14; ++i) {
        w.setVerlusttag(i, std::uint8_t(verlusttage[i - 1]));
        w.setEintrag(i, eintraege[i - 1]);
    }
    QCOMPARE(Verluste(w), verluste);
    QCOMPARE(Anomalien(w), anomalien);
}

void TestStatus::abgesetzte_data() {
    QTest::addColumn<int>("geborene");
    QTest::addColumn<int>("todgeborene");
    QTest::addColumn<int>("verluste");
    QTest::addColumn<int>("ausgleich");
    QTest::addColumn<int>("abgesetzte");

    QTest::newRow("fostered off") << 12 << 1 << 2 << -3 << 6;
    QTest::newRow("fostered on") << 12 << 1 << 2 << 2 << 11;
    QTest::newRow("nothing") << 0 << 0 << 0 << 0 << 0;
    QTest::newRow("below zero") << 2 << 2 << 1 << 0 << -1;
    QTest::newRow("largest") << 255 << 0 << 0 << 127 << 382;
    QTest::newRow("most fostered off") << 20 << 0 << 0 << -128 << -108;
    QTest::newRow("fourteen losses") << 20 << 3 << 14 << 0 << 3;
}

void TestStatus::abgesetzte() {
    QFETCH(int, geborene);
    QFETCH(int, todgeborene);
    QFETCH(int, verluste);
    QFETCH(int, ausgleich);
    QFETCH(int, abgesetzte);

    TWurfRec w = TWurfRec::leer(1);
    w.setGeborene(std::uint8_t(geborene));
    w.setTodgeborene(std::uint8_t(todgeborene));
    w.setAusgleich(std::int8_t(ausgleich));
    for (int i = 1; i <= verluste; ++i)
        w.setVerlusttag(i, 1);
    // No weaning date: the figure does not depend on it.
    QCOMPARE(Abgesetzte(w), abgesetzte);
}

void TestStatus::grossText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("gross");

    QTest::newRow("letters") << "abc xyz"
                             << "ABC XYZ";
    QTest::newRow("umlauts") << "äöü"
                             << "ÄÖÜ";
    QTest::newRow("sharp s stays") << "straße"
                                   << "STRAßE";
    QTest::newRow("other accents stay") << "éàçñÿ"
                                        << "éàçñÿ";
    QTest::newRow("upper case stays") << "ABCÄÖÜ"
                                      << "ABCÄÖÜ";
    QTest::newRow("digits and signs stay") << "0-9_[]{}@`"
                                           << "0-9_[]{}@`";
    QTest::newRow("mixed") << "Sau 12a Mühle"
                           << "SAU 12A MÜHLE";
    QTest::newRow("empty") << ""
                           << "";
}

void TestStatus::grossText() {
    QFETCH(QString, text);
    QFETCH(QString, gross);
    QCOMPARE(GrossText(text), gross);
    for (qsizetype i = 0; i < text.size(); ++i)
        QCOMPARE(GrossBuchstabe(text[i]), gross[i]);
}

void TestStatus::leerzeichenEntfernen_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("ergebnis");

    QTest::newRow("both ends") << "  Stall 1  "
                               << "Stall 1";
    QTest::newRow("inner blanks stay") << "a  b"
                                       << "a  b";
    QTest::newRow("only blanks") << "    "
                                 << "";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("tabs stay") << "\ta\t"
                               << "\ta\t";
    QTest::newRow("no-break space stays")
        << QStringLiteral(" \u00A0a\u00A0 ") << QStringLiteral("\u00A0a\u00A0");
    QTest::newRow("line feed stays") << " a\n "
                                     << "a\n";
}

void TestStatus::leerzeichenEntfernen() {
    QFETCH(QString, text);
    QFETCH(QString, ergebnis);
    QCOMPARE(LeerzeichenEntfernen(text), ergebnis);
}

void TestStatus::pfadMitTrenner_data() {
    QTest::addColumn<QString>("pfad");
    QTest::addColumn<QString>("ergebnis");

    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("only blanks") << "   "
                                 << "   ";
    QTest::newRow("without separator") << "/home/daten"
                                       << "/home/daten/";
    QTest::newRow("with slash") << "/home/daten/"
                                << "/home/daten/";
    QTest::newRow("with backslash") << "C:\\PV\\"
                                    << "C:\\PV\\";
    QTest::newRow("backslash path without separator") << "C:\\PV"
                                                      << "C:\\PV/";
    QTest::newRow("root") << "/"
                          << "/";
    QTest::newRow("separator before blanks") << "/daten/  "
                                             << "/daten/  ";
}

void TestStatus::pfadMitTrenner() {
    QFETCH(QString, pfad);
    QFETCH(QString, ergebnis);
    QCOMPARE(PfadMitTrenner(pfad), ergebnis);
}

void TestStatus::umrechnen_data() {
    QTest::addColumn<int>("anzeige");
    QTest::addColumn<int>("waehrung");
    QTest::addColumn<double>("betrag");
    QTest::addColumn<QList<double>>("kurse"); // Euro, DM, oS, Fr, nw
    QTest::addColumn<double>("ergebnis");

    const QList<double> standard = {1.0, 1.95583, 13.7603, 1.601, 1.0};
    QList<double> nwOhneKurs = standard;
    nwOhneKurs[4] = 0.0;
    QList<double> dmOhneKurs = standard;
    dmOhneKurs[1] = 0.0;

    QTest::newRow("same currency") << int(DM) << int(DM) << 10.0 << standard << 10.0;
    QTest::newRow("same currency, rate 0") << int(nw) << int(nw) << 10.0 << nwOhneKurs << 10.0;
    QTest::newRow("Euro to DM") << int(DM) << int(Euro) << 10.0 << standard << 19.5583;
    QTest::newRow("Euro to oS") << int(oS) << int(Euro) << 2.0 << standard << 27.5206;
    QTest::newRow("Euro to Euro") << int(Euro) << int(Euro) << 7.5 << standard << 7.5;
    QTest::newRow("Euro to a currency of rate 0")
        << int(nw) << int(Euro) << 10.0 << nwOhneKurs << 0.0;
    QTest::newRow("DM to Euro") << int(Euro) << int(DM) << 19.5583 << standard << 10.0;
    QTest::newRow("oS to DM") << int(DM) << int(oS) << 137.603 << standard << 19.5583;
    QTest::newRow("DM to Fr") << int(Fr) << int(DM) << 1.95583 << standard << 1.601;
    QTest::newRow("currency of rate 0 stays") << int(Euro) << int(nw) << 12.5 << nwOhneKurs << 12.5;
    QTest::newRow("currency of rate 0 into oS") << int(oS) << int(DM) << 12.5 << dmOhneKurs << 12.5;
    QTest::newRow("negative amount") << int(DM) << int(Euro) << -1.0 << standard << -1.95583;
}

void TestStatus::umrechnen() {
    QFETCH(int, anzeige);
    QFETCH(int, waehrung);
    QFETCH(double, betrag);
    QFETCH(QList<double>, kurse);
    QFETCH(double, ergebnis);

    Waehrungstabelle t;
    for (int i = 0; i < 5; ++i)
        t.kurs[std::size_t(i)] = kurse[i];
    t.anzeige = TWaehrung(anzeige);
    QCOMPARE(Umrechnen(t, TWaehrung(waehrung), betrag), ergebnis);
}

QTEST_GUILESS_MAIN(TestStatus)
#include "tst_status.moc"
