#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// Writes synthetic game folders laid out as the games keep them, from the format writers: the
// sample of linewright-cli and the folders of the tests that open replays end to end.
namespace Linewright::Samples {

struct GPLFolderOptions {
    bool looseTrack = false;  // the TRK file beside the archive's place instead of inside it
    bool upperCase = false;   // every directory and file name in upper case
};

struct GPLFolder {
    std::filesystem::path replay;          // <root>/replays/practice.rpy
    std::filesystem::path trackDirectory;  // <root>/tracks/monza
    std::string trackName;                 // monza, as the replay names it
};

// A GPL game folder below root: replays/practice.rpy, a GPL replay in which three cars lap the
// sample track several times as players drive (braking for the bends, using the track's
// width), and tracks/monza holding monza.dat, an ICR2 archive with the track's TRK file and an
// object file stub (or, with looseTrack, monza.trk and the stub loose). Existing files are
// replaced; each appears whole or not at all.
GPLFolder WriteGPLFolder(const std::filesystem::path& root, const GPLFolderOptions& options = {});

struct N2Folder {
    std::filesystem::path replay;          // <root>/replays/practice.rpl
    std::filesystem::path trackDirectory;  // <root>/tracks/indy
    std::string trackName;                 // indy, as the replay names it
    double trackLength;                    // the track's 2D length, metres
};

// An N2 game folder below root: replays/practice.rpl, an N3 replay in which three cars lap the
// ICR2 sample track several times (the player, driver 1, faster than one LP record spacing per
// frame), and tracks/indy holding indy.dat, an ICR2 archive with the track's TRK file and an
// object file stub that begins with "3DO3". Existing files are replaced; each appears whole or
// not at all.
N2Folder WriteN2Folder(const std::filesystem::path& root);

struct N4FolderOptions {
    std::vector<std::uint32_t> replayVersions = {4, 5};  // 3 and 4 are N4's, 5 N2003's
    bool looseTrack = false;  // the PTF file loose in the track folder instead of in its archive
};

struct N4Folder {
    std::vector<std::filesystem::path> replays;  // <root>/replays/practice<version>.rpy
    std::filesystem::path trackDirectory;        // <root>/tracks/sebring
    std::string trackName;                       // sebring, as the replays name it
};

// An N4 game folder below root: per version a replay in which three cars lap the sample PTF
// track several times, and tracks/sebring holding sebring.dat, an N4 archive with the track's
// PTF file imploded and a stored texture (or, with looseTrack, sebring.ptf and the texture
// loose). Existing files are replaced; each appears whole or not at all.
N4Folder WriteN4Folder(const std::filesystem::path& root, const N4FolderOptions& options = {});

// A family's sample: the name that `sample --family` takes, and the writer of its game folder
// with the default options, which returns the folder's replays.
struct FamilySample {
    std::string family;
    std::function<std::vector<std::filesystem::path>(const std::filesystem::path& root)> write;
};

// Every family's sample, in the order of their names; a new family adds its line here.
const std::vector<FamilySample>& FamilySamples();

}  // namespace Linewright::Samples
