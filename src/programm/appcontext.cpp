#include "appcontext.h"

#include "programm/datensicherung.h"

#include "herd/herdfile.h"
#include "platform/clock.h"
#include "platform/filelookup.h"
#include "platform/messages.h"
#include "platform/safewrite.h"

#include <QFile>

AppContext::AppContext(MessageService& messages, const Clock& clock)
    : messages_(&messages), clock_(&clock) {}

QDate AppContext::heute() const {
    return clock_->today();
}

QString AppContext::datei(const QString& name) const {
    return findFileNoCase(Datenpfad, name);
}

void HerdeLaden(AppContext& ctx) {
    ctx.Sauenliste.clear();
    ctx.Eberliste.clear();
    QFile f(ctx.datei(QString::fromLatin1(kHerdeDatei)));
    if (f.open(QIODevice::ReadOnly)) {
        HerdeGelesen r = HerdeLesen(f, ctx.heute(), ctx.messages());
        ctx.Sauenliste = std::move(r.herde);
        ctx.Eberliste = std::move(r.eberliste);
    }
    ctx.Geaendert = false;
}

bool HerdeSpeichern(AppContext& ctx) {
    // The day's first save keeps the herd as it was that morning.
    if (ctx.tagesKopie && !datensicherung::TagesKopie(ctx.Datenpfad, ctx.heute()))
        ctx.messages().warning(
            QStringLiteral("Die Tageskopie der Datei %1 im Ordner Sicherungen konnte nicht "
                           "angelegt werden.")
                .arg(QString::fromLatin1(kHerdeDatei)));
    const QString pfad = ctx.datei(QString::fromLatin1(kHerdeDatei));
    SafeWriteOptions opt;
    if (ctx.einstellungen.backupdatei)
        opt.backupPath = ctx.datei(QString::fromLatin1(kHerdeSicherung));
    const bool ok = writeFileSafely(
        pfad, [&](QIODevice& dev) { return HerdeSchreiben(dev, ctx.Sauenliste); }, opt);
    if (!ok) {
        ctx.messages().error(QStringLiteral("Die Datei %1 konnte nicht geschrieben werden!")
                                 .arg(QString::fromLatin1(kHerdeDatei)));
        return false;
    }
    ctx.Geaendert = false;
    return true;
}

bool AenderungFesthalten(AppContext& ctx) {
    ctx.Geaendert = true;
    return !ctx.einstellungen.einzelspeicherung || HerdeSpeichern(ctx);
}
