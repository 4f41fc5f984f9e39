#include "Papy/FileHead.h"

#include "Util/BinaryFile.h"

#include <algorithm>

namespace Tessel::Papy {

std::string ReadHead(Util::BinaryStream& stream, std::size_t count) {
    stream.Seek(0);
    std::string bytes(static_cast<std::size_t>(std::min<std::uint64_t>(count, stream.GetSize())), '\0');
    stream.Read(static_cast<std::uint32_t>(bytes.size()), bytes.data());
    return bytes;
}

std::string ReadHead(const std::string& path, std::size_t count) {
    return ReadHead(*Util::BinaryFile::OpenRead(path), count);
}

}  // namespace Tessel::Papy
