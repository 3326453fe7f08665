#pragma once

#include "feed/futterlisten.h"
#include "feed/futtermix.h"
#include "platform/druckausgabe.h"

#include <QWidget>

class AppContext;
class QCheckBox;
class QComboBox;
class QHeaderView;
class QLabel;
class QListWidget;
class QMdiArea;
class QPushButton;
class QStandardItemModel;
class TNumEdit;

// The feed mix window: the component list, the mix of up to 15 entries with shares, totals
// and targets, optimising, saving, printing and the table export. Works on its own copies of
// the two feed files.
class TFuttermix : public QWidget, public Druckfenster {
    Q_OBJECT
public:
    explicit TFuttermix(AppContext& ctx, QWidget* parent = nullptr);

    Futtermix& mix() { return mix_; }
    const Spaltenenden& spaltenenden() const { return enden_; }
    // The price head: " Preis in " and the display currency's symbol.
    QString preisKopf() const;

    void druckInhalt(Canvas& canvas) override;
    QPageLayout::Orientation druckAusrichtung() const override { return QPageLayout::Landscape; }
    QString druckTitel() const override { return QStringLiteral("Futtermischung"); }
    // Writes the mix as a table; tells the user and returns false when that fails.
    bool CsvSpeichern(const QString& datei);

    // The save query with the name box's text and selection; false: stay open.
    bool SpeichernBtnClick();
    void OptimierenBtnClick();

    QComboBox* ComboBox1 = nullptr;
    QListWidget* ListBox1 = nullptr; // the mix
    QListWidget* ListBox2 = nullptr; // the components
    QCheckBox* CheckBox1 = nullptr;
    TNumEdit* NumEdit1 = nullptr;
    QHeaderView* HeaderControl1 = nullptr;
    QPushButton* HinzufuegenBtn = nullptr;
    QPushButton* EntfernenBtn = nullptr;
    QPushButton* ZielBtn = nullptr;
    QPushButton* OptimierenBtn = nullptr;
    QPushButton* SpeichernBtn = nullptr;
    QLabel* ZielInfo = nullptr;

protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QWidget* knoepfeBauen();
    void listenBauen();
    void verbinden();
    void spaltenAnlegen();
    void spaltenAusKopf();
    void komponentenZeigen();
    void mischungZeigen();
    void editorenZeigen(int zeile);
    void editorenVerstecken();
    void freigeben();
    int namensIndex() const;
    void namenAbgleichen();

    void KomponenteBearbeiten(int zeile, bool einfuegen);
    void HinzufuegenBtnClick();
    void EntfernenBtnClick();
    void ZielBtnClick();
    void CsvBtnClick();
    void ComboBox1Enter();
    void ComboBox1Waehlen(int index);
    void ComboBox1Exit();
    void NumEdit1Exit();

    AppContext& ctx_;
    Futtermix mix_;
    Spaltenenden enden_{};
    QStandardItemModel* kopfModell_ = nullptr;
    QWidget* panel_ = nullptr;
    SummenFeld* summen_ = nullptr;
    bool imLayout_ = false;
};

// Opens a new feed mix window in the main window's MDI area.
TFuttermix* FuttermixOeffnen(AppContext& ctx, QMdiArea* mdi);
