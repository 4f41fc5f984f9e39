#pragma once

#include "Papy/Factory/LooseFileMaker.h"
#include "Papy/Factory/MakeLp.h"
#include "Util/Exception.h"

#include <span>

namespace Tessel::Papy {

class LpFile;

// Opens a game's LP files ("lp") from the factory's directory and lists the game's LP types
// from its table; each game's maker adds how its format reads a file.
class LpTableMaker : public LooseFileMaker<MakeLp, LpFile> {
public:
    LpTableMaker(PapyDirectory directory, std::span<const char* const> typeNames)
        : LooseFileMaker(std::move(directory), "lp"), typeNames(typeNames) {}

    void Insert(std::shared_ptr<LpFile> lp, const std::string& baseName, const std::string& extension) override {
        Keep(std::move(lp), baseName, extension);
    }
    std::uint32_t GetTypeCount() const override { return static_cast<std::uint32_t>(typeNames.size()); }
    std::string GetTypeName(std::uint32_t i) const override {
        TESSEL_CHECK(i < GetTypeCount());
        return typeNames[i];
    }

private:
    std::span<const char* const> typeNames;
};

}  // namespace Tessel::Papy
