#pragma once

#include "Papy/Factory/LooseFileMaker.h"
#include "Papy/Factory/MakeLp.h"

#include <array>

namespace Tessel::Papy {

// Opens ICR2 LP files ("lp") and lists the ten LP types of the N2 family.
class ICR2MakeLp : public LooseFileMaker<MakeLp, LpFile> {
public:
    static constexpr std::array<const char*, 10> TypeNames = {
        "race", "maxrace", "minrace", "pass1", "pass2", "maxpanic", "minpanic", "pit", "pace", "spot1"};

    explicit ICR2MakeLp(PapyDirectory directory) : LooseFileMaker(std::move(directory), "lp") {}

    void Insert(std::shared_ptr<LpFile> lp, const std::string& baseName, const std::string& extension) override {
        Keep(std::move(lp), baseName, extension);
    }
    std::uint32_t GetTypeCount() const override { return TypeNames.size(); }
    std::string GetTypeName(std::uint32_t i) const override;

private:
    std::shared_ptr<LpFile> Read(std::shared_ptr<Util::BinaryStream> stream) override;
};

}  // namespace Tessel::Papy
