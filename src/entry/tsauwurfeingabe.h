#pragma once

#include "entry/wurfregeln.h"
#include "herd/records.h"
#include "plan/terminnamen.h"
#include "platform/druckausgabe.h"

#include <QDialog>
#include <array>
#include <vector>

class AppContext;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QTabBar;
class TNumEdit;
class tdate_ed;
class WurfUebersicht;

// "Eingabe": one sow with all her litters. Page "Sau" holds her master data, one page per
// litter the cycle; one litter panel serves all litter pages. The card works on copies and
// writes them into the herd on OK (litter copies already when page "Sau" is shown).
class TSauWurfEingabe : public QDialog, public Druckbar {
    Q_OBJECT
public:
    explicit TSauWurfEingabe(AppContext& ctx, QWidget* parent = nullptr);

    void TermineBeschriften(const Terminnamen& namen);
    void SauOeffnen(int index);
    void SauVorbelegen(const TSauRec& rec);
    void SauAuslesen(TSauRec& rec);

    int sauIndex() const { return index_; }
    QTabBar* notebook() const { return Notebook; }
    const std::vector<TWurfRec>& wurfKopien() const { return wuerfe_; }
    // Selects a page as a click on its tab does.
    void seiteWaehlen(int seite);

    // Printing the card's sow on the standard printer, in a preview or as PDF.
    void druckInhalt(Canvas& canvas) override;
    QString druckTitel() const override { return QStringLiteral("Sauenkarte"); }
    void KarteDrucken();

    void OKBtnClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int r) override;

private:
    void aufbauen();
    QWidget* sauSeiteAufbauen();
    QWidget* wurfPanelAufbauen();
    void einstellungenAnwenden();
    void verbinden();

    void laden();
    void seiteWechseln(int seite);
    void kartenSpeichern(TSauRec& rec);
    void registerErneuern();
    QString registerText(int i) const;
    void statusZeigen();

    bool namePruefen();
    void AbgangExit();
    void EberExit(int k);

    // the litter panel
    void wurfZeigen(int seite);
    void wurfSpeichern();
    wurfregeln::Stand stand() const;
    void regelnAnwenden();
    void vorschlagAktualisieren();
    void abgesetzteBerechnen();
    void datumFehler(tdate_ed* feld, const wurfregeln::Pruefung& p);
    void BelegenExit(int k); // mating date k (0..2) left
    void TKExit(tdate_ed* feld);
    void AbferkelnExit();
    void AbferkelnUebernehmen();
    void AbsetzenExit();
    void GeltenExit();
    void todgeborenExit();
    void abgesetzteExit();
    void AnomalExit();
    void AusfallExit();
    void eintraegeOeffnen(int modus, int anzahl);
    void ausfallSetzen(int wert);
    // A litter without live piglets: asks; OK clears losses and fostering (true), Cancel puts
    // the dead count back to 0 (false).
    bool ohneLebendeFerkel(const QString& warnung);
    void umnummerieren(int delta);
    bool letzteWurfseite() const;

    AppContext& ctx_;
    int index_ = -1;
    TSauRec sau_;
    std::vector<TWurfRec> neueListe_; // the litter list of a new sow
    std::vector<TWurfRec> wuerfe_;    // the card's litter copies
    int panelSeite_ = 0;
    TWurfRec wurf_;
    int anomalAlt_ = 0;
    int ausfallAlt_ = 0;
    bool schliessenMitOK_ = false;

    std::vector<TWurfRec>& sauListe();

    // controls of the sow page
    QTabBar* Notebook = nullptr;
    QStackedWidget* seiten_ = nullptr;
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

    // controls of the litter panel
    QWidget* WurfPanel = nullptr;
    std::array<tdate_ed*, 3> Belegen{};
    std::array<QComboBox*, 3> Eber{};
    std::array<TNumEdit*, 3> mal{};
    std::array<QComboBox*, 3> Belegnote{};
    std::array<tdate_ed*, 2> tkdatum{};
    std::array<QCheckBox*, 2> tk{};
    std::array<tdate_ed*, 8> termin{};
    std::array<QLabel*, 8> LWurfTermin{};
    tdate_ed* Abferkeln = nullptr;
    tdate_ed* Absetzen = nullptr;
    TNumEdit* geborene = nullptr;
    TNumEdit* todgeboren = nullptr;
    TNumEdit* Gelten = nullptr;
    QLabel* LGelten = nullptr;
    TNumEdit* Zugesetzt = nullptr;
    TNumEdit* Geburtgew = nullptr;
    QLabel* LGeburtgew = nullptr;
    QLabel* LGeburtgewG = nullptr;
    TNumEdit* Absetzgew = nullptr;
    QLabel* LAbsetzgew = nullptr;
    QLabel* LAbsetzgewKg = nullptr;
    QComboBox* FerkelnNote = nullptr;
    QLineEdit* Notiz = nullptr;
    TNumEdit* Anomal = nullptr;
    QPushButton* AnomalBtn = nullptr;
    TNumEdit* Ausfall = nullptr;
    QPushButton* AusfallBtn = nullptr;
    TNumEdit* abgesetzte = nullptr;
    std::array<TNumEdit*, 4> Futter{};
    QGroupBox* FutterBox = nullptr;
    QGroupBox* TerminBox = nullptr;

    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* HilfeBtn = nullptr;
    QPushButton* DruckBtn = nullptr;
    QPushButton* VorschauBtn = nullptr;
    QPushButton* PdfBtn = nullptr;
};
