#pragma once

#include <array>

// The weights of the performance index as percentages: scaled so that the weights in use
// add up to 100 (each rounded to the nearest whole number). The seventh weight, female
// piglets, is in use only with `weibliche` on; it is scaled either way. All weights zero
// stay zero.
void IndexGewichteNormieren(std::array<int, 7>& gewichte, bool weibliche);
