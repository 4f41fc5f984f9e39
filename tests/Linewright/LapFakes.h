#pragma once

#include "Papy/Replays/RpyFile.h"

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

// An in-memory replay for the conversion: one driver, one lap, samples as a test makes them.
namespace LapFakes {

struct Frame {
    bool valid = true;
    double longitude = 0.0;
    double lateral = 0.0;
    double angle = 0.0;
};

class Replay : public Tessel::Papy::RpyFile {
public:
    std::vector<Frame> frames;
    std::uint32_t lapFirst = 0;
    std::uint32_t lapEnd = 0;
    double frameInterval = 1.0 / 36.0;

    std::string GetTrackName() const override { return "fake"; }
    std::u16string GetHeaderText() const override { return {}; }
    std::string GetPlayerName() const override { return "A Driver"; }
    std::uint32_t GetPlayerIndex() const override { return 0; }
    std::uint32_t GetDriverCount() const override { return 1; }
    std::string GetDriverName(std::uint32_t) const override { return "A Driver"; }
    std::string GetCarNumber(std::uint32_t) const override { return "1"; }
    std::uint32_t GetLapTableCount() const override { return 1; }
    std::uint32_t GetLapCount(std::uint32_t, std::uint32_t) const override { return 1; }
    double GetLapTime(std::uint32_t, std::uint32_t, std::uint32_t) const override {
        return (lapEnd - lapFirst) * frameInterval;
    }
    Tessel::Papy::LapStatus GetLapStatus(std::uint32_t, std::uint32_t, std::uint32_t) const override {
        return Tessel::Papy::LapStatus::Complete;
    }
    std::uint32_t GetLapFirstFrame(std::uint32_t, std::uint32_t, std::uint32_t) const override {
        return lapFirst;
    }
    std::uint32_t GetLapEndFrame(std::uint32_t, std::uint32_t, std::uint32_t) const override {
        return lapEnd;
    }
    std::uint32_t GetFrameCount() const override { return static_cast<std::uint32_t>(frames.size()); }
    double GetFrameInterval() const override { return frameInterval; }
    bool IsSampleValid(std::uint32_t, std::uint32_t frame) const override {
        return frame < frames.size() && frames[frame].valid;
    }
    double GetLongitude(std::uint32_t, std::uint32_t frame) const override {
        return frames.at(frame).longitude;
    }
    double GetLateral(std::uint32_t, std::uint32_t frame) const override { return frames.at(frame).lateral; }
    double GetAngle(std::uint32_t, std::uint32_t frame) const override { return frames.at(frame).angle; }
};

// A car whose distance driven since the start line at frame f is distance(f) (negative before
// the line), with lateral offset lateral(distance) and angle angle(distance); frames run from
// frame 0 up to frameCount - 1. The lap is the first whole lap.
struct Drive {
    double trackLength = 300.0;
    std::function<double(std::uint32_t)> distance;
    std::function<double(double)> lateral = [](double) { return 0.0; };
    std::function<double(double)> angle = [](double) { return 0.0; };
};

inline std::unique_ptr<Replay> MakeReplay(const Drive& drive, std::uint32_t frameCount) {
    auto made = std::make_unique<Replay>();
    Replay& replay = *made;
    bool started = false, ended = false;
    for (std::uint32_t f = 0; f < frameCount; ++f) {
        const double driven = drive.distance(f);
        if (!started && driven >= 0.0) {
            replay.lapFirst = f;
            started = true;
        }
        if (!ended && driven >= drive.trackLength) {
            replay.lapEnd = f;
            ended = true;
        }
        const double longitude = driven - drive.trackLength * std::floor(driven / drive.trackLength);
        replay.frames.push_back({true, longitude, drive.lateral(driven), drive.angle(driven)});
    }
    return made;
}

}  // namespace LapFakes
