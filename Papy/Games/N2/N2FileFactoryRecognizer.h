#pragma once

#include "Papy/Games/ICR2ArchiveRecognizer.h"

namespace Tessel::Papy {

// The N2 family: ICR2-format archives whose object files are "3DO3" ones, N3 replays, ICR2
// TRK files and ICR2 LP files. Registered second; not the default.
class N2FileFactoryRecognizer : public ICR2ArchiveRecognizer {
public:
    N2FileFactoryRecognizer() : ICR2ArchiveRecognizer(false) {}

    // An ICR2 archive whose first 3do member begins with "3DO3". Throws what reading the
    // archive throws.
    bool IsGameDat(const std::string& path) override;
    // N3 replays, ICR2 TRK and LP files, ICR2 archives.
    std::vector<FileKind> GetFileKinds() const override;

protected:
    std::vector<std::string> GetDirectoryExtensions() const override;
    bool IsGameFile(const std::string& extension, const std::string& path) override;
    void AddMakers(FileFactory& factory, const PapyDirectory& directory,
                   const std::shared_ptr<GetDat>& archive) override;
};

}  // namespace Tessel::Papy
