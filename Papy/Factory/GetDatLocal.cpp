#include "Papy/Factory/GetDatLocal.h"

namespace Tessel::Papy {

void GetDatLocal::Set(std::shared_ptr<DatFile> replacement) {
    archive.reset();  // the old archive goes before the new one is held
    archive = std::move(replacement);
}

}  // namespace Tessel::Papy
