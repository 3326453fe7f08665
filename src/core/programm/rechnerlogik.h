#pragma once

#include <QString>

// The pocket calculator without its window: one value being typed or shown, one pending
// operation and one memory. Every key goes through `taste`.
class Rechenwerk {
public:
    enum class Op { Keine, Plus, Minus, Mal, Durch };

    // A digit, "." or ",", "+", "-", "*", "/", "=", "%", "C", "M", "R" or '\b' (backspace);
    // letters in either case. Other characters only refresh the display.
    void taste(QChar k);
    // "+/-": the shown result changes its sign; a number being typed gets or loses its "-".
    void vorzeichen();

    QString anzeige() const { return anzeige_; }
    double wert() const { return x_; }
    double speicher() const { return speicher_; }

private:
    void auffrischen();
    void rechnen(bool prozent, Op neu);
    void neueZahl();
    void ziffer(QChar k);

    double x_ = 0, y_ = 0, speicher_ = 0;
    Op op_ = Op::Keine;
    bool punkt_ = false;
    bool ergebnis_ = false;
    bool vorzeichenErlaubt_ = false;
    QString anzeige_ = QStringLiteral("0");
};

// A result as the display shows it: 7 decimals, cut to 9 characters, trailing zeros gone.
QString RechnerZahl(double x);
