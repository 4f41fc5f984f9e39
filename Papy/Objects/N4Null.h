#pragma once

#include "Papy/Objects/ThreeDObjectNull.h"

namespace Tessel::Papy {

// The container's null node; saved, it writes the null reference (a 4-byte 0).
class N4Null : public ThreeDObjectNull {
public:
    N4Null(N4TdoFile& file, std::uint32_t id) : ThreeDObjectNull(file, id, NotFromFile) {}
    void Save(N4Archiver& archiver) const override;
};

}  // namespace Tessel::Papy
