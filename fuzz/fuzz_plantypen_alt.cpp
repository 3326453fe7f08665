// The plan types file in the older 251-byte record: the input cut to whole records, so that
// every run takes that branch and its conversion.

#include "plantypen.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    planTypenPruefen(eingabe(data, size - size % kPlanTypAltSize));
    return 0;
}
