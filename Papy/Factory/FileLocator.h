#pragma once

#include "Papy/Factory/PapyDirectory.h"
#include "Util/BinaryStream.h"

#include <memory>
#include <string>

namespace Tessel::Papy {

// What every maker facet shares: the names of its files and where they are found.
class FileLocator {
public:
    FileLocator(PapyDirectory directory, std::string defaultExtension);

    const PapyDirectory& GetDirectory() const { return directory; }
    // baseName + "." + extension, lower-cased; the directory's name and the default extension
    // stand in for empty ones.
    std::string GetFileName(const std::string& baseName, const std::string& extension) const;
    // The file of the directory with that name, compared without regard to letter case when
    // the exact name is missing; empty when there is none. Throws XFileOpen when it exists
    // but cannot be opened.
    std::shared_ptr<Util::BinaryStream> OpenLoose(const std::string& fileName) const;
    // Throws XUsage "<directory path><file name>: file not found".
    [[noreturn]] void ThrowNotFound(const std::string& fileName) const;

private:
    PapyDirectory directory;
    std::string defaultExtension;
};

}  // namespace Tessel::Papy
