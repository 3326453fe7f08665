#pragma once

#include "herd/records.h"

// The record a next new sow starts from: stall, stalling-in date, origin, registration
// number, breed, sow task dates, weights, purchase price and note of the sow just entered,
// copied byte for byte into a zeroed record. The currency bytes stay 0 (Euro).
TSauRec NeueSauVorlage(const TSauRec& sau);
