#pragma once

#include "Papy/Factory/FileFactoryRecognizer.h"
#include "Papy/Factory/MakeLp.h"
#include "Papy/Factory/MakeRpy.h"
#include "Papy/Factory/MakeTrack.h"
#include "Papy/Factory/PapyDirectory.h"
#include "Papy/Lp/LpFile.h"
#include "Util/Exception.h"
#include "fuzz/FuzzQueries.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// What the game-folder fuzz targets share: one folder tree for the whole run, and one input cut
// into the files of a game folder. The input holds the files in a fixed order, each a 4-byte
// little-endian length and that many bytes (fewer when the input ends first); the files that
// the input does not reach are absent, so that every byte of every file can change.
namespace Linewright::Fuzz {

// A folder below the temporary directory for the whole run, removed at its end.
class FuzzFolder {
public:
    static const std::filesystem::path& Root() {
        static const FuzzFolder folder;
        return folder.root;
    }

private:
    FuzzFolder() = default;
    ~FuzzFolder() { std::filesystem::remove_all(root); }

    std::string pattern = (std::filesystem::temp_directory_path() / "linewright-fuzz-XXXXXX").string();
    std::filesystem::path root = ::mkdtemp(pattern.data());
};

// The input of the given files, for seeds.
inline std::string JoinFiles(const std::vector<std::string>& files) {
    std::string bytes;
    for (const std::string& file : files) {
        const auto size = static_cast<std::uint32_t>(file.size());
        for (int shift = 0; shift < 32; shift += 8)
            bytes += static_cast<char>(size >> shift & 0xFF);
        bytes += file;
    }
    return bytes;
}

// Writes the input's files below the run's folder at the given relative paths (removing those
// the input does not reach) and returns the folder.
inline const std::filesystem::path& WriteFolderFiles(const std::vector<std::string>& paths, const std::uint8_t* data,
                                                     std::size_t size) {
    const std::filesystem::path& root = FuzzFolder::Root();
    std::size_t at = 0;
    for (const std::string& path : paths) {
        const std::filesystem::path file = root / path;
        std::filesystem::create_directories(file.parent_path());
        if (at + 4 > size) {
            std::filesystem::remove(file);
            continue;
        }
        std::size_t length = data[at] | data[at + 1] << 8 | data[at + 2] << 16 | std::size_t{data[at + 3]} << 24;
        at += 4;
        length = std::min(length, size - at);
        std::ofstream(file, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(data + at), static_cast<std::streamsize>(length));
        at += length;
    }
    return root;
}

// Runs the step; an exception of the library's family is a proper answer.
template <class Step>
void Answer(Step step) {
    try {
        step();
    } catch (const Tessel::Util::Exception&) {
    }
}

// The game folder of one input: the replay in replays/ and, in tracks/<track>/, the archive
// <track>.dat, the loose track file <track>.<trackExtension>, the LP race.lp; then the archive
// tracks/shared/shared.dat.
struct GameFolderLayout {
    std::string replay;  // the file name
    std::string track;   // the track folder's name
    std::string trackExtension;

    std::vector<std::string> GetFiles() const {
        const std::string folder = "tracks/" + track + "/";
        return {"replays/" + replay, folder + track + ".dat", folder + track + "." + trackExtension, folder + "race.lp",
                "tracks/shared/shared.dat"};
    }
};

// The input of the game folder written below root, an absent file as an empty one: for seeds.
inline std::string ReadFolderFiles(const std::filesystem::path& root, const GameFolderLayout& layout) {
    std::vector<std::string> files;
    for (const std::string& path : layout.GetFiles()) {
        std::ifstream file(root / path, std::ios::binary);
        files.emplace_back(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    return JoinFiles(files);
}

// Writes the input's game folder and asks the game's recognizer about it: its tests on the
// archive and both folders, then the replay, the track (loose or archived, and from the archive
// alone) and the LP through its factories, as opening a replay and `info` do. Every fault must be
// an exception of the library's family.
inline void FuzzGameFolder(Tessel::Papy::FileFactoryRecognizer& recognizer, const GameFolderLayout& layout,
                           const std::uint8_t* data, std::size_t size) {
    using namespace Tessel::Papy;
    const std::filesystem::path& root = WriteFolderFiles(layout.GetFiles(), data, size);
    const PapyDirectory replays((root / "replays").string());
    const PapyDirectory track((root / "tracks" / layout.track).string());
    const std::string archive = (root / "tracks" / layout.track / (layout.track + ".dat")).string();
    Answer([&] { recognizer.IsDat(archive); });
    Answer([&] { recognizer.IsGameDat(archive); });
    Answer([&] { recognizer.IsGameDirectory(replays); });
    Answer([&] { recognizer.IsGameDirectory(track); });
    Answer([&] {
        const auto factory = recognizer.MakeFactoryForDirectory(replays, false);
        const std::filesystem::path replay(layout.replay);
        WalkCompleteLaps(*factory->GetFacet<MakeRpy>()->Make(replay.stem().string(), replay.extension().string().substr(1)));
    });
    Answer([&] {
        const auto factory = recognizer.MakeFactoryForDirectory(track, false);
        for (const bool archiveOnly : {false, true})
            Answer([&] { QueryTrack(*factory->GetFacet<MakeTrack>()->Make("", "", archiveOnly)); });
        const auto lp = factory->GetFacet<MakeLp>()->Make("race", "");
        for (std::uint32_t i = 0; i < lp->GetRecordCount(); ++i)
            lp->GetRecordSpeed(i);
    });
}

}  // namespace Linewright::Fuzz
