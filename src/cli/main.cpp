#include <iostream>

#include "cli/CliCommands.h"

int main(int argc, char **argv)
{
    kf::cli::Args args(argv + 1, argv + argc);
    return kf::cli::RunCommandLine(args, std::cout, std::cerr);
}
