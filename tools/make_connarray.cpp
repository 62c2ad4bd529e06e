// Writes the board adjacency file from the board's grid, to the path given or to standard output.

#include "core/PathSearch.h"
#include "files/AdjacencyFile.h"

#include <cstdio>
#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    const std::string text = tezzle::formatConnArray(tezzle::gridConnArray());
    if (argc < 2) {
        std::cout << text;
        return 0;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
        std::fprintf(stderr, "make-connarray: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
