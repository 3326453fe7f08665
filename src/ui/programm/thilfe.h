#pragma once

#include <QWidget>

class QTextBrowser;

// The help window: the German help page of a context number, with links between pages.
class THilfe : public QWidget {
    Q_OBJECT
public:
    explicit THilfe(QWidget* parent = nullptr);

    // Shows the page of `kontext` (the start page for an unknown number) and logs the
    // request when a log is set.
    void zeigen(int kontext);
    QTextBrowser* browser() const { return text_; }
    int kontext() const { return kontext_; }

    // "/debug": every help request is appended to `datei` (time, context, page).
    static void protokollSetzen(const QString& datei);
    // The context number of `w`: for an open menu its highlighted item's, else its own, else
    // the nearest of its parents, else 100.
    static int kontextVon(const QWidget* w);
    // Lets the "Hilfe" buttons (HelpBtn, BitBtn3, HilfeBtn) of `fenster` open help; once per
    // window.
    void knoepfeVerbinden(QWidget* fenster);

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    QTextBrowser* text_ = nullptr;
    int kontext_ = 0;
};
