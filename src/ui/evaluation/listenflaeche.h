#pragma once

#include "evaluation/berichtsdruck.h"
#include "platform/druckausgabe.h"

#include <QAbstractScrollArea>
#include <QWidget>
#include <functional>

class AppContext;
class Canvas;
class CsvWriter;
class QFrame;
class QLabel;
class QMdiArea;
class QPushButton;
class TNumEdit;

// The lines of a list, drawn in fixed pixel columns on white: only the lines in view are
// painted, so a list of any length scrolls at once. Page Up and Page Down move by the height
// in view.
class Listenflaeche final : public QAbstractScrollArea {
    Q_OBJECT
public:
    // Draws line n (from 0) at y; `grau` switches the pen to grey and back.
    using Zeile = std::function<void(Canvas&, int n, double y, const std::function<void(bool)>&)>;
    // Draws what follows the last line at y.
    using Schluss = std::function<void(Canvas&, double y)>;

    explicit Listenflaeche(QWidget* parent = nullptr);
    void setzen(int zeilen, Zeile zeile, Schluss schluss = {});

    int zeilenhoehe() const; // text height of "M"
    int zeilen() const { return zeilen_; }
    // Lines that can be chosen: a click or Up and Down make a line current, Enter and a
    // double click open it.
    void setWaehlbar(bool an) { waehlbar_ = an; }
    int aktuelle() const { return aktuelle_; }
    void setAktuelle(int n);

    // How far the list is scrolled sideways; the heads above it follow.
    int seitlich() const;
    // Widens the scrolled width to `rechts` (the right end of drawn text); a list wider than
    // its window scrolls sideways.
    void breiteMelden(double rechts);

    // The lines the last paint drew, first and last (-1: none).
    int ersteGemalt() const { return ersteGemalt_; }
    int letzteGemalt() const { return letzteGemalt_; }

signals:
    void geoeffnet(int n);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    void bereichSetzen();
    void seitlichSetzen();
    int zeileBei(int y) const;
    bool waehlbar_ = false;
    int aktuelle_ = -1;

    int zeilen_ = 0;
    int breite_ = 0; // of the drawn lines and heads
    Zeile zeile_;
    Schluss schluss_;
    int ersteGemalt_ = -1, letzteGemalt_ = -1;
};

// A list window of the evaluations: heads, the lines, and a print panel that asks for the
// range of lines to print, preview or save as PDF; "CSV..." writes every line as a table.
class Listenfenster : public QWidget, public Druckfenster {
    Q_OBJECT
public:
    Listenfenster(AppContext& ctx, QWidget* parent = nullptr);

    // The print request: the panel with 1 .. number of lines.
    void druckanfrage() override;
    void druckInhalt(Canvas& canvas) override;
    MessageService* druckMeldungen() const override;

    // Writes the chosen range as PDF / every line as a table; tells the user when that fails.
    bool PdfSpeichern(const QString& datei);
    bool CsvSpeichern(const QString& datei);
    // Takes the range from the panel's fields for the next printout.
    void BereichUebernehmen();
    // True when the last printout was cancelled.
    bool abgebrochen() const { return abgebrochen_; }

    QWidget* PaintBox1 = nullptr;
    Listenflaeche* ScrollBox1 = nullptr;
    QFrame* Panel1 = nullptr;
    TNumEdit* NumEdit1 = nullptr;
    TNumEdit* NumEdit2 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* VorschauBtn = nullptr;
    QPushButton* PdfBtn = nullptr;
    QPushButton* DruckBtn = nullptr;
    QPushButton* CsvBtn = nullptr;

protected:
    // Builds the lines and hands them to the pane.
    virtual void bilden() = 0;
    virtual int anzahl() const = 0;
    virtual void kopfZeichnen(Canvas& c) = 0;
    virtual bool seitenDrucken(Canvas& c, int von, int bis, const Druckfortschritt& f) = 0;
    virtual CsvWriter tabelle() const = 0;
    // The captions before the two range fields.
    void aufbauen(const QString& vonText, const QString& bisText);

    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

    AppContext& ctx_;

private:
    QWidget* knoepfeBauen();
    void panelBauen(const QString& vonText, const QString& bisText);
    void panelPlatzieren();
    void OKBtnClick();
    void CancelBtnClick();
    void PdfBtnClick();
    void CsvBtnClick();

    bool gebaut_ = false;
    bool abgebrochen_ = false;
    int von_ = 1, bis_ = 0;
};

// Adds `w` to the main window's MDI area as a child that frees itself when closed.
void ListenfensterZeigen(Listenfenster* w, QMdiArea* mdi);
