#include "textfunktionen.h"

QChar GrossBuchstabe(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'a' && u <= u'z') return QChar(char16_t(u - 32));
    switch (u) {
    case u'ä':
        return QChar(u'Ä');
    case u'ö':
        return QChar(u'Ö');
    case u'ü':
        return QChar(u'Ü');
    default:
        return c;
    }
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
