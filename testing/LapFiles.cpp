#include "testing/LapFiles.h"

#include "Samples/RpyWriter.h"

#include <numbers>

namespace Linewright::Testing {

using namespace Samples;

TrkShape LoopShape(double straight, double radius) {
    TrkShape shape;
    const TrkPiece turn = TrkPiece::Arc(radius, std::numbers::pi / 2);
    shape.pieces = {TrkPiece::Straight(straight), turn, turn, TrkPiece::Straight(straight), turn, turn};
    return shape;
}

GPLLapFiles MakeGPLLapFiles(double straight, double radius, double speed, double lateral, double seconds) {
    const TrkShape shape = LoopShape(straight, radius);
    const double length = shape.Get2DLength();
    RpyScript script;
    script.drivers = {{script.playerFirstName, script.playerLastName, 0, 7}};
    RpySession session;
    session.trackLength = length;
    session.frameCount = static_cast<std::uint32_t>(seconds * rpyFramesPerSecond);
    session.drives = {{0, true, length - 2.0 * speed, speed, lateral, {}}};
    AddSession(script, session);
    script.frameCountHint = session.frameCount;
    return {WriteGPLTrk(shape), WriteRpy(script), length};
}

}  // namespace Linewright::Testing
