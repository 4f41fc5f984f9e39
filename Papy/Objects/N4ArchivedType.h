#pragma once

#include <cstdint>
#include <string>

namespace Tessel::Papy {

class N4Archiver;

// What an object archive knows of one node kind: the descriptor name that its class records
// carry, and how to read a node of the kind. FileT is the container the nodes go into.
template <class FileT>
class N4ArchivedType {
public:
    virtual ~N4ArchivedType() = default;
    virtual std::string GetName() const = 0;
    // Reads the body of node `id`, whose record starts at recordPosition, from the archiver's
    // stream and registers the node in the file. Throws XFileFormat at the first fault.
    virtual void Load(N4Archiver& archiver, std::uint32_t id, std::uint64_t recordPosition, FileT& file) const = 0;
};

}  // namespace Tessel::Papy
