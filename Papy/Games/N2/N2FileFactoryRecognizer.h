#pragma once

#include "Papy/Factory/FileFactoryRecognizer.h"

namespace Tessel::Papy {

// The N2 family: ICR2-format archives whose object files are "3DO3" ones, N3 replays, ICR2
// TRK files and ICR2 LP files. Registered second; not the default.
class N2FileFactoryRecognizer : public FileFactoryRecognizer {
public:
    N2FileFactoryRecognizer() : FileFactoryRecognizer(false) {}

    // An existing file whose first two signed 16-bit values are a count above 0 and the
    // signature 5 of the first directory record (the ICR2 archive format).
    bool IsDat(const std::string& path) override;
    // An ICR2 archive whose first 3do member begins with "3DO3". Throws what reading the
    // archive throws.
    bool IsGameDat(const std::string& path) override;
    // N3 replays, ICR2 TRK and LP files, ICR2 archives.
    std::vector<KindExtension> GetFileKinds() const override;

protected:
    std::vector<std::string> GetDirectoryExtensions() const override;
    bool IsGameFile(const std::string& extension, const std::string& path) override;
    std::shared_ptr<DatFile> OpenDat(const std::string& path, bool writable) override;
    std::shared_ptr<CreateDat> MakeCreateDat(const PapyDirectory& directory) override;
    void AddMakers(FileFactory& factory, const PapyDirectory& directory,
                   const std::shared_ptr<GetDat>& archive) override;
};

}  // namespace Tessel::Papy
