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
#include <utility>
#include <vector>

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

    // Folders of the named files, each with whether the game takes it; an empty one has none.
    struct Folder {
        const char* name;
        std::vector<std::pair<std::string, std::string>> files;
        bool ours;
    };
    void ExpectGameDirectories(const std::vector<Folder>& folders) {
        for (const Folder& f : folders) {
            std::filesystem::create_directories(folder / f.name);
            for (const auto& [name, bytes] : f.files)
                Write(std::string(f.name) + "/" + name, bytes);
            EXPECT_EQ(IsGameDirectory(f.name), f.ours) << f.name;
        }
    }

    TemporaryFolder folder;
    Recognizer recognizer;
};

}  // namespace Tessel::Papy
