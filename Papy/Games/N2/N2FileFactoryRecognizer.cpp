#include "Papy/Games/N2/N2FileFactoryRecognizer.h"

#include "Papy/Archives/ICR2CreateDat.h"
#include "Papy/Archives/ICR2DatFile.h"
#include "Papy/Factory/FileHead.h"
#include "Papy/Factory/TrkMakeTrack.h"
#include "Papy/Games/N2/ICR2CreateLp.h"
#include "Papy/Games/N2/ICR2MakeLp.h"
#include "Papy/Games/N2/ICR2MakeTrk.h"
#include "Papy/Games/N2/N3MakeRpl.h"
#include "Util/BinaryFile.h"
#include "Util/PathName.h"
#include "Util/RecordView.h"

namespace Tessel::Papy {

namespace {

// An N3 replay's header names the sizes of the two blocks after it.
constexpr std::size_t replayHeaderSize = 16;

// True when the first bytes of a file with this (lower-case) extension, and its size, are the
// N2 game's.
bool IsGameHead(const std::string& extension, const std::string& head, std::uint64_t size) {
    const Util::RecordView bytes("", head);
    const auto first = bytes.Find<std::uint32_t>(0);
    const auto second = bytes.Find<std::uint32_t>(4);
    if (extension == "3do")
        return first == PackId("3DO3");
    if (extension == "trk")
        return first == PackId("TRAK") && second == 1;
    return head.size() == replayHeaderSize && std::uint64_t{*first} + *second + replayHeaderSize == size;
}

}  // namespace

bool N2FileFactoryRecognizer::IsDat(const std::string& path) {
    return Util::IsFile(path) && ICR2DatFile::HasHeader(path);
}

bool N2FileFactoryRecognizer::IsGameDat(const std::string& path) {
    if (!IsDat(path))
        return false;
    ICR2DatFile archive(path, false);
    const auto member = FindFirstMember(archive, {"3do"}, 4);
    return member && IsGameHead(member->extension, member->bytes, member->bytes.size());
}

std::vector<std::string> N2FileFactoryRecognizer::GetDirectoryExtensions() const { return {"3do", "trk", "rpl"}; }

bool N2FileFactoryRecognizer::IsGameFile(const std::string& extension, const std::string& path) {
    const auto file = Util::BinaryFile::OpenRead(path);
    return IsGameHead(extension, ReadHead(*file, replayHeaderSize), file->GetSize());
}

std::shared_ptr<DatFile> N2FileFactoryRecognizer::OpenDat(const std::string& path, bool writable) {
    return std::make_shared<ICR2DatFile>(path, writable);
}

std::shared_ptr<CreateDat> N2FileFactoryRecognizer::MakeCreateDat(const PapyDirectory& directory) {
    return std::make_shared<ICR2CreateDat>(directory);
}

void N2FileFactoryRecognizer::AddMakers(FileFactory& factory, const PapyDirectory& directory,
                                        const std::shared_ptr<GetDat>& archive) {
    auto makeTrk = std::make_shared<ICR2MakeTrk>(directory, archive);
    factory.AddFacet(makeTrk);
    auto makeLp = std::make_shared<ICR2MakeLp>(directory);
    factory.AddFacet(makeLp);
    factory.AddFacet(std::make_shared<ICR2CreateLp>(makeLp, makeTrk));
    factory.AddFacet(std::make_shared<TrkMakeTrack>(directory, makeTrk));
    factory.AddFacet(std::make_shared<N3MakeRpl>(directory));
}

}  // namespace Tessel::Papy
