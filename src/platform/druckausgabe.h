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
    // Where print errors are told; null means message boxes.
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

// Draws the printout on `printer` (a real printer or a PDF file). False if it cannot start.
bool aufDrucker(Druckbar& d, QPrinter& printer);
// Prints on the standard printer. Without any installed printer a preview opens instead, from
// which the pages can be saved as PDF; when the printer cannot be used the user is told and
// the preview opens too. Never silently nothing.
void drucken(Druckbar& d, QWidget* parent = nullptr);
void vorschau(Druckbar& d, QWidget* parent = nullptr);
bool alsPdf(Druckbar& d, const QString& datei);
// Asks for a file name and writes the printout there; false when cancelled or failed (the
// failure is told to the user).
bool pdfSpeichern(Druckbar& d, QWidget* parent);

} // namespace druckausgabe
