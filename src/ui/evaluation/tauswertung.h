#pragma once

#include "evaluation/auswertung.h"
#include "evaluation/auswertunglayout.h"
#include "evaluation/auswertungskopie.h"
#include "platform/druckausgabe.h"

#include <QWidget>

class AppContext;
class QMdiArea;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QToolButton;
class TSauAuswahl;

// The common base of the evaluation windows: the working copy of the herd as it was when the
// window was created (shared with other windows until the herd changes), with the mode, the
// filter and the sum.
class TAuswertungBasis : public QWidget {
    Q_OBJECT
public:
    explicit TAuswertungBasis(AppContext& ctx, QWidget* parent = nullptr);

    const Auswertungskopie& kopie() const { return *kopie_; }
    TAuswertungsStand& stand() { return stand_; }
    const TAuswertungsStand& stand() const { return stand_; }

protected:
    AppContext& ctx_;
    std::shared_ptr<const Auswertungskopie> kopie_;
    TAuswertungsStand stand_;
};

// "Auswertung": the figures of one litter, one sow, a boar or a filtered selection.
class TAuswertung : public TAuswertungBasis, public Druckfenster {
    Q_OBJECT
public:
    explicit TAuswertung(AppContext& ctx, QWidget* parent = nullptr);

    // One litter: the sow's index in the herd and the litter's position in her own list.
    void SauWurfAuswerten(int sauIndex, int wurfInListe);
    void SauAuswerten(int sauIndex);
    // "Eber" or "Auswahl" over the whole herd.
    void HerdeAuswerten(TAuswertungsModus modus, const TAuswertungsFilter& filter);

    void BitBtn1Click();
    void BitBtn2Click();
    // Opens the loss-day chart with this evaluation's counts.
    QWidget* Button1Click();
    bool csvSpeichern(const QString& datei);

    void druckInhalt(Canvas& canvas) override;
    QString druckTitel() const override { return windowTitle(); }

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void berechnen();
    void neuLayouten();
    void kopfMalen(QPainter& p);
    void kennzahlenMalen(QPainter& p);
    int zeilenhoehe() const;

    QWidget* PaintBox1 = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    QWidget* PaintBox2 = nullptr;
    QToolButton* BitBtn1 = nullptr;
    QToolButton* BitBtn2 = nullptr;
    QProgressBar* Gauge1 = nullptr;
    QPushButton* Button1 = nullptr;
    std::vector<KennzahlZeile> zeilen_;
};

// The menu commands of "Auswertung": choose a litter, a sow or a filter, then open the
// window inside `mdi` (or on its own without one). Cancel opens nothing. Returns the window.
TAuswertung* AuswertungOeffnen(AppContext& ctx, TAuswertungsModus modus, TSauAuswahl* auswahl,
                               QMdiArea* mdi, QWidget* parent);
