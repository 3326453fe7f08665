#include "numformat.h"

#include <QStringList>
#include <cmath>
#include <limits>

namespace {

// Splits at ';' outside quotes.
QStringList sections(const QString& picture) {
    QStringList out;
    QString cur;
    QChar quote;
    for (QChar c : picture) {
        if (!quote.isNull()) {
            if (c == quote) quote = QChar();
            cur += c;
        } else if (c == u'\'' || c == u'"') {
            quote = c;
            cur += c;
        } else if (c == u';') {
            out << cur;
            cur.clear();
        } else {
            cur += c;
        }
    }
    out << cur;
    return out;
}

struct Picture {
    int minInt = 0;      // '0' before the decimal point
    int minFrac = 0;     // '0' after it
    int maxFrac = 0;     // '0' and '#' after it
    bool grouping = false;
    bool hasPlaceholder = false;
};

Picture analyse(const QString& sec) {
    Picture p;
    QChar quote;
    bool afterPoint = false;
    for (QChar c : sec) {
        if (!quote.isNull()) {
            if (c == quote) quote = QChar();
            continue;
        }
        if (c == u'\'' || c == u'"') {
            quote = c;
        } else if (c == u'0' || c == u'#') {
            p.hasPlaceholder = true;
            if (afterPoint) {
                ++p.maxFrac;
                if (c == u'0') p.minFrac = p.maxFrac;
            } else if (c == u'0') {
                ++p.minInt;
            }
        } else if (c == u'.') {
            afterPoint = true;
        } else if (c == u',') {
            p.grouping = true;
        }
    }
    return p;
}

QString group(const QString& digits, QChar sep) {
    QString out;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += sep;
        out += digits[i];
    }
    return out;
}

QString render(const QString& sec, double absValue, QChar dp, QChar ts) {
    const Picture p = analyse(sec);
    QString intDigits, fracDigits;
    if (p.hasPlaceholder) {
        const QString s = QString::number(absValue, 'f', p.maxFrac);
        const qsizetype dot = s.indexOf(u'.');
        intDigits = dot < 0 ? s : s.left(dot);
        fracDigits = dot < 0 ? QString() : s.mid(dot + 1);
        while (fracDigits.size() > p.minFrac && fracDigits.endsWith(u'0')) fracDigits.chop(1);
        if (intDigits == QLatin1String("0") && p.minInt == 0) intDigits.clear();
        while (intDigits.size() < p.minInt) intDigits.prepend(u'0');
        if (p.grouping) intDigits = group(intDigits, ts);
    }
    QString out;
    QChar quote;
    bool intDone = false, afterPoint = false, fracDone = false;
    for (QChar c : sec) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            else
                out += c;
            continue;
        }
        if (c == u'\'' || c == u'"') {
            quote = c;
        } else if (c == u'0' || c == u'#') {
            if (!afterPoint && !intDone) {
                out += intDigits;
                intDone = true;
            } else if (afterPoint && !fracDone) {
                if (!fracDigits.isEmpty()) out += dp + fracDigits;
                fracDone = true;
            }
        } else if (c == u'.') {
            if (!intDone) {
                out += intDigits;
                intDone = true;
            }
            afterPoint = true;
        } else if (c == u',') {
            // grouping marker only
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

namespace numformat {

QString formatFloat(const QString& picture, double value, QChar dp, QChar ts) {
    if (std::isnan(value)) value = 0;
    const QStringList secs = sections(picture);
    if (picture.isEmpty()) {
        QString s = QString::number(value, 'g', 15);
        return s.replace(u'.', dp);
    }
    const QString& pos = secs[0];
    const bool hasNeg = secs.size() > 1 && !secs[1].isEmpty();
    const bool hasZero = secs.size() > 2 && !secs[2].isEmpty();
    QString sec = pos;
    bool minus = false;
    if (value < 0) {
        if (hasNeg)
            sec = secs[1];
        else
            minus = true;
    }
    // A value that rounds to zero under its section shows as zero.
    const double rounded =
        QString::number(std::fabs(value), 'f', analyse(sec).maxFrac).toDouble();
    if (value == 0 || rounded == 0) {
        minus = false;
        sec = hasZero ? secs[2] : pos;
    }
    const QString body = render(sec, std::fabs(value), dp, ts);
    return minus ? u'-' + body : body;
}

QString fixed(double value, int decimals, QChar dp) {
    QString s = QString::number(value, 'f', std::max(0, decimals));
    if (s.startsWith(u'-') && s.mid(1).toDouble() == 0) s.remove(0, 1);
    return s.replace(u'.', dp);
}

double parse(const QString& text, QChar dp) {
    QString clean;
    bool negative = false, digits = false, point = false;
    for (QChar c : text) {
        if (c.isDigit() && c.unicode() < 128) {
            clean += c;
            digits = true;
        } else if (c == dp && !point) {
            clean += u'.';
            point = true;
        } else if (c == u'-' && !digits) {
            negative = !negative;
        }
    }
    if (!digits) return 0;
    const double v = clean.toDouble();
    return negative ? -v : v;
}

std::int32_t asInteger(double value, bool rounding) {
    if (!(value >= double(std::numeric_limits<std::int32_t>::min()) &&
          value <= double(std::numeric_limits<std::int32_t>::max())))
        return 0;
    return std::int32_t(rounding ? std::nearbyint(value) : std::trunc(value));
}

std::int16_t asInteger16(double value, bool rounding) {
    if (!(value >= -32768.0 && value <= 32767.0)) return 0;
    return std::int16_t(rounding ? std::nearbyint(value) : std::trunc(value));
}

} // namespace numformat
