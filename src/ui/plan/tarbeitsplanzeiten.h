#pragma once

#include "stamm/planrecords.h"

#include <QDialog>
#include <array>

class AppContext;
class QLabel;
class QLineEdit;
class QTabBar;
class TNumEdit;

// "Einstellungen zum Arbeitsplan": the plan times, one tab per page over one panel of 12
// rows (name, first day, last day, abbreviation). Rows 12..14 of a page are kept as they are.
// The editor works on its own copy; planzeiten() gives the result after OK.
class TArbeitsplanzeiten : public QDialog {
    Q_OBJECT
public:
    static constexpr int kZeilen = 12;

    explicit TArbeitsplanzeiten(AppContext& ctx, QWidget* parent = nullptr);

    // Takes the record to edit and shows page 0.
    void setPlanzeiten(const TPlanZeiten& zeiten);
    // The edited record; complete after OK (the page on screen is stored then).
    const TPlanZeiten& planzeiten() const { return zeiten_; }

    QTabBar* seiten() const { return TabControl1; }

    // Stores the page on screen and closes with OK.
    void OKBtnClick();

private:
    QWidget* zeilenAufbauen();
    struct Zeile {
        QLineEdit* name = nullptr;
        TNumEdit* von = nullptr;
        TNumEdit* bis = nullptr;
        QLineEdit* kuerzel = nullptr;
        QLabel* stern = nullptr;
    };

    void seiteZeigen(int seite);
    void seiteSpeichern(int seite);
    void TabControl1Change(int neu);
    QWidget* zahlVerlassen();

    AppContext& ctx_;
    TPlanZeiten zeiten_;
    int seite_ = 0;
    QTabBar* TabControl1 = nullptr;
    std::array<Zeile, kZeilen> zeilen_{};
};

// Opens the editor modally on a copy of ctx.Planzeiten; on OK the copy becomes
// ctx.Planzeiten and is saved. Returns true when the editor was confirmed with OK (a failed
// write has been told to the user then).
bool PlanZeitenBearbeiten(AppContext& ctx, QWidget* parent);
