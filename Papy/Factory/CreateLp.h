#pragma once

#include "Papy/Factory/FileFactory.h"

#include <string>

namespace Tessel::Papy {

class LpFile;
class Track;

// Creates new, empty LP files of the game. A spacing of 0 asks for the format's default.
class CreateLp : public FileFactory::Facet {
public:
    using FacetRole = CreateLp;

    // An LP for the factory directory's own track, kept in the factory's MakeLp facet as
    // <type name>.lp. Throws what opening the track throws.
    virtual std::shared_ptr<LpFile> Create(const std::string& typeName, double spacing) = 0;
    // An LP for the given track model (for example a track file named otherwise than its
    // directory), kept nowhere: the one family-neutral way to make an LP for a track.
    virtual std::shared_ptr<LpFile> CreateFor(const Track& track, double spacing) = 0;
};

}  // namespace Tessel::Papy
