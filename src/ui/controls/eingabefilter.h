#pragma once

#include <QValidator>
#include <functional>

// Keeps text that reaches a field other than by typed keys (paste, drop, input methods) to
// what typing would give. The field filters typed keys itself and sets `durchlassen` while it
// hands them, and its own texts, to the line edit.
class EingabeFilter final : public QValidator {
public:
    using Filter = std::function<QString(const QString&)>;

    EingabeFilter(Filter filter, const bool& durchlassen, QObject* parent)
        : QValidator(parent), filter_(std::move(filter)), durchlassen_(durchlassen) {}

    State validate(QString& input, int& pos) const override {
        if (durchlassen_) return Acceptable;
        const QString out = filter_(input);
        if (out != input) {
            // The filters work character by character, so the filtered text before the
            // cursor is the start of the filtered whole.
            pos = int(filter_(input.left(pos)).size());
            input = out;
        }
        return Acceptable;
    }

private:
    Filter filter_;
    const bool& durchlassen_;
};

// Sets a flag for the lifetime of the object.
class Durchlass {
public:
    explicit Durchlass(bool& flag) : flag_(flag), alt_(flag) { flag_ = true; }
    ~Durchlass() { flag_ = alt_; }
    Durchlass(const Durchlass&) = delete;
    Durchlass& operator=(const Durchlass&) = delete;

private:
    bool& flag_;
    bool alt_;
};
