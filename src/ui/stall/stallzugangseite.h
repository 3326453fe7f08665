#pragma once

#include <QWidget>

struct Einstellungen;
class MessageService;
struct Waehrungstabelle;
class QCheckBox;
class TNumEdit;

// The settings page "S&tallzugang": the page for phones in the barn on or off, and its port.
class StallzugangSeite : public QWidget {
    Q_OBJECT
public:
    StallzugangSeite(MessageService& msg, const Waehrungstabelle& waehrung,
                     QWidget* parent = nullptr);

    void laden(const Einstellungen& e);
    void uebernehmen(Einstellungen& e) const;

private:
    QCheckBox* Stallzugang = nullptr;
    TNumEdit* StallPort = nullptr;
};
