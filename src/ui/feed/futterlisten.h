#pragma once

#include <QStringList>
#include <QStyledItemDelegate>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

class Canvas;

// Right edges of the columns of the feed window, in pixels from the left of the mix list:
// index 0 "Fest", 1 "Menge", 2 "Name", 3..14 the 12 values, 15 the price.
using Spaltenenden = std::array<int, 16>;

// The widths on opening and on a resize: "Fest" as wide as its text, "Fest" and "Menge" as
// the button panel, "Name" as "############", each value column (width - those three) / 13.5
// rounded, the price column the rest.
std::array<int, 16> Spaltenbreiten(int breite, int festBreite, int panelBreite, int nameBreite);
Spaltenenden EndenAusBreiten(const std::array<int, 16>& breiten);

// One line: cells 0 "X" or empty, 1 the share, 2 the name, 3.. numbers right-aligned at
// their column ends. `versatz` is the list's left edge in column coordinates.
void ZeileZeichnen(Canvas& c, double y, const QStringList& zellen, const Spaltenenden& enden,
                   int versatz);

// Draws list lines from the cells kept in Qt::UserRole.
class ZeilenDelegate : public QStyledItemDelegate {
public:
    ZeilenDelegate(const Spaltenenden& enden, std::function<int()> versatz, QObject* parent)
        : QStyledItemDelegate(parent), enden_(enden), versatz_(std::move(versatz)) {}
    void paint(QPainter* p, const QStyleOptionViewItem& o, const QModelIndex& i) const override;

private:
    const Spaltenenden& enden_;
    std::function<int()> versatz_;
};

// The totals line and the targets line between the two lists.
class SummenFeld : public QWidget {
public:
    SummenFeld(const Spaltenenden& enden, QWidget* parent);
    void setZeilen(const QStringList& summen, const QStringList& ziele);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const Spaltenenden& enden_;
    QStringList summen_, ziele_;
};
