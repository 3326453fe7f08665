#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;

// The pick dialog: one list of entries; after OK the caller reads the chosen index.
class TAuswahl : public QDialog {
    Q_OBJECT
public:
    TAuswahl(const QString& titel, int hilfe, QWidget* parent = nullptr);

    // Fills the list in order and selects the first entry.
    void EintraegeSetzen(const QStringList& eintraege);
    int GewaehlterEintrag() const;

private:
    QListWidget* ListBox1 = nullptr;
};
