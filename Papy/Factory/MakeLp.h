#pragma once

#include "Papy/Factory/FileFacets.h"

#include <cstdint>

namespace Tessel::Papy {

class LpFile;

// Opens the game's LP files from the factory's directory and lists the game's LP types.
class MakeLp : public LooseFileFacet<LpFile> {
public:
    using FacetRole = MakeLp;

    // Keeps a new LP under the name that Make gives the same arguments, so Make returns it.
    virtual void Insert(std::shared_ptr<LpFile> lp, const std::string& baseName, const std::string& extension) = 0;
    // The LP read against the track file at trackPath, which the game of trackFactory's folder
    // reads, where the format checks an LP against its track; a format that does not reads it
    // as Make does. What is made here is not kept. Throws as Make does, and XUsage when the
    // track's game reads no TRK files; the track maker's exceptions for the track.
    virtual std::shared_ptr<LpFile> MakeWithTrack(const std::string& baseName, const std::string& extension,
                                                  FileFactory& /*trackFactory*/, const std::string& /*trackPath*/) {
        return Make(baseName, extension);
    }
    virtual std::uint32_t GetTypeCount() const = 0;
    // Breaks the assertion "i < GetTypeCount()" for an index past the table.
    virtual std::string GetTypeName(std::uint32_t i) const = 0;
};

}  // namespace Tessel::Papy
