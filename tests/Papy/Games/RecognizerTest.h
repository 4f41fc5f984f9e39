#pragma once

#include "Papy/Factory/FileFactory.h"
#include "Papy/Factory/PapyDirectory.h"
#include "testing/TemporaryFolder.h"
#include "tests/Papy/PapyTestSupport.h"
#include "tests/PathText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

namespace Tessel::Papy {

// Object file heads as the files store their ids: the last character first.
inline const std::string object3 = std::string("3OD3") + std::string(4, '\0');
inline const std::string object4 = std::string("4OD3") + std::string(4, '\0');

// One game's recognizer over a fresh folder.
template <class Recognizer>
class RecognizerTest : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& bytes) { return Shown(folder.Write(name, bytes)); }
    bool IsGameDirectory(const std::string& name) {
        return recognizer.IsGameDirectory(PapyDirectory(Shown(folder / name)));
    }
    std::shared_ptr<FileFactory> Factory(const std::string& name) {
        return recognizer.MakeFactoryForDirectory(PapyDirectory(Shown(folder / name)), false);
    }

    TemporaryFolder folder;
    Recognizer recognizer;
};

}  // namespace Tessel::Papy
