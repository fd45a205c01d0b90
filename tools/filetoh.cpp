// Embeds files in a program: for every file given, writes a C header and
// source beside it holding the file's bytes, size and name.
//
//   filetoh [-z] [-l lineSize] file...
//
// -z uses the engine's own type names; -l sets the values per line (10).

#include "zelk/FileToH.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    bool zelkTypes = false;
    unsigned int lineSize = 10;
    int first = 1;
    for (; first < argc && argv[first][0] == '-'; ++first) {
        if (std::strcmp(argv[first], "-z") == 0) {
            zelkTypes = true;
        } else if (std::strcmp(argv[first], "-l") == 0 && first + 1 < argc) {
            lineSize = static_cast<unsigned int>(std::strtoul(argv[++first], nullptr, 10));
        } else {
            break;
        }
    }
    if (first >= argc) {
        std::fprintf(stderr, "usage: %s [-z] [-l lineSize] file...\n", argv[0]);
        return 2;
    }
    int failures = 0;
    for (int i = first; i < argc; ++i) {
        bool written = zelkTypes ? zelk::FileToH::writeToZELKFile(argv[i], lineSize)
                                 : zelk::FileToH::writeToFile(argv[i], lineSize);
        if (!written) {
            std::fprintf(stderr, "%s: nothing written for %s\n", argv[0], argv[i]);
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
