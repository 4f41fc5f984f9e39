#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Games/GPL/GPLFileFactoryRecognizer.h"
#include "Papy/Games/N2/N2FileFactoryRecognizer.h"
#include "Papy/Games/N4/N4FileFactoryRecognizer.h"

namespace Tessel::Papy {

// Every game, in the order in which the registry asks them; the first is the default.
FileFactoryRegistry& FileFactoryRegistry::Instance() {
    static FileFactoryRegistry registry = [] {
        FileFactoryRegistry games;
        games.Register(std::make_shared<GPLFileFactoryRecognizer>());
        games.Register(std::make_shared<N2FileFactoryRecognizer>());
        games.Register(std::make_shared<N4FileFactoryRecognizer>());
        return games;
    }();
    return registry;
}

}  // namespace Tessel::Papy
