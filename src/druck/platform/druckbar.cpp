#include "platform/druckbar.h"

#include "platform/paintercanvas.h"
#include "platform/safewrite.h"

#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryFile>
#include <cerrno>

namespace druckausgabe {

bool aufSeiten(Druckbar& d, QPagedPaintDevice& geraet) {
    geraet.setPageOrientation(d.druckAusrichtung());
    QPainter painter;
    if (!painter.begin(&geraet)) return false;
    const QRectF seite = geraet.pageLayout().paintRectPixels(geraet.logicalDpiX());
    PainterCanvas canvas(painter, seite.width(), seite.height(), &geraet);
    d.druckInhalt(canvas);
    return painter.end();
}

bool alsPdf(Druckbar& d, const QString& datei, QString* grund) {
    QTemporaryFile tmp(QDir::temp().filePath(QStringLiteral("porvanta-XXXXXX.pdf")));
    if (!tmp.open()) {
        if (grund) *grund = DateiFehlerGrund(errno, tmp.fileName());
        return false;
    }
    tmp.close();
    {
        QPdfWriter pdf(tmp.fileName());
        pdf.setResolution(1200);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setTitle(d.druckTitel());
        if (!aufSeiten(d, pdf)) {
            if (grund) grund->clear();
            return false;
        }
    }
    if (!tmp.open()) {
        if (grund) *grund = DateiFehlerGrund(errno, tmp.fileName());
        return false;
    }
    const QByteArray bytes = tmp.readAll();
    return writeFileSafely(
        datei, [&bytes](QIODevice& dev) { return dev.write(bytes) == bytes.size(); }, {}, grund);
}

} // namespace druckausgabe
