#include "herdfolge.h"

#include "programm/geaendertesauen.h"
#include "programm/herdzustand.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

Herdfolge::Herdfolge(HerdMeldung& meldung, QWidget* fenster, std::function<void()> erneuern,
                     bool auchGespeichert)
    : QObject(fenster), fenster_(fenster), sauen_(new GeaenderteSauen(meldung, this)),
      erneuern_(std::move(erneuern)) {
    connect(&meldung, &HerdMeldung::geaendert, this, &Herdfolge::gemeldet);
    if (auchGespeichert) connect(&meldung, &HerdMeldung::gespeichert, this, &Herdfolge::gemeldet);
    fenster->installEventFilter(this);
}

void Herdfolge::gemeldet() {
    if (veraltet_) return; // a refresh is already due
    veraltet_ = true;
    QTimer::singleShot(0, this, [this] {
        if (veraltet_ && fenster_->isVisible()) erneuern();
    });
}

std::vector<int> Herdfolge::geaenderteSauen(bool& alle) {
    return sauen_->abholen(alle);
}

void Herdfolge::erneuern() {
    veraltet_ = false;
    erneuern_();
}

bool Herdfolge::eventFilter(QObject* watched, QEvent* event) {
    if (watched == fenster_ && event->type() == QEvent::Show && veraltet_) erneuern();
    return false;
}
