#include "Papy/Lp/LpFormats.h"

#include "Papy/Factory/FileKind.h"

namespace Tessel::Papy {

using Util::RecordView;

namespace {

// The versioned layout of one format, and of the other format that shares its header.
struct VersionedLp {
    std::uint32_t version;
    std::uint32_t recordSize;
};

constexpr VersionedLp gplLp{LpIds::gplVersion, LpIds::gplRecordSize};
constexpr VersionedLp n4Lp{LpIds::n4Version, LpIds::n4RecordSize};

bool IsVersionedLpHead(const RecordView& head, std::uint64_t fileSize, VersionedLp own, VersionedLp other) {
    const bool ownLayout = HasLpLayout(head, fileSize, own.recordSize);
    if (ownLayout != HasLpLayout(head, fileSize, other.recordSize))
        return ownLayout;
    return IsLpHead(head, own.version);
}

bool IsGPLLpHead(const RecordView& head, std::uint64_t fileSize) { return IsVersionedLpHead(head, fileSize, gplLp, n4Lp); }

bool IsN4LpHead(const RecordView& head, std::uint64_t fileSize) { return IsVersionedLpHead(head, fileSize, n4Lp, gplLp); }

bool IsICR2LpHead(const RecordView& head, std::uint64_t fileSize) {
    const std::uint64_t count = head.Find<std::uint32_t>(0).value_or(0);
    return count >= 1 && 4 + count * LpIds::icr2RecordSize == fileSize;
}

}  // namespace

bool IsLpHead(const RecordView& head, std::uint32_t version) {
    return head.Holds(0, 8) && head.Get<std::uint32_t>(0) == version;
}

bool HasLpLayout(const RecordView& head, std::uint64_t fileSize, std::uint32_t recordSize) {
    if (!head.Holds(0, LpIds::headerSize) || head.Get<std::uint32_t>(0) >> 16 != LpIds::versionUpperHalf)
        return false;
    return LpIds::headerSize + std::uint64_t{head.Get<std::uint32_t>(4)} * recordSize == fileSize;
}

const FileFormat gplLpFormat{"GPL lp", "lp", HeadOrder::lpLayout, IsGPLLpHead, FileRole::Lp};
const FileFormat n4LpFormat{"N4 lp", "lp", HeadOrder::lpLayout, IsN4LpHead, FileRole::Lp};
const FileFormat icr2LpFormat{"ICR2 lp", "lp", HeadOrder::icr2LpSize, IsICR2LpHead, FileRole::Lp};

}  // namespace Tessel::Papy
