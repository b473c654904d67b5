// resource_pack OUT.pack ID=PATH ...: bundles a module's BMP files into one pack.
#include "resource_pack.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace {

uint32_t parse_id(const std::string& text) {
    size_t used = 0;
    unsigned long long id = 0;
    try {
        id = std::stoull(text, &used, 0);  // 0x1000 or 4096
    } catch (const std::logic_error&) {
        used = 0;
    }
    if (used == 0 || used != text.size() || text[0] == '-' || id > UINT32_MAX)
        throw std::runtime_error("bad resource id: " + text);
    return uint32_t(id);
}

std::vector<uint8_t> read_file(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error("cannot read " + path);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) throw std::runtime_error("cannot read " + path);
    // Only BMP files belong in a pack; catch a wrong path early.
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') throw std::runtime_error(path + " is not a BMP file");
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUT.pack ID=PATH ...\n", argv[0]);
        return 2;
    }
    try {
        ResourceMap resources;
        for (int i = 2; i < argc; ++i) {
            const std::string arg = argv[i];
            const size_t eq = arg.find('=');
            if (eq == std::string::npos || eq == 0) throw std::runtime_error("expected ID=PATH, got " + arg);
            const uint32_t id = parse_id(arg.substr(0, eq));
            if (!resources.emplace(id, read_file(arg.substr(eq + 1))).second)
                throw std::runtime_error("resource id given twice: " + arg.substr(0, eq));
        }
        const std::vector<uint8_t> pack = build_resource_pack(resources);
        const std::string out_path = argv[1];
        std::ofstream out(out_path, std::ios::binary | std::ios::trunc);
        if (out) out.write(reinterpret_cast<const char*>(pack.data()), std::streamsize(pack.size()));
        if (out) out.close();
        if (!out) throw std::runtime_error("cannot write " + out_path);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "resource_pack: %s\n", e.what());
        return 1;
    }
    return 0;
}
