#include "programm/schnellhilfe.h"

#include <QApplication>
#include <QEvent>

namespace {

class TooltipSperre : public QObject {
public:
    bool eventFilter(QObject*, QEvent* e) override { return e->type() == QEvent::ToolTip; }
};

TooltipSperre* sperre = nullptr;

} // namespace

namespace schnellhilfe {

void setzen(bool ein) {
    if (!qApp) return;
    if (!ein && !sperre) {
        sperre = new TooltipSperre;
        sperre->setParent(qApp);
        qApp->installEventFilter(sperre);
    } else if (ein && sperre) {
        qApp->removeEventFilter(sperre);
        delete sperre;
        sperre = nullptr;
    }
}

bool an() {
    return sperre == nullptr;
}

} // namespace schnellhilfe
