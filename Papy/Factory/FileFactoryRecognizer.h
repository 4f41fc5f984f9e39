#pragma once

#include "Papy/Factory/FileFactory.h"
#include "Papy/Factory/FileKind.h"
#include "Papy/Factory/PapyDirectory.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Tessel::Papy {

class CreateDat;
class DatFile;
class GetDat;

// Tells whether a directory or a DAT archive belongs to one game, and builds that game's
// factory. A recognizer only looks: a file of another game, or one too short for its test, is
// a plain no. Reading faults other than that propagate.
//
// A new game plugs in with a recognizer of its own, registered in Games/GameRecognizers.cpp:
// its archive format, its makers, and the formats it reads (GetFileKinds, each described beside
// its reader with its own head test), through which the front ends reach its readers by kind.
class FileFactoryRecognizer {
public:
    explicit FileFactoryRecognizer(bool isDefault) : isDefault(isDefault) {}
    virtual ~FileFactoryRecognizer() = default;

    // Opens the directory's own archive (its name + ".dat", inside it) when there is one, and
    // builds the factory for the directory. writable opens the archive for update.
    virtual std::shared_ptr<FileFactory> MakeFactoryForDirectory(const PapyDirectory& directory, bool writable);
    // Opens the archive and builds the factory for the directory that holds it.
    virtual std::shared_ptr<FileFactory> MakeFactoryForDat(const std::string& datPath, bool writable);
    // The file is an archive in this game's archive format.
    virtual bool IsDat(const std::string& path) = 0;
    // The file is an archive that holds this game's files.
    virtual bool IsGameDat(const std::string& path) = 0;
    // The directory's own archive is this game's, or else the first of its files that matches
    // the game's extensions (tried one extension after the other) passes the game's test.
    virtual bool IsGameDirectory(const PapyDirectory& directory);
    // The formats of the files this game's factory reads; where several share an extension, the
    // first is the one a file of unknown content is taken for.
    virtual std::vector<FileKind> GetFileKinds() const = 0;
    // The first of the game's kinds whose extension is extension (without regard to case);
    // nullptr when none is.
    FileKind GetKindOfExtension(const std::string& extension) const;
    bool ReadsKind(FileKind kind) const;
    virtual bool IsDefault() const { return isDefault; }
    virtual void SetDefault(bool flag) { isDefault = flag; }

protected:
    // The extensions that IsGameDirectory looks for, in order.
    virtual std::vector<std::string> GetDirectoryExtensions() const = 0;
    // The game's test for the first file found; extension is lower-case.
    virtual bool IsGameFile(const std::string& extension, const std::string& path) = 0;
    virtual std::shared_ptr<DatFile> OpenDat(const std::string& path, bool writable) = 0;
    virtual std::shared_ptr<CreateDat> MakeCreateDat(const PapyDirectory& directory) = 0;
    // Adds the game's makers, in the game's order.
    virtual void AddMakers(FileFactory& factory, const PapyDirectory& directory,
                           const std::shared_ptr<GetDat>& archive) = 0;

    // Builds a factory: GetDirectory, GetDat holding the archive, the game's CreateDat,
    // PurgeFactory and the game's makers.
    std::shared_ptr<FileFactory> BuildFactory(const PapyDirectory& directory, std::shared_ptr<DatFile> archive);
    // The path of the directory's own archive, found without regard to letter case; empty
    // when there is none.
    static std::string FindOwnDat(const PapyDirectory& directory);

private:
    bool isDefault;
};

}  // namespace Tessel::Papy
