#pragma once

#include "Papy/Factory/GetDat.h"

namespace Tessel::Papy {

// The archive held in the facet itself.
class GetDatLocal : public GetDat {
public:
    explicit GetDatLocal(std::shared_ptr<DatFile> archive) : archive(std::move(archive)) {}

    std::shared_ptr<DatFile> Get() const override { return archive; }
    void Set(std::shared_ptr<DatFile> replacement) override;

private:
    std::shared_ptr<DatFile> archive;
};

}  // namespace Tessel::Papy
