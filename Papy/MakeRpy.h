#pragma once

#include "Papy/FileFactory.h"

#include <string>

namespace Tessel::Papy {

class RpyFile;

// Opens the game's replays from the factory's directory. Naming and keeping as for MakeTrk;
// throws XUsage "<directory path><file name>: file not found" for a missing file, and the
// reader's exceptions for a faulty one.
class MakeRpy : public FileFactory::Facet {
public:
    using FacetKind = MakeRpy;

    virtual std::shared_ptr<RpyFile> Make(const std::string& baseName, const std::string& extension) = 0;
    virtual void Purge() = 0;
};

}  // namespace Tessel::Papy
