// Puts arbitrary bytes into an N4 game folder (a replay, a track archive, a loose PTF track, an
// LP and the shared archive) and asks the N4 game about it as opening a replay does.
#include "Papy/Games/N4/N4FileFactoryRecognizer.h"
#include "fuzz/GameFolderFuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Tessel::Papy::N4FileFactoryRecognizer recognizer;
    Linewright::Fuzz::FuzzGameFolder(recognizer, {"practice4.rpy", "sebring", "ptf"}, data, size);
    return 0;
}
