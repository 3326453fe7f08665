#pragma once

// Shared by the fuzz targets: a message service that only counts, a buffer device over the
// input, and a check that stops the run with a message when a property of a reader fails.

#include "platform/messages.h"

#include <QBuffer>
#include <QByteArray>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

class StilleMeldungen final : public MessageService {
public:
    void error(const QString&) override { ++anzahl; }
    void warning(const QString&) override { ++anzahl; }
    void information(const QString&) override { ++anzahl; }
    Answer errorOkCancel(const QString&) override {
        ++anzahl;
        return Answer::Cancel;
    }
    Answer warningOkCancel(const QString&) override {
        ++anzahl;
        return Answer::Cancel;
    }
    Answer question(const QString&, Buttons) override {
        ++anzahl;
        return Answer::No;
    }
    int anzahl = 0;
};

// The input as bytes, without copying.
inline QByteArray eingabe(const std::uint8_t* data, std::size_t size) {
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
}

// A read-only device over `bytes` (which must outlive it).
class Lesegeraet : public QBuffer {
public:
    explicit Lesegeraet(const QByteArray& bytes) {
        setData(bytes);
        open(QIODevice::ReadOnly);
    }
};

// Keeps a computed value, so that the computation is not optimised away.
inline void behalten(long long v) {
    asm volatile("" : : "r"(v) : "memory");
}

#define FUZZ_PRUEFEN(bedingung)                                                                    \
    do {                                                                                           \
        if (!(bedingung)) {                                                                        \
            std::fprintf(stderr, "%s:%d: %s\n", __FILE__, __LINE__, #bedingung);                   \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)
