#pragma once

#include "Papy/Factory/LpTableMaker.h"
#include "Papy/Factory/MakeTrk.h"

#include <array>

namespace Tessel::Papy {

// Opens GPL LP files ("lp"); a GPL LP is read against the directory's own TRK file, whose
// length fixes the record count.
class GPLMakeLp : public LpTableMaker {
public:
    static constexpr std::array<const char*, 6> TypeNames = {"race", "maxrace", "minrace", "pass1", "pass2", "pit"};

    GPLMakeLp(PapyDirectory directory, std::shared_ptr<MakeTrk> makeTrk)
        : LpTableMaker(std::move(directory), TypeNames), makeTrk(std::move(makeTrk)) {}

    std::shared_ptr<LpFile> MakeWithTrack(const std::string& baseName, const std::string& extension,
                                          FileFactory& trackFactory, const std::string& trackPath) override;

private:
    std::shared_ptr<LpFile> Read(std::shared_ptr<Util::BinaryStream> stream) override;

    std::shared_ptr<MakeTrk> makeTrk;
};

}  // namespace Tessel::Papy
