#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <functional>

// Shows rows that a core function computed in a table view. The model asks for a cell only
// when the view paints it, so a view with fixed row heights paints just the visible rows of
// however many there are.
class Zeilenmodell final : public QAbstractTableModel {
    Q_OBJECT
public:
    // The value of a cell for a role (display text, alignment, background, ...).
    using Zelle = std::function<QVariant(int zeile, int spalte, int rolle)>;

    explicit Zeilenmodell(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // Replaces rows, heads and cells at once.
    void setzen(int zeilen, const QStringList& koepfe, Zelle zelle);
    // Keeps heads and cells; the rows are now `zeilen`.
    void zeilenSetzen(int zeilen);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    int zeilen_ = 0;
    QStringList koepfe_;
    Zelle zelle_;
};
