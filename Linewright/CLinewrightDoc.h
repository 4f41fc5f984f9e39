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
    // in the root directory, ...); the document then keeps the replay and factory it held. A
    // missing track directory is no failure here: the laps can be listed without the track.
    // With trackFile the track is that file instead, whatever it is called, read by the game
    // of its folder, which is then the track directory.
    void OnOpenDocument(const std::string& path, const std::string& trackFile = "");

    // The replay at path, read by the game of its directory through that factory's MakeRpy.
    // Throws what OnOpenDocument throws for the replay itself.
    static std::shared_ptr<Tessel::Papy::RpyFile> ReadReplay(const std::string& path);

    // Copies of the held pointers; empty while no replay is open. The factory is also empty
    // when the replay's track directory does not exist.
    std::shared_ptr<Tessel::Papy::RpyFile> GetRpy() const { return m_rpy; }
    std::shared_ptr<Tessel::Papy::FileFactory> GetTrackFactory() const { return m_factory; }
    // The factory of the open replay's track directory. Throws XUsage "The track folder <path>
    // was not found" when that directory does not exist, and XUsage when no replay is open.
    std::shared_ptr<Tessel::Papy::FileFactory> RequireTrackFactory() const;
    // The track file chosen when the replay was opened; empty for the track directory's own.
    const std::string& GetTrackFile() const { return m_trackFile; }

private:
    // Declared in this order so that the factory is released before the replay.
    std::shared_ptr<Tessel::Papy::RpyFile> m_rpy;
    std::shared_ptr<Tessel::Papy::FileFactory> m_factory;
    std::string m_trackDirectory;  // where the replay's track was looked for
    std::string m_trackFile;
};

}  // namespace Linewright
