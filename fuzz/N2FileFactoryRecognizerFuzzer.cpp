// Puts arbitrary bytes into an N2 game folder (a replay, a track archive, a loose track, an LP
// and a shared archive) and asks the N2 game about it as opening a replay does.
#include "Papy/Games/N2/N2FileFactoryRecognizer.h"
#include "fuzz/GameFolderFuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Tessel::Papy::N2FileFactoryRecognizer recognizer;
    Linewright::Fuzz::FuzzGameFolder(recognizer, {"practice.rpl", "indy", "trk"}, data, size);
    return 0;
}
