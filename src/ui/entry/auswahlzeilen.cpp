#include "entry/auswahlzeilen.h"

#include "herd/saustatus.h"
#include "programm/appcontext.h"

#include <QHeaderView>
#include <QPainter>
#include <algorithm>

void AuswahlMaler::paint(QPainter* p, const QStyleOptionViewItem& opt, const QModelIndex& i) const {
    QStyleOptionViewItem o = opt;
    initStyleOption(&o, i);
    o.text.clear();
    o.widget->style()->drawControl(QStyle::CE_ItemViewItem, &o, p, o.widget);
    if (i.row() >= l_.zeilen()) return;
    const AuswahlEintrag& e = l_.zeile(i.row());
    const QRect r = opt.rect;
    const QFontMetrics fm(opt.font);
    const bool gewaehlt = opt.state & QStyle::State_Selected;
    p->save();
    QFont klein = opt.font;
    klein.setPointSizeF(std::max(4.0, opt.font.pointSizeF() - 2));
    p->setFont(klein);
    p->setPen(Qt::gray);
    // Right-aligned to the width of "000", widened when a large herd needs more digits so
    // that no digit is cut off.
    const QString ziffern(std::max<qsizetype>(3, QString::number(l_.zeilen()).size()), u'0');
    const int nrBreite = fm.horizontalAdvance(ziffern);
    p->drawText(QRect(r.left(), r.top(), nrBreite, r.height()), Qt::AlignRight | Qt::AlignVCenter,
                QString::number(i.row() + 1));
    p->setFont(opt.font);
    p->setPen(opt.palette.color(gewaehlt ? QPalette::HighlightedText : QPalette::Text));
    const int x0 = r.left() + nrBreite + fm.horizontalAdvance(QStringLiteral("0"));
    p->drawText(QRect(x0, r.top(), r.width(), r.height()), Qt::AlignLeft | Qt::AlignVCenter,
                e.nummer());
    const auto sektion = [&](int s) {
        return std::pair{kopf_->sectionPosition(s),
                         kopf_->sectionPosition(s) + kopf_->sectionSize(s)};
    };
    const auto [statusX, statusEnde] = sektion(1);
    p->drawText(QRect(r.left() + statusX, r.top(), statusEnde - statusX, r.height()),
                Qt::AlignLeft | Qt::AlignVCenter, StatusName(e.status));
    const auto [wurfX, wurfEnde] = sektion(2);
    p->drawText(QRect(r.left() + wurfX, r.top(), wurfEnde - wurfX, r.height()),
                Qt::AlignRight | Qt::AlignVCenter, QString::number(e.letzterWurf));
    const auto [grpX, grpEnde] = sektion(3);
    const int gruppe = e.index >= 0 && std::size_t(e.index) < ctx_.Sauenliste.size()
                           ? ctx_.Sauenliste[std::size_t(e.index)].rec.Gruppe()
                           : 0;
    const int grpRand = grpEnde - fm.horizontalAdvance(QStringLiteral("0"));
    p->drawText(QRect(r.left() + grpX, r.top(), grpRand - grpX, r.height()),
                Qt::AlignRight | Qt::AlignVCenter,
                gruppe < 0 ? QStringLiteral("JS") : QString::number(gruppe));
    if (e.status != stVerkauft && e.index >= 0 && std::size_t(e.index) < ctx_.Sauenliste.size())
        p->drawText(QRect(r.left() + grpEnde + 4, r.top(), r.width(), r.height()),
                    Qt::AlignLeft | Qt::AlignVCenter,
                    ctx_.Sauenliste[std::size_t(e.index)].rec.Stall());
    p->restore();
}
