// AEONARIUM's entry point.
#include "program.h"

int main(int argc, char** argv) {
    return aeon::app::runProgram(argc, argv);
}
