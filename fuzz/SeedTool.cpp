// Writes the seed corpus of every fuzz target: fuzz-seeds DIR makes DIR/<target>/<seed>.
#include "fuzz/Seeds.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>

namespace Linewright::Fuzz {

namespace {

std::multimap<std::string, SeedMaker>& Makers() {
    static std::multimap<std::string, SeedMaker> makers;
    return makers;
}

}  // namespace

SeedRegistration::SeedRegistration(const char* target, SeedMaker maker) {
    Makers().emplace(target, std::move(maker));
}

}  // namespace Linewright::Fuzz

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    if (argc != 2) {
        std::cerr << "usage: fuzz-seeds DIR\n";
        return 2;
    }
    for (const auto& [target, make] : Linewright::Fuzz::Makers()) {
        const fs::path folder = fs::path(argv[1]) / target;
        fs::create_directories(folder);
        for (const auto& seed : make()) {
            std::ofstream out(folder / seed.name, std::ios::binary);
            out.write(reinterpret_cast<const char*>(seed.bytes.data()),
                      static_cast<std::streamsize>(seed.bytes.size()));
        }
    }
    return 0;
}
