#pragma once

#include "Samples/TrkShape.h"

#include <string>

// Writes GPL track files from a shape in metres and radians (Samples/TrkShape.h), computing
// every integer field from the format's tables, the final boundary kind included. Written from
// the format description, independently of the reader.
namespace Linewright::Samples {

// The bytes of a GPL track file of the shape.
std::string WriteGPLTrk(const TrkShape& shape);

// A closed track of 12 pieces: straights, a chicane of a right and a left arc on each long
// side and two pairs of quarter turns, with a climb and fall on the turns, banking, walls and
// several surfaces. Its 2D length is 800 + 320 pi/6 + 400 pi/2 m.
TrkShape SampleTrkShape();

}  // namespace Linewright::Samples
