#pragma once

#include "entry/auswahlliste.h"
#include "programm/offenesauen.h"

#include <QDialog>
#include <array>
#include <optional>

class AppContext;
class AuswahlModell;
class QCheckBox;
class QComboBox;
class QHeaderView;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QButtonGroup;
class QGroupBox;
class TNumEdit;

// "Sau-Auswahl": the one window in which sows are chosen: one sow (mode 0), one sow and one
// of her litters (mode 1) or several sows with their groups (mode 2).
class TSauAuswahl : public QDialog {
    Q_OBJECT
public:
    explicit TSauAuswahl(AppContext& ctx, QWidget* parent = nullptr);
    ~TSauAuswahl() override;

    void Vorbereiten(const std::array<bool, 7>& filter, int modus, int sortierung);
    void AnzeigeHolen(std::array<bool, 7>& filter, int& sortierung) const;
    // Several sows read-only (mode 2): only `sauen` are listed, groups are not touched and
    // nothing is deleted; Enter, a double click or "Karte" opens the current sow's card.
    void SauenZeigen(const std::vector<int>& sauen, const QString& titel);
    bool nurLesen() const { return nurLesen_; }
    void KarteOeffnen();
    int GewaehlteSau() const;
    int GewaehlterWurf() const { return gewaehlterWurf_; }
    std::vector<int> GewaehlteSauen() const;

    const Auswahlliste& liste() const { return liste_; }
    bool gruppeGeaendert() const { return GruppeGeaendert; }
    int aktuelleZeile() const;
    void zeileWaehlen(int zeile);

    void ListboxAufbauen();
    void Sortieren();
    void OKBtnClick();
    void LoeschenBtnClick();

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int r) override;

private:
    void kopfAufbauen();
    void listeAufbauen();
    QGroupBox* anzeigeAufbauen();
    void sortierungAufbauen();
    void sucheAufbauen();
    void wurfPanelAufbauen();
    void knoepfeAufbauen();
    void anordnen(QGroupBox* anzeige);
    void eintraegeAufbauen();
    void herdeGeaendert(bool sauenGeaendert);
    Sortierung sortierung() const;
    std::array<bool, 7> filter() const;
    void zeileGeklickt(int zeile);
    void wurfWahlZeigen();
    void wurfWahlVerlassen();
    void gruppeGewaehlt(int item);
    void auswahlGeaendert(int zeile, bool gewaehlt);
    void anzahlZeigen();
    void suchen(const QString& text);

    AppContext& ctx_;
    Auswahlliste liste_;
    bool sauenVeraltet_ = true;    // sows came or went since the entries were made
    bool frischAufgebaut_ = false; // the entries were made and the herd did not change since
    int modus_ = 0;
    int gewaehlterWurf_ = -1;
    bool GruppeGeaendert = false;
    // While a group assignment is pending the whole herd is open: closing may read it anew.
    std::optional<OffenMarke> gruppenMarke_;
    bool gruppenKlick_ = false;
    bool nurLesen_ = false;

    AuswahlModell* modell_ = nullptr;
    QListView* ListBox1 = nullptr;
    QHeaderView* Kopf = nullptr;
    std::array<QCheckBox*, 7> boxen_{};
    QLineEdit* Edit2 = nullptr;
    QGroupBox* RadioGroup2 = nullptr;
    QButtonGroup* sortierKnoepfe_ = nullptr;
    QPushButton* Button1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QComboBox* Gruppe = nullptr;
    QLabel* LGruppe = nullptr;
    TNumEdit* NumEdit1 = nullptr;
    QLabel* LTiere = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* LoeschenBtn = nullptr;
    QWidget* Panel1 = nullptr;
    QListWidget* ListBox2 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* HelpBtn = nullptr;
};
