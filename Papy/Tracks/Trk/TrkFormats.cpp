#include "Papy/Tracks/Trk/TrkFormats.h"

#include "Papy/Factory/FileKind.h"

namespace Tessel::Papy {

namespace {

bool IsGPLTrkHead(const Util::RecordView& head, std::uint64_t) { return IsTrackHead(head, TrkIds::gplVersion); }

bool IsICR2TrkHead(const Util::RecordView& head, std::uint64_t) { return IsTrackHead(head, TrkIds::icr2Type); }

}  // namespace

bool IsTrackHead(const Util::RecordView& head, std::uint32_t version) {
    return head.Find<std::uint32_t>(0) == TrkIds::track && head.Find<std::uint32_t>(4) == version;
}

const FileFormat gplTrkFormat{"GPL trk", "trk", HeadOrder::trackId, IsGPLTrkHead, FileRole::Track};
const FileFormat icr2TrkFormat{"ICR2 trk", "trk", HeadOrder::trackId, IsICR2TrkHead, FileRole::Track};

}  // namespace Tessel::Papy
