#pragma once

#include <QWidget>

class AppContext;
struct Einstellungen;
class TNumEdit;
class tdate_ed;

// The settings page "Auswertung": how service groups are formed (rhythm in weeks and the
// reference Monday) and the targets their figures are measured against.
class SeiteAuswertung final : public QWidget {
    Q_OBJECT
public:
    explicit SeiteAuswertung(AppContext& ctx, QWidget* parent = nullptr);

    void laden(const Einstellungen& e);
    // The rhythm held to 1..5; a reference day not on a Monday is taken as its Monday.
    void uebernehmen(Einstellungen& e) const;

    TNumEdit* NumEditRhythmus = nullptr;
    tdate_ed* DatumGruppenstart = nullptr;
    TNumEdit* NumEditZielRate = nullptr;
    TNumEdit* NumEditZielLebend = nullptr;
    TNumEdit* NumEditZielAbgesetzt = nullptr;
};
