#include "tools/pruefen/pruefer.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv) {
    // The progress line is written over in place: only a terminal shows that as meant.
    std::ostream* fortschritt = ::isatty(STDERR_FILENO) ? &std::cerr : nullptr;
    return pruefen(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr,
                   fortschritt);
}
