// Puts arbitrary bytes into a track folder as its archive and asks the GPL game about it: the
// recognizer's tests, then the track through the factory, as opening a replay does. Every fault
// must be an exception of the library's family.
#include "Papy/Games/GPL/GPLFileFactoryRecognizer.h"
#include "Papy/Factory/MakeTrack.h"
#include "Util/Exception.h"
#include "fuzz/GameFolderFuzzing.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>

namespace {

// One track folder for the whole run.
const std::filesystem::path& TrackFolder() {
    static const std::filesystem::path track = [] {
        const auto folder = Linewright::Fuzz::FuzzFolder::Root() / "monza";
        std::filesystem::create_directories(folder);
        return folder;
    }();
    return track;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string archive = (TrackFolder() / "monza.dat").string();
    std::ofstream(archive, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    Tessel::Papy::GPLFileFactoryRecognizer recognizer;
    try {
        recognizer.IsDat(archive);
        recognizer.IsGameDat(archive);
        const Tessel::Papy::PapyDirectory directory(TrackFolder().string());
        recognizer.IsGameDirectory(directory);
        const auto factory = recognizer.MakeFactoryForDirectory(directory, false);
        factory->GetFacet<Tessel::Papy::MakeTrack>()->Make("", "", false);
    } catch (const Tessel::Util::Exception&) {
    }
    return 0;
}
