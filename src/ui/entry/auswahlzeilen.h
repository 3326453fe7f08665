#pragma once

#include "entry/auswahlliste.h"

#include <QAbstractListModel>
#include <QStyledItemDelegate>

class AppContext;
class QHeaderView;

// The visible lines as a model: only the rows on screen are ever drawn.
class AuswahlModell : public QAbstractListModel {
public:
    AuswahlModell(const Auswahlliste& l, QObject* parent) : QAbstractListModel(parent), l_(l) {}
    int rowCount(const QModelIndex& p = {}) const override { return p.isValid() ? 0 : l_.zeilen(); }
    QVariant data(const QModelIndex& i, int role) const override {
        if (!i.isValid() || i.row() >= l_.zeilen()) return {};
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return l_.zeile(i.row()).nummer();
        return {};
    }
    void neu() {
        beginResetModel();
        endResetModel();
    }
    void zeilenGeaendert() {
        if (l_.zeilen() > 0) emit dataChanged(index(0), index(l_.zeilen() - 1));
    }

private:
    const Auswahlliste& l_;
};

// Draws one line: grey line number, sow number, state, last litter, group and stall.
class AuswahlMaler : public QStyledItemDelegate {
public:
    AuswahlMaler(const Auswahlliste& l, const AppContext& ctx, const QHeaderView* kopf, QObject* p)
        : QStyledItemDelegate(p), l_(l), ctx_(ctx), kopf_(kopf) {}

    void paint(QPainter* p, const QStyleOptionViewItem& opt, const QModelIndex& i) const override;

private:
    const Auswahlliste& l_;
    const AppContext& ctx_;
    const QHeaderView* kopf_;
};
