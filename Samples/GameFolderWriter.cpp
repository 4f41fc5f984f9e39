#include "Samples/GameFolderWriter.h"

#include "Samples/DatWriter.h"
#include "Samples/GPLTrkWriter.h"
#include "Samples/ICR2TrkWriter.h"
#include "Samples/LapProfile.h"
#include "Samples/N3RplWriter.h"
#include "Samples/N4NodeWriters.h"
#include "Samples/RpyWriter.h"
#include "Util/PathName.h"
#include "Util/ReplacingFile.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <memory>
#include <string>

namespace Linewright::Samples {

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

// A player's pace round the track and two slower drivers', each using less of its width.
std::vector<std::shared_ptr<const LapProfile>> Paces(const std::vector<LapProfile::Piece>& pieces, double topSpeed,
                                                     double grip) {
    std::vector<std::shared_ptr<const LapProfile>> paces;
    for (const double pace : {1.0, 0.96, 0.92})
        paces.push_back(std::make_shared<LapProfile>(pieces, topSpeed * pace, grip * pace * pace, 6.0 * pace));
    return paces;
}

std::vector<LapProfile::Piece> PiecesOf(const TrkShape& shape) {
    std::vector<LapProfile::Piece> pieces;
    for (const TrkPiece& piece : shape.pieces)
        pieces.push_back({piece.Get2DLength(), piece.radius, piece.angle});
    return pieces;
}

std::vector<LapProfile::Piece> PiecesOf(const PtfShape& shape) {
    std::vector<LapProfile::Piece> pieces;
    for (const PtfPiece& piece : shape.pieces)
        pieces.push_back({piece.IsArc() ? std::fabs(piece.radius * piece.angle) : piece.length, piece.radius, piece.angle});
    return pieces;
}

// Three cars lap the track for two and a half minutes as players drive, braking for the bends
// and using the track's width: three or more complete laps each, with frames to spare before
// the first and after the last.
std::string SampleReplay(const std::vector<LapProfile::Piece>& pieces, std::uint32_t version, const std::string& track) {
    RpyScript script;
    script.version = version;
    script.trackName = track;
    script.playerFirstName = "Jim";
    script.playerLastName = "Clark";
    script.drivers = {{"Jim", "Clark", 0, 1}, {"Graham", "Hill", 1, 3}, {"Dan", "Gurney", 2, 8}};
    const auto paces = Paces(pieces, 60.0, 14.0);
    RpySession session;
    session.trackLength = paces[0]->GetLength();
    session.frameCount = 150 * 36;
    session.drives = {{0, true, session.trackLength - 30.0, 0.0, 0.0, {}, paces[0]},
                      {1, false, session.trackLength - 60.0, 0.0, 0.0, {}, paces[1]},
                      {2, false, session.trackLength - 90.0, 0.0, 0.0, {}, paces[2]}};
    AddSession(script, session);
    script.frameCountHint = session.frameCount;
    return WriteRpy(script);
}

// The N2 sample: Indy cars on the oval, two minutes at 1/15 s a frame; the player, driver 1,
// crosses more than one LP record spacing (3.33 m) in each frame, even through the bends.
std::string SampleN3Replay(const TrkShape& shape, const std::string& track) {
    N3Script script;
    script.trackName = track;
    script.drivers = {{"Rick Mears", 3}, {"Al Unser", 2}, {"Bobby Rahal", 18}};
    const auto paces = Paces(PiecesOf(shape), 75.0, 30.0);
    N3Session session;
    session.trackLength = paces[0]->GetLength();
    session.frameCount = static_cast<std::uint32_t>(120 * n3FramesPerSecond);
    session.drives = {{1, session.trackLength - 100.0, 0.0, 0.0, {}, paces[0]},
                      {0, session.trackLength / 2.0, 0.0, 0.0, {}, paces[1]},
                      {2, session.trackLength - 20.0, 0.0, 0.0, {}, paces[2]}};
    AddN3Session(script, session);
    return WriteN3Rpl(script);
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
    WriteFile(folder.replay, SampleReplay(PiecesOf(shape), 2, trackName));

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
    WriteFile(folder.replay, SampleN3Replay(shape, folder.trackName));
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
    for (const std::uint32_t version : options.replayVersions) {
        folder.replays.push_back(root / "replays" / ("practice" + std::to_string(version) + ".rpy"));
        WriteFile(folder.replays.back(), SampleReplay(PiecesOf(shape), version, n4TrackName));
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

const std::vector<FamilySample>& FamilySamples() {
    static const std::vector<FamilySample> samples = {
        {"gpl", [](const std::filesystem::path& root) { return std::vector{WriteGPLFolder(root).replay}; }},
        {"n2", [](const std::filesystem::path& root) { return std::vector{WriteN2Folder(root).replay}; }},
        {"n4", [](const std::filesystem::path& root) { return WriteN4Folder(root).replays; }}};
    return samples;
}

}  // namespace Linewright::Samples
