#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

// Runs a short script of user actions against the running program and ends it: the way the
// end-to-end tests drive the real executable (environment variable PORVANTA_SKRIPT names the
// script file; nothing happens without it). One action per line:
//   klick NAME      clicks the button or triggers the menu item with this objectName, or
//                   the button of the active dialog with this caption (e.g. "Nein")
//   fokus NAME      puts the focus into the active window's widget with this objectName
//   tippe TEXT      types TEXT into the widget that has the focus
//   taste KEY       presses a key there (Return, Tab, Escape, Space, Up, Down, ...)
//   zeige NAME      prints "NAME=value" of a check box, line edit, label or text box
//                   to stdout (lines of a text box joined by "|")
//   bild FILE       saves a picture of the active window (PNG)
//   warte FILE      waits until FILE exists (for at most a minute and a half)
//   beenden         closes the main window
// An action whose widget is not there yet is tried again until it is, for at most ten seconds;
// then the program ends with exit code 3.
class Skriptlauf : public QObject {
    Q_OBJECT
public:
    Skriptlauf(QWidget* hauptfenster, QStringList zeilen, QObject* parent = nullptr);

    // The script named by PORVANTA_SKRIPT, or nullptr when the variable is unset.
    static Skriptlauf* ausUmgebung(QWidget* hauptfenster);

private:
    void schritt();
    bool ausfuehren(const QString& befehl, const QString& arg);

    QWidget* haupt_;
    QStringList zeilen_;
    int naechste_ = 0;
    int versuche_ = 0;
    QTimer timer_;
};
