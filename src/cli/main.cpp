// quillon-cli: lists, exports, checks and applies translations of cutscene files without a window.
#include "cli/Cli.h"

#include <iostream>

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return quillon::cli::RunCli(args, std::cout, std::cerr);
}
