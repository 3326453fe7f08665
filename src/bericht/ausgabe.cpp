#include "bericht/ausgabe.h"

#include "bericht/argumente.h"
#include "bericht/berichte.h"
#include "herd/hilfslisten.h"
#include "herd/textfunktionen.h"
#include "stamm/planfiles.h"
#include "platform/druckbar.h"
#include "platform/safewrite.h"
#include "programm/appcontext.h"
#include "programm/einstellungenspeicher.h"
#include "programm/startorte.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QTemporaryFile>

namespace {

// The report's pages as the print route wants them.
class Seiten final : public Druckbar {
public:
    explicit Seiten(const Bericht& b) : b_(b) {}
    void druckInhalt(Canvas& canvas) override { b_.seiten(canvas); }
    QPageLayout::Orientation druckAusrichtung() const override { return b_.ausrichtung; }
    QString druckTitel() const override { return b_.titel; }

private:
    const Bericht& b_;
};

} // namespace

void DatenLaden(AppContext& ctx, const Befehlszeile& b) {
    StartorteSetzen(ctx, Startorte::ausSystem());
    if (b.hat(QStringLiteral("--einstellungen"))) {
        const QString datei = b.wert(QStringLiteral("--einstellungen"));
        if (!QFileInfo(datei).isFile() || !QFileInfo(datei).isReadable())
            throw Berichtsfehler{
                QStringLiteral("Die Einstellungsdatei %1 kann nicht gelesen werden.").arg(datei)};
        ctx.einstellungsDatei = datei;
        ctx.alteEinstellungsDatei.clear();
    }
    EinstellungenLesen(ctx.einstellungsDatei, ctx.alteEinstellungsDatei, ctx.einstellungen,
                       ctx.Datenpfad, ctx.standardDatenpfad);
    if (!ctx.datenpfadVorgabe.isEmpty()) ctx.Datenpfad = ctx.datenpfadVorgabe;
    if (b.hat(QStringLiteral("--daten")))
        ctx.Datenpfad = PfadMitTrenner(b.wert(QStringLiteral("--daten")));
    const QFileInfo ordner(ctx.Datenpfad.isEmpty() ? QDir::currentPath() : ctx.Datenpfad);
    if (!ordner.isDir() || !ordner.isReadable() || !ordner.isExecutable())
        throw Berichtsfehler{QStringLiteral("Das Datenverzeichnis %1 kann nicht gelesen werden.")
                                 .arg(QDir::toNativeSeparators(ordner.filePath()))};
    DatenLaden(ctx);
}

bool PdfSchreiben(const Bericht& bericht, const QString& datei, QString* grund) {
    Seiten seiten(bericht);
    return druckausgabe::alsPdf(seiten, datei, grund);
}

bool CsvSchreiben(const Bericht& bericht, const QString& datei, QString* grund) {
    const QByteArray bytes = bericht.csv();
    return writeFileSafely(
        datei, [&bytes](QIODevice& dev) { return dev.write(bytes) == bytes.size(); }, {}, grund);
}
