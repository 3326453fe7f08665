#include "programm/indexgewichte.h"

#include <cmath>

void IndexGewichteNormieren(std::array<int, 7>& gewichte, bool weibliche) {
    int summe = 0;
    for (std::size_t i = 0; i < 6; ++i)
        summe += gewichte[i];
    if (weibliche) summe += gewichte[6];
    if (summe <= 0) return;
    for (int& g : gewichte)
        g = int(std::nearbyint(double(g) * 100.0 / summe));
}
