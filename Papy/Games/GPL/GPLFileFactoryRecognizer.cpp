#include "Papy/Games/GPL/GPLFileFactoryRecognizer.h"

#include "Papy/Factory/FileHead.h"
#include "Papy/Games/GPL/GPLCreateLp.h"
#include "Papy/Games/GPL/GPLMakeLp.h"
#include "Papy/Games/GPL/GPLMakeRpy.h"
#include "Papy/Games/GPL/GPLMakeTrk.h"
#include "Papy/Archives/ICR2CreateDat.h"
#include "Papy/Archives/ICR2DatFile.h"
#include "Papy/Factory/TrkMakeTrack.h"
#include "Util/PathName.h"
#include "Util/RecordView.h"

namespace Tessel::Papy {

namespace {

// True when the first bytes of a file with this (lower-case) extension are the GPL game's.
bool IsGameHead(const std::string& extension, const std::string& bytes) {
    const Util::RecordView head("", bytes);
    if (extension == "3do")
        return StartsWithId(head, FileIds::gplObjects);
    if (extension == "lyt")
        return IsGPLLayoutHead(head);
    if (extension == "trk")
        return IsTrackHead(head, FileIds::gplTrackVersion);
    const auto version = GetReplayVersion(head);
    return version && *version < FileIds::firstN4ReplayVersion;
}

}  // namespace

bool GPLFileFactoryRecognizer::IsDat(const std::string& path) {
    return Util::IsFile(path) && ICR2DatFile::HasHeader(path);
}

std::vector<FileFactoryRecognizer::KindExtension> GPLFileFactoryRecognizer::GetFileKinds() const {
    // The chunked replay reader reads the N4 and N2003 replays too.
    return {{FileKind::GPLRpy, "rpy"}, {FileKind::N4Rpy, "rpy"}, {FileKind::N2003Rpy, "rpy"},
            {FileKind::GPLTrk, "trk"}, {FileKind::GPLLp, "lp"},   {FileKind::ICR2Dat, "dat"}};
}

bool GPLFileFactoryRecognizer::IsGameDat(const std::string& path) {
    if (!IsDat(path))
        return false;
    ICR2DatFile archive(path, false);
    const auto member = FindFirstMember(archive, {"3do", "lyt"}, 8);
    return member && IsGameHead(member->extension, member->bytes);
}

std::vector<std::string> GPLFileFactoryRecognizer::GetDirectoryExtensions() const { return {"3do", "trk", "rpy"}; }

bool GPLFileFactoryRecognizer::IsGameFile(const std::string& extension, const std::string& path) {
    return IsGameHead(extension, ReadHead(path, 8));
}

std::shared_ptr<DatFile> GPLFileFactoryRecognizer::OpenDat(const std::string& path, bool writable) {
    return std::make_shared<ICR2DatFile>(path, writable);
}

std::shared_ptr<CreateDat> GPLFileFactoryRecognizer::MakeCreateDat(const PapyDirectory& directory) {
    return std::make_shared<ICR2CreateDat>(directory);
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
    factory.AddFacet(std::make_shared<GPLMakeRpy>(directory));
}

}  // namespace Tessel::Papy
