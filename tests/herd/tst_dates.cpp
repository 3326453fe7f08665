// The record date: display text, reading typed dates, adding days, day differences and comparisons.

#include "herd/kurzdatum.h"
#include "support/herdbau.h"

#include <QTest>

namespace {

// A date as "d.m.yy/z", built without the code under test; no day, no text.
QString kurz(TKurzDatum d) {
    if (!d.Tag) return {};
    const QString s = QString::asprintf("%d.%d.%02d", d.Tag, d.Monat, d.Jahr % 100);
    return d.Zusatz ? s + QStringLiteral("/%1").arg(d.Zusatz) : s;
}

// The day number as the herd has always computed it, in floating point, for any bytes.
int tagesnummerWieBisher(TKurzDatum dt) {
    if (dt.Tag == 0) return -31;
    const int d = dt.Tag, m = dt.Monat, y = dt.Jahr;
    int n;
    if (m > 2)
        n = 365 * y + d + 31 * (m - 1) - int(0.4 * m + 2.3) + y / 4 -
            int(0.75 * double(y / 100 + 1));
    else
        n = 365 * y + d + 31 * (m - 1) + (y - 1) / 4 - int(0.75 * double((y - 1) / 100 + 1));
    if (y > 100 || (y == 100 && (m > 2 || (m == 2 && d > 29)))) ++n;
    return n;
}

} // namespace

class TestDates : public QObject {
    Q_OBJECT

private slots:
    void kurzDatumText_data() {
        QTest::addColumn<TKurzDatum>("datum");
        QTest::addColumn<QString>("text");

        // Other dates are shown in the typed-date cases, against a text built here.
        QTest::newRow("Zusatz 255") << D(1, 2, 113, 255) << "1.2.13/255";
        QTest::newRow("no date") << D(0, 3, 113) << "";
    }
    void kurzDatumText() {
        QFETCH(TKurzDatum, datum);
        QTEST(KurzDatumText(datum), "text");
    }

    void textZuKurzDatum_data() {
        QTest::addColumn<QDate>("heute");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<TKurzDatum>("datum");

        const QDate h(2013, 3, 10);
        QTest::newRow("empty is today") << h << "" << D(10, 3, 113);
        QTest::newRow("day only") << h << "5" << D(5, 3, 113);
        QTest::newRow("full date") << h << "5.3.13" << D(5, 3, 113);
        QTest::newRow("year 79") << h << "5.3.79" << D(5, 3, 179);
        QTest::newRow("year 0") << h << "5.3.0" << D(5, 3, 100);
        QTest::newRow("four-digit year 2013") << h << "5.3.2013" << D(5, 3, 113);
        QTest::newRow("four-digit year 1900") << h << "1.1.1900" << D(1, 1, 0);
        QTest::newRow("four-digit year 2155") << h << "5.3.2155" << D(5, 3, 255);
        QTest::newRow("three-digit year is one byte") << h << "5.3.113" << D(5, 3, 113);
        QTest::newRow("every digit of a long year counts") << h << "5.3.1234567890" << D(5, 3, 210);
        QTest::newRow("day 32") << h << "32.1.13" << D(0, 0, 0);
        QTest::newRow("month 13") << h << "1.13.13" << D(0, 0, 0);
        QTest::newRow("day 32 keeps Zusatz") << h << "32.1.13/2" << D(0, 0, 0, 2);
        QTest::newRow("Zusatz reads two characters") << h << "5.3.13/123" << D(5, 3, 113, 12);
        QTest::newRow("Zusatz alone is today") << h << "/3" << D(10, 3, 113, 3);
        QTest::newRow("Zusatz without digits") << h << "5.3.13/x" << D(5, 3, 113);
        QTest::newRow("Zusatz with days back") << h << "-3/1" << D(7, 3, 113, 1);
        QTest::newRow("-0 is today") << QDate(2013, 1, 5) << "-0" << D(5, 1, 113);
        QTest::newRow("- without number is today") << QDate(2013, 1, 5) << "-" << D(5, 1, 113);
        // Year byte 0 is divisible by 4: the month-length rule gives February 1900 29 days.
        QTest::newRow("-1 on 1.3.1900") << QDate(1900, 3, 1) << "-1" << D(29, 2, 0);
        QTest::newRow("only three digits count") << QDate(2013, 3, 10) << "-1000" << D(30, 11, 112);
        QTest::newRow("blank before the number") << QDate(2013, 3, 10) << "- 7" << D(3, 3, 113);
    }
    // The typed text is replaced by the short form of the date read.
    void textZuKurzDatum() {
        QFETCH(QDate, heute);
        QFETCH(QString, eingabe);
        QFETCH(TKurzDatum, datum);

        QString s = eingabe;
        QCOMPARE(TextZuKurzDatum(s, heute), datum);
        QCOMPARE(s, kurz(datum));
    }

    void tageAddieren_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<TKurzDatum>("datum");
        QTest::addColumn<QString>("text");

        QTest::newRow("the Zusatz stays behind") << 1 << D(28, 2, 112, 3) << "29.2.12";
        QTest::newRow("0 days") << 0 << D(5, 3, 113) << "5.3.13";
        // Days beyond the month's end, and months outside 1..12 (31 days, 13 and up roll over).
        QTest::newRow("1 after 31.2.13") << 1 << D(31, 2, 113) << "1.3.13";
        QTest::newRow("2 after 31.4.13") << 2 << D(31, 4, 113) << "2.5.13";
        QTest::newRow("20 after 20.13.13") << 20 << D(20, 13, 113) << "9.1.14";
        QTest::newRow("40 after 1.0.13") << 40 << D(1, 0, 113) << "10.1.13";
        QTest::newRow("1 after day 0") << 1 << D(0, 3, 113) << "1.3.13";
        QTest::newRow("255 after 31.12. of year byte 255") << 255 << D(31, 12, 255) << "11.9.00";
        // A damaged month byte: the text "1.100.13" reads back as 1.10.00.
        QTest::newRow("0 after month byte 100") << 0 << D(1, 100, 113) << "1.100.13";
        QTest::newRow("0 after the empty date") << 0 << D(0, 0, 0) << "";
    }
    void tageAddieren() {
        QFETCH(int, n);
        QFETCH(TKurzDatum, datum);
        QFETCH(QString, text);
        QCOMPARE(TageAddieren(n, datum), text);
        // The date is what the text reads back to; no text, no date.
        QString s = text;
        QCOMPARE(TageAddierenDatum(n, datum),
                 text.isEmpty() ? TKurzDatum{} : TextZuKurzDatum(s, QDate(1990, 6, 15)));
    }

    // Every real day from 1.1.1900 to 31.12.2155 gets its number of days since 31.12.1899. Between
    // 1901 and 2099 the month-length rule is the calendar's: adding n days and "-n" typed (n up to
    // 999) give the calendar's day.
    void wieImKalender() {
        const QDate nullpunkt(1899, 12, 31);
        for (QDate q(1900, 1, 1); q <= QDate(2155, 12, 31); q = q.addDays(1)) {
            const QString tag = q.toString(Qt::ISODate);
            if (Tagesnummer(K(q)) != int(nullpunkt.daysTo(q)) ||
                JulianischerTag(K(q)) != q.toJulianDay())
                QFAIL(qPrintable(tag));
            if (q.year() <= 1900 || q.year() >= 2099) continue;
            for (int n : {1, 113, 255})
                if (TageAddieren(n, K(q)) != kurz(K(q.addDays(n))))
                    QFAIL(qPrintable(QStringLiteral("%1 days after %2").arg(n).arg(tag)));
            if (q.year() < 1985 || q.year() > 2016) continue;
            for (int n : {1, 27, 28, 29, 30, 31, 59, 60, 365, 366, 999}) {
                QString s = QStringLiteral("-%1").arg(n);
                if (TextZuKurzDatum(s, q) != K(q.addDays(-n)))
                    QFAIL(qPrintable(QStringLiteral("-%1 on %2").arg(n).arg(tag)));
            }
        }
        // Days the calendar does not have: no Julian day.
        for (TKurzDatum d : {D(0, 0, 0), D(31, 2, 120), D(29, 2, 200), D(1, 13, 120), D(32, 1, 99)})
            QCOMPARE(JulianischerTag(d), -1);
    }
    // The inline integer day number and the day difference (0 from 32766 days on) against the
    // floating-point one over every byte of day, month and year (the evaluation reads dates
    // straight from records, damaged ones too); the Zusatz does not count.
    void tagesnummerFuerJedesByte() {
        const TKurzDatum bezug = D(29, 2, 120);
        for (int j = 0; j < 256; ++j)
            for (int m = 0; m < 256; ++m)
                for (int t = 0; t < 256; ++t) {
                    const TKurzDatum d{std::uint8_t(t), std::uint8_t(m), std::uint8_t(j),
                                       std::uint8_t(t + m)};
                    const int n = tagesnummerWieBisher(d);
                    const int diff = n - tagesnummerWieBisher(bezug);
                    const int tage = diff >= 32766 || diff <= -32766 ? 0 : diff;
                    if (Tagesnummer(d) != n || TageZwischen(bezug, d) != tage ||
                        TageZwischen(d, bezug) != -tage)
                        QFAIL(qPrintable(QStringLiteral("%1.%2.[%3]").arg(t).arg(m).arg(j)));
                }
        static_assert(Tagesnummer(TKurzDatum{1, 1, 0, 0}) == 1);
        static_assert(TageZwischen(TKurzDatum{}, TKurzDatum{1, 1, 0, 0}) == 32);
    }

    // Dates compare by year, then month, then day, the bounds of a period included; the Zusatz
    // does not count. The period also orders damaged day or month bytes of 100 and more so.
    void vergleiche() {
        Zufall z(3);
        const int tage[] = {0, 1, 2, 28, 31, 150}, monate[] = {0, 1, 2, 12, 13, 100};
        const auto datum = [&](int moeglich) {
            return D(tage[z.zahl(0, moeglich)], monate[z.zahl(0, moeglich)], z.zahl(99, 100),
                     z.zahl(0, 2));
        };
        const auto folge = [](TKurzDatum d) { return std::tuple(d.Jahr, d.Monat, d.Tag); };
        for (int i = 0; i < 20000; ++i) {
            const TKurzDatum a = datum(4), b = datum(5), c = datum(5);
            if (b.Tag < 100 && b.Monat < 100) QCOMPARE(DatumVor(a, b), folge(a) < folge(b));
            QCOMPARE(DatumZwischen(a, b, c), folge(a) <= folge(b) && folge(b) <= folge(c));
        }
    }
};

QTEST_GUILESS_MAIN(TestDates)
#include "tst_dates.moc"
