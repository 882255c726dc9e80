// Writes a generated car-like file of about SIZE megabytes and its twin in the
// INFO syntax: make_car SIZE STEM gives STEM.ini and STEM.info.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "CarText.h"

namespace {

bool WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 || std::atoi(argv[1]) <= 0) {
        std::fprintf(stderr, "usage: make_car SIZE_MB STEM\n");
        return 2;
    }
    std::string car;
    std::string info;
    rw::bench::CarTexts(static_cast<std::size_t>(std::atoi(argv[1])) << 20, car, info);
    const std::string stem = argv[2];
    if (!WriteFile(stem + ".ini", car) || !WriteFile(stem + ".info", info)) {
        std::fprintf(stderr, "cannot write %s.ini or %s.info\n", argv[2], argv[2]);
        return 2;
    }
    return 0;
}
