#pragma once

#include <QSize>

class QMdiArea;
class QMdiSubWindow;
class QWidget;

// Shows `w` as a child of the main window's area, freed when the user closes it. The child
// opens inside the visible area at `groesse` (its own size hint when larger, the area when
// smaller). It opens maximised when `maximiert` asks for it or the child the user works in
// is maximised; closing a maximised child leaves the others as they are.
QMdiSubWindow* KindfensterZeigen(QMdiArea* mdi, QWidget* w, QSize groesse = {},
                                 bool maximiert = false);

// Settings of the area that every child relies on.
void KindbereichEinrichten(QMdiArea* mdi);
