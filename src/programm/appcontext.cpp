#include "appcontext.h"

#include "programm/datensicherung.h"

#include "herd/herdfile.h"
#include "plan/planfiles.h"
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

QString Datenorte::datei(const QString& name) const {
    return findFileNoCase(Datenpfad, name);
}

void HerdeLaden(HerdZustand& herde, const QString& verzeichnis, MessageService& msg, QDate heute) {
    herde.Sauenliste.clear();
    herde.Eberliste.clear();
    QFile f(findFileNoCase(verzeichnis, QString::fromLatin1(kHerdeDatei)));
    if (f.open(QIODevice::ReadOnly)) {
        HerdeGelesen r = HerdeLesen(f, heute, msg);
        herde.Sauenliste = std::move(r.herde);
        herde.Eberliste = std::move(r.eberliste);
    }
    herde.NeuGelesen();
}

void HerdeLaden(AppContext& ctx) {
    HerdeLaden(ctx, ctx.Datenpfad, ctx.messages(), ctx.heute());
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
    ctx.AenderungMerken();
    return !ctx.einstellungen.einzelspeicherung || HerdeSpeichern(ctx);
}

void DatenLaden(AppContext& ctx) {
    HerdeLaden(ctx);
    ctx.Zuruecksetzen();
    HilfslistenLaden(ctx.Hilfslisten, ctx.Datenpfad, ctx.messages());
    if (const auto zeiten = PlanZeitenLaden(ctx.Datenpfad, ctx.messages()))
        ctx.PlanzeitenGelesen(*zeiten);
    ctx.Plantypen = PlanTypenLaden(ctx.Datenpfad, ctx.messages());
}
