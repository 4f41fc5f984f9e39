#include "tests/Cli/RunCli.h"

#include "Samples/DatWriter.h"
#include "testing/TemporaryFolder.h"

#include <gtest/gtest.h>


using Linewright::Samples::DatEntry;

namespace {

// A folder with one archive of each format.
struct Archives {
    Archives() {
        icr2 = folder.Write("icr2.dat", Linewright::Samples::WriteICR2Dat({{"track.trk", "TRK"}, {"a.3do", "3DO"}}))
                   .string();
        n4 = folder.Write("n4.dat", Linewright::Samples::WriteN4Dat({{"track.ptf", "the track", true},
                                                                     {"art\\a.mip", "texture"}}))
                 .string();
    }
    TemporaryFolder folder;
    std::string icr2;
    std::string n4;
};

}  // namespace

TEST(DatCli, ListsMembersAndDescribesArchives) {
    Archives archives;
    const auto icr2 = RunCli({"dat", "list", archives.icr2});
    EXPECT_EQ(icr2.status, 0);
    EXPECT_EQ(icr2.out, "track.trk\t3\t3\tstored\na.3do\t3\t3\tstored\n");
    const auto n4 = RunCli({"dat", "list", archives.n4});
    EXPECT_EQ(n4.out, "track.ptf\t9\t" + std::to_string(Linewright::Samples::PackLiterals("the track").size()) +
                          "\timploded\nart\\a.mip\t7\t7\tstored\n");
    EXPECT_EQ(RunCli({"info", archives.n4}).out, "format: N4 dat\nmembers: 2\n");
    EXPECT_EQ(RunCli({"info", archives.icr2}).out, "format: ICR2 dat\nmembers: 2\n");
    EXPECT_EQ(RunCli({"dat", "list", archives.n4, "--format", "zip"}).status, 2);
    EXPECT_EQ(RunCli({"dat", "list", (archives.folder / "none.dat").string()}).status, 1);
}

TEST(DatCli, ExtractsOneMember) {
    Archives archives;
    EXPECT_EQ(RunCli({"dat", "extract", archives.n4, "TRACK.PTF"}).out, "the track");
    const std::string target = (archives.folder / "a.mip").string();
    EXPECT_EQ(RunCli({"dat", "extract", archives.n4, "art/a.mip", "-o", target}).status, 0);
    EXPECT_EQ(ReadFile(target), "texture");
    EXPECT_EQ(RunCli({"dat", "extract", archives.n4, "track.ptf", "-o", target, "--overwrite"}).status, 0);
    EXPECT_EQ(ReadFile(target), "the track");
    const auto missing = RunCli({"dat", "extract", archives.n4, "a.mip"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, archives.n4 + ": no member called a.mip\n");
    // A member whose bytes the archive does not hold fails by name, writing nothing.
    const std::string cut = Linewright::Samples::WriteICR2Dat({{"big.trk", std::string(100000, 'b')}});
    const auto shortArchive = archives.folder.Write("short.dat", cut.substr(0, 1000)).string();
    const auto failed = RunCli({"dat", "extract", shortArchive, "big.trk", "-o", (archives.folder / "big").string()});
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.err.find("big.trk"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(archives.folder / "big"));
    EXPECT_EQ(RunCli({"dat", "extract", archives.n4}).status, 2);
    EXPECT_EQ(RunCli({"dat", "extract", archives.n4, "--all"}).status, 2);
    EXPECT_EQ(RunCli({"dat", "extract", archives.n4, "a.mip", "--all", "-C", "x"}).status, 2);
}

TEST(DatCli, ExtractsAllMembersOnlyBelowTheTargetFolder) {
    Archives archives;
    const auto out = archives.folder / "out";
    EXPECT_EQ(RunCli({"dat", "extract", archives.n4, "--all", "-C", out.string()}).status, 0);
    EXPECT_EQ(ReadFile(out / "track.ptf"), "the track");
    EXPECT_EQ(ReadFile(out / "art/a.mip"), "texture");
    EXPECT_EQ(RunCli({"dat", "extract", archives.n4, "--all", "-C", out.string(), "--overwrite"}).status, 0);
    // Names that lead out of the folder, clash in case or hold control characters: checked
    // before any member is written.
    std::vector<std::vector<DatEntry>> refused = {
        {{"track.ptf", "a"}, {"TRACK.PTF", "b"}},
        {{"art\\a.mip", "a"}, {"ART/A.MIP", "b"}},
        {{"track.ptf", "a"}, {"evil\x1b]0;pwned\x07.txt", "b"}},
    };
    for (const std::string name : {"..\\evil.txt", "art\\..\\..\\evil.txt", "\\evil.txt", "/evil.txt", "C:evil.txt",
                                   "art\\\\evil.txt", "art\\", ""})
        refused.push_back({{"first.txt", "x"}, {name, "y"}});
    refused.push_back({{"line\nbreak.txt", "a"}});
    const auto inner = archives.folder / "inner";
    for (const auto& members : refused) {
        const auto archive = archives.folder.Write("bad.dat", Linewright::Samples::WriteN4Dat(members));
        const auto result = RunCli({"dat", "extract", archive.string(), "--all", "-C", inner.string()});
        EXPECT_EQ(result.status, 1) << members.back().name;
        EXPECT_EQ(result.err.find('\x1b'), std::string::npos);
        EXPECT_FALSE(std::filesystem::exists(inner)) << members.back().name;
        EXPECT_FALSE(std::filesystem::exists(archives.folder / "evil.txt")) << members.back().name;
    }
    EXPECT_EQ(RunCli({"dat", "list", (archives.folder / "bad.dat").string()}).out, "line\\x0abreak.txt\t1\t1\tstored\n");
}

TEST(DatCli, CreatesArchivesFromAFolder) {
    TemporaryFolder folder;
    folder.Write("monza/monza.trk", "the track");
    folder.Write("monza/readme.txt", "words");
    const auto icr2 = RunCli({"dat", "create", "icr2", (folder / "monza").string()});
    EXPECT_EQ(icr2.status, 0) << icr2.err;
    EXPECT_EQ(icr2.out, "Included files\n\nmonza.trk\n\nExcluded files\n\nreadme.txt\tUnsuitable extension\n");
    EXPECT_EQ(RunCli({"dat", "list", (folder / "monza/monza.dat").string()}).out, "monza.trk\t9\t9\tstored\n");
    folder.Write("monza/monza.3do", "the objects");
    const CliResult replaced = RunCli({"dat", "create", "icr2", (folder / "monza").string(), "--overwrite"});
    EXPECT_EQ(replaced.status, 0) << replaced.err;
    EXPECT_EQ(RunCli({"dat", "list", (folder / "monza/monza.dat").string()}).out,
              "monza.3do\t11\t11\tstored\nmonza.trk\t9\t9\tstored\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "monza"), {}), 4);

    folder.Write("spa/track.ptf", std::string(5000, 'p'));
    const auto n4 = RunCli({"dat", "create", "n4", (folder / "spa").string()});
    EXPECT_EQ(n4.out, "N4 Dat file created\n");
    EXPECT_EQ(RunCli({"dat", "extract", (folder / "spa/spa.dat").string(), "track.ptf"}).out, std::string(5000, 'p'));

    folder.Write("empty/readme.txt", "nothing for the game");
    const auto empty = RunCli({"dat", "create", "icr2", (folder / "empty").string()});
    EXPECT_EQ(empty.status, 1);
    EXPECT_FALSE(std::filesystem::exists(folder / "empty/empty.dat"));
    EXPECT_EQ(RunCli({"dat", "create", "zip", (folder / "spa").string()}).status, 2);
    EXPECT_EQ(RunCli({"dat", "create", "n4", (folder / "missing").string()}).status, 1);
}

TEST(DatCli, OverwriteReplacesALinkAmongTheMembersItself) {
    Archives archives;
    const auto out = archives.folder / "out";
    std::filesystem::create_directories(out);
    if (!TryCreateSymlink(archives.folder / "gone", out / "track.ptf"))
        GTEST_SKIP() << "no symbolic links on this system";
    EXPECT_EQ(RunCli({"dat", "extract", archives.n4, "--all", "-C", out.string(), "--overwrite"}).status, 0);
    EXPECT_EQ(ReadFile(out / "track.ptf"), "the track");
    EXPECT_FALSE(std::filesystem::exists(archives.folder / "gone"));
}
