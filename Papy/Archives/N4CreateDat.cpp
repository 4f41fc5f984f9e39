#include "Papy/Archives/N4CreateDat.h"

#include "Papy/Archives/N4DatFile.h"

namespace Tessel::Papy {

std::shared_ptr<DatFile> N4CreateDat::Create() {
    return std::make_shared<N4DatFile>(NewArchive{}, directory.GetPath() + directory.GetName() + ".dat");
}

}  // namespace Tessel::Papy
