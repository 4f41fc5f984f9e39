#pragma once

#include "Papy/Factory/FileFactory.h"
#include "Papy/Factory/PapyDirectory.h"

namespace Tessel::Papy {

// Gives the directory that the factory was made for.
class GetDirectory : public FileFactory::Facet {
public:
    using FacetRole = GetDirectory;
    explicit GetDirectory(PapyDirectory directory) : directory(std::move(directory)) {}

    const PapyDirectory& Get() const { return directory; }

private:
    PapyDirectory directory;
};

}  // namespace Tessel::Papy
