#pragma once

#include "herd/hilfslisten.h"

#include <QDialog>

class AppContext;
class QLineEdit;
class QListWidget;
class QTabWidget;

// "Hilfsliste": edits the six helper lists in place; OK replaces and saves them.
class THilfsliste : public QDialog {
    Q_OBJECT
public:
    explicit THilfsliste(AppContext& ctx, QWidget* parent = nullptr);

    QListWidget* liste(int hilfsliste) const; // by list number 0..5
    QTabWidget* seiten() const { return seiten_; }

    // Rebuilds the helper lists from the list boxes and saves them.
    void OKBtnClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void editierenBeginnen(QListWidget* box, const QString& start);
    void editierenBeenden();
    void einfuegen(QListWidget* box);
    void entfernen(QListWidget* box);
    QListWidget* aktuelleListe() const;

    AppContext& ctx_;
    QTabWidget* seiten_;
    QLineEdit* Edit1;
    QListWidget* boxen_[6] = {};
    QListWidget* editBox_ = nullptr;
};
