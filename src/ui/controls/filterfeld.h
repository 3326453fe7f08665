#pragma once

#include <QLineEdit>
#include <functional>

// A line edit that takes only what its kind of field accepts. Typed keys are filtered by the
// field itself; pasted, dropped or composed text goes through `filter`. Text the field puts in
// itself passes unchanged.
class FilterFeld : public QLineEdit {
    Q_OBJECT
public:
    // Shows a text as it is, past the typing filter.
    void textSetzen(const QString& s);

signals:
    // The field was left with its text read and shown normalised; exit checks hang here.
    void verlassen();

protected:
    FilterFeld(std::function<QString(const QString&)> filter, QWidget* parent);

    // Paste, navigation and control keys keep their line-edit meaning: true when the key was
    // handled here, false when it types characters the field has to filter.
    bool sondertaste(QKeyEvent* e);
    // Inserts already filtered text at the cursor.
    void einfuegen(const QString& s);
    static bool steuerzeichen(QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; }
    // Whether a focus-out leaves the field: switching windows or opening a popup does not, nor
    // does a focus-out never preceded by entering (focus taken back by another field's check).
    // Clears drin_ when it does.
    bool verlaesst(const QFocusEvent* e);

    bool drin_ = false; // entered and not yet left

private:
    bool durchlassen_ = false; // text comes from us or from an already filtered key
};
