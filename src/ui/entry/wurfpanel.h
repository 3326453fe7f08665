#pragma once

#include "entry/plausiwarner.h"
#include "entry/wurfregeln.h"
#include "herd/records.h"
#include "stamm/terminnamen.h"

#include <QWidget>
#include <array>

class AppContext;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TNumEdit;
class tdate_ed;

// The litter panel of the card: one reproductive cycle (matings, checks, farrowing, piglets,
// losses and anomalies, weaning, task dates, feed, note) with its enabling rules, date checks
// and piglet arithmetic. It works on a copy of one litter; the card shows and stores it.
class WurfPanel : public QWidget {
    Q_OBJECT
public:
    explicit WurfPanel(AppContext& ctx, QWidget* parent = nullptr);
    ~WurfPanel() override;

    // Where the shown litter stands in the card.
    struct Lage {
        bool ersteSeite = false;
        bool letzteSeite = false;
        TKurzDatum zugang;             // the sow's stalling in (first page)
        TKurzDatum vorherigesAbsetzen; // weaning of the litter before (later pages)
    };

    void TermineBeschriften(const Terminnamen& namen);
    void zeigen(const TWurfRec& w, const Lage& lage);
    // The litter with the panel's fields stored into it.
    TWurfRec speichern();
    // The fields in the order of the cycle; call once the panel sits in its window.
    void tabFolgeSetzen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* belegGruppe();
    QWidget* ferkelGruppe();
    void ferkelFelderAnlegen();
    QGroupBox* terminGruppe();
    void einstellungenAnwenden();
    void verbinden();

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
    // Leaving a count of entries (mode 0 anomalies, 1 losses) that changed.
    void eintraegeGeaendert(int modus);
    // Opens the entry window; Cancel shows the stored count again. True after OK.
    bool eintraegeOeffnen(int modus, int anzahl);
    void zaehlerZeigen(int modus);
    void ausfallSetzen(int wert);
    // A litter without live piglets: asks; OK clears losses and fostering (true), Cancel puts
    // the dead count back to 0 (false).
    bool ohneLebendeFerkel(const QString& warnung);

    // The plausibility warnings of the fields once their own checks passed.
    void plausibelMerken();
    void zahlenPruefen(TNumEdit* feld);

    AppContext& ctx_;
    PlausiWarner warner_;
    TWurfRec wurf_;
    Lage lage_;
    int anomalAlt_ = 0;
    int ausfallAlt_ = 0;
    TKurzDatum abferkelnGeprueft_; // the farrowing date last compared with the expected one
    bool laedt_ = false;           // fields are being filled: no rules yet

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
};
