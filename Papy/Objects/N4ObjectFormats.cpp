#include "Papy/Objects/N4ObjectFormats.h"

#include "Papy/Factory/FileKind.h"

namespace Tessel::Papy {

using Util::RecordView;

namespace {

// The root type's name, for an object archive that holds it whole; empty otherwise.
std::string RootTypeOfObjects(const RecordView& head) { return IsN4ObjectHead(head) ? GetN4RootTypeName(head) : ""; }

bool IsN4PtfHead(const RecordView& head, std::uint64_t) { return RootTypeOfObjects(head) == N4ObjectIds::trackType; }

bool IsN4TdoHead(const RecordView& head, std::uint64_t) {
    const std::string rootType = RootTypeOfObjects(head);
    return !rootType.empty() && rootType != N4ObjectIds::trackType;
}

}  // namespace

bool IsN4ObjectHead(const RecordView& head) {
    return head.Find<std::uint32_t>(0) == N4ObjectIds::rootObject && head.Find<std::uint32_t>(4) == N4ObjectIds::rootType;
}

std::string GetN4RootTypeName(const RecordView& head) {
    const std::uint32_t length = head.Find<std::uint32_t>(8).value_or(0);
    return head.Holds(12, length) ? head.GetText(12, length) : std::string();
}

const FileFormat n4PtfFormat{"N4 ptf", "ptf", HeadOrder::n4ObjectRoot, IsN4PtfHead, FileRole::ObjectTrack};
const FileFormat n4TdoFormat{"N4 3do", "3do", HeadOrder::n4ObjectRoot, IsN4TdoHead, FileRole::Objects};

}  // namespace Tessel::Papy
