#include "Util/BinaryFile.h"

#include "Util/Exception.h"

#include <limits>

namespace Tessel::Util {

std::unique_ptr<BinaryFile> BinaryFile::OpenRead(const std::string& path) {
    return Open(path, Disposition::OpenRead);
}

std::unique_ptr<BinaryFile> BinaryFile::OpenReadWrite(const std::string& path) {
    return Open(path, Disposition::OpenReadWrite);
}

std::unique_ptr<BinaryFile> BinaryFile::CreateNew(const std::string& path) {
    return Open(path, Disposition::CreateNew);
}

std::unique_ptr<BinaryFile> BinaryFile::CreateAlways(const std::string& path) {
    return Open(path, Disposition::CreateAlways);
}

std::unique_ptr<BinaryFile> BinaryFile::Create(const std::string& path, bool overwrite) {
    return overwrite ? CreateAlways(path) : CreateNew(path);
}

std::string BinaryFile::ReadWhole(const std::string& path) {
    const auto file = OpenRead(path);
    const std::uint64_t size = file->GetSize();
    if (size > std::numeric_limits<std::uint32_t>::max())
        throw XFileRead(file->GetName());
    std::string bytes(size, '\0');
    file->Read(static_cast<std::uint32_t>(bytes.size()), bytes.data());
    return bytes;
}

bool BinaryFile::IsAtEnd() { return GetSize() == GetPosition(); }

}  // namespace Tessel::Util
