#pragma once

#include "Papy/Factory/FileFactory.h"

namespace Tessel::Papy {

class DatFile;

// Holds the game's DAT archive of the factory's directory; the pointer is empty when the
// directory has none.
class GetDat : public FileFactory::Facet {
public:
    using FacetRole = GetDat;

    virtual std::shared_ptr<DatFile> Get() const = 0;
    // Releases the held archive, then holds the given one.
    virtual void Set(std::shared_ptr<DatFile> archive) = 0;
};

}  // namespace Tessel::Papy
