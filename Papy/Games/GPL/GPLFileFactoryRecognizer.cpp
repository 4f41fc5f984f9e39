#include "Papy/Games/GPL/GPLFileFactoryRecognizer.h"

#include "Papy/Archives/DatFormats.h"
#include "Papy/Factory/FileHead.h"
#include "Papy/Factory/TrkMakeTrack.h"
#include "Papy/Games/ChunkedMakeRpy.h"
#include "Papy/Games/GPL/GPLCreateLp.h"
#include "Papy/Games/GPL/GPLMakeLp.h"
#include "Papy/Games/GPL/GPLMakeTrk.h"
#include "Papy/Lp/LpFormats.h"
#include "Papy/Replays/ReplayFormats.h"
#include "Papy/Tracks/Trk/TrkFormats.h"
#include "Util/PathName.h"
#include "Util/RecordView.h"

namespace Tessel::Papy {

namespace {

// The game's object files (.3do) begin with "3DO4"; its layout files (.lyt) with 6 and 809.
constexpr std::uint32_t objectsId = PackId("3DO4");
constexpr std::uint32_t layoutFirst = 6;
constexpr std::uint32_t layoutSecond = 809;

// True when the first bytes of a file with this (lower-case) extension are the GPL game's: its
// TRK format, and chunked replays of the versions that the game itself writes.
bool IsGameHead(const std::string& extension, const std::string& bytes) {
    const Util::RecordView head("", bytes);
    if (extension == "3do")
        return StartsWithId(head, objectsId);
    if (extension == "lyt")
        return head.Find<std::uint32_t>(0) == layoutFirst && head.Find<std::uint32_t>(4) == layoutSecond;
    if (extension == "trk")
        return gplTrkFormat.isHead(head, bytes.size());
    const auto version = GetReplayVersion(head);
    return version && *version < ReplayIds::firstN4Version;
}

}  // namespace

std::vector<FileKind> GPLFileFactoryRecognizer::GetFileKinds() const {
    // The chunked replay reader reads the N4 and N2003 replays too.
    return {&gplRpyFormat, &n4RpyFormat, &n2003RpyFormat, &gplTrkFormat, &gplLpFormat, &icr2DatFormat};
}

bool GPLFileFactoryRecognizer::IsGameDat(const std::string& path) {
    const auto member = FindFirstMemberOf(path, {"3do", "lyt"}, 8);
    return member && IsGameHead(member->extension, member->bytes);
}

std::vector<std::string> GPLFileFactoryRecognizer::GetDirectoryExtensions() const { return {"3do", "trk", "rpy"}; }

bool GPLFileFactoryRecognizer::IsGameFile(const std::string& extension, const std::string& path) {
    return IsGameHead(extension, ReadHead(path, 8));
}

void GPLFileFactoryRecognizer::AddMakers(FileFactory& factory, const PapyDirectory& directory,
                                         const std::shared_ptr<GetDat>& archive) {
    auto makeTrk = std::make_shared<GPLMakeTrk>(directory, archive);
    auto makeTrack = std::make_shared<TrkMakeTrack>(directory, makeTrk);
    factory.AddFacet(makeTrk);
    auto makeLp = std::make_shared<GPLMakeLp>(directory, makeTrk);
    factory.AddFacet(makeLp);
    factory.AddFacet(std::make_shared<GPLCreateLp>(makeLp, makeTrack));
    factory.AddFacet(makeTrack);
    factory.AddFacet(std::make_shared<ChunkedMakeRpy>(directory));
}

}  // namespace Tessel::Papy
