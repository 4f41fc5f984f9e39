#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

// A fresh folder below the system's temporary directory, removed with everything in it.
class TemporaryFolder {
public:
    TemporaryFolder() {
        std::random_device random;
        const auto base = std::filesystem::temp_directory_path();
        do
            path = base / ("linewright-" + std::to_string(random()));
        while (!std::filesystem::create_directory(path));
    }
    ~TemporaryFolder() { std::filesystem::remove_all(path); }

    std::filesystem::path operator/(const std::string& name) const { return path / name; }

    std::filesystem::path Write(const std::string& name, const std::string& bytes) const {
        const auto file = path / name;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
    }

    std::filesystem::path path;
};

// The whole content of a file; empty when it cannot be read.
inline std::string ReadFile(const std::filesystem::path& path) {
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}
