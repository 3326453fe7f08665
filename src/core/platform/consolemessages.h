#pragma once

#include "platform/messages.h"

#include <cstdio>

// Messages on standard error, for tools without windows. Questions are answered No / Cancel.
class ConsoleMessages final : public MessageService {
public:
    void error(const QString& text) override { melden(text); }
    void warning(const QString& text) override { melden(text); }
    void information(const QString& text) override { melden(text); }
    Answer errorOkCancel(const QString& text) override {
        melden(text);
        return Answer::Cancel;
    }
    Answer warningOkCancel(const QString& text) override {
        melden(text);
        return Answer::Cancel;
    }
    Answer question(const QString& text, Buttons) override {
        melden(text);
        return Answer::No;
    }
    int anzahl = 0;

private:
    void melden(const QString& text) {
        ++anzahl;
        std::fprintf(stderr, "%s\n", qPrintable(text));
    }
};
