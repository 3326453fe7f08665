#pragma once

#include <QWidget>
#include <array>

struct Einstellungen;
class MessageService;
struct Waehrungstabelle;
class QCheckBox;
class TNumEdit;

// The settings page "&Prüfung": the limits of the plausibility rules and overdue points, the
// warnings while entering, and whether the overview opens at start.
class PruefungSeite : public QWidget {
    Q_OBJECT
public:
    PruefungSeite(MessageService& msg, const Waehrungstabelle& waehrung, QWidget* parent = nullptr);

    void laden(const Einstellungen& e);
    void uebernehmen(Einstellungen& e) const;

private:
    std::array<TNumEdit*, 10> grenzen_{};
    QCheckBox* Warnen = nullptr;
    QCheckBox* UebersichtStart = nullptr;
};
