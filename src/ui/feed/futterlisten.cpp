#include "feed/futterlisten.h"

#include "platform/paintercanvas.h"

#include <QApplication>
#include <QPainter>
#include <cmath>

std::array<int, 16> Spaltenbreiten(int breite, int festBreite, int panelBreite, int nameBreite) {
    std::array<int, 16> b{};
    b[0] = festBreite;
    b[1] = std::max(0, panelBreite - festBreite);
    b[2] = nameBreite;
    const int rest = std::max(0, breite - b[0] - b[1] - b[2]);
    const int wert = int(std::lround(rest / 13.5));
    for (int i = 3; i < 15; ++i)
        b[std::size_t(i)] = wert;
    b[15] = std::max(0, rest - 12 * wert);
    return b;
}

Spaltenenden EndenAusBreiten(const std::array<int, 16>& breiten) {
    Spaltenenden e{};
    int x = 0;
    for (std::size_t i = 0; i < breiten.size(); ++i) {
        x += breiten[i];
        e[i] = x;
    }
    return e;
}

void ZeileZeichnen(Canvas& c, double y, const QStringList& zellen, const Spaltenenden& enden,
                   int versatz) {
    constexpr int rand = 4;
    for (int i = 0; i < zellen.size() && i < int(enden.size()); ++i) {
        const QString& t = zellen[i];
        if (t.isEmpty()) continue;
        double x;
        if (i == 0)
            x = 2;
        else if (i == 2)
            x = enden[1] + 5;
        else
            x = enden[std::size_t(i)] - rand - c.textWidth(t);
        c.drawText(x - versatz, y, t);
    }
}

void ZeilenDelegate::paint(QPainter* p, const QStyleOptionViewItem& o, const QModelIndex& i) const {
    // The background and selection as the style draws them, the text by columns.
    QStyleOptionViewItem leer = o;
    initStyleOption(&leer, i);
    leer.text.clear();
    const QWidget* w = o.widget;
    QStyle* stil = w ? w->style() : QApplication::style();
    stil->drawControl(QStyle::CE_ItemViewItem, &leer, p, w);
    p->save();
    p->translate(o.rect.topLeft());
    p->setPen(o.state & QStyle::State_Selected ? o.palette.highlightedText().color()
                                               : o.palette.text().color());
    PainterCanvas c(*p, o.rect.width(), o.rect.height());
    c.setFont(o.font.family(), o.font.pointSizeF());
    ZeileZeichnen(c, (o.rect.height() - c.textHeight()) / 2, i.data(Qt::UserRole).toStringList(),
                  enden_, versatz_());
    p->restore();
}

SummenFeld::SummenFeld(const Spaltenenden& enden, QWidget* parent)
    : QWidget(parent), enden_(enden) {
    setObjectName(QStringLiteral("SummenFeld"));
}

void SummenFeld::setZeilen(const QStringList& summen, const QStringList& ziele) {
    summen_ = summen;
    ziele_ = ziele;
    update();
}

QSize SummenFeld::sizeHint() const {
    return {200, 2 * fontMetrics().height() + 6};
}

void SummenFeld::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PainterCanvas c(p, width(), height());
    c.setFont(font().family(), font().pointSizeF());
    const double h = fontMetrics().height();
    ZeileZeichnen(c, 2, summen_, enden_, 0);
    ZeileZeichnen(c, 3 + h, ziele_, enden_, 0);
    p.drawLine(0, height() - 1, width(), height() - 1);
}
