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

bool StartsWithId(const RecordView& head, std::uint32_t id) { return head.Find<std::uint32_t>(0) == id; }

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
