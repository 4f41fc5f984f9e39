#include "Linewright/CLinewrightDoc.h"
#include "Papy/Factory/FileFactory.h"
#include "Papy/Replays/RpyFile.h"
#include "Samples/GameFolderWriter.h"
#include "Samples/RpyWriter.h"
#include "Util/Exception.h"
#include "testing/TemporaryFolder.h"
#include "tests/Failures.h"

#include <gtest/gtest.h>

using namespace Linewright;
using namespace Linewright::Samples;
using namespace Linewright::Testing;
using namespace Tessel::Util;

namespace {

class DocumentTest : public ::testing::Test {
protected:
    std::string WriteReplay(const std::string& name, RpyScript script) {
        return folder.Write("gpl/replays/" + name, WriteRpy(script)).string();
    }

    TemporaryFolder folder;
    const GPLFolder game = WriteGPLFolder(folder / "gpl");
    CLinewrightDoc document;
};

}  // namespace

TEST_F(DocumentTest, ReplaysOfOneTrackShareItsFactory) {
    RpyScript script = ExampleRpyScript(2);
    const std::string second = WriteReplay("second.rpy", script);
    document.OnOpenDocument(game.replay.string());
    const auto first = document.GetRpy();
    const auto factory = document.GetTrackFactory();
    document.OnOpenDocument(second);
    EXPECT_NE(document.GetRpy(), first);
    EXPECT_EQ(document.GetTrackFactory(), factory);
}

TEST_F(DocumentTest, AFailedOpenKeepsTheDocumentWhole) {
    document.OnOpenDocument(game.replay.string());
    const auto replay = document.GetRpy();
    const auto factory = document.GetTrackFactory();

    std::string bytes = WriteRpy(ExampleRpyScript(2));
    bytes[12] = 'X';  // the header's id
    const std::string broken = folder.Write("gpl/replays/broken.rpy", bytes).string();
    EXPECT_THROW(document.OnOpenDocument(broken), XFileFormat);
    const std::string missing = (folder / "gpl/replays/missing.rpy").string();
    EXPECT_EQ(UsageText([&] { document.OnOpenDocument(missing); }), missing + ": file not found");
    // Read completely, but its track name leads out of the tracks directory.
    RpyScript script = ExampleRpyScript(2);
    script.trackName = "..";
    EXPECT_THROW(document.OnOpenDocument(WriteReplay("escape.rpy", script)), XUsage);

    EXPECT_EQ(document.GetRpy(), replay);
    EXPECT_EQ(document.GetTrackFactory(), factory);
}

TEST_F(DocumentTest, AnUnclaimedDirectoryIsReadByTheDefaultGame) {
    const std::string junk = folder.Write("elsewhere/lap.rpy", "not a replay at all").string();
    EXPECT_EQ(FormatFault(junk, [&] { document.OnOpenDocument(junk); }), "GPL rpy file id not RPLY");
    EXPECT_EQ(document.GetRpy(), nullptr);
    EXPECT_EQ(document.GetTrackFactory(), nullptr);
}
