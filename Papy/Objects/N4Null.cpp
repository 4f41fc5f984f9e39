#include "Papy/Objects/N4Null.h"

#include "Papy/Objects/N4Archiver.h"

namespace Tessel::Papy {

void N4Null::Save(N4Archiver& archiver) const { Util::WriteValue(archiver.GetStream(), std::uint32_t{0}); }

}  // namespace Tessel::Papy
