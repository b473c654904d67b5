// The command line and error handling shared by the artwork programs.
#include "artwork_main.h"

#include <cstdio>
#include <exception>

int run_artwork(int argc, char** argv, const char* program, const std::function<void(const std::string& dir)>& draw_all) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", program);
        return 2;
    }
    try {
        draw_all(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", program, e.what());
        return 1;
    }
    return 0;
}
