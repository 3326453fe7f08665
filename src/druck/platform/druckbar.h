#pragma once

#include <QPageLayout>
#include <QString>

class Canvas;
class MessageService;
class QPagedPaintDevice;

// Something that can be printed: the drawing itself serves printer, preview and PDF alike.
class Druckbar {
public:
    virtual ~Druckbar() = default;

    // Draws every page of the printout; a new sheet starts with canvas.newPage().
    virtual void druckInhalt(Canvas& canvas) = 0;
    virtual QPageLayout::Orientation druckAusrichtung() const { return QPageLayout::Portrait; }
    virtual QString druckTitel() const { return QStringLiteral("Porvanta"); }
    // Where failures are told; without one a message box shows them.
    virtual MessageService* druckMeldungen() const { return nullptr; }
};

namespace druckausgabe {

// Draws the printout on a page device (a printer or a PDF writer) in the printout's
// orientation. False if the device cannot start.
bool aufSeiten(Druckbar& d, QPagedPaintDevice& geraet);
// The PDF (A4) is drawn into a temporary file and then replaces `datei` whole; on a failure
// `grund`, when given, gets the system's reason.
bool alsPdf(Druckbar& d, const QString& datei, QString* grund = nullptr);

} // namespace druckausgabe
