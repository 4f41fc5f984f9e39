#pragma once

#include "Papy/Factory/FileFactory.h"

#include <string>

namespace Tessel::Papy {

class LpFile;

// Creates a new, empty LP of the game for the factory directory's own track and keeps it in
// the factory's MakeLp facet as <type name>.lp. A spacing of 0 asks for the format's default.
// Throws what opening the track throws.
class CreateLp : public FileFactory::Facet {
public:
    using FacetKind = CreateLp;

    virtual std::shared_ptr<LpFile> Create(const std::string& typeName, double spacing) = 0;
};

}  // namespace Tessel::Papy
