#pragma once

#include <QApplication>
#include <QDialog>
#include <QList>
#include <QPointer>
#include <QTimer>
#include <functional>

// Drives a chain of modal dialogs: each dialog that opens is handed to the next planned
// handler; a dialog still open after its handler (or with no handler left) is rejected, so a
// failing test never hangs.
class ModalTreiber : public QObject {
public:
    using Handler = std::function<void(QDialog*)>;

    ModalTreiber() {
        timer_.setInterval(20);
        connect(&timer_, &QTimer::timeout, this, [this] { pruefen(); });
        timer_.start();
    }
    void dann(Handler h) { handler_.append(std::move(h)); }
    int behandelt() const { return behandelt_; }
    // Dialogs the driver had to reject because they were still open after their handler.
    int abgewiesen() const { return abgewiesen_; }

private:
    void pruefen() {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d || d == letzter_) return;
        letzter_ = d;
        ++behandelt_;
        if (!handler_.isEmpty()) handler_.takeFirst()(d);
        if (d->isVisible() && d == letzter_) {
            ++abgewiesen_;
            d->reject();
        }
    }

    QTimer timer_;
    QList<Handler> handler_;
    QPointer<QDialog> letzter_;
    int behandelt_ = 0;
    int abgewiesen_ = 0;
};
