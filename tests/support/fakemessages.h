#pragma once

#include "platform/messages.h"

#include <QList>
#include <QString>

// Records every message and answers questions from a planned list (default: the default
// button of the set, e.g. Yes, OK, or No before something is destroyed).
class FakeMessages final : public MessageService {
public:
    struct Shown {
        enum Kind { Error, ErrorOkCancel, Warning, WarningOkCancel, Question, Information } kind;
        QString text;
        Buttons buttons = Buttons::Ok; // of a question
    };

    void error(const QString& text) override;
    void warning(const QString& text) override;
    Answer errorOkCancel(const QString& text) override;
    Answer warningOkCancel(const QString& text) override;
    Answer question(const QString& text, Buttons buttons) override;
    void information(const QString& text) override;

    void planAnswer(Answer a) { planned_.append(a); }
    QList<Shown> shown;
    QStringList texts() const;
    int count(const QString& text) const;
    void clear() { shown.clear(); }

private:
    Answer next(Answer fallback);
    QList<Answer> planned_;
};
