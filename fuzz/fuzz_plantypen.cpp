// The plan types file as it comes: its size chooses the 251- or the 351-byte record.

#include "plantypen.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    planTypenPruefen(eingabe(data, size));
    return 0;
}
