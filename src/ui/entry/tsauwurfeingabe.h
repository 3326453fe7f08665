#pragma once

#include "herd/records.h"
#include "platform/druckausgabe.h"
#include "stamm/terminnamen.h"

#include <QDialog>
#include <array>
#include <memory>
#include <vector>

class AppContext;
class OffenMarke;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QTabBar;
class TNumEdit;
class tdate_ed;
class WurfPanel;
class WurfUebersicht;
class PlausiWarner;

// "Eingabe": one sow with all her litters. Page "Sau" holds her master data, one page per
// litter the cycle; one litter panel serves all litter pages. The card works on copies and
// writes them into the herd on OK (litter copies already when page "Sau" is shown).
class TSauWurfEingabe : public QDialog, public Druckfenster {
    Q_OBJECT
public:
    explicit TSauWurfEingabe(AppContext& ctx, QWidget* parent = nullptr);
    ~TSauWurfEingabe() override;

    void TermineBeschriften(const Terminnamen& namen);
    void SauOeffnen(int index);
    void SauVorbelegen(const TSauRec& rec);
    void SauAuslesen(TSauRec& rec);

    int sauIndex() const { return index_; }
    QTabBar* notebook() const { return Notebook; }
    const std::vector<TWurfRec>& wurfKopien() const { return wuerfe_; }
    // Selects a page as a click on its tab does.
    void seiteWaehlen(int seite);
    // Once the card shows: the page of litter `wurf` (position in the sow's list; -1 the last
    // page) with the focus in the control named `feld`; "Zugang" and "Abgang" on page "Sau".
    void feldZeigen(int wurf, const QString& feld);

    // Printing the card's sow on the standard printer, in a preview or as PDF.
    void druckInhalt(Canvas& canvas) override;
    QString druckTitel() const override { return QStringLiteral("Sauenkarte"); }
    MessageService* druckMeldungen() const override;
    void KarteDrucken();

    void OKBtnClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int r) override;

private:
    void aufbauen();
    QWidget* sauSeiteAufbauen();
    void sauFelderAnlegen();
    void einstellungenAnwenden();
    void verbinden();

    void laden();
    void seiteWechseln(int seite);
    void seiteBlaettern(int schritt);
    // The sow record as the card shows it, without touching the herd.
    void sauLesen(TSauRec& rec);
    // The store step: the sow record, and the litter copies written into the sow's list.
    void kartenSpeichern(TSauRec& rec);
    void registerErneuern();
    QString registerText(int i) const;
    void statusZeigen();
    void memoBegrenzen();

    bool namePruefen();
    // Whether the card holds anything else than what it was opened with.
    bool eingabenGeaendert();
    void AbgangExit();

    void wurfZeigen(int seite);
    void wurfSpeichern();
    void umnummerieren(int delta);

    AppContext& ctx_;
    std::unique_ptr<PlausiWarner> warner_;
    int index_ = -1;
    // The sow stays marked open at the PC while the card shows her.
    std::unique_ptr<OffenMarke> offen_;
    TSauRec sau_;
    std::vector<TWurfRec> neueListe_; // the litter list of a new sow
    std::vector<TWurfRec> wuerfe_;    // the card's litter copies
    TSauRec anfangSau_;               // the card as opened, read back
    std::vector<TWurfRec> anfangWuerfe_;
    int panelSeite_ = 0; // the litter copy shown in the panel, 0 for none
    bool schliessenMitOK_ = false;
    bool seitenSperre_ = false; // the card itself selects a tab

    std::vector<TWurfRec>& sauListe();

    QTabBar* Notebook = nullptr;
    QStackedWidget* seiten_ = nullptr;
    WurfPanel* panel_ = nullptr; // the litter panel

    // controls of the sow page
    QLineEdit* SauNr = nullptr;
    QComboBox* Stall = nullptr;
    QLineEdit* StatusFeld = nullptr;
    tdate_ed* Zugang = nullptr;
    QComboBox* Herkunft = nullptr;
    QLineEdit* TVG = nullptr;
    QComboBox* Rasse = nullptr;
    TNumEdit* NumEdit2 = nullptr;
    TNumEdit* Einkauf = nullptr;
    std::array<tdate_ed*, 4> Impfung{};
    std::array<QLabel*, 4> LSauTermin{};
    tdate_ed* Abgang = nullptr;
    QLabel* LAbgang = nullptr;
    QComboBox* Abnehmer = nullptr;
    QLabel* LAbnehmer = nullptr;
    TNumEdit* NumEdit3 = nullptr;
    QLabel* LKg = nullptr;
    TNumEdit* Verkauf = nullptr;
    QLabel* LVerkauf = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    WurfUebersicht* PaintBox1 = nullptr;

    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* HilfeBtn = nullptr;
    QPushButton* DruckBtn = nullptr;
    QPushButton* VorschauBtn = nullptr;
    QPushButton* PdfBtn = nullptr;
};

// Opens the card of sow `sau` modally at litter `wurf` and field `feld` (see feldZeigen), as the
// lines of the overview and of the open points do.
void KarteAmFeldOeffnen(AppContext& ctx, QWidget* parent, int sau, int wurf, const QString& feld);
