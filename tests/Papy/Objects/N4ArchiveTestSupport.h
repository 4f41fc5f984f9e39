#pragma once

#include "Papy/Objects/N4DescriptorRegistry.h"
#include "Papy/Objects/N4TdoFile.h"
#include "Samples/N4ArchiveWriter.h"
#include "Util/CharBuffer.h"
#include "testing/MemoryStream.h"
#include "tests/Failures.h"

#include <memory>
#include <string>

namespace Tessel::Papy {

inline std::shared_ptr<N4TdoFile> LoadArchive(const std::string& bytes, const std::string& name = "test.ptf") {
    return std::make_shared<N4TdoFile>(Linewright::Testing::MemoryStream(bytes, name).stream, N4DescriptorRegistry());
}

// What the file saves, read back from a buffer with room to spare.
inline std::string Saved(N4TdoFile& file, std::size_t room = 1 << 20) {
    std::string out(room, '\0');
    Util::CharBuffer buffer("out.ptf", static_cast<std::uint32_t>(room), out.data());
    file.Save(buffer);
    out.resize(buffer.GetPosition());
    return out;
}

// The format fault of loading the bytes, or "accepted".
inline std::string LoadingFault(const std::string& bytes) {
    return Linewright::Testing::FormatFault("test.ptf", [&] { LoadArchive(bytes); });
}

inline std::string LoadingFault(const Linewright::Samples::ArchiveRef& root) {
    return LoadingFault(Linewright::Samples::WriteArchive(root));
}

}  // namespace Tessel::Papy
