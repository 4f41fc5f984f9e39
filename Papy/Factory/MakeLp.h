#pragma once

#include "Papy/Factory/FileKinds.h"

#include <cstdint>

namespace Tessel::Papy {

class LpFile;

// Opens the game's LP files from the factory's directory and lists the game's LP types.
class MakeLp : public LooseFileKind<LpFile> {
public:
    using FacetKind = MakeLp;

    // Keeps a new LP under the name that Make gives the same arguments, so Make returns it.
    virtual void Insert(std::shared_ptr<LpFile> lp, const std::string& baseName, const std::string& extension) = 0;
    virtual std::uint32_t GetTypeCount() const = 0;
    // Breaks the assertion "i < GetTypeCount()" for an index past the table.
    virtual std::string GetTypeName(std::uint32_t i) const = 0;
};

}  // namespace Tessel::Papy
