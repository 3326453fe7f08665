#pragma once

#include <QPageLayout>
#include <QString>

class Canvas;
class MessageService;
class QPrinter;
class QWidget;

// A window that can print its content. The main window's print request reaches the active
// window through druckanfrage(); the drawing itself serves printer, preview and PDF alike.
class Druckbar {
public:
    virtual ~Druckbar() = default;

    // Draws every page of the printout; a new sheet starts with canvas.newPage().
    virtual void druckInhalt(Canvas& canvas) = 0;
    virtual QPageLayout::Orientation druckAusrichtung() const { return QPageLayout::Portrait; }
    virtual QString druckTitel() const { return QStringLiteral("Porvanta"); }
    // Where failures are told; without one a message box shows them.
    virtual MessageService* druckMeldungen() const { return nullptr; }

    // The print request of the main window's "Drucken": prints on the standard printer.
    virtual void druckanfrage();
};

namespace druckausgabe {

// The program's printer; "Drucker einrichten" changes its settings.
QPrinter& standardDrucker();

// The printer set-up: chooses the printer and its settings for later prints; confirmed with
// "OK", since nothing is printed here.
void druckerEinrichten(QWidget* parent);

enum class Ziel { Drucker, Vorschau, Pdf };
// The one way out for every printout: the standard printer (the preview when no printer is
// installed; a message and the preview when the printer cannot be used), the preview, or a PDF file
// (`datei`, asked for when empty). Failures are told through the window's message service. False
// when nothing was put out.
bool ausgeben(Druckbar& d, Ziel ziel, QWidget* parent = nullptr, const QString& datei = {});

// Draws the printout on `printer` (a real printer or a PDF file). False if it cannot start.
bool aufDrucker(Druckbar& d, QPrinter& printer);
// Short forms of ausgeben(): prints on the standard printer (without any installed printer a
// preview opens instead, from which the pages can be saved as PDF), the preview, a PDF file.
void drucken(Druckbar& d, QWidget* parent = nullptr);
void vorschau(Druckbar& d, QWidget* parent = nullptr);
// The PDF is drawn into a temporary file and then replaces `datei` whole; on a failure
// `grund`, when given, gets the system's reason.
bool alsPdf(Druckbar& d, const QString& datei, QString* grund = nullptr);
// Asks for a file name and writes the printout there; false when cancelled or failed (the
// failure is told to the user).
bool pdfSpeichern(Druckbar& d, QWidget* parent);

} // namespace druckausgabe
