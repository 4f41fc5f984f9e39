#pragma once

#include "Papy/Objects/N4Archiver.h"

namespace Tessel::Papy {

// The process-wide list of the sixteen node descriptors (N4ArchiverTrack, N4ArchiverXSection
// and the rest: N4NodeDescriptor over each node class), made on first use. Archives look
// descriptors up by name, so the order has no visible effect.
const N4Descriptors& N4DescriptorRegistry();

}  // namespace Tessel::Papy
