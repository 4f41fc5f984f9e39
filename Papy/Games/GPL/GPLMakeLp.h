#pragma once

#include "Papy/Factory/LooseFileMaker.h"
#include "Papy/Factory/MakeLp.h"
#include "Papy/Factory/MakeTrk.h"

#include <array>

namespace Tessel::Papy {

// Opens GPL LP files ("lp"); a GPL LP is read against the directory's own TRK file, whose
// length fixes the record count.
class GPLMakeLp : public LooseFileMaker<MakeLp, LpFile> {
public:
    static constexpr std::array<const char*, 6> TypeNames = {"race", "maxrace", "minrace", "pass1", "pass2", "pit"};

    GPLMakeLp(PapyDirectory directory, std::shared_ptr<MakeTrk> makeTrk)
        : LooseFileMaker(std::move(directory), "lp"), makeTrk(std::move(makeTrk)) {}

    void Insert(std::shared_ptr<LpFile> lp, const std::string& baseName, const std::string& extension) override {
        Keep(std::move(lp), baseName, extension);
    }
    std::shared_ptr<LpFile> MakeWithTrack(const std::string& baseName, const std::string& extension,
                                          FileFactory& trackFactory, const std::string& trackPath) override;
    std::uint32_t GetTypeCount() const override;
    std::string GetTypeName(std::uint32_t i) const override;

private:
    std::shared_ptr<LpFile> Read(std::shared_ptr<Util::BinaryStream> stream) override;

    std::shared_ptr<MakeTrk> makeTrk;
};

}  // namespace Tessel::Papy
