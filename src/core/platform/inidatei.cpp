#include "platform/inidatei.h"

#include "platform/safewrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>

void IniDatei::lesen(const QByteArray& text) {
    sections_.clear();
    Section* aktuell = nullptr;
    const QString alles = QString::fromUtf8(text);
    for (QString zeile : alles.split(u'\n')) {
        // Line ends of any number of CRs (a file that went through several editors).
        while (zeile.endsWith(u'\r'))
            zeile.chop(1);
        const QString t = zeile.trimmed();
        if (t.isEmpty() || t.startsWith(u';') || t.startsWith(u'#')) continue;
        if (t.startsWith(u'[') && t.endsWith(u']')) {
            const QString name = t.mid(1, t.size() - 2).trimmed();
            aktuell = finde(name);
            if (!aktuell) {
                sections_.append(Section{name, {}});
                aktuell = &sections_.last();
            }
            continue;
        }
        const qsizetype gleich = zeile.indexOf(u'=');
        if (gleich <= 0 || !aktuell) continue;
        const QString key = zeile.left(gleich).trimmed();
        if (key.isEmpty()) continue; // no key, no entry (it could not be written back)
        const QString value = zeile.mid(gleich + 1);
        bool ersetzt = false;
        for (auto& [k, v] : aktuell->eintraege)
            if (k == key) {
                v = value;
                ersetzt = true;
            }
        if (!ersetzt) aktuell->eintraege.append({key, value});
    }
}

QByteArray IniDatei::text() const {
    QString out;
    for (const Section& s : sections_) {
        if (!out.isEmpty()) out += u'\n';
        out += u'[' + s.name + QStringLiteral("]\n");
        for (const auto& [k, v] : s.eintraege)
            out += k + u'=' + v + u'\n';
    }
    return out.toUtf8();
}

bool IniDatei::laden(const QString& datei) {
    sections_.clear();
    QFile f(datei);
    if (!f.exists()) return true;
    if (!f.open(QIODevice::ReadOnly)) return false;
    // A settings file is small; a huge one is not ours.
    lesen(f.read(4 * 1024 * 1024));
    return true;
}

bool IniDatei::speichern(const QString& datei) const {
    const QByteArray t = text();
    QDir().mkpath(QFileInfo(datei).absolutePath());
    return writeFileSafely(datei, [&](QIODevice& d) { return d.write(t) == t.size(); });
}

IniDatei::Section* IniDatei::finde(const QString& name) {
    return const_cast<Section*>(std::as_const(*this).finde(name));
}

const IniDatei::Section* IniDatei::finde(const QString& name) const {
    for (const Section& s : sections_)
        if (s.name.compare(name, Qt::CaseInsensitive) == 0) return &s;
    return nullptr;
}

std::optional<QString> IniDatei::wert(const QString& section, const QString& key) const {
    if (const Section* s = finde(section))
        for (const auto& [k, v] : s->eintraege)
            if (k == key) return v;
    return std::nullopt;
}

void IniDatei::setzen(const QString& section, const QString& key, const QString& value) {
    Section* s = finde(section);
    if (!s) {
        sections_.append(Section{section, {}});
        s = &sections_.last();
    }
    for (auto& [k, v] : s->eintraege)
        if (k == key) {
            v = value;
            return;
        }
    s->eintraege.append({key, value});
}
