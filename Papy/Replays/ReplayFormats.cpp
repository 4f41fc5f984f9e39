#include "Papy/Replays/ReplayFormats.h"

#include "Papy/Factory/FileKind.h"

namespace Tessel::Papy {

using Util::RecordView;

namespace {

bool IsN4Version(std::uint32_t version) {
    return version >= ReplayIds::firstN4Version && version < ReplayIds::n2003Version;
}

bool IsGPLRpyHead(const RecordView& head, std::uint64_t) {
    const auto version = GetReplayVersion(head);
    return version && !IsN4Version(*version) && *version != ReplayIds::n2003Version;
}

bool IsN4RpyHead(const RecordView& head, std::uint64_t) {
    const auto version = GetReplayVersion(head);
    return version && IsN4Version(*version);
}

bool IsN2003RpyHead(const RecordView& head, std::uint64_t) {
    return GetReplayVersion(head) == ReplayIds::n2003Version;
}

bool IsN3RplHead(const RecordView& head, std::uint64_t fileSize) {
    return head.Find<std::uint32_t>(0) == ReplayIds::n3InfoSize && HasN3ReplaySizes(head, fileSize);
}

}  // namespace

std::optional<std::uint32_t> GetReplayVersion(const RecordView& head) {
    if (head.Find<std::uint32_t>(0) != ReplayIds::replay)
        return std::nullopt;
    return head.Find<std::uint32_t>(4);
}

bool HasN3ReplaySizes(const RecordView& head, std::uint64_t fileSize) {
    if (!head.Holds(0, ReplayIds::n3HeaderSize))
        return false;
    return std::uint64_t{head.Get<std::uint32_t>(0)} + head.Get<std::uint32_t>(4) + ReplayIds::n3HeaderSize ==
           fileSize;
}

const FileFormat gplRpyFormat{"GPL rpy", "rpy", HeadOrder::replayId, IsGPLRpyHead, FileRole::Replay};
const FileFormat n4RpyFormat{"N4 rpy", "rpy", HeadOrder::replayId, IsN4RpyHead, FileRole::Replay};
const FileFormat n2003RpyFormat{"N2003 rpy", "rpy", HeadOrder::replayId, IsN2003RpyHead, FileRole::Replay};
const FileFormat n3RplFormat{"N3 rpl", "rpl", HeadOrder::n3ReplaySizes, IsN3RplHead, FileRole::Replay};

}  // namespace Tessel::Papy
