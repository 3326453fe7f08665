#include "stamm/terminnamen.h"

#include "stamm/planrecords.h"

Terminnamen::Terminnamen(const TPlanZeiten& zeiten) {
    for (int i = 0; i < 4; ++i)
        (*this)[std::size_t(i)] = zeiten.entry(psWurfunabhaengig, i).Name();
    for (int i = 0; i < 8; ++i)
        (*this)[std::size_t(10 + i)] = zeiten.entry(psBelegen, 2 + i).Name();
}
