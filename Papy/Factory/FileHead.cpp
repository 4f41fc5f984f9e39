#include "Papy/Factory/FileHead.h"

#include "Papy/Archives/DatFile.h"
#include "Util/BinaryFile.h"
#include "Util/PathName.h"

#include <algorithm>

namespace Tessel::Papy {

using Util::RecordView;

std::string ReadHead(Util::BinaryStream& stream, std::size_t count) {
    stream.Seek(0);
    std::string bytes(static_cast<std::size_t>(std::min<std::uint64_t>(count, stream.GetSize())), '\0');
    stream.Read(static_cast<std::uint32_t>(bytes.size()), bytes.data());
    return bytes;
}

std::string ReadHead(const std::string& path, std::size_t count) {
    return ReadHead(*Util::BinaryFile::OpenRead(path), count);
}

std::optional<std::uint32_t> GetReplayVersion(const RecordView& head) {
    if (head.Find<std::uint32_t>(0) != FileIds::replay)
        return std::nullopt;
    return head.Find<std::uint32_t>(4);
}

bool IsTrackHead(const RecordView& head, std::uint32_t version) {
    return head.Find<std::uint32_t>(0) == FileIds::track && head.Find<std::uint32_t>(4) == version;
}

bool StartsWithId(const RecordView& head, std::uint32_t id) { return head.Find<std::uint32_t>(0) == id; }

bool IsN4ObjectHead(const RecordView& head) {
    return head.Find<std::uint32_t>(0) == FileIds::n4RootObject && head.Find<std::uint32_t>(4) == FileIds::n4RootType;
}

std::string GetN4RootTypeName(const RecordView& head) {
    const std::uint32_t length = head.Find<std::uint32_t>(8).value_or(0);
    return head.Holds(12, length) ? head.GetText(12, length) : std::string();
}

bool IsGPLLayoutHead(const RecordView& head) {
    return head.Find<std::uint32_t>(0) == FileIds::gplLayoutFirst &&
           head.Find<std::uint32_t>(4) == FileIds::gplLayoutSecond;
}

bool IsLpHead(const RecordView& head, std::uint32_t version) {
    return head.Holds(0, 8) && head.Get<std::uint32_t>(0) == version;
}

bool HasLpLayout(const RecordView& head, std::uint64_t fileSize, std::uint32_t recordSize) {
    if (!head.Holds(0, FileIds::lpHeaderSize) || head.Get<std::uint32_t>(0) >> 16 != FileIds::lpVersionUpperHalf)
        return false;
    return FileIds::lpHeaderSize + std::uint64_t{head.Get<std::uint32_t>(4)} * recordSize == fileSize;
}

bool IsICR2LpHead(const RecordView& head, std::uint64_t fileSize) {
    const std::uint64_t count = head.Find<std::uint32_t>(0).value_or(0);
    return count >= 1 && 4 + count * FileIds::icr2LpRecordSize == fileSize;
}

bool HasN3ReplaySizes(const RecordView& head, std::uint64_t fileSize) {
    if (!head.Holds(0, FileIds::n3HeaderSize))
        return false;
    return std::uint64_t{head.Get<std::uint32_t>(0)} + head.Get<std::uint32_t>(4) + FileIds::n3HeaderSize == fileSize;
}

bool IsICR2DatHead(const RecordView& head) {
    return head.Find<std::int16_t>(0) > 0 && head.Find<std::int16_t>(2) == FileIds::datRecordSignature;
}

bool IsN4DatHead(const RecordView& head) {
    if (!head.Holds(0, FileIds::n4DatHeaderSize))
        return false;
    return head.Get<std::int16_t>(0) < 0 && head.Get<std::uint32_t>(2) != 0 && head.Get<std::uint32_t>(6) == 0 &&
           head.Get<std::uint8_t>(10) == FileIds::datRecordSignature;
}

std::optional<MemberHead> FindFirstMember(DatFile& archive, const std::vector<std::string>& extensions,
                                          std::size_t count) {
    for (std::uint32_t index = 0; index < archive.GetMemberCount(); ++index) {
        const std::string extension = Util::ToLower(archive.GetMemberExtension(index));
        if (std::find(extensions.begin(), extensions.end(), extension) != extensions.end())
            return MemberHead{extension, ReadHead(*archive.OpenMember(index), count)};
    }
    return std::nullopt;
}

}  // namespace Tessel::Papy
