// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a long table-like file through ReplacingFile, for the test that kills its writer:
// replacing_file_writer PATH MEBIBYTES. Exit status 0 when the file was put in place.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "export/replacing_file.h"

int main(int argc, char** argv) {
    if (argc != 3)
        return 2;
    const long long size = std::atoll(argv[2]) << 20;
    zav::ReplacingFile file;
    if (!file.open(argv[1]))
        return 1;
    // Lines of 32 bytes, numbered, a few hundred at a time, as a sweep hands them over.
    std::string lines;
    char line[40];
    for (long long written = 0, number = 0; written < size; written += 32, ++number) {
        std::snprintf(line, sizeof line, "%012lld;1234,567;9876,543\r\n", number);
        lines.append(line, 32);
        if (lines.size() >= 16384) {
            file.write(lines);
            lines.clear();
        }
    }
    file.write(lines);
    return file.close() ? 0 : 1;
}
