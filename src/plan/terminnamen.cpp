#include "terminnamen.h"

#include "planrecords.h"

TTerminnamen TerminnamenBilden(const TPlanZeiten& zeiten) {
    TTerminnamen namen;
    for (int i = 0; i < 4; ++i)
        namen[std::size_t(i)] = zeiten.entry(psWurfunabhaengig, i).Name();
    for (int i = 0; i < 8; ++i)
        namen[std::size_t(10 + i)] = zeiten.entry(psBelegen, 2 + i).Name();
    return namen;
}
