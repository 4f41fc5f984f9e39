#pragma once

#include "Papy/Games/ICR2ArchiveRecognizer.h"

namespace Tessel::Papy {

// The GPL game: ICR2-format archives, GPL replays (version below 3), GPL TRK files and GPL LP
// files. The first game registered and the default one.
class GPLFileFactoryRecognizer : public ICR2ArchiveRecognizer {
public:
    GPLFileFactoryRecognizer() : ICR2ArchiveRecognizer(true) {}

    // An ICR2 archive whose first 3do member is an N4-style object file ("3DO4"), or whose
    // first lyt member begins with the values 6 and 809. Throws what reading the archive throws.
    bool IsGameDat(const std::string& path) override;
    // Chunked replays of every version, GPL TRK and LP files, ICR2 archives.
    std::vector<FileKind> GetFileKinds() const override;

protected:
    std::vector<std::string> GetDirectoryExtensions() const override;
    bool IsGameFile(const std::string& extension, const std::string& path) override;
    void AddMakers(FileFactory& factory, const PapyDirectory& directory,
                   const std::shared_ptr<GetDat>& archive) override;
};

}  // namespace Tessel::Papy
