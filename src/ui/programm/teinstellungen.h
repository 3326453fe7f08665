#pragma once

#include <QDialog>
#include <QMap>

class QHBoxLayout;
class AppContext;
class QCheckBox;
class QComboBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QTreeView;
class QWidget;
class TNumEdit;
class SeiteAuswertung;
class PruefungSeite;
class StallzugangSeite;

// "Einstellungen": the user's settings on its pages. WerteLaden fills the controls from the
// context's settings, WerteUebernehmen takes them back (called by OK).
class TEinstellungen : public QDialog {
    Q_OBJECT
public:
    explicit TEinstellungen(AppContext& ctx, QWidget* parent = nullptr);
    ~TEinstellungen() override;

    void WerteLaden();
    void WerteUebernehmen();

    // The data directory chosen on the page "Datenverzeichnis".
    QString gewaehlterPfad() const;

    QTabWidget* seiten() const { return seiten_; }
    int hilfeKontext() const { return property("helpContext").toInt(); }

    // Creates the folder typed into the panel of "Neuer Ordner" (the "+" button).
    void OrdnerAnlegen();
    // Moves the selected component to "Ausdruck" (hin) or back to "Komponenten".
    void KomponenteVerschieben(bool hin);

private:
    QWidget* seiteGrund();
    QWidget* seiteEingabe();
    QWidget* seiteIndex();
    QWidget* seiteBestandskarte();
    QWidget* seiteDatenverzeichnis();
    QHBoxLayout* neuerOrdnerAufbauen();
    QWidget* seiteWaehrung();
    QCheckBox* box(const char* name, const QString& text);
    TNumEdit* zahl(const char* name, bool ganz);
    void pfadZeigen(const QString& pfad);
    void seiteGewechselt(int index);

    AppContext& ctx_;
    QTabWidget* seiten_ = nullptr;
    QMap<QString, QCheckBox*> boxen_;
    TNumEdit* NumEdit1 = nullptr;  // Gruppenanzahl
    TNumEdit* NumEdit13 = nullptr; // Eber maximal
    TNumEdit* index_[7] = {};      // NumEdit2..7, NumEdit12
    QLabel* LabelWeibliche = nullptr;
    QListWidget* ListKomponenten = nullptr;
    QListWidget* ListAusdruck = nullptr;
    QLineEdit* EditPfad = nullptr;
    QComboBox* DriveComboBox1 = nullptr;
    QTreeView* DirectoryListBox1 = nullptr;
    QFileSystemModel* verzeichnisse_ = nullptr;
    QWidget* PanelOrdner = nullptr;
    QLineEdit* EditOrdner = nullptr;
    QComboBox* ComboBox2 = nullptr;
    TNumEdit* kurse_[4] = {}; // NumEdit8..11
    QLineEdit* Edit1 = nullptr;
    QCheckBox* CheckBoxEuro = nullptr;
    QLineEdit* EuroView = nullptr;
    QMetaObject::Connection fokusVerbindung_;
    SeiteAuswertung* seiteAuswertung_ = nullptr;
    PruefungSeite* pruefung_ = nullptr;
    StallzugangSeite* stall_ = nullptr;
};
