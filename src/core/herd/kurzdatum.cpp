#include "herd/kurzdatum.h"

namespace {

// Leading blanks skipped, then the run of digits; no digits give 0.
long zahlAm(const QString& s) {
    qsizetype i = 0;
    while (i < s.size() && s[i] == u' ')
        ++i;
    long n = 0;
    bool any = false;
    while (i < s.size() && s[i] >= u'0' && s[i] <= u'9') {
        if (n < 100000000) n = n * 10 + (s[i].unicode() - u'0');
        any = true;
        ++i;
    }
    return any ? n : 0;
}

// Reads "d.m.y" pieces: returns the piece and the rest starting at the third character,
// with a leading "." skipped.
int teilLesen(QString& rest) {
    int wert;
    if (rest.size() >= 2 && rest[1] == u'.')
        wert = int(zahlAm(rest.left(1)));
    else
        wert = int(zahlAm(rest.left(2)));
    rest = rest.mid(2);
    if (!rest.isEmpty() && rest[0] == u'.') rest = rest.mid(1);
    return wert;
}

// The year piece as a year byte. Every digit counts, however many there are: the number is
// reduced to one byte as a whole. Years 1900..2155 typed with four digits are read as typed.
// The date field first takes 108 off a number above 99 (so 2013 gives 113 and 113 gives 5);
// a byte below 80 then means 2000..2079.
int jahrByte(const QString& s, Jahrlesart lesart) {
    qsizetype i = 0;
    while (i < s.size() && s[i] == u' ')
        ++i;
    std::uint64_t wert = 0; // exact up to 18 digits, then only "large"
    bool gross = false;
    int rest256 = 0;
    for (; i < s.size() && s[i] >= u'0' && s[i] <= u'9'; ++i) {
        const int ziffer = s[i].unicode() - u'0';
        rest256 = (rest256 * 10 + ziffer) % 256;
        if (wert > 100000000000000000ULL)
            gross = true;
        else
            wert = wert * 10 + std::uint64_t(ziffer);
    }
    if (!gross && wert >= 1900 && wert <= 2155) return int(wert - 1900);
    int jahr = rest256;
    if (lesart == Jahrlesart::Feld && (gross || wert > 99)) jahr = (jahr + 256 - 108) % 256;
    return jahr < 80 ? jahr + 100 : jahr;
}

} // namespace

TKurzDatum TKurzDatum::aus(QDate d) {
    if (!d.isValid() || d.year() < 1900 || d.year() > 2155) return {};
    return aus(d.day(), d.month(), d.year());
}

TKurzDatum TKurzDatum::aus(int tag, int monat, int jahr4, int zusatz) {
    return TKurzDatum{std::uint8_t(tag), std::uint8_t(monat), std::uint8_t(jahr4 - 1900),
                      std::uint8_t(zusatz)};
}

QDate TKurzDatum::alsQDate() const {
    if (!vorhanden()) return {};
    return QDate(1900 + Jahr, Monat, Tag);
}

QString KurzDatumText(TKurzDatum d) {
    if (d.Tag == 0) return {};
    QString s = QString::number(d.Tag) + u'.' + QString::number(d.Monat) + u'.';
    const int jj = d.Jahr % 100;
    if (jj < 10) s += u'0';
    s += QString::number(jj);
    if (d.Zusatz > 0) s += u'/' + QString::number(d.Zusatz);
    return s;
}

TKurzDatum TextZuKurzDatum(QString& s, QDate heute, Jahrlesart lesart) {
    TKurzDatum d = TKurzDatum::aus(heute);
    QString t = s;
    const qsizetype slash = t.indexOf(u'/');
    if (slash >= 0) {
        d.Zusatz = std::uint8_t(zahlAm(t.mid(slash + 1, 2)));
        t = t.left(slash);
    }
    if (t.isEmpty()) {
        // today
    } else if (const qsizetype minus = t.indexOf(u'-'); minus >= 0) {
        long rest = zahlAm(t.mid(minus + 1, 3));
        int tag = d.Tag, monat = d.Monat, jahr = d.Jahr;
        while (rest > 0) {
            if (tag > rest) {
                tag -= int(rest);
                break;
            }
            rest -= tag;
            // The month before has its length; a damaged month number steps back 30 days.
            tag = monat >= 1 && monat <= 12 ? Monatslaenge(monat == 1 ? 12 : monat - 1, jahr) : 30;
            if (--monat < 1) {
                monat = 12;
                jahr = (jahr + 255) % 256;
            }
        }
        d.Tag = std::uint8_t(tag);
        d.Monat = std::uint8_t(monat);
        d.Jahr = std::uint8_t(jahr);
    } else {
        QString rest = t;
        int tag = teilLesen(rest);
        int monat = d.Monat;
        int jahr = d.Jahr;
        if (!rest.isEmpty()) monat = teilLesen(rest);
        if (!rest.isEmpty()) jahr = jahrByte(rest, lesart);
        d.Tag = std::uint8_t(tag);
        d.Monat = std::uint8_t(monat);
        d.Jahr = std::uint8_t(jahr);
        if (tag > 31 || monat > 12) {
            d.Tag = d.Monat = d.Jahr = 0;
        }
    }
    s = KurzDatumText(d);
    return d;
}

// Steps n calendar days forward; the date keeps its Zusatz. A day at or beyond the end of
// its month steps to the 1st of the next month; months outside 1..12 have 31 days, and the
// month after 12 or above is January of the next year. Whole months go in one step.
static TKurzDatum schritteVor(int n, TKurzDatum d) {
    int tag = d.Tag, monat = d.Monat, jahr = d.Jahr;
    while (n > 0) {
        const int laenge = Monatslaenge(monat, jahr);
        const int imMonat = tag < laenge ? laenge - tag : 0;
        if (n <= imMonat) {
            tag += n;
            break;
        }
        n -= imMonat + 1;
        tag = 1;
        if (++monat > 12) {
            monat = 1;
            jahr = (jahr + 1) % 256;
        }
    }
    return TKurzDatum{std::uint8_t(tag), std::uint8_t(monat), std::uint8_t(jahr), d.Zusatz};
}

QString TageAddieren(int n, TKurzDatum d) {
    TKurzDatum r = schritteVor(n, d);
    r.Zusatz = 0; // a computed date carries no suffix
    return KurzDatumText(r);
}

TKurzDatum TageAddierenDatum(int n, TKurzDatum d) {
    TKurzDatum r = schritteVor(n, d);
    if (r.Tag == 0) return {}; // no text, no date
    // A real day and month read back from the text "d.m.yy" as they are, the year by its two
    // digits; anything else goes the way of the text itself.
    if (r.Tag <= 31 && r.Monat >= 1 && r.Monat <= 12) {
        const int jj = r.Jahr % 100;
        return TKurzDatum{r.Tag, r.Monat, std::uint8_t(jj < 80 ? jj + 100 : jj), 0};
    }
    r.Zusatz = 0;
    QString text = KurzDatumText(r);
    return TextZuKurzDatum(text, QDate(2000, 1, 1)); // the text names day, month and year
}

namespace {
// Year, then month, then day: also right for damaged bytes of 100 and more.
int vergleich(TKurzDatum a, TKurzDatum b) {
    if (a.Jahr != b.Jahr) return a.Jahr < b.Jahr ? -1 : 1;
    if (a.Monat != b.Monat) return a.Monat < b.Monat ? -1 : 1;
    if (a.Tag != b.Tag) return a.Tag < b.Tag ? -1 : 1;
    return 0;
}
} // namespace

bool DatumZwischen(TKurzDatum a, TKurzDatum b, TKurzDatum c) {
    return vergleich(a, b) <= 0 && vergleich(b, c) <= 0;
}
