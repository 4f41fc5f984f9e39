#pragma once

#include <memory>
#include <string>

namespace Tessel::Papy {
class FileFactory;
class RpyFile;
}  // namespace Tessel::Papy

namespace Linewright {

// One opened replay, with the file factory of the game that owns the replay's track directory.
// Shared by both front ends; it shows nothing and writes nothing. Everything done later with
// the replay (listing laps, LP types, creating the LP, finding the track and the output
// directory) goes through GetRpy and GetTrackFactory.
class CLinewrightDoc {
public:
    // Opens the replay at path: recognises the game of the replay's directory, reads the replay
    // with that game's reader, and asks the registry for the factory of the track directory
    // ("tracks" beside the replay's directory, then the track's name; either found without
    // regard to letter case). Throws on any failure (the reader's XFileFormat, XUsage for a
    // missing replay or a track name that is no directory name, XAssertion "!Root" for a replay
    // in the root directory, ...); the document then keeps the replay and factory it held.
    void OnOpenDocument(const std::string& path);

    // The replay at path, read by the game of its directory through that factory's MakeRpy.
    // Throws what OnOpenDocument throws for the replay itself.
    static std::shared_ptr<Tessel::Papy::RpyFile> ReadReplay(const std::string& path);

    // Copies of the held pointers; empty while no replay is open.
    std::shared_ptr<Tessel::Papy::RpyFile> GetRpy() const { return m_rpy; }
    std::shared_ptr<Tessel::Papy::FileFactory> GetTrackFactory() const { return m_factory; }

private:
    // Declared in this order so that the factory is released before the replay.
    std::shared_ptr<Tessel::Papy::RpyFile> m_rpy;
    std::shared_ptr<Tessel::Papy::FileFactory> m_factory;
};

}  // namespace Linewright
