#pragma once

#include <QChar>
#include <QString>
#include <cstdint>

// The text side of the number field, free of widgets.
namespace numformat {

// Formats with a picture of up to three sections "positive;negative;zero". Placeholders
// '0' (digit always shown) and '#' (digit if significant), '.' the decimal point, ',' turns on
// thousands grouping; text in '...' or "..." and any other character is copied. A negative
// value in the positive section gets a leading '-'; an empty negative or zero section falls
// back to the positive one. A value that rounds to zero uses the zero section.
QString formatFloat(const QString& picture, double value, QChar decimalPoint = u'.',
                    QChar thousandsSeparator = u',');

// Fixed notation with `decimals` places.
QString fixed(double value, int decimals, QChar decimalPoint = u'.');

// Reads typed text: only digits, signs and the decimal separator count; a minus sign
// before the first digit makes the value negative. No digits give 0.
double parse(const QString& text, QChar decimalPoint = u'.');

// Integer access: within the 32-bit (16-bit) range rounded to nearest with halves to even, or
// truncated; outside the range 0.
std::int32_t asInteger(double value, bool rounding);
std::int16_t asInteger16(double value, bool rounding);

} // namespace numformat
