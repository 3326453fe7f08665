#include "programm/geaendertesauen.h"

#include <algorithm>

GeaenderteSauen::GeaenderteSauen(HerdMeldung& meldung, QObject* parent) : QObject(parent) {
    connect(&meldung, &HerdMeldung::sauGeaendert, this, &GeaenderteSauen::sau);
    connect(&meldung, &HerdMeldung::geaendert, this, &GeaenderteSauen::herde);
}

void GeaenderteSauen::sau(int index) {
    gemeldet_.push_back(index);
}

void GeaenderteSauen::herde(bool sauenGeaendert) {
    if (sauenGeaendert || gemeldet_.empty()) alle_ = true;
    if (!alle_) gesammelt_.insert(gesammelt_.end(), gemeldet_.begin(), gemeldet_.end());
    gemeldet_.clear();
}

std::vector<int> GeaenderteSauen::abholen(bool& alle) {
    alle = alle_;
    std::vector<int> out;
    if (!alle_) {
        out.swap(gesammelt_);
        std::sort(out.begin(), out.end());
        out.erase(std::unique(out.begin(), out.end()), out.end());
    }
    gesammelt_.clear();
    alle_ = false;
    return out;
}
