#pragma once

#include <QDate>
#include <QString>
#include <cstdint>

// The 4-byte record date: day (0 = no date), month, year - 1900, Zusatz.
struct TKurzDatum {
    std::uint8_t Tag = 0;
    std::uint8_t Monat = 0;
    std::uint8_t Jahr = 0;
    std::uint8_t Zusatz = 0;

    constexpr bool vorhanden() const { return Tag != 0; }
    bool operator==(const TKurzDatum&) const = default;

    static TKurzDatum aus(QDate d); // Zusatz 0; an invalid date gives the empty date
    static TKurzDatum aus(int tag, int monat, int jahr4, int zusatz = 0);
    QDate alsQDate() const; // invalid for the empty date or an impossible day
};

// Display form: "5.3.13", "15.11.00/2"; empty for day 0.
QString KurzDatumText(TKurzDatum d);

// How a year piece of more than two digits becomes the year byte: as one byte (computed
// texts), or by the date field's rule that takes 108 off first. Either way years 1900..2155
// typed with four digits are read as typed.
enum class Jahrlesart { Text, Feld };

// Reads a typed or computed date relative to `heute`. `s` is replaced by the display form of
// the result.
TKurzDatum TextZuKurzDatum(QString& s, QDate heute, Jahrlesart lesart = Jahrlesart::Text);

// Date n days (0..255) after d, as display text (without the Zusatz).
QString TageAddieren(int n, TKurzDatum d);
// The same, as the date that text reads back to.
TKurzDatum TageAddierenDatum(int n, TKurzDatum d);

// The day number of a date (1.1.1900 is day 1); -31 for the empty date. Every byte value
// counts as it stands (month 13, day 40), and 2000 is a common year until its 29th of February,
// as the record dates have always counted. Inline for the evaluation loops.
constexpr int Tagesnummer(TKurzDatum dt) {
    if (dt.Tag == 0) return -31;
    const int d = dt.Tag, m = dt.Monat, y = dt.Jahr;
    int n = 365 * y + d + 31 * (m - 1);
    if (m > 2)
        n += y / 4 - (4 * m + 23) / 10 - 3 * (y / 100 + 1) / 4;
    else
        n += (y - 1) / 4 - 3 * ((y - 1) / 100 + 1) / 4;
    if (y > 100 || (y == 100 && (m > 2 || (m == 2 && d > 29)))) ++n;
    return n;
}

// The same on day numbers, for loops that compare many dates with one.
constexpr int TageZwischenNummern(int a, int b) {
    const int diff = b - a;
    return diff >= 32766 || diff <= -32766 ? 0 : diff;
}

// Days from a to b; 0 when the distance is 32766 or more; the empty date counts as day -31.
// Callers that want 0 for a missing date test for it first.
constexpr int TageZwischen(TKurzDatum a, TKurzDatum b) {
    return TageZwischenNummern(Tagesnummer(a), Tagesnummer(b));
}

// A date with its day number, worked out once where one date is counted from several times
// (the checks of a litter). A plain date converts to it.
struct Tagdatum {
    TKurzDatum datum;
    int nummer = Tagesnummer({});

    constexpr Tagdatum() = default;
    constexpr Tagdatum(TKurzDatum d) : datum(d), nummer(Tagesnummer(d)) {}
    constexpr bool vorhanden() const { return datum.vorhanden(); }
};

constexpr int TageZwischen(Tagdatum a, Tagdatum b) {
    return TageZwischenNummern(a.nummer, b.nummer);
}

// Days of a month (1..12) in a year byte; every fourth year from 1900 is a leap year, as the
// record dates have always counted. Other month numbers have 31 days.
constexpr int Monatslaenge(int monat, int jahr) {
    constexpr std::uint8_t tage[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (monat < 1 || monat > 12) return 31;
    return tage[monat - 1] + (monat == 2 && jahr % 4 == 0);
}

// The date stands in the calendar as the record dates count it (no 31.2., no month 13); the
// empty date does not.
constexpr bool DatumImKalender(TKurzDatum d) {
    return d.vorhanden() && d.Monat >= 1 && d.Monat <= 12 && d.Tag <= Monatslaenge(d.Monat, d.Jahr);
}

// The Julian day of the date in the Gregorian calendar, as QDate::toJulianDay gives it; -1 for
// a date that calendar does not have (the empty date, 31.2., month 13, 29.2.2100). Unlike
// Tagesnummer it counts the real calendar, for what must fall on calendar weeks.
constexpr qint64 JulianischerTag(TKurzDatum d) {
    const int y = 1900 + d.Jahr, m = d.Monat, t = d.Tag;
    const bool schaltjahr = y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
    const int laenge = m == 2 ? (schaltjahr ? 29 : 28) : Monatslaenge(m, d.Jahr);
    if (t < 1 || m < 1 || m > 12 || t > laenge) return -1;
    // Days from 1.3. of year 0, counting March as the first month.
    const int jahr = y - (m <= 2);
    const int marzMonat = m > 2 ? m - 3 : m + 9;
    const qint64 tage =
        365LL * jahr + jahr / 4 - jahr / 100 + jahr / 400 + (153 * marzMonat + 2) / 5 + t - 1;
    return tage + 1721120;
}

// The order of dates as DatumVor compares them: year, month and day as one number.
constexpr int DatumsSchluessel(TKurzDatum d) {
    return d.Jahr * 10000 + d.Monat * 100 + d.Tag;
}

constexpr bool DatumVor(TKurzDatum a, TKurzDatum b) {
    return DatumsSchluessel(a) < DatumsSchluessel(b);
}

// a <= b <= c by year, then month, then day (unlike DatumsSchluessel also for damaged day or
// month bytes of 100 and more).
bool DatumZwischen(TKurzDatum a, TKurzDatum b, TKurzDatum c);
