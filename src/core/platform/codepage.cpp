#include "platform/codepage.h"

namespace {

// 0x80..0x9F; 0 marks the bytes without a character.
constexpr char16_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

QChar decodeByte(std::uint8_t b) {
    if (b >= 0x80 && b <= 0x9F && kHigh[b - 0x80] != 0) return QChar(kHigh[b - 0x80]);
    return QChar(char16_t(b));
}

} // namespace

namespace cp1252 {

QString decode(const std::uint8_t* bytes, std::size_t count) {
    QString s;
    s.resize(qsizetype(count));
    for (std::size_t i = 0; i < count; ++i)
        s[qsizetype(i)] = decodeByte(bytes[i]);
    return s;
}

QString decode(const QByteArray& bytes) {
    return decode(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                  std::size_t(bytes.size()));
}

char encodeChar(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return char(u);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == u) return char(0x80 + i);
    // The undefined bytes decode to their C1 control; give them back unchanged.
    if (u == 0x81 || u == 0x8D || u == 0x8F || u == 0x90 || u == 0x9D) return char(u);
    return '?';
}

QByteArray encode(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A character outside the 16-bit range is one character: one '?'.
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out.append('?');
            ++i;
            continue;
        }
        out.append(encodeChar(text[i]));
    }
    return out;
}

} // namespace cp1252
