#include "programm/programmlauf.h"

int main(int argc, char* argv[]) {
    return Programmlauf(argc, argv);
}
