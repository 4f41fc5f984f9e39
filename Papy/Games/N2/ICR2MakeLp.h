#pragma once

#include "Papy/Factory/LpTableMaker.h"

#include <array>

namespace Tessel::Papy {

// Opens ICR2 LP files ("lp") and lists the ten LP types of the N2 family.
class ICR2MakeLp : public LpTableMaker {
public:
    static constexpr std::array<const char*, 10> TypeNames = {
        "race", "maxrace", "minrace", "pass1", "pass2", "maxpanic", "minpanic", "pit", "pace", "spot1"};

    explicit ICR2MakeLp(PapyDirectory directory) : LpTableMaker(std::move(directory), TypeNames) {}

private:
    std::shared_ptr<LpFile> Read(std::shared_ptr<Util::BinaryStream> stream) override;
};

}  // namespace Tessel::Papy
