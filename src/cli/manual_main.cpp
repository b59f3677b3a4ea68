// Writes the manual page vexabuild-cli(1) to the file named; the build runs it.
#include "manual.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: vexabuild-cli-manual OUTPUT.1\n";
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary);
    vexa::cli::writeManual(out);
    out.close();
    if (!out) {
        std::cerr << "vexabuild-cli-manual: cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
