#include "platform/zeilenmodell.h"

void Zeilenmodell::setzen(int zeilen, const QStringList& koepfe, Zelle zelle) {
    beginResetModel();
    zeilen_ = zeilen;
    koepfe_ = koepfe;
    zelle_ = std::move(zelle);
    endResetModel();
}

void Zeilenmodell::zeilenSetzen(int zeilen) {
    beginResetModel();
    zeilen_ = zeilen;
    endResetModel();
}

int Zeilenmodell::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : zeilen_;
}

int Zeilenmodell::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(koepfe_.size());
}

QVariant Zeilenmodell::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !zelle_ || index.row() >= zeilen_ || index.column() >= koepfe_.size())
        return {};
    return zelle_(index.row(), index.column(), role);
}

QVariant Zeilenmodell::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < koepfe_.size())
        return koepfe_[section];
    return {};
}
