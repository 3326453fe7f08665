#include "herd/numformat.h"

#include <QStringList>
#include <algorithm>
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
    int minInt = 0;  // '0' before the decimal point
    int minFrac = 0; // '0' after it
    int maxFrac = 0; // '0' and '#' after it
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

// |v| as decimal digits: v = 0.ziffern * 10^exp, no trailing zeros; no digits for zero.
struct Dezimal {
    QString ziffern;
    int exp = 0;
};

Dezimal zerlegen(double v, int precision) {
    Dezimal d;
    v = std::fabs(v);
    if (!(v > 0) || !std::isfinite(v)) return d;
    const QString s = QString::number(v, 'e', std::clamp(precision, 1, 17) - 1);
    const qsizetype e = s.indexOf(u'e');
    d.ziffern = s.left(e);
    d.ziffern.remove(u'.');
    d.exp = s.mid(e + 1).toInt() + 1;
    while (d.ziffern.endsWith(u'0'))
        d.ziffern.chop(1);
    return d;
}

// Rounds at `decimals` places after the point, halves away from zero.
Dezimal runden(Dezimal d, int decimals) {
    const qsizetype keep = qsizetype(d.exp) + decimals;
    if (keep >= d.ziffern.size()) return d;
    if (keep < 0) return {};
    const bool auf = d.ziffern[keep] >= u'5';
    d.ziffern.truncate(keep);
    if (auf) {
        while (d.ziffern.endsWith(u'9'))
            d.ziffern.chop(1);
        if (d.ziffern.isEmpty()) {
            d.ziffern = QStringLiteral("1");
            ++d.exp;
        } else {
            QChar& last = d.ziffern[d.ziffern.size() - 1];
            last = QChar(last.unicode() + 1);
        }
    }
    while (d.ziffern.endsWith(u'0'))
        d.ziffern.chop(1);
    if (d.ziffern.isEmpty()) return {};
    return d;
}

QString ganzteil(const Dezimal& d) {
    if (d.exp <= 0 || d.ziffern.isEmpty()) return QStringLiteral("0");
    QString s = d.ziffern.left(d.exp);
    while (s.size() < d.exp)
        s += u'0';
    return s;
}

QString nachkomma(const Dezimal& d, int n) {
    QString s;
    for (int j = 0; j < n; ++j) {
        const qsizetype i = qsizetype(d.exp) + j;
        s += i >= 0 && i < d.ziffern.size() ? d.ziffern[i] : QChar(u'0');
    }
    return s;
}

QString festText(const Dezimal& d, int decimals, bool negativ, QChar dp) {
    QString s = ganzteil(d);
    if (decimals > 0) s += dp + nachkomma(d, decimals);
    return negativ && !d.ziffern.isEmpty() ? u'-' + s : s;
}

QString render(const QString& sec, const Dezimal& wert, QChar dp, QChar ts) {
    const Picture p = analyse(sec);
    QString intDigits, fracDigits;
    if (p.hasPlaceholder) {
        const Dezimal d = runden(wert, p.maxFrac);
        intDigits = ganzteil(d);
        fracDigits = nachkomma(d, p.maxFrac);
        while (fracDigits.size() > p.minFrac && fracDigits.endsWith(u'0'))
            fracDigits.chop(1);
        if (intDigits == QLatin1String("0") && p.minInt == 0) intDigits.clear();
        while (intDigits.size() < p.minInt)
            intDigits.prepend(u'0');
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
    const QString& pos = secs[0];
    if (pos.isEmpty()) return general(value, dp);
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
    Dezimal d = zerlegen(value, 15);
    // A value that rounds to zero under its section shows as zero.
    if (runden(d, analyse(sec).maxFrac).ziffern.isEmpty()) {
        minus = false;
        sec = hasZero ? secs[2] : pos;
        d = {};
    }
    const QString body = render(sec, d, dp, ts);
    return minus ? u'-' + body : body;
}

QString general(double value, QChar dp) {
    const Dezimal d = zerlegen(value, 15);
    if (d.ziffern.isEmpty()) return QStringLiteral("0");
    QString s;
    if (d.exp >= -4 && d.exp <= 15) {
        s = festText(d, std::max(0, int(d.ziffern.size()) - d.exp), false, dp);
    } else {
        s = d.ziffern.left(1);
        if (d.ziffern.size() > 1) s += dp + d.ziffern.mid(1);
        s += u'E' + QString::number(d.exp - 1);
    }
    return value < 0 ? u'-' + s : s;
}

QString fixed(double value, int decimals, QChar dp, int precision) {
    decimals = std::max(0, decimals);
    Dezimal d = zerlegen(value, 15);
    if (precision >= 1 && precision < 15 && d.exp <= precision) d = runden(d, precision - d.exp);
    return festText(runden(d, decimals), decimals, value < 0, dp);
}

QString plain(double value, QChar dp, int minDecimals) {
    const Dezimal d = zerlegen(value, 15);
    const int decimals = std::max({0, minDecimals, int(d.ziffern.size()) - d.exp});
    return festText(d, decimals, value < 0, dp);
}

double parse(const QString& text, QChar dp) {
    QString clean;
    bool negative = false, digits = false, point = false;
    for (QChar c : text) {
        if (c >= u'0' && c <= u'9') {
            clean += c;
            digits = true;
        } else if (c == dp && !point) {
            clean += u'.';
            point = true;
        } else if (c == u'-' && !digits) {
            negative = true;
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

QString zahl(double value, int decimals) {
    if (!std::isfinite(value)) return QStringLiteral("?");
    return fixed(value, decimals, kDezimalzeichen);
}

QString zahlKurz(double value) {
    return QString::asprintf("%g", value).replace(u'.', kDezimalzeichen);
}

double lesen(const QString& text) {
    return parse(text, kDezimalzeichen);
}

bool eingabeMoeglich(const QString& text, Eingabeart art) {
    bool komma = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c >= u'0' && c <= u'9') continue;
        if (c == u'-' && i == 0 && art.negativ) continue;
        if (c == kDezimalzeichen && art.nachkomma && !komma) {
            komma = true;
            continue;
        }
        return false;
    }
    return true;
}

bool bildMitNachkomma(const QString& picture) {
    const QString pos = sections(picture).first();
    if (pos.isEmpty()) return true;
    const Picture p = analyse(pos);
    return !p.hasPlaceholder || p.maxFrac > 0;
}

QString unterMinimumText(double min) {
    return QStringLiteral("Der Wert muß größer oder gleich %1 sein!").arg(zahlKurz(min));
}

QString ueberMaximumText(double max) {
    return QStringLiteral("Der Wert darf nicht über %1 liegen!").arg(zahlKurz(max));
}

} // namespace numformat
