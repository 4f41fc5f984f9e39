#pragma once

#include "Papy/Factory/FileFactory.h"

namespace Tessel::Papy {

class DatFile;

// Creates the DAT archive of the factory's directory, named after the directory and inside it,
// in the game's archive format. Throws XFileOpen when the archive exists already.
class CreateDat : public FileFactory::Facet {
public:
    using FacetRole = CreateDat;

    virtual std::shared_ptr<DatFile> Create() = 0;
};

}  // namespace Tessel::Papy
