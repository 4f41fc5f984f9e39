#pragma once

#include "Papy/Factory/FileFactoryRecognizer.h"

namespace Tessel::Papy {

// The N4 and N2003 games: N4-format archives, chunked replays of version 3 and later, PTF tracks
// (N4 object archives) and N4 LP files. Registered third, after GPL and N2; not the default. An
// N4 factory has no MakeTrk facet.
//
// The game's shared archive (shared/shared.dat beside the track folders) is not looked in: a
// track folder's files are found loose in the track folder or inside the track's own archive,
// and nowhere else. The shared archive holds game-wide art, never a track's PTF file or LP
// files, so nothing the program opens could come from it; opening it for every track folder
// would only cost time and let a damaged shared archive stop the conversion of a sound track.
// LP files are written into the track's own folder.
class N4FileFactoryRecognizer : public FileFactoryRecognizer {
public:
    N4FileFactoryRecognizer() : FileFactoryRecognizer(false) {}

    // An existing file that begins with the N4 archive header: a negative 16-bit value, a
    // non-zero and a zero 32-bit value, and the byte 5.
    bool IsDat(const std::string& path) override;
    // The same as IsDat: the N4 archive format holds only this game's files.
    bool IsGameDat(const std::string& path) override;
    std::vector<FileKind> GetFileKinds() const override;

protected:
    std::vector<std::string> GetDirectoryExtensions() const override;
    // A 3do file beginning with the 32-bit values 1 and 2, any ptf file, or a chunked replay of
    // version 3 or later.
    bool IsGameFile(const std::string& extension, const std::string& path) override;
    std::shared_ptr<DatFile> OpenDat(const std::string& path, bool writable) override;
    std::shared_ptr<CreateDat> MakeCreateDat(const PapyDirectory& directory) override;
    void AddMakers(FileFactory& factory, const PapyDirectory& directory,
                   const std::shared_ptr<GetDat>& archive) override;
};

}  // namespace Tessel::Papy
