#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

class AppContext;
class QAction;
class QLabel;
class QMdiArea;
class QMenuBar;
class QMenu;
class TArbeitsplan;
class TSauAuswahl;
class THilfe;
class TNotizen;
class TRechner;
class TUebersicht;
class Uebersichtsstand;
class StallSteuerung;

// The main window: MDI frame with the program's menu. It loads the herd when it is created
// and asks to save unsaved changes when it closes.
class TPVMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TPVMain(AppContext& ctx, QWidget* parent = nullptr);
    ~TPVMain() override;

    AppContext& context() const { return ctx_; }
    QMdiArea* mdiArea() const { return mdi_; }
    QAction* menuItem(const QString& objectName) const { return items_.value(objectName); }
    TSauAuswahl* sauAuswahl() const { return SauAuswahl; }
    TArbeitsplan* arbeitsplan() const { return Arbeitsplan; }
    TNotizen* notizen() const { return Notizen; }
    TRechner* rechner() const { return Rechner; }
    THilfe* hilfe() const { return Hilfe; }

    // Enables the items that need at least one sow.
    void MenueFreigeben();
    // Asks to save unsaved herd changes; false when the program is to stay open.
    bool FormCloseQuery();
    // The days since the last backup in the status bar, in warning colour when one is due.
    void SicherungsHinweisZeigen();
    // Brings the window up when another copy of the program asked for it.
    void zuVorderst();
    // Shows the overview, opening it when it is not open; returns it.
    TUebersicht* UebersichtZeigen();
    TUebersicht* uebersicht() const;
    StallSteuerung* stallSteuerung() const { return Stall; }

public slots:
    void Drucken1Click();
    void Druckereinrichten1Click();
    void Info1Click();
    void Hilfe1Click();
    void Rechner1Click();
    void Notiz1Click();
    void Datensicherung1Click();
    void Einstellungen1Click();
    void Hilfslisten1Click();
    void NeueSau1Click();
    void Eingabe1Click();
    void Sammel1Click();
    void Sammelausdruck1Click();
    void baum1Click();

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void menueAufbauen();
    void datenMenue(QMenuBar* bar);
    void auswertungsMenue(QMenuBar* bar);
    void pruefMenue(QMenu* ausw);
    void planMenue(QMenuBar* bar);
    void optionenMenue(QMenuBar* bar);
    QAction* item(QMenu* menu, const char* name, const QString& caption, int helpContext = 0,
                  const QKeySequence& key = {});
    void starten();
    void HerdeLadenBeimStart();
    // Takes the data from another directory, after asking to save unsaved herd changes.
    bool datenpfadWechseln(const QString& neu);
    // Writes the settings; a failure is told, the program goes on.
    void einstellungenSpeichern();

    // Prepares the selection window for one sow with the filters and order of the settings.
    void auswahlVorbereiten();
    void anzeigeHolen();

    AppContext& ctx_;
    QMdiArea* mdi_ = nullptr;
    TSauAuswahl* SauAuswahl = nullptr;
    TArbeitsplan* Arbeitsplan = nullptr;
    TNotizen* Notizen = nullptr;
    TRechner* Rechner = nullptr;
    THilfe* Hilfe = nullptr;
    StallSteuerung* Stall = nullptr;
    QPointer<TUebersicht> Uebersicht;
    // The overview as built while the herd was read at start, until the overview takes it or
    // the herd changes.
    std::unique_ptr<Uebersichtsstand> geladenerStand_;
    QLabel* sicherungsHinweis_ = nullptr;
    QHash<QString, QAction*> items_;
};
