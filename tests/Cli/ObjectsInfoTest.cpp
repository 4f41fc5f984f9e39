#include "tests/Cli/RunCli.h"

#include "testing/N4NodeWriters.h"
#include "testing/TemporaryFolder.h"

#include <gtest/gtest.h>

namespace {

using namespace Linewright::Testing;

// info reads object archives through the N4 game's factory; without that game there is none.
bool NoGameReads(const CliResult& result) { return result.err.find("no game reads") != std::string::npos; }

TEST(CliObjectsInfo, CountsTheObjectsOfA3doAndOfAPtf) {
    const TemporaryFolder folder;
    const auto tdo = RunCli({"info", folder.Write("car.3do", WriteArchive(SampleTdoTree())).string()});
    if (NoGameReads(tdo))
        GTEST_SKIP() << tdo.err;
    EXPECT_EQ(tdo.out, "format: N4 3do\nobjects: 9\n") << tdo.err;

    // A PTF file is a track first: its sections (segments) and lengths, then its objects.
    const auto ptf = RunCli({"info", folder.Write("oval.ptf", WritePtf(SamplePtfShape())).string()});
    EXPECT_EQ(ptf.out.substr(0, 26), "format: N4 ptf\nsections: 8") << ptf.err;
    EXPECT_NE(ptf.out.find("\nobjects: 35\n"), std::string::npos) << ptf.out;
}

TEST(CliObjectsInfo, ADamagedArchiveGivesItsReadersMessage) {
    const TemporaryFolder folder;
    const ArchiveRef tree = SampleTdoTree();
    FindObject(tree, "ShapeDescriptor")->Set("reserved0", U32Bytes(0));
    const auto result = RunCli({"info", folder.Write("car.3do", WriteArchive(tree)).string()});
    if (NoGameReads(result))
        GTEST_SKIP() << result.err;
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("N4 3do Shape reserved0 not 1"), std::string::npos) << result.err;
    EXPECT_EQ(result.out, "");
}

}  // namespace
