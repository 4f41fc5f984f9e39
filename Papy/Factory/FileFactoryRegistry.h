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

    // The game that claims the directory, else the default game. Breaks the assertion "false"
    // when no game claims it and there is no default.
    FileFactoryRecognizer& GetGame(const PapyDirectory& directory) const;

    // The kind of a file with this extension in the directory, for a file whose content does
    // not tell: the directory's game's kind for the extension, else the first game's that has
    // one. nullptr when no game keeps files with that extension.
    FileKind GetKindOfExtension(const PapyDirectory& directory, const std::string& extension) const;

    // Every format that a game reads, each once, in the order of the games and their lists.
    std::vector<FileKind> GetFormats() const;

    // A factory that reads files of the kind in the directory that holds path: the directory's
    // own (as GetFactory gives it) when its game reads the kind, else one that the first game
    // reading the kind builds for the directory. An empty pointer when no game reads the kind.
    std::shared_ptr<FileFactory> GetFactoryForKind(const std::string& path, FileKind kind);

private:
    struct CacheEntry {
        std::shared_ptr<FileFactory> factory;
        bool writable = false;
    };

    FileFactoryRecognizer* ChooseForDat(const std::string& path) const;
    std::shared_ptr<FileFactory> MakeForDirectory(const std::string& path, bool writable) const;
    FileFactoryRecognizer* FindReaderOf(FileKind kind) const;
    FileFactoryRecognizer& GetFallback() const;

    std::vector<std::shared_ptr<FileFactoryRecognizer>> recognizers;
    std::map<std::string, CacheEntry> cache;
};

}  // namespace Tessel::Papy
