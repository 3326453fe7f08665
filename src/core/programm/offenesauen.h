#pragma once

#include <QHash>

// Which sows the PC has open for editing: a card holds its sow, a batch booking the whole
// herd (cancelling it reads the herd file again). Bookings from the barn ask here first, so
// that nothing typed at the PC is overwritten or lost.
class OffeneSauen {
public:
    bool offen(int index) const { return herde_ > 0 || sauen_.value(index) > 0; }

    void sauOeffnen(int index) { ++sauen_[index]; }
    void sauSchliessen(int index) {
        if (--sauen_[index] <= 0) sauen_.remove(index);
    }
    void herdeOeffnen() { ++herde_; }
    void herdeSchliessen() {
        if (herde_ > 0) --herde_;
    }

private:
    QHash<int, int> sauen_;
    int herde_ = 0;
};

// Keeps a sow (index >= 0) or the whole herd (ganzeHerde) marked open while it lives.
class OffenMarke {
public:
    OffenMarke(OffeneSauen& reg, int index, bool ganzeHerde = false)
        : reg_(reg), index_(index), herde_(ganzeHerde) {
        if (herde_)
            reg_.herdeOeffnen();
        else if (index_ >= 0)
            reg_.sauOeffnen(index_);
    }
    ~OffenMarke() {
        if (herde_)
            reg_.herdeSchliessen();
        else if (index_ >= 0)
            reg_.sauSchliessen(index_);
    }
    OffenMarke(const OffenMarke&) = delete;
    OffenMarke& operator=(const OffenMarke&) = delete;

private:
    OffeneSauen& reg_;
    int index_;
    bool herde_;
};
