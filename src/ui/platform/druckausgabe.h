#pragma once

#include "platform/druckbar.h"

#include <QString>

class QPrinter;
class QWidget;

// A window that can print its content: the main window's print request reaches the active
// window through druckanfrage(), which prints on the standard printer unless the window asks
// for a range first.
class Druckfenster : public Druckbar {
public:
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
// Asks for a file name and writes the printout there; false when cancelled or failed (the
// failure is told to the user).
bool pdfSpeichern(Druckbar& d, QWidget* parent);

} // namespace druckausgabe
