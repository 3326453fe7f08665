#pragma once

#include "austausch/csvleser.h"
#include "austausch/wurfimport.h"

#include <QDialog>
#include <vector>

class AppContext;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

// "Import": a spreadsheet's sows and litters. The columns of the file are matched to the
// program's by name, and the farmer may choose another for each; every change of a column runs
// the dry run again, which lists what would be added or changed per sow and every line that
// cannot be taken. Nothing is written before "Importieren".
class TImport : public QDialog {
    Q_OBJECT
public:
    TImport(AppContext& ctx, const QString& datei, QWidget* parent = nullptr);

    // False when the file could not be read (the user has been told).
    bool gelesen() const { return gelesen_; }
    const wurfimport::Plan& plan() const { return plan_; }

    void accept() override;

private:
    void zuordnungAufbauen();
    void pruefen();

    AppContext& ctx_;
    bool gelesen_ = false;
    CsvTabelle tabelle_;
    std::vector<wurfdaten::Spalte> spalten_;
    QList<int> zuordnung_;
    wurfimport::Plan plan_;
    QTableWidget* Spalten = nullptr;
    QListWidget* Ergebnis = nullptr;
    QLabel* Zusammenfassung = nullptr;
    QPushButton* ImportBtn = nullptr;
};

// "Optionen" › "Import": asks for the file and runs the dialog.
void ImportStarten(AppContext& ctx, QWidget* parent);
// "Optionen" › "Export" › "Wurfdaten": the evaluation filter chooses the litters, then the file.
void WurfdatenExportieren(AppContext& ctx, QWidget* parent);
