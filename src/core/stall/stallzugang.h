#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <functional>
#include <vector>

// A phone or tablet paired with the program. Only a hash of its session token is kept.
struct StallGeraet {
    QString name;
    QByteArray tokenHash; // SHA-256, hex
    QByteArray csrf;      // sent back with every request that changes something
    QDateTime gekoppelt;  // UTC
    QDateTime zuletzt;    // UTC, last request
};

// Access from the barn: the pairing code shown at the PC, the sessions of paired devices
// and the lock after repeated wrong codes. Times are UTC.
class StallZugang {
public:
    using Uhr = std::function<QDateTime()>;

    static constexpr int kCodeMinuten = 10;
    static constexpr int kSperrMinuten = 10;
    static constexpr int kFehlversuche = 5;
    static constexpr int kSitzungTage = 30;
    // The paired devices, in the data directory.
    static constexpr const char* kDatei = "STALLGERAETE.JSON";

    explicit StallZugang(Uhr uhr = {});

    // The devices file in the data directory; a missing or damaged file is no device.
    void laden(const QString& datei);
    // Writes the devices atomically; false when that failed, with the system's reason in
    // `grund` when given.
    bool speichern(QString* grund = nullptr) const;
    QString datei() const { return datei_; }

    // A new six-digit pairing code, valid for ten minutes; the old one is void.
    QString neuerCode();
    // The valid code, empty when there is none.
    QString code() const;
    QDateTime codeBis() const { return codeBis_; }

    struct Kopplung {
        bool ok = false;
        QString meldung;  // why not
        QByteArray token; // the new session token (only here, never stored)
        QByteArray csrf;
    };
    // Pairs a device with the code; five wrong codes lock pairing for ten minutes.
    Kopplung koppeln(const QString& code, const QString& geraet);
    bool gesperrt() const;
    QDateTime gesperrtBis() const { return gesperrtBis_; }

    // The device of a session token, nullptr when it is unknown, revoked or expired. Marks
    // the device as just used.
    StallGeraet* sitzung(const QByteArray& token);
    static bool csrfPasst(const StallGeraet& g, const QByteArray& csrf);

    const std::vector<StallGeraet>& geraete() const { return geraete_; }
    // Ends the session of device i; false for no such device.
    bool widerrufen(int i);

private:
    QDateTime jetzt() const { return uhr_(); }
    void abgelaufeneEntfernen();

    Uhr uhr_;
    QString datei_;
    std::vector<StallGeraet> geraete_;
    QString code_;
    QDateTime codeBis_;
    int fehlversuche_ = 0;
    QDateTime gesperrtBis_;
};
