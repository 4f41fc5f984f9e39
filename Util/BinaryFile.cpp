#include "Util/BinaryFile.h"

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

bool BinaryFile::IsAtEnd() { return GetSize() == GetPosition(); }

}  // namespace Tessel::Util
