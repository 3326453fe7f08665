#include "bericht/ausgabe.h"

#include "bericht/argumente.h"
#include "bericht/berichte.h"
#include "herd/hilfslisten.h"
#include "herd/textfunktionen.h"
#include "plan/planfiles.h"
#include "platform/druckausgabe.h"
#include "platform/safewrite.h"
#include "programm/appcontext.h"
#include "programm/einstellungenspeicher.h"
#include "programm/startorte.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QPageSize>
#include <QPrinter>
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

bool bytesSchreiben(const QString& datei, const QByteArray& bytes) {
    return writeFileSafely(datei,
                           [&bytes](QIODevice& dev) { return dev.write(bytes) == bytes.size(); });
}

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

bool PdfSchreiben(const Bericht& bericht, const QString& datei) {
    // Drawn into a temporary file first, so that the target is replaced whole or not at all.
    QTemporaryFile tmp(QDir::temp().filePath(QStringLiteral("porvanta-bericht-XXXXXX.pdf")));
    if (!tmp.open()) return false;
    tmp.close();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(tmp.fileName());
    printer.setPageSize(QPageSize(QPageSize::A4));
    Seiten seiten(bericht);
    if (!druckausgabe::aufDrucker(seiten, printer)) return false;
    if (!tmp.open()) return false;
    return bytesSchreiben(datei, tmp.readAll());
}

bool CsvSchreiben(const Bericht& bericht, const QString& datei) {
    return bytesSchreiben(datei, bericht.csv());
}
