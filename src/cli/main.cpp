#include <iostream>

#include "cli/Commands.h"

int main(int argc, char** argv) {
    return korva::runCli({argv + 1, argv + argc}, std::cout, std::cerr);
}
