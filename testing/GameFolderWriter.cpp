#include "testing/GameFolderWriter.h"

#include "testing/DatWriter.h"
#include "testing/GPLTrkWriter.h"
#include "testing/ICR2TrkWriter.h"
#include "testing/N3RplWriter.h"
#include "testing/N4NodeWriters.h"
#include "testing/RpyWriter.h"
#include "Util/PathName.h"
#include "Util/ReplacingFile.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>

namespace Linewright::Testing {

namespace {

constexpr const char* trackName = "monza";
constexpr const char* n4TrackName = "sebring";

std::string Name(std::string name, const GPLFolderOptions& options) {
    if (options.upperCase)
        std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::toupper(c); });
    return name;
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    Tessel::Util::ReplacingFile file(Tessel::Util::ToText(path));
    file.GetStream().Write(static_cast<std::uint32_t>(bytes.size()), bytes.data());
    file.Commit(true);
}

// Three cars lap the track at steady speeds for two and a half minutes: four or more complete
// laps each, with frames to spare before the first and after the last.
std::string SampleReplay(double trackLength, std::uint32_t version, const std::string& track) {
    RpyScript script;
    script.version = version;
    script.trackName = track;
    script.playerFirstName = "Jim";
    script.playerLastName = "Clark";
    script.drivers = {{"Jim", "Clark", 0, 1}, {"Graham", "Hill", 1, 3}, {"Dan", "Gurney", 2, 8}};
    RpySession session;
    session.trackLength = trackLength;
    session.frameCount = 150 * 36;
    session.drives = {{0, true, trackLength - 30.0, 46.0, 1.5, {}},
                      {1, false, trackLength - 60.0, 44.5, -2.0, {}},
                      {2, false, trackLength - 90.0, 43.0, 3.0, {}}};
    AddSession(script, session);
    script.frameCountHint = session.frameCount;
    return WriteRpy(script);
}

// The object files of the track: a stub of an object file, which begins with its id ("3DO4"
// for GPL, "3DO3" for N2) stored highest byte first.
std::string ObjectStub(char version) { return std::string{version, 'O', 'D', '3'} + std::string(12, '\0'); }

}  // namespace

GPLFolder WriteGPLFolder(const std::filesystem::path& root, const GPLFolderOptions& options) {
    const TrkShape shape = SampleTrkShape();
    GPLFolder folder;
    folder.trackName = trackName;
    folder.replay = root / Name("replays", options) / Name("practice.rpy", options);
    folder.trackDirectory = root / Name("tracks", options) / Name(trackName, options);
    WriteFile(folder.replay, SampleReplay(shape.Get2DLength(), 2, trackName));

    const std::vector<DatEntry> members = {{Name("monza.trk", options), WriteGPLTrk(shape), false},
                                           {Name("monza.3do", options), ObjectStub('4'), false}};
    if (options.looseTrack) {
        for (const DatEntry& member : members)
            WriteFile(folder.trackDirectory / member.name, member.contents);
    } else {
        WriteFile(folder.trackDirectory / Name("monza.dat", options), WriteICR2Dat(members));
    }
    return folder;
}

N2Folder WriteN2Folder(const std::filesystem::path& root) {
    const TrkShape shape = SampleICR2TrkShape();
    N2Folder folder;
    folder.trackName = "indy";
    folder.replay = root / "replays" / "practice.rpl";
    folder.trackDirectory = root / "tracks" / folder.trackName;
    folder.trackLength = shape.Get2DLength();
    // 62 m/s crosses more than one record spacing (3.33 m) in each 1/15 s frame.
    N3Script script = ExampleN3Script(folder.trackLength, 62.0, 120.0);
    script.trackName = folder.trackName;
    WriteFile(folder.replay, WriteN3Rpl(script));
    const std::vector<DatEntry> members = {{"indy.trk", WriteICR2Trk(shape), false},
                                           {"indy.3do", ObjectStub('3'), false}};
    WriteFile(folder.trackDirectory / "indy.dat", WriteICR2Dat(members));
    return folder;
}

N4Folder WriteN4Folder(const std::filesystem::path& root, const N4FolderOptions& options) {
    N4Folder folder;
    folder.trackName = n4TrackName;
    folder.trackDirectory = root / "tracks" / n4TrackName;
    const PtfShape shape = SamplePtfShape();
    double length = 0.0;
    for (const PtfPiece& piece : shape.pieces)
        length += piece.IsArc() ? std::fabs(piece.radius * piece.angle) : piece.length;
    for (const std::uint32_t version : options.replayVersions) {
        folder.replays.push_back(root / "replays" / ("practice" + std::to_string(version) + ".rpy"));
        WriteFile(folder.replays.back(), SampleReplay(length, version, n4TrackName));
    }
    const std::vector<DatEntry> members = {{std::string(n4TrackName) + ".ptf", WritePtf(shape), true},
                                           {"road.tga", std::string(64, '\x7f'), false}};
    if (options.looseTrack) {
        for (const DatEntry& member : members)
            WriteFile(folder.trackDirectory / member.name, member.contents);
    } else {
        WriteFile(folder.trackDirectory / (std::string(n4TrackName) + ".dat"), WriteN4Dat(members));
    }
    return folder;
}

}  // namespace Linewright::Testing
