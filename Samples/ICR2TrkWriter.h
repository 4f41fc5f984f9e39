#pragma once

#include "Samples/TrkShape.h"

#include <string>

// Writes ICR2 track files from a shape in metres and radians (Samples/TrkShape.h): the header,
// the section offset table, the cross-section and 12-byte boundary records, and each section's
// record followed by its wall records. Written from the format description, independently of
// the reader.
namespace Linewright::Samples {

// The bytes of an ICR2 track file of the shape. A boundary's code is its surface code; the
// walls of each piece follow its section record.
std::string WriteICR2Trk(const TrkShape& shape);

// A closed loop of two 300 m straights and four quarter turns of radius 100 m (2D length
// 600 + 200 pi m), the second pair of turns climbing 1 m and falling back; every
// section has surface codes from three ranges and a wall on either side.
TrkShape SampleICR2TrkShape();

}  // namespace Linewright::Samples
