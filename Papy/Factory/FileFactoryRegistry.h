#pragma once

#include "Papy/Factory/FileFactoryRecognizer.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace Tessel::Papy {

// Knows the game recognizers, tells which game a directory or DAT archive belongs to, and
// keeps every factory it builds, by lower-cased absolute path, for the life of the process.
class FileFactoryRegistry {
public:
    // The process-wide registry, with the games registered in the order GPL, N2, N4.
    static FileFactoryRegistry& Instance();

    // Appends a recognizer; the first registered one is asked first.
    void Register(std::shared_ptr<FileFactoryRecognizer> recognizer);

    // The factory for a directory or a DAT archive. An archive named after the directory that
    // holds it shares that directory's factory. A cached factory is reused unless writable is
    // asked of a read-only one. An archive that no game accepts gives an empty pointer; a
    // directory that no game claims gets the default game's factory. Breaks the assertion
    // "false" when there is then no default game.
    std::shared_ptr<FileFactory> GetFactory(const std::string& path, bool writable);

private:
    struct CacheEntry {
        std::shared_ptr<FileFactory> factory;
        bool writable = false;
    };

    FileFactoryRecognizer* ChooseForDat(const std::string& path) const;
    std::shared_ptr<FileFactory> MakeForDirectory(const std::string& path, bool writable) const;
    FileFactoryRecognizer& GetFallback() const;

    std::vector<std::shared_ptr<FileFactoryRecognizer>> recognizers;
    std::map<std::string, CacheEntry> cache;
};

}  // namespace Tessel::Papy
