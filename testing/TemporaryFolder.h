#pragma once

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
        do
            path = std::filesystem::temp_directory_path() / ("linewright-" + std::to_string(random()));
        while (!std::filesystem::create_directory(path));
    }
    ~TemporaryFolder() { RemoveTree(path); }

    // "a/b" names a/b with the system's own separators, as the program shows paths.
    std::filesystem::path operator/(const std::string& name) const {
        return (path / std::filesystem::path(name).make_preferred());
    }

    std::filesystem::path Write(const std::string& name, const std::string& bytes) const {
        const auto file = *this / name;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
    }

    std::filesystem::path path;

private:
    // What can go, goes. On Windows a file that a cached factory still holds open is only marked
    // for deletion and keeps its folder, which would send std::filesystem::remove_all round for ever.
    static void RemoveTree(const std::filesystem::path& folder) noexcept {
        std::error_code error;
        for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
             entry.increment(error)) {
            if (entry->is_directory(error) && !entry->is_symlink(error))
                RemoveTree(entry->path());
            else
                std::filesystem::remove(entry->path(), error);
        }
        std::filesystem::remove(folder, error);
    }
};

// Makes a symbolic link at link to target, or says that this system's library cannot (mingw's
// std::filesystem has no symbolic links).
inline bool TryCreateSymlink(const std::filesystem::path& target, const std::filesystem::path& link,
                             bool toFolder = false) {
    std::error_code error;
    if (toFolder)
        std::filesystem::create_directory_symlink(target, link, error);
    else
        std::filesystem::create_symlink(target, link, error);
    return !error;
}

// The whole content of a file; empty when it cannot be read.
inline std::string ReadFile(const std::filesystem::path& path) {
    std::ostringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}
