#pragma once

#include "plan/arbeitsplan.h"
#include "platform/druckausgabe.h"

#include <QWidget>

class QHBoxLayout;
class QLabel;
class AppContext;
class QHeaderView;
class QProgressBar;
class QPushButton;
class QScrollBar;
class QTableView;
class Zeilenmodell;

// The work plan window: lives for the whole run, hidden when closed. "Plan" asks for the
// first day and a plan type, builds the rows from the herd and shows them; the list paints
// only its visible lines. Prints, previews and writes PDF and CSV of the plan.
class Herdfolge;

class TArbeitsplan : public QWidget, public Druckfenster {
    Q_OBJECT
public:
    explicit TArbeitsplan(AppContext& ctx, QWidget* parent = nullptr);

    // The menu item: takes the program's plan times, runs the start dialog and, on OK, sets
    // up and builds the plan; on Cancel the window is hidden.
    void Plan1Click();
    // What follows OK: the chosen plan type (-1 keeps the current one), caption, heads, rows.
    void planAufstellen(TKurzDatum ersterTag, int planTyp);

    const Arbeitsplan& plan() const { return plan_; }
    QTableView* liste() const { return Liste; }
    QScrollBar* tagLeiste() const { return TagLeiste; }
    // Writes the plan as shown to a semicolon-separated file; tells the user when it fails.
    bool csvSchreiben(const QString& datei);

    void druckInhalt(Canvas& canvas) override;
    QPageLayout::Orientation druckAusrichtung() const override { return QPageLayout::Landscape; }
    QString druckTitel() const override { return windowTitle(); }
    MessageService* druckMeldungen() const override;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void listeAufbauen();
    void tagLeisteAufbauen();
    QHBoxLayout* knoepfeAufbauen();
    void koepfeSetzen();
    void aufbauen();
    void folgen();
    void tageEinpassen();
    void TagLeisteChange(int p);
    int ersteTagesspalte() const;
    QWidget* rahmen();
    void fensterZeigen();
    void CsvBtnClick();

    AppContext& ctx_;
    Arbeitsplan plan_;
    bool typGewaehlt_ = false;
    Herdfolge* folge_ = nullptr;
    std::vector<int> spalten_;
    Zeilenmodell* modell_ = nullptr;
    QTableView* Liste = nullptr;
    QScrollBar* TagLeiste = nullptr;
    QWidget* leistenAbstand_ = nullptr;
    QWidget* leistenZeile_ = nullptr;
    QProgressBar* Fortschritt = nullptr;
    QLabel* Legende = nullptr;
};
