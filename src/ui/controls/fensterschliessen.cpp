#include "controls/fensterschliessen.h"

#include <QMdiSubWindow>

void FensterSchliessen(QWidget* fenster) {
    if (auto* rahmen = qobject_cast<QMdiSubWindow*>(fenster->parentWidget()))
        rahmen->close();
    else
        fenster->close();
}
