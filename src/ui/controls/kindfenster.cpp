#include "controls/kindfenster.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

void KindbereichEinrichten(QMdiArea* mdi) {
    // A child keeps the state the user gave it: activating another (or closing a maximised
    // one) maximises nothing.
    mdi->setOption(QMdiArea::DontMaximizeSubWindowOnActivation);
}

namespace {

bool maximiertIstAktiv(QMdiArea* mdi) {
    const QMdiSubWindow* aktiv = mdi->activeSubWindow();
    return aktiv && aktiv->isVisible() && aktiv->isMaximized();
}

// Moves and shrinks `sub` into the area's visible part.
void einpassen(QMdiSubWindow* sub, const QSize& flaeche) {
    QRect r = sub->geometry();
    r.setSize(r.size().boundedTo(flaeche));
    if (r.right() >= flaeche.width()) r.moveRight(flaeche.width() - 1);
    if (r.bottom() >= flaeche.height()) r.moveBottom(flaeche.height() - 1);
    if (r.left() < 0) r.moveLeft(0);
    if (r.top() < 0) r.moveTop(0);
    sub->setGeometry(r);
}

} // namespace

QMdiSubWindow* KindfensterZeigen(QMdiArea* mdi, QWidget* w, QSize groesse, bool maximiert) {
    KindbereichEinrichten(mdi);
    maximiert = maximiert || maximiertIstAktiv(mdi);
    QMdiSubWindow* sub = mdi->addSubWindow(w);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    const QSize inhalt = sub->sizeHint();
    sub->resize(groesse.isValid() ? groesse.expandedTo(inhalt) : inhalt);
    if (maximiert) {
        sub->showMaximized();
    } else {
        sub->showNormal();
        einpassen(sub, mdi->viewport()->size());
    }
    return sub;
}
