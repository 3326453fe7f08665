#pragma once

// Tool tips of the whole application on or off ("Schnellhilfe").
namespace schnellhilfe {
void setzen(bool an);
bool an();
} // namespace schnellhilfe
