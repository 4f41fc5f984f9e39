#include "Papy/Factory/FileLocator.h"

#include "Util/BinaryFile.h"
#include "Util/Exception.h"
#include "Util/PathName.h"

namespace Tessel::Papy {

FileLocator::FileLocator(PapyDirectory directory, std::string defaultExtension)
    : directory(std::move(directory)), defaultExtension(std::move(defaultExtension)) {}

std::string FileLocator::GetFileName(const std::string& baseName, const std::string& extension) const {
    return Util::ToLower((baseName.empty() ? directory.GetName() : baseName) + "." +
                         (extension.empty() ? defaultExtension : extension));
}

std::shared_ptr<Util::BinaryStream> FileLocator::OpenLoose(const std::string& fileName) const {
    const auto path = Util::FindEntryNoCase(directory.GetPath(), fileName);
    if (!path || !Util::IsFile(*path))
        return nullptr;
    return Util::BinaryFile::OpenRead(*path);
}

void FileLocator::ThrowNotFound(const std::string& fileName) const {
    throw Util::XUsage(directory.GetPath() + fileName + ": file not found");
}

}  // namespace Tessel::Papy
