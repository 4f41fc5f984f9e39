#pragma once

#include "Papy/Factory/FileFactory.h"

#include <string>

namespace Tessel::Papy {

class LpFile;

// Creates new, empty LPs of the game. A spacing of 0 asks for the format's default. Throws what
// opening the track throws.
class CreateLp : public FileFactory::Facet {
public:
    using FacetKind = CreateLp;

    // For the factory directory's own track; the LP is kept in the factory's MakeLp facet as
    // <type name>.lp.
    virtual std::shared_ptr<LpFile> Create(const std::string& typeName, double spacing) = 0;
    // For the track file trackBaseName.trackExtension of the factory's directory (loose or in
    // its archive; empty names as for the track makers); the LP is not kept.
    virtual std::shared_ptr<LpFile> CreateForTrack(double spacing, const std::string& trackBaseName,
                                                   const std::string& trackExtension) = 0;
};

}  // namespace Tessel::Papy
