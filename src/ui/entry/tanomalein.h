#pragma once

#include "entry/anomalien.h"

#include <QDialog>

class AppContext;
class QComboBox;
class QListWidget;
class tdate_ed;

// "Ausfälle" / "Anomalitäten": names each piglet loss of a litter with cause and day, or each
// anomaly of the litter. The card opens it with the litter's slots and the wanted count and
// takes the slots back after OK.
class TAnomalEin : public QDialog {
    Q_OBJECT
public:
    explicit TAnomalEin(AppContext& ctx, QWidget* parent = nullptr);

    // Mode 0 anomalies, 1 losses; `referenz` is the farrowing date the loss days count from.
    void AnomalOeffnen(const TWurfRec& block, TKurzDatum referenz, int modus, int anzahl);
    // Writes the lines into the block's 14 slots; the rest of the block stays as it is.
    void AnomalUebernehmen(TWurfRec& block) const;

    const AnomalDaten& daten() const { return daten_; }

    // Item data of ListBox1: the date drawn in front of the text (only when there is one).
    static constexpr int DatumRolle = Qt::UserRole + 1;

private:
    void ListBox1Click();
    void ComboBox1Change(const QString& text);
    void tdate_ed1Exit();
    void zeileZeigen(int zeile);

    AppContext& ctx_;
    AnomalDaten daten_;
    QListWidget* ListBox1;
    QComboBox* ComboBox1;
    tdate_ed* tdate_ed1;
    bool fuellen_ = false; // the list is being rebuilt
};
