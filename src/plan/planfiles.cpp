#include "planfiles.h"

#include "programm/appcontext.h"
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

void schreibfehler(AppContext& ctx, const char* datei) {
    ctx.messages().error(QStringLiteral("Die Datei %1 konnte nicht geschrieben werden!")
                             .arg(QString::fromLatin1(datei)));
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

void PlanZeitenLaden(AppContext& ctx) {
    const QString pfad = ctx.datei(QString::fromLatin1(kPlanZeitenDatei));
    if (!QFileInfo::exists(pfad)) return;
    QFile f(pfad);
    const PlanZeitenGelesen r =
        f.open(QIODevice::ReadOnly) ? PlanZeitenLesen(f) : PlanZeitenGelesen{{}, true};
    if (r.fehler) {
        ctx.messages().error(QStringLiteral("Lesefehler in der Datei PLANZEIT.DAT"));
        return;
    }
    ctx.Planzeiten = r.zeiten;
    // The gestation length is one byte.
    ctx.Tragezeit = std::uint8_t(ctx.Planzeiten.entry(psBelegen, 0).ErsterTag());
}

bool PlanZeitenSpeichern(AppContext& ctx) {
    const QString pfad = ctx.datei(QString::fromLatin1(kPlanZeitenDatei));
    if (writeFileSafely(pfad, [&](QIODevice& d) { return PlanZeitenSchreiben(d, ctx.Planzeiten); }))
        return true;
    schreibfehler(ctx, kPlanZeitenDatei);
    return false;
}

void PlanTypenLaden(AppContext& ctx) {
    ctx.Plantypen.clear();
    QFile f(ctx.datei(QString::fromLatin1(kPlanTypenDatei)));
    if (!f.exists()) return;
    if (!f.open(QIODevice::ReadOnly)) {
        ctx.messages().error(QStringLiteral("Lesefehler in der Datei PLANTYPE.DAT"));
        return;
    }
    PlanTypenGelesen r = PlanTypenLesen(f, f.size());
    ctx.Plantypen = std::move(r.typen);
    if (r.fehler) ctx.messages().error(QStringLiteral("Lesefehler in der Datei PLANTYPE.DAT"));
}

bool PlanTypenSpeichern(AppContext& ctx) {
    const QString pfad = ctx.datei(QString::fromLatin1(kPlanTypenDatei));
    if (writeFileSafely(pfad, [&](QIODevice& d) { return PlanTypenSchreiben(d, ctx.Plantypen); }))
        return true;
    schreibfehler(ctx, kPlanTypenDatei);
    return false;
}
