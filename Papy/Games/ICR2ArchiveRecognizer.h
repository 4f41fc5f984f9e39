#pragma once

#include "Papy/Factory/FileFactoryRecognizer.h"
#include "Papy/Factory/FileHead.h"

#include <optional>

namespace Tessel::Papy {

// The part of a game's recognizer that its archives' format fixes, for the games that keep
// ICR2-format archives (GPL and N2): the archive test, opening one and creating one.
class ICR2ArchiveRecognizer : public FileFactoryRecognizer {
public:
    using FileFactoryRecognizer::FileFactoryRecognizer;

    // An existing file whose first two signed 16-bit values are a count above 0 and the
    // signature 5 of the first directory record.
    bool IsDat(const std::string& path) override;

protected:
    // The first member of the archive at path with one of the extensions, and up to count of
    // its first bytes; nothing when path is no ICR2 archive or no member has one of them.
    std::optional<MemberHead> FindFirstMemberOf(const std::string& path, const std::vector<std::string>& extensions,
                                                std::size_t count);
    std::shared_ptr<DatFile> OpenDat(const std::string& path, bool writable) override;
    std::shared_ptr<CreateDat> MakeCreateDat(const PapyDirectory& directory) override;
};

}  // namespace Tessel::Papy
