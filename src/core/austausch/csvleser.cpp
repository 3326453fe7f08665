#include "austausch/csvleser.h"

#include "platform/codepage.h"

#include <QStringDecoder>
#include <algorithm>

namespace {

QString entschluesseln(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF")) return QString::fromUtf8(bytes.mid(3));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    return cp1252::decode(bytes);
}

QChar trennerDerKopfzeile(const QString& text) {
    int semikolons = 0, kommas = 0;
    bool inAnfuehrung = false;
    for (const QChar c : text) {
        if (c == u'"') inAnfuehrung = !inAnfuehrung;
        if (inAnfuehrung) continue;
        if (c == u'\n') break;
        semikolons += c == u';';
        kommas += c == u',';
    }
    return kommas > semikolons ? u',' : u';';
}

// One field from `i`: quoted (its quotes undoubled; line breaks inside counted into `nummer`)
// or plain up to the separator or the line's end. `i` ends on the separator or line end.
QStringView feldLesen(CsvTabelle& t, qsizetype& i, int& nummer) {
    const QString& text = t.text;
    const qsizetype n = text.size();
    qsizetype anfang = i;
    QString* kopie = nullptr;
    if (i < n && text[i] == u'"') {
        kopie = &t.ausgepackt.emplace_back();
        ++i;
        while (i < n) {
            const qsizetype quote = text.indexOf(u'"', i);
            const qsizetype ende = quote < 0 ? n : quote;
            for (qsizetype k = i; k < ende; ++k)
                nummer += text[k] == u'\n';
            *kopie += QStringView(text).mid(i, ende - i);
            i = ende + 1;
            if (quote < 0 || i >= n || text[i] != u'"') break;
            *kopie += u'"'; // a doubled quote
            ++i;
        }
        anfang = std::min(i, n);
    }
    qsizetype k = anfang;
    while (k < n && text[k] != t.trenner && text[k] != u'\n')
        ++k;
    qsizetype bis = k;
    if (bis > anfang && text[bis - 1] == u'\r') --bis;
    i = k;
    if (!kopie) return QStringView(text).mid(anfang, bis - anfang);
    *kopie += QStringView(text).mid(anfang, bis - anfang); // text after the closing quote
    kopie->remove(u'\r');
    return *kopie;
}

} // namespace

QStringList CsvTabelle::kopf() const {
    QStringList out;
    if (!zeilen.isEmpty())
        for (QStringView f : zeilen.first().felder)
            out << f.toString();
    return out;
}

CsvTabelle CsvLesen(const QByteArray& bytes) {
    CsvTabelle t;
    t.text = entschluesseln(bytes);
    t.trenner = trennerDerKopfzeile(t.text);
    int nummer = 1;
    qsizetype i = 0;
    const qsizetype n = t.text.size();
    while (i < n) {
        CsvTabelle::Zeile zeile{nummer, {}};
        bool zeilenEnde = false;
        while (!zeilenEnde) {
            zeile.felder << feldLesen(t, i, nummer);
            zeilenEnde = i >= n || t.text[i] == u'\n';
            ++i;
        }
        ++nummer;
        const bool leer = std::all_of(zeile.felder.begin(), zeile.felder.end(),
                                      [](QStringView f) { return f.trimmed().isEmpty(); });
        if (!leer) t.zeilen << zeile;
    }
    return t;
}
