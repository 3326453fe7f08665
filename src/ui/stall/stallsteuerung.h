#pragma once

#include "stall/stallzugang.h"

#include <QObject>
#include <memory>

class AppContext;
class StallDienst;
class StallServer;

// Opens and closes the barn access by the settings "Stallzugang" and its port, and keeps
// the paired devices of the data directory.
class StallSteuerung : public QObject {
    Q_OBJECT
public:
    explicit StallSteuerung(AppContext& ctx, QObject* parent = nullptr);
    ~StallSteuerung() override;

    // Follows the settings: listens on the port when on, closes it when off; the devices are
    // read again when the data directory changed. False when the port could not be opened
    // (the user has been told).
    bool einstellen();
    bool laeuft() const { return server_ != nullptr; }
    quint16 port() const { return port_; }
    // "http://<address in the local network>:<port>/".
    QString adresse() const;

    StallZugang& zugang() { return zugang_; }
    QString journalDatei() const;

signals:
    // A booking from the barn went into the herd.
    void gebucht();

private:
    void schliessen();

    AppContext& ctx_;
    StallZugang zugang_;
    std::unique_ptr<StallDienst> dienst_;
    std::unique_ptr<StallServer> server_;
    quint16 port_ = 0;
    QString datenpfad_;
    bool geladen_ = false;
};
