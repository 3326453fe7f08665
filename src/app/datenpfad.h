#pragma once

#include <QString>

// The data directory when nothing else names one: the program's own directory, or, when the
// program is installed where the user cannot write, the per-user data folder. Ends in a
// separator.
QString StandardDatenpfad();
