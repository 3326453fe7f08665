#include "stamm/planfiles.h"

#include "platform/filelookup.h"
#include "platform/messages.h"
#include "platform/safewrite.h"

#include <QFile>
#include <QFileInfo>

namespace {

enum class Satz { Ende, Ganz, Kurz };

// One record of `n` bytes: whole, nothing left (end of file), or cut short.
Satz satzLesen(QIODevice& dev, std::uint8_t* ziel, qint64 n) {
    qint64 gelesen = 0;
    while (gelesen < n) {
        const qint64 r = dev.read(reinterpret_cast<char*>(ziel) + gelesen, n - gelesen);
        if (r <= 0) return gelesen == 0 && r == 0 ? Satz::Ende : Satz::Kurz;
        gelesen += r;
    }
    return Satz::Ganz;
}

bool schreiben(QIODevice& dev, const std::uint8_t* daten, std::size_t n) {
    return dev.write(reinterpret_cast<const char*>(daten), qint64(n)) == qint64(n);
}

// Writes a plan file atomically; tells the user when that fails.
template <class Schreiber>
bool speichern(const QString& verzeichnis, const char* datei, MessageService& msg,
               Schreiber schreiber) {
    const QString pfad = findFileNoCase(verzeichnis, QString::fromLatin1(datei));
    QString grund;
    if (writeFileSafely(pfad, schreiber, {}, &grund)) return true;
    msg.error(SchreibFehlerText(QString::fromLatin1(datei), pfad, grund));
    return false;
}

} // namespace

PlanZeitenGelesen PlanZeitenLesen(QIODevice& dev) {
    PlanZeitenGelesen r;
    TPlanZeiten z;
    if (satzLesen(dev, z.bytes().data(), qint64(kPlanZeitenSize)) == Satz::Ganz)
        r.zeiten = z;
    else {
        r.zeiten = PlanZeitenStandard();
        r.fehler = true;
    }
    return r;
}

bool PlanZeitenSchreiben(QIODevice& dev, const TPlanZeiten& zeiten) {
    return schreiben(dev, zeiten.bytes().data(), kPlanZeitenSize);
}

PlanTypenGelesen PlanTypenLesen(QIODevice& dev, qint64 groesse) {
    PlanTypenGelesen r;
    r.altesFormat = groesse % qint64(kPlanTypAltSize) == 0;
    for (;;) {
        Satz s;
        if (r.altesFormat) {
            TPlanTyp::AltBytes alt{};
            s = satzLesen(dev, alt.data(), qint64(alt.size()));
            if (s == Satz::Ganz) r.typen.push_back(TPlanTyp::ausAltemSatz(alt));
        } else {
            TPlanTyp t;
            s = satzLesen(dev, t.bytes().data(), qint64(kPlanTypSize));
            if (s == Satz::Ganz) r.typen.push_back(t);
        }
        if (s == Satz::Kurz) r.fehler = true;
        if (s != Satz::Ganz) break;
    }
    return r;
}

bool PlanTypenSchreiben(QIODevice& dev, const std::vector<TPlanTyp>& typen) {
    for (const TPlanTyp& t : typen)
        if (!schreiben(dev, t.bytes().data(), kPlanTypSize)) return false;
    return true;
}

std::optional<TPlanZeiten> PlanZeitenLaden(const QString& verzeichnis, MessageService& msg) {
    const QString pfad = findFileNoCase(verzeichnis, QString::fromLatin1(kPlanZeitenDatei));
    if (!QFileInfo::exists(pfad)) return std::nullopt;
    QFile f(pfad);
    const PlanZeitenGelesen r =
        f.open(QIODevice::ReadOnly) ? PlanZeitenLesen(f) : PlanZeitenGelesen{{}, true};
    if (r.fehler) {
        msg.error(QStringLiteral("Lesefehler in der Datei PLANZEIT.DAT"));
        return std::nullopt;
    }
    return r.zeiten;
}

bool PlanZeitenSpeichern(const TPlanZeiten& zeiten, const QString& verzeichnis,
                         MessageService& msg) {
    return speichern(verzeichnis, kPlanZeitenDatei, msg,
                     [&](QIODevice& d) { return PlanZeitenSchreiben(d, zeiten); });
}

std::vector<TPlanTyp> PlanTypenLaden(const QString& verzeichnis, MessageService& msg) {
    QFile f(findFileNoCase(verzeichnis, QString::fromLatin1(kPlanTypenDatei)));
    if (!f.exists()) return {};
    if (!f.open(QIODevice::ReadOnly)) {
        msg.error(QStringLiteral("Lesefehler in der Datei PLANTYPE.DAT"));
        return {};
    }
    PlanTypenGelesen r = PlanTypenLesen(f, f.size());
    if (r.fehler) msg.error(QStringLiteral("Lesefehler in der Datei PLANTYPE.DAT"));
    return std::move(r.typen);
}

bool PlanTypenSpeichern(const std::vector<TPlanTyp>& typen, const QString& verzeichnis,
                        MessageService& msg) {
    return speichern(verzeichnis, kPlanTypenDatei, msg,
                     [&](QIODevice& d) { return PlanTypenSchreiben(d, typen); });
}
