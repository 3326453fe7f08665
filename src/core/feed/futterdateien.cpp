#include "feed/futterdateien.h"

#include "platform/filelookup.h"
#include "platform/safewrite.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

// Reads exactly `n` bytes; false at the end, on a short record or on an error, which sets
// `fehler`.
bool ganzerSatz(QIODevice& dev, std::uint8_t* ziel, qint64 n, bool& fehler) {
    qint64 gelesen = 0;
    while (gelesen < n) {
        const qint64 r = dev.read(reinterpret_cast<char*>(ziel) + gelesen, n - gelesen);
        fehler = r < 0;
        if (r <= 0) return false;
        gelesen += r;
    }
    return true;
}

template <class R> std::vector<R> alleLesen(QIODevice& dev, bool* lesefehler) {
    std::vector<R> liste;
    R r;
    bool fehler = false;
    while (ganzerSatz(dev, r.bytes().data(), qint64(R::Size), fehler))
        liste.push_back(r);
    if (lesefehler) *lesefehler = fehler;
    return liste;
}

bool schreiben(QIODevice& dev, const std::uint8_t* daten, std::size_t n) {
    return dev.write(reinterpret_cast<const char*>(daten), qint64(n)) == qint64(n);
}

template <class R>
std::vector<R> laden(const QString& datenpfad, const char* name, bool* lesefehler) {
    if (lesefehler) *lesefehler = false;
    QFile f(findFileNoCase(datenpfad, QString::fromLatin1(name)));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return alleLesen<R>(f, lesefehler);
}

} // namespace

std::vector<TKomponentenRec> KomponentenLesen(QIODevice& dev, bool* lesefehler) {
    return alleLesen<TKomponentenRec>(dev, lesefehler);
}

std::vector<TMischungRec> MischungenLesen(QIODevice& dev, bool* lesefehler) {
    return alleLesen<TMischungRec>(dev, lesefehler);
}

bool KomponentenSchreiben(QIODevice& dev, const std::vector<TKomponentenRec>& liste) {
    for (const TKomponentenRec& k : liste)
        if (!schreiben(dev, k.bytes().data(), kKomponenteSize)) return false;
    return true;
}

bool MischungenSchreiben(QIODevice& dev, const std::vector<TMischungRec>& liste) {
    for (TMischungRec m : liste) {
        std::fill(m.bytes().begin() + std::ptrdiff_t(TMischungRec::ReserveOfs), m.bytes().end(),
                  std::uint8_t(0));
        if (!schreiben(dev, m.bytes().data(), kMischungSize)) return false;
    }
    return true;
}

std::vector<TKomponentenRec> KomponentenLaden(const QString& datenpfad, bool* lesefehler) {
    return laden<TKomponentenRec>(datenpfad, kKomponentenDatei, lesefehler);
}

std::vector<TMischungRec> MischungenLaden(const QString& datenpfad, bool* lesefehler) {
    return laden<TMischungRec>(datenpfad, kMischungsDatei, lesefehler);
}

QString Lesefehler(const char* datei) {
    return QStringLiteral("Fehler beim Lesen der Datei %1!").arg(QString::fromLatin1(datei));
}

bool KomponentenSpeichern(const QString& datenpfad, const std::vector<TKomponentenRec>& liste,
                          QString* grund) {
    return writeFileSafely(
        findFileNoCase(datenpfad, QString::fromLatin1(kKomponentenDatei)),
        [&](QIODevice& d) { return KomponentenSchreiben(d, liste); }, {}, grund);
}

bool MischungenSpeichern(const QString& datenpfad, const std::vector<TMischungRec>& liste,
                         QString* grund) {
    return writeFileSafely(
        findFileNoCase(datenpfad, QString::fromLatin1(kMischungsDatei)),
        [&](QIODevice& d) { return MischungenSchreiben(d, liste); }, {}, grund);
}

QString Schreibfehler(const QString& datenpfad, const char* datei, const QString& grund) {
    const QString name = QString::fromLatin1(datei);
    return SchreibFehlerText(name, QFileInfo(findFileNoCase(datenpfad, name)).absoluteFilePath(),
                             grund);
}
