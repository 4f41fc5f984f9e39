#include "Papy/Games/N4/N4FileFactoryRecognizer.h"

#include "Papy/Archives/N4CreateDat.h"
#include "Papy/Archives/N4DatFile.h"
#include "Papy/Factory/FileHead.h"
#include "Papy/Factory/FileKind.h"
#include "Papy/Games/GPL/GPLMakeRpy.h"
#include "Papy/Games/N4/N4CreateLp.h"
#include "Papy/Games/N4/N4MakeLp.h"
#include "Papy/Games/N4/N4MakePtf.h"
#include "Papy/Games/N4/N4MakeTrack.h"
#include "Util/PathName.h"
#include "Util/RecordView.h"

namespace Tessel::Papy {

namespace {

constexpr std::uint32_t FirstN4ReplayVersion = 3;

}  // namespace

bool N4FileFactoryRecognizer::IsDat(const std::string& path) {
    return Util::IsFile(path) && N4DatFile::HasHeader(path);
}

bool N4FileFactoryRecognizer::IsGameDat(const std::string& path) { return IsDat(path); }

std::vector<FileFactoryRecognizer::KindExtension> N4FileFactoryRecognizer::GetFileKinds() const {
    return {{FileKind::N4Rpy, "rpy"}, {FileKind::N2003Rpy, "rpy"}, {FileKind::N4Ptf, "ptf"},
            {FileKind::N4Tdo, "3do"}, {FileKind::N4Lp, "lp"},     {FileKind::N4Dat, "dat"}};
}

std::vector<std::string> N4FileFactoryRecognizer::GetDirectoryExtensions() const { return {"3do", "ptf", "rpy"}; }

bool N4FileFactoryRecognizer::IsGameFile(const std::string& extension, const std::string& path) {
    if (extension == "ptf")
        return true;
    const std::string head = ReadHead(path, 8);
    const Util::RecordView bytes(path, head);
    const auto first = bytes.Find<std::uint32_t>(0);
    const auto second = bytes.Find<std::uint32_t>(4);
    if (extension == "3do")
        return first == 1u && second == 2u;
    return first == PackId("RPLY") && second && *second >= FirstN4ReplayVersion;
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
    factory.AddFacet(std::make_shared<GPLMakeRpy>(directory));
}

}  // namespace Tessel::Papy
