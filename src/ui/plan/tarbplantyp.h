#pragma once

#include "stamm/planrecords.h"

#include <QDialog>
#include <array>
#include <vector>

class AppContext;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

// "Arbeitsplandefinition": the plan types. The editor works on its own copies of
// ctx.Plantypen; OK writes them back and saves "PLANTYPE.DAT", Cancel discards them.
// A record is changed when the control bound to it is left (and when it is changed).
class TArbPlanTyp : public QDialog {
    Q_OBJECT
public:
    explicit TArbPlanTyp(AppContext& ctx, QWidget* parent = nullptr);
    ~TArbPlanTyp() override;

    // The editor's records, in the order of the names in ComboBox2.
    const std::vector<TPlanTyp>& plantypen() const { return typen_; }

    // Takes the editor's list over into ctx.Plantypen, saves it and closes with OK.
    void OKBtnClick();
    void DelBtnClick();

    // What a newly named plan type starts with: every state and page flag set, list all set,
    // the first 20 stalls of the stall list, selection by stalls.
    TPlanTyp neuerPlanTyp() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    struct Bindung {
        QCheckBox* box;
        enum Art { Status, Seite, AlleAuflisten } art;
        int index;
    };

    QLabel* namensfeldAufbauen();
    void stallUndGruppeAufbauen();
    void kaestchenAufbauen(QGroupBox*& status, QGroupBox*& terminart);
    void anordnen(QLabel* label, QGroupBox* status, QGroupBox* terminart);
    void tabReihenfolge(); // as the controls stand on the form
    void verbinden();
    void namenGetippt(const QString& text);
    void ComboBox2Exit();
    void zeigen(int index);
    void auswaehlen(int index);
    int suchen(const QString& text) const; // by GrossText; -1 when no name matches
    TPlanTyp* aktuell();

    void boxSchreiben(const Bindung& b);
    void ListBox1Exit();
    void ComboBox1Exit();
    void RadioButton1Click();
    void RadioButton2Click();
    void staelleFreigeben(bool nachStaellen);
    bool popupTaste(QKeyEvent* k);

    AppContext& ctx_;
    std::vector<TPlanTyp> typen_;
    std::vector<Bindung> bindungen_;
    bool laden_ = false;      // the controls are being filled from a record
    bool schliessen_ = false; // the window is closing: leaving the name box means nothing
    bool ersteAnzeige_ = true;
    bool imNamen_ = false; // the focus is in the name box (or its open list)

    QComboBox* ComboBox2 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QPushButton* DelBtn = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QMetaObject::Connection fokusVerbindung_;
};

// Opens the editor modally on ctx.Plantypen; on OK the edited list replaces it and is saved.
// Returns true when the editor was confirmed with OK (a failed write has been told then).
bool PlanTypenBearbeiten(AppContext& ctx, QWidget* parent);
