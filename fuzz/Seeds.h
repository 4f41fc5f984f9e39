#pragma once

#include <functional>
#include <string>
#include <vector>

// Seed inputs for the fuzz targets, made by the test-data writers. A <Name>Seeds.cpp file
// registers a maker for its target with a static SeedRegistration.
namespace Linewright::Fuzz {

struct Seed {
    std::string name;
    std::vector<unsigned char> bytes;
};

// A seed of the given bytes.
inline Seed MakeSeed(std::string name, const std::string& bytes) {
    return {std::move(name), std::vector<unsigned char>(bytes.begin(), bytes.end())};
}

using SeedMaker = std::function<std::vector<Seed>()>;

struct SeedRegistration {
    SeedRegistration(const char* target, SeedMaker maker);
};

}  // namespace Linewright::Fuzz
