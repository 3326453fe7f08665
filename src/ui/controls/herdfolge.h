#pragma once

#include <QObject>
#include <functional>
#include <vector>

class GeaenderteSauen;
class HerdMeldung;
class QWidget;

// Makes a window follow the herd: the change notices of one booking make one refresh, run
// once the booking is done while the window shows, else when it next shows.
class Herdfolge : public QObject {
    Q_OBJECT
public:
    // `auchGespeichert`: a save is a change too (for a window that shows the time of the save).
    Herdfolge(HerdMeldung& meldung, QWidget* fenster, std::function<void()> erneuern,
              bool auchGespeichert = false);

    // The window refreshed on its own.
    void erneuert() { veraltet_ = false; }
    // The sows the bookings since the last call changed, each once, ascending; `alle` when it
    // is not known which or sows came or went (then the window builds everything anew).
    std::vector<int> geaenderteSauen(bool& alle);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void gemeldet();
    void erneuern();

    QWidget* fenster_;
    GeaenderteSauen* sauen_;
    std::function<void()> erneuern_;
    bool veraltet_ = false;
};
