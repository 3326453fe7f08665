// The program as shipped, started the same way, with the script driver of the end-to-end
// tests hung onto its main window (PORVANTA_SKRIPT names the script).
#include "programm/programmlauf.h"
#include "skriptlauf.h"

int main(int argc, char* argv[]) {
    return Programmlauf(argc, argv, [](QWidget* haupt) { Skriptlauf::ausUmgebung(haupt); });
}
