#pragma once

#include "programm/datensicherung.h"

#include <QDialog>
#include <QStringList>

class QHBoxLayout;
class QLayout;
class AppContext;
class QButtonGroup;
class QComboBox;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTreeView;
class QFileSystemModel;

// "Datensicherung": copies the data files to a removable medium or a folder and back.
class TDatensicherung : public QDialog {
    Q_OBJECT
public:
    explicit TDatensicherung(AppContext& ctx, QWidget* parent = nullptr);

    // Before showing: the target of the settings ("A:", "B:" or a folder) and the masks.
    void SicherungOeffnen(const QString& ziel, const QStringList& masken);
    // After OK: the target to keep in the settings.
    void ZielHolen(QString& ziel) const;

    // True when files were restored (the context has been reloaded from them).
    bool zurueckgesichert() const { return zurueckgesichert_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void aufbauen();
    QLayout* dateilisteAufbauen();
    QWidget* richtungAufbauen();
    QHBoxLayout* knoepfeAufbauen();
    QWidget* zielGruppeAufbauen();
    QWidget* ordnerPanelAufbauen();
    void verbinden();
    void medienBeschriften();
    bool sicherung() const;
    // The medium or folder chosen in "Sicherung"; empty when no medium is there.
    QString zielVerzeichnis() const;
    void fuellen();
    void starten();
    void sichern(const QStringList& namen, const QString& ziel);
    void zuruecksichern(const QStringList& namen, const QString& ziel);
    // Runs a copy with the gauge shown and the window locked.
    datensicherung::Ergebnis mitFortschritt(
        const std::function<datensicherung::Ergebnis(const datensicherung::Fortschritt&)>& ablauf);
    void ordnerUebernehmen();
    void EditPfadExit();

    AppContext& ctx_;
    QStringList masken_;
    datensicherung::Dateiliste liste_;
    QStringList medien_;
    bool zurueckgesichert_ = false;
    QString gefuellt_; // the restore source the list shows

    QLineEdit* Edit2 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QButtonGroup* RadioGroup3 = nullptr;
    QRadioButton* laufwerk_[3] = {};
    QLineEdit* EditPfad = nullptr;
    QPushButton* Button1 = nullptr;
    QWidget* ordnerPanel_ = nullptr;
    QComboBox* DriveComboBox1 = nullptr;
    QTreeView* DirectoryListBox1 = nullptr;
    QFileSystemModel* ordnerModell_ = nullptr;
    QButtonGroup* Richtung = nullptr;
    QPushButton* StartBtn = nullptr;
    QWidget* fortschrittPanel_ = nullptr;
    QProgressBar* Gauge1 = nullptr;
};
