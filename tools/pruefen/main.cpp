#include "tools/pruefen/pruefer.h"

#include <iostream>

int main(int argc, char** argv) {
    return pruefen(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
