#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

class MessageService;
class QWidget;

// Escape on a dialog whose entries were changed asks "Eingaben verwerfen?" (Enter answers
// Nein); only Ja lets the dialog close. Unchanged, Escape closes at once as before.
class VerwerfenFragen : public QObject {
public:
    VerwerfenFragen(QWidget* dialog, MessageService& messages, std::function<bool()> geaendert);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MessageService& messages_;
    std::function<bool()> geaendert_;
};

// What the input fields of a window hold (texts, choices, check marks), to tell whether
// anything was typed since.
class Feldstand {
public:
    static Feldstand von(const QWidget* fenster);
    bool operator==(const Feldstand&) const = default;

private:
    QStringList werte_;
};
