// Benchmark build of the program's entry: the real start-up, ending after the first paint.
#include "first_paint.h"
#include "program.h"

int main(int argc, char** argv) {
    return aeon::app::runProgram(argc, argv,
                                 [](QWidget& window) { new aeon::bench::FirstPaintQuit(window); });
}
