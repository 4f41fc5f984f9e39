#include "Papy/Archives/ICR2CreateDat.h"

#include "Papy/Archives/ICR2DatFile.h"

namespace Tessel::Papy {

std::shared_ptr<DatFile> ICR2CreateDat::Create() {
    return std::make_shared<ICR2DatFile>(NewArchive{}, directory.GetPath() + directory.GetName() + ".dat");
}

}  // namespace Tessel::Papy
