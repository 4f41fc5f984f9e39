#pragma once

#include "Papy/Factory/LooseFileMaker.h"
#include "Papy/Factory/MakeLp.h"

#include <array>

namespace Tessel::Papy {

// Opens N4 LP files ("lp"); an N4 LP says itself how many records it holds.
class N4MakeLp : public LooseFileMaker<MakeLp, LpFile> {
public:
    static constexpr std::array<const char*, 13> TypeNames = {
        "raceline", "race", "maxrace", "minrace", "maxpanic", "minpanic", "pit0",
        "maxpit0",  "minpit0", "pit1", "maxpit1", "minpit1", "limp"};

    explicit N4MakeLp(PapyDirectory directory) : LooseFileMaker(std::move(directory), "lp") {}

    void Insert(std::shared_ptr<LpFile> lp, const std::string& baseName, const std::string& extension) override {
        Keep(std::move(lp), baseName, extension);
    }
    std::uint32_t GetTypeCount() const override;
    std::string GetTypeName(std::uint32_t i) const override;

private:
    std::shared_ptr<LpFile> Read(std::shared_ptr<Util::BinaryStream> stream) override;
};

}  // namespace Tessel::Papy
