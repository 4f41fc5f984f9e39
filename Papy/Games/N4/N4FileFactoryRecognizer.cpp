#include "Papy/Games/N4/N4FileFactoryRecognizer.h"

#include "Papy/Archives/DatFormats.h"
#include "Papy/Archives/N4CreateDat.h"
#include "Papy/Archives/N4DatFile.h"
#include "Papy/Factory/FileHead.h"
#include "Papy/Games/ChunkedMakeRpy.h"
#include "Papy/Games/N4/N4CreateLp.h"
#include "Papy/Games/N4/N4MakeLp.h"
#include "Papy/Games/N4/N4MakePtf.h"
#include "Papy/Games/N4/N4MakeTrack.h"
#include "Papy/Lp/LpFormats.h"
#include "Papy/Objects/N4ObjectFormats.h"
#include "Papy/Replays/ReplayFormats.h"
#include "Util/PathName.h"
#include "Util/RecordView.h"

namespace Tessel::Papy {

bool N4FileFactoryRecognizer::IsDat(const std::string& path) {
    return Util::IsFile(path) && N4DatFile::HasHeader(path);
}

bool N4FileFactoryRecognizer::IsGameDat(const std::string& path) { return IsDat(path); }

std::vector<FileKind> N4FileFactoryRecognizer::GetFileKinds() const {
    return {&n4RpyFormat, &n2003RpyFormat, &n4PtfFormat, &n4TdoFormat, &n4LpFormat, &n4DatFormat};
}

std::vector<std::string> N4FileFactoryRecognizer::GetDirectoryExtensions() const { return {"3do", "ptf", "rpy"}; }

bool N4FileFactoryRecognizer::IsGameFile(const std::string& extension, const std::string& path) {
    if (extension == "ptf")
        return true;
    const std::string bytes = ReadHead(path, 8);
    const Util::RecordView head(path, bytes);
    if (extension == "3do")
        return IsN4ObjectHead(head);
    const auto version = GetReplayVersion(head);
    return version && *version >= ReplayIds::firstN4Version;
}

std::shared_ptr<DatFile> N4FileFactoryRecognizer::OpenDat(const std::string& path, bool writable) {
    return std::make_shared<N4DatFile>(path, writable);
}

std::shared_ptr<CreateDat> N4FileFactoryRecognizer::MakeCreateDat(const PapyDirectory& directory) {
    return std::make_shared<N4CreateDat>(directory);
}

void N4FileFactoryRecognizer::AddMakers(FileFactory& factory, const PapyDirectory& directory,
                                        const std::shared_ptr<GetDat>& archive) {
    auto makePtf = std::make_shared<N4MakePtf>(directory, archive);
    factory.AddFacet(makePtf);
    auto makeTrack = std::make_shared<N4MakeTrack>(directory, makePtf);
    factory.AddFacet(makeTrack);
    auto makeLp = std::make_shared<N4MakeLp>(directory);
    factory.AddFacet(makeLp);
    factory.AddFacet(std::make_shared<N4CreateLp>(makeLp, makeTrack));
    factory.AddFacet(std::make_shared<ChunkedMakeRpy>(directory));
}

}  // namespace Tessel::Papy
