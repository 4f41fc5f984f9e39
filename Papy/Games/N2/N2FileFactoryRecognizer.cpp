#include "Papy/Games/N2/N2FileFactoryRecognizer.h"

#include "Papy/Archives/DatFormats.h"
#include "Papy/Factory/FileHead.h"
#include "Papy/Factory/TrkMakeTrack.h"
#include "Papy/Games/N2/ICR2CreateLp.h"
#include "Papy/Games/N2/ICR2MakeLp.h"
#include "Papy/Games/N2/ICR2MakeTrk.h"
#include "Papy/Games/N2/N3MakeRpl.h"
#include "Papy/Lp/LpFormats.h"
#include "Papy/Replays/ReplayFormats.h"
#include "Papy/Tracks/Trk/TrkFormats.h"
#include "Util/BinaryFile.h"
#include "Util/PathName.h"
#include "Util/RecordView.h"

namespace Tessel::Papy {

namespace {

// The game's object files (.3do) begin with "3DO3".
constexpr std::uint32_t objectsId = PackId("3DO3");

// True when the first bytes of a file with this (lower-case) extension, and its size, are the
// N2 game's: its TRK format, and replays whose header sizes add up to the file's.
bool IsGameHead(const std::string& extension, const std::string& bytes, std::uint64_t size) {
    const Util::RecordView head("", bytes);
    if (extension == "3do")
        return StartsWithId(head, objectsId);
    if (extension == "trk")
        return icr2TrkFormat.isHead(head, size);
    return HasN3ReplaySizes(head, size);
}

}  // namespace

bool N2FileFactoryRecognizer::IsGameDat(const std::string& path) {
    const auto member = FindFirstMemberOf(path, {"3do"}, sizeof objectsId);
    return member && IsGameHead(member->extension, member->bytes, member->bytes.size());
}

std::vector<FileKind> N2FileFactoryRecognizer::GetFileKinds() const {
    return {&n3RplFormat, &icr2TrkFormat, &icr2LpFormat, &icr2DatFormat};
}

std::vector<std::string> N2FileFactoryRecognizer::GetDirectoryExtensions() const { return {"3do", "trk", "rpl"}; }

bool N2FileFactoryRecognizer::IsGameFile(const std::string& extension, const std::string& path) {
    const auto file = Util::BinaryFile::OpenRead(path);
    return IsGameHead(extension, ReadHead(*file, ReplayIds::n3HeaderSize), file->GetSize());
}

void N2FileFactoryRecognizer::AddMakers(FileFactory& factory, const PapyDirectory& directory,
                                        const std::shared_ptr<GetDat>& archive) {
    auto makeTrk = std::make_shared<ICR2MakeTrk>(directory, archive);
    auto makeTrack = std::make_shared<TrkMakeTrack>(directory, makeTrk);
    factory.AddFacet(makeTrk);
    auto makeLp = std::make_shared<ICR2MakeLp>(directory);
    factory.AddFacet(makeLp);
    factory.AddFacet(std::make_shared<ICR2CreateLp>(makeLp, makeTrack));
    factory.AddFacet(makeTrack);
    factory.AddFacet(std::make_shared<N3MakeRpl>(directory));
}

}  // namespace Tessel::Papy
