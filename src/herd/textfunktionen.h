#pragma once

#include <QChar>
#include <QString>

QChar GrossBuchstabe(QChar c); // a..z and ä ö ü upper-cased; everything else stays
QString GrossText(const QString& s);
QString LeerzeichenEntfernen(const QString& s); // blanks (32 only) at both ends
// Makes a directory path end in a separator; "\" and "/" both count as one, "/" is added.
QString PfadMitTrenner(const QString& p);
