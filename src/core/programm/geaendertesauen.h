#pragma once

#include "programm/herdzustand.h"

#include <QObject>
#include <vector>

// Collects from the herd's change notices which sows changed since it was last asked, for a
// window that can redo its work for those sows alone.
class GeaenderteSauen : public QObject {
    Q_OBJECT
public:
    explicit GeaenderteSauen(HerdMeldung& meldung, QObject* parent = nullptr);

    // The sows changed since the last call (each once, ascending); `alle` is set when it is
    // not known which, or sows came or went. Starts with `alle`.
    std::vector<int> abholen(bool& alle);

private:
    void sau(int index);
    void herde(bool sauenGeaendert);

    std::vector<int> gemeldet_; // since the last `geaendert`
    std::vector<int> gesammelt_;
    bool alle_ = true;
};
