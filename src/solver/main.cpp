#include <iostream>
#include <string>
#include <vector>

#include "solver/CSolverCommand.h"

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return CSolverCommand::Run(args, std::cout, std::cerr);
}
