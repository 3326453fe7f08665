#pragma once

#include <QChar>
#include <QString>
#include <cstdint>

// The text side of the number field, free of widgets.
//
// Values are rounded on their decimal digits: the double is first taken to 15 significant
// digits, then rounded at the wanted place with halves away from zero, so 1.005 shows as 1.01
// and 2.5 as 3.
namespace numformat {

// Formats with a picture of up to three sections "positive;negative;zero". Placeholders
// '0' (digit always shown) and '#' (digit if significant), '.' the decimal point, ',' turns on
// thousands grouping; text in '...' or "..." and any other character is copied. A negative
// value in the positive section gets a leading '-'; an empty negative or zero section falls
// back to the positive one. A value that rounds to zero uses the zero section. An empty
// picture or an empty positive section gives the general form.
QString formatFloat(const QString& picture, double value, QChar decimalPoint = u'.',
                    QChar thousandsSeparator = u',');

// General form: 15 significant digits without trailing zeros; fixed notation for
// 0.00001 <= |value| < 1e15, otherwise "1.5E-7", "1E20".
QString general(double value, QChar decimalPoint = u'.');

// Fixed notation with `decimals` places. With `precision` below 15 the value is first rounded
// to that many significant digits, unless its whole part has more digits than that.
QString fixed(double value, int decimals, QChar decimalPoint = u'.', int precision = 15);

// All significant digits (15) in fixed notation, never an exponent, at least `minDecimals`
// places. The form a value is edited in.
QString plain(double value, QChar decimalPoint = u'.', int minDecimals = 0);

// Reads typed text: only digits, signs and the decimal separator count; a minus sign
// before the first digit makes the value negative. No digits give 0.
double parse(const QString& text, QChar decimalPoint = u'.');

// Integer access: within the 32-bit (16-bit) range rounded to nearest with halves to even, or
// truncated; outside the range 0.
std::int32_t asInteger(double value, bool rounding);
std::int16_t asInteger16(double value, bool rounding);

// Every number the user sees or types is German, whatever the system locale: decimal comma,
// thousands point.
inline constexpr QChar kDezimalzeichen = u',';
inline constexpr QChar kTausenderzeichen = u'.';

// A value with fixed decimals and the decimal comma ("12,50"); "?" for a value that is no
// number.
QString zahl(double value, int decimals);
// C's %g with the decimal comma ("2,5", "1e+06"), as messages name bounds.
QString zahlKurz(double value);

// How a number field refuses a value below its least or above its greatest value.
QString unterMinimumText(double min);
QString ueberMaximumText(double max);
// Reads typed German text: digits, a leading minus and the decimal comma count.
double lesen(const QString& text);

// What a number field can hold while typing.
struct Eingabeart {
    bool nachkomma = true; // a decimal comma may be typed
    bool negativ = true;   // a minus may be typed
};
// Whether `text` is a number in the making of that kind: an optional leading minus, digits and
// at most one decimal comma. The empty text is one.
bool eingabeMoeglich(const QString& text, Eingabeart art);
// Whether a picture "positive;negative;zero" shows decimals (an empty one, the general form,
// does).
bool bildMitNachkomma(const QString& picture);

} // namespace numformat
