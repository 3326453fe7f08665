#pragma once

#include <QByteArray>
#include <QIODevice>
#include <algorithm>

// A device that accepts `grenze` bytes, then refuses every write: a disk that runs full.
class BegrenztesGeraet : public QIODevice {
public:
    explicit BegrenztesGeraet(qint64 grenze) : grenze_(grenze) {}
    QByteArray daten;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* d, qint64 n) override {
        const qint64 k = std::min(n, grenze_ - daten.size());
        if (k <= 0) return -1;
        daten.append(d, k);
        return k;
    }

private:
    qint64 grenze_;
};
