#pragma once

#include "platform/messages.h"

class QWidget;

// Message boxes over the active window.
class QtMessages final : public MessageService {
public:
    void error(const QString& text) override;
    void warning(const QString& text) override;
    Answer errorOkCancel(const QString& text) override;
    Answer warningOkCancel(const QString& text) override;
    Answer question(const QString& text, Buttons buttons) override;
    void information(const QString& text) override;
};
