#pragma once

#include <QDialog>

class AppContext;
class StallSteuerung;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

// "Stallzugang": the address of the barn page with its QR code, the pairing code, the
// paired devices (revocable) and the journal of the bookings from the barn.
class TStallzugang : public QDialog {
    Q_OBJECT
public:
    TStallzugang(AppContext& ctx, StallSteuerung& stall, QWidget* parent = nullptr);

    // Everything shown anew from the barn access and the journal file.
    void aktualisieren();
    // A new pairing code (the old one is void).
    void NeuerCodeClick();
    // Ends the session of the device chosen in the list.
    void WiderrufenClick();

private:
    void aufbauen();
    void codeZeigen();
    void geraeteZeigen();

    AppContext& ctx_;
    StallSteuerung& stall_;
    QLabel* Adresse = nullptr;
    QLabel* QRCode = nullptr;
    QLabel* Code = nullptr;
    QPushButton* NeuerCode = nullptr;
    QTableWidget* Geraete = nullptr;
    QPushButton* Widerrufen = nullptr;
    QPlainTextEdit* Journal = nullptr;
};
