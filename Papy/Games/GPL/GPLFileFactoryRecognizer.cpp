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
bool IsGameHead(const std::string& extension, const std::string& head) {
    const Util::RecordView bytes("", head);
    const auto first = bytes.Find<std::uint32_t>(0);
    const auto second = bytes.Find<std::uint32_t>(4);
    if (extension == "3do")
        return first == PackId("3DO4");
    if (extension == "lyt")
        return first == 6 && second == 809;
    if (extension == "trk")
        return first == PackId("TRAK") && second == 3000;
    return first == PackId("RPLY") && second && *second < 3;
}

}  // namespace

bool GPLFileFactoryRecognizer::IsDat(const std::string& path) {
    return Util::IsFile(path) && ICR2DatFile::HasHeader(path);
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
    factory.AddFacet(makeTrk);
    auto makeLp = std::make_shared<GPLMakeLp>(directory, makeTrk);
    factory.AddFacet(makeLp);
    factory.AddFacet(std::make_shared<GPLCreateLp>(makeLp, makeTrk));
    factory.AddFacet(std::make_shared<TrkMakeTrack>(directory, makeTrk));
    factory.AddFacet(std::make_shared<GPLMakeRpy>(directory));
}

}  // namespace Tessel::Papy
