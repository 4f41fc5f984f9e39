#pragma once

#include "Papy/Factory/LpTableMaker.h"

#include <array>

namespace Tessel::Papy {

// Opens N4 LP files ("lp"); an N4 LP says itself how many records it holds.
class N4MakeLp : public LpTableMaker {
public:
    static constexpr std::array<const char*, 13> TypeNames = {
        "raceline", "race", "maxrace", "minrace", "maxpanic", "minpanic", "pit0",
        "maxpit0",  "minpit0", "pit1", "maxpit1", "minpit1", "limp"};

    explicit N4MakeLp(PapyDirectory directory) : LpTableMaker(std::move(directory), TypeNames) {}

private:
    std::shared_ptr<LpFile> Read(std::shared_ptr<Util::BinaryStream> stream) override;
};

}  // namespace Tessel::Papy
