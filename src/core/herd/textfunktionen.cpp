#include "herd/textfunktionen.h"

std::uint8_t GrossZeichen(std::uint8_t c) {
    const bool klein = (c >= 'a' && c <= 'z') || c == 0xE4 || c == 0xF6 || c == 0xFC; // ä ö ü
    return klein ? std::uint8_t(c - 32) : c;
}

QChar GrossBuchstabe(QChar c) {
    // Windows-1252 and Unicode agree on a..z and ä ö ü.
    const char16_t u = c.unicode();
    return u < 0x100 ? QChar(char16_t(GrossZeichen(std::uint8_t(u)))) : c;
}

QString GrossText(const QString& s) {
    QString r = s;
    for (QChar& c : r)
        c = GrossBuchstabe(c);
    return r;
}

QString LeerzeichenEntfernen(const QString& s) {
    qsizetype ende = s.size();
    while (ende > 0 && s[ende - 1] == u' ')
        --ende;
    qsizetype anfang = 0;
    while (anfang < ende && s[anfang] == u' ')
        ++anfang;
    return s.mid(anfang, ende - anfang);
}

QString PfadMitTrenner(const QString& p) {
    const QString t = LeerzeichenEntfernen(p);
    if (t.isEmpty() || t.endsWith(u'\\') || t.endsWith(u'/')) return p;
    return p + u'/';
}
