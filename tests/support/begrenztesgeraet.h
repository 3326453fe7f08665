#pragma once

#include <QByteArray>
#include <QIODevice>
#include <algorithm>
#include <cstring>

// A device that gives out at `grenze` bytes. Written to, it accepts `grenze` bytes and then
// refuses every write: a disk that runs full. Read from, it serves `daten` in pieces of at most
// `stueck` bytes and fails every read from byte `grenze` on: a disk that cannot be read to the
// end. A device that hands out its bytes in small pieces is no failure.
class BegrenztesGeraet : public QIODevice {
public:
    explicit BegrenztesGeraet(qint64 grenze, QByteArray inhalt = {}, qint64 stueck = 1 << 30)
        : daten(std::move(inhalt)), grenze_(grenze), stueck_(stueck) {}
    QByteArray daten;

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override {
        return std::max<qint64>(0, daten.size() - gelesen_) + QIODevice::bytesAvailable();
    }

protected:
    qint64 readData(char* ziel, qint64 max) override {
        if (gelesen_ >= grenze_) return -1;
        if (gelesen_ >= daten.size()) return 0; // the end
        const qint64 n = std::min({max, stueck_, grenze_ - gelesen_, daten.size() - gelesen_});
        std::memcpy(ziel, daten.constData() + gelesen_, std::size_t(n));
        gelesen_ += n;
        return n;
    }
    qint64 writeData(const char* d, qint64 n) override {
        const qint64 k = std::min(n, grenze_ - daten.size());
        if (k <= 0) return -1;
        daten.append(d, k);
        return k;
    }

private:
    qint64 grenze_;
    qint64 stueck_;
    qint64 gelesen_ = 0;
};
