#include "fakemessages.h"

void FakeMessages::error(const QString& text) {
    shown.append({Shown::Error, text});
}
void FakeMessages::warning(const QString& text) {
    shown.append({Shown::Warning, text});
}
void FakeMessages::information(const QString& text) {
    shown.append({Shown::Information, text});
}

MessageService::Answer FakeMessages::errorOkCancel(const QString& text) {
    shown.append({Shown::ErrorOkCancel, text});
    return next(Answer::Ok);
}

MessageService::Answer FakeMessages::warningOkCancel(const QString& text) {
    shown.append({Shown::WarningOkCancel, text});
    return next(Answer::Ok);
}

MessageService::Answer FakeMessages::question(const QString& text, Buttons buttons) {
    shown.append({Shown::Question, text, buttons});
    // Unplanned, the default button answers (what Enter would do).
    switch (buttons) {
    case Buttons::Ok:
    case Buttons::OkCancel:
        return next(Answer::Ok);
    case Buttons::YesNoDefaultNo:
        return next(Answer::No);
    default:
        return next(Answer::Yes);
    }
}

MessageService::Answer FakeMessages::next(Answer fallback) {
    return planned_.isEmpty() ? fallback : planned_.takeFirst();
}

QStringList FakeMessages::texts() const {
    QStringList out;
    for (const Shown& s : shown)
        out << s.text;
    return out;
}

int FakeMessages::count(const QString& text) const {
    return int(texts().count(text));
}
