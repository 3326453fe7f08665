#include "programm/appcontext.h"

#include "programm/datensicherung.h"

#include "herd/herdfile.h"
#include "platform/clock.h"
#include "platform/filelookup.h"
#include "platform/messages.h"
#include "platform/safewrite.h"
#include "stamm/planfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

AppContext::AppContext(MessageService& messages, const Clock& clock)
    : messages_(&messages), clock_(&clock) {
    for (Arbeitskopie& a : auswertungskopien)
        a.geaendert = std::make_unique<GeaenderteSauen>(meldung);
    QObject::connect(&meldung, &HerdMeldung::geaendert, &meldung, [this](bool sauenGeaendert) {
        if (!sauenGeaendert) return;
        for (Arbeitskopie& a : auswertungskopien)
            a.kopie.reset();
    });
}

QDate AppContext::heute() const {
    return clock_->today();
}

QString Datenorte::datei(const QString& name) const {
    return findFileNoCase(Datenpfad, name);
}

void HerdeLaden(HerdZustand& herde, const QString& verzeichnis, MessageService& msg, QDate heute,
                const SauGelesen& gelesen) {
    herde.Sauenliste.clear();
    herde.Eberliste.clear();
    const QString pfad = findFileNoCase(verzeichnis, QString::fromLatin1(kHerdeDatei));
    QFile f(pfad);
    errno = 0;
    const bool offen = f.open(QIODevice::ReadOnly);
    const int fehler = errno;
    if (offen) {
        HerdeGelesen r = HerdeLesen(f, heute, msg, gelesen);
        herde.Sauenliste = std::move(r.herde);
        herde.Eberliste = std::move(r.eberliste);
    }
    herde.NeuGelesen();
    // A missing file is an empty herd; one that is there and cannot be read is not.
    if (!offen && QFileInfo::exists(pfad)) {
        herde.DateiUnlesbar = true;
        const QString grund = DateiFehlerGrund(fehler, pfad);
        msg.error(
            QStringLiteral("Die Datei %1 ist vorhanden, kann aber nicht gelesen werden!\n%2%3\n"
                           "Die Herde bleibt leer; gespeichert wird erst nach Rückfrage.")
                .arg(QString::fromLatin1(kHerdeDatei), QDir::toNativeSeparators(pfad),
                     grund.isEmpty() ? QString() : QStringLiteral(": ") + grund));
    }
}

void HerdeLaden(AppContext& ctx, const SauGelesen& gelesen) {
    HerdeLaden(ctx, ctx.Datenpfad, ctx.messages(), ctx.heute(), gelesen);
}

bool HerdeSpeichern(AppContext& ctx) {
    if (ctx.DateiUnlesbar) {
        if (ctx.messages().question(
                QStringLiteral("Die Datei %1 konnte beim Laden nicht gelesen werden. Soll sie "
                               "trotzdem durch die Herde im Speicher ersetzt werden?")
                    .arg(QString::fromLatin1(kHerdeDatei)),
                MessageService::Buttons::YesNoDefaultNo) != MessageService::Answer::Yes)
            return false;
        ctx.DateiUnlesbar = false;
    }
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
    opt.backupFehlgeschlagen = [&ctx, &opt](const QString& grund) {
        QString t = QStringLiteral("Die Sicherungsdatei %1 konnte nicht angelegt werden.")
                        .arg(QString::fromLatin1(kHerdeSicherung));
        t += u'\n' + QDir::toNativeSeparators(opt.backupPath);
        if (!grund.isEmpty()) t += QStringLiteral(": ") + grund;
        ctx.messages().warning(t);
    };
    QString grund;
    const bool ok = writeFileSafely(
        pfad, [&](QIODevice& dev) { return HerdeSchreiben(dev, ctx.Sauenliste); }, opt, &grund);
    if (!ok) {
        ctx.messages().error(SchreibFehlerText(QString::fromLatin1(kHerdeDatei), pfad, grund));
        return false;
    }
    ctx.Gespeichert();
    return true;
}

bool AenderungFesthalten(AppContext& ctx) {
    ctx.AenderungMerken();
    return !ctx.einstellungen.einzelspeicherung || HerdeSpeichern(ctx);
}

bool AenderungFesthalten(AppContext& ctx, int sau) {
    ctx.AenderungMerken({sau});
    return !ctx.einstellungen.einzelspeicherung || HerdeSpeichern(ctx);
}

void StammdatenLaden(AppContext& ctx) {
    ctx.Zuruecksetzen();
    HilfslistenLaden(ctx.Hilfslisten, ctx.Datenpfad, ctx.messages());
    if (const auto zeiten = PlanZeitenLaden(ctx.Datenpfad, ctx.messages()))
        ctx.PlanzeitenGelesen(*zeiten);
    ctx.Plantypen = PlanTypenLaden(ctx.Datenpfad, ctx.messages());
}

void DatenLaden(AppContext& ctx) {
    StammdatenLaden(ctx);
    HerdeLaden(ctx);
}
