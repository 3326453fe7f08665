#pragma once

#include <QChar>
#include <QString>

#include <cstdint>

// Upper case as the program compares names: a..z and ä ö ü, everything else stays. The same
// rule for a Windows-1252 byte of a record field and for a character.
std::uint8_t GrossZeichen(std::uint8_t c);
QChar GrossBuchstabe(QChar c);
QString GrossText(const QString& s);
QString LeerzeichenEntfernen(const QString& s); // blanks (32 only) at both ends
// Makes a directory path end in a separator; "\" and "/" both count as one, "/" is added.
QString PfadMitTrenner(const QString& p);
