#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

// Windows-1252 at the file boundary. Characters that the code page cannot hold are written
// as '?'; the five bytes without a character (0x81, 0x8D, 0x8F, 0x90, 0x9D) read as the
// C1 control of the same number so that they survive a round trip.
namespace cp1252 {

QString decode(const std::uint8_t* bytes, std::size_t count);
QString decode(const QByteArray& bytes);
QByteArray encode(const QString& text);
char encodeChar(QChar c);

} // namespace cp1252
