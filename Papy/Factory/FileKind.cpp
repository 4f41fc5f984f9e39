#include "Papy/Factory/FileKind.h"

#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/FileHead.h"
#include "Util/BinaryFile.h"
#include "Util/PathName.h"

namespace Tessel::Papy {

namespace {

FileKind KindOfReplay(std::uint32_t version) {
    if (version < FileIds::firstN4ReplayVersion || version > FileIds::n2003ReplayVersion)
        return FileKind::GPLRpy;
    return version < FileIds::n2003ReplayVersion ? FileKind::N4Rpy : FileKind::N2003Rpy;
}

FileKind KindOfTrack(const Util::RecordView& head) {
    if (IsTrackHead(head, FileIds::gplTrackVersion))
        return FileKind::GPLTrk;
    return IsTrackHead(head, FileIds::icr2TrackType) ? FileKind::ICR2Trk : FileKind::Unknown;
}

FileKind KindOfN4Objects(const Util::RecordView& head) {
    const std::string rootType = GetN4RootTypeName(head);
    if (rootType.empty())
        return FileKind::Unknown;
    return rootType == FileIds::n4TrackType ? FileKind::N4Ptf : FileKind::N4Tdo;
}

// An LP's layout tells its format before its version does, so that a damaged version reaches
// its own format's reader; only an empty table fits both layouts. A file that fits neither
// (cut short, or with bytes to spare) goes by its version.
FileKind KindOfLp(const Util::RecordView& head, std::uint64_t fileSize) {
    const bool n4Layout = HasLpLayout(head, fileSize, FileIds::n4LpRecordSize);
    if (n4Layout != HasLpLayout(head, fileSize, FileIds::gplLpRecordSize))
        return n4Layout ? FileKind::N4Lp : FileKind::GPLLp;
    if (IsLpHead(head, FileIds::gplLpVersion))
        return FileKind::GPLLp;
    return IsLpHead(head, FileIds::n4LpVersion) ? FileKind::N4Lp : FileKind::Unknown;
}

bool IsN3ReplayHead(const Util::RecordView& head, std::uint64_t fileSize) {
    return head.Find<std::uint32_t>(0) == FileIds::n3InfoSize && HasN3ReplaySizes(head, fileSize);
}

}  // namespace

const char* GetKindName(FileKind kind) {
    switch (kind) {
    case FileKind::GPLRpy: return "GPL rpy";
    case FileKind::N4Rpy: return "N4 rpy";
    case FileKind::N2003Rpy: return "N2003 rpy";
    case FileKind::N3Rpl: return "N3 rpl";
    case FileKind::GPLTrk: return "GPL trk";
    case FileKind::ICR2Trk: return "ICR2 trk";
    case FileKind::N4Ptf: return "N4 ptf";
    case FileKind::N4Tdo: return "N4 3do";
    case FileKind::GPLLp: return "GPL lp";
    case FileKind::ICR2Lp: return "ICR2 lp";
    case FileKind::N4Lp: return "N4 lp";
    case FileKind::ICR2Dat: return "ICR2 dat";
    case FileKind::N4Dat: return "N4 dat";
    case FileKind::Unknown: break;
    }
    return "";
}

// The ids come first; the tests by sizes alone follow, the exact ones before the loose ones.
FileKind RecognizeHead(const Util::RecordView& head, std::uint64_t fileSize) {
    if (const auto version = GetReplayVersion(head))
        return KindOfReplay(*version);
    if (StartsWithId(head, FileIds::track))
        return KindOfTrack(head);
    if (const FileKind kind = KindOfLp(head, fileSize); kind != FileKind::Unknown)
        return kind;
    if (IsN4DatHead(head))
        return FileKind::N4Dat;
    if (IsICR2LpHead(head, fileSize))
        return FileKind::ICR2Lp;
    if (IsN4ObjectHead(head))
        return KindOfN4Objects(head);
    if (IsN3ReplayHead(head, fileSize))
        return FileKind::N3Rpl;
    if (IsICR2DatHead(head))
        return FileKind::ICR2Dat;
    return FileKind::Unknown;
}

FileKind RecognizeFile(const std::string& path) {
    const auto file = Util::BinaryFile::OpenRead(path);
    const std::string head = ReadHead(*file, kindHeadSize);
    const FileKind kind = RecognizeHead(Util::RecordView(path, head), file->GetSize());
    if (kind != FileKind::Unknown)
        return kind;
    return FileFactoryRegistry::Instance().GetKindOfExtension(PapyDirectory(path), Util::PathName(path).extension);
}

}  // namespace Tessel::Papy
