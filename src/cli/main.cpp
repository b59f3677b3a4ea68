#include "cli.h"

#include <iostream>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    return vexa::runCli(std::vector<std::string>(argv + 1, argv + argc));
}
