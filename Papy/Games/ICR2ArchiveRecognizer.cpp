#include "Papy/Games/ICR2ArchiveRecognizer.h"

#include "Papy/Archives/ICR2CreateDat.h"
#include "Papy/Archives/ICR2DatFile.h"
#include "Util/PathName.h"

namespace Tessel::Papy {

bool ICR2ArchiveRecognizer::IsDat(const std::string& path) {
    return Util::IsFile(path) && ICR2DatFile::HasHeader(path);
}

std::optional<MemberHead> ICR2ArchiveRecognizer::FindFirstMemberOf(const std::string& path,
                                                                   const std::vector<std::string>& extensions,
                                                                   std::size_t count) {
    if (!IsDat(path))
        return std::nullopt;
    ICR2DatFile archive(path, false);
    return FindFirstMember(archive, extensions, count);
}

std::shared_ptr<DatFile> ICR2ArchiveRecognizer::OpenDat(const std::string& path, bool writable) {
    return std::make_shared<ICR2DatFile>(path, writable);
}

std::shared_ptr<CreateDat> ICR2ArchiveRecognizer::MakeCreateDat(const PapyDirectory& directory) {
    return std::make_shared<ICR2CreateDat>(directory);
}

}  // namespace Tessel::Papy
