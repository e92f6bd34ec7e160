// vellumix_bench_make_files FOLDER COUNT
// Empties FOLDER (creating it if needed) and fills it with COUNT empty files
// named photo_00000.jpg, photo_00001.jpg, ... The side-by-side rename
// comparison runs it before every timed run.
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench_support.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s FOLDER COUNT\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    ::mkdir(folder.c_str(), 0700);
    vellumix::bench::remakeFiles(folder, std::strtoul(argv[2], nullptr, 10));
    return 0;
}
