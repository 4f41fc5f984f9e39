#include "Papy/Archives/ICR2DatFile.h"
#include "Samples/DatWriter.h"
#include "Util/Exception.h"
#include "testing/TemporaryFolder.h"
#include "tests/Failures.h"
#include "tests/Papy/PapyTestSupport.h"
#include "tests/PathText.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>

using namespace Tessel::Papy;
using Linewright::Samples::DatEntry;
using Linewright::Samples::WriteICR2Dat;

namespace {

const std::vector<DatEntry> SampleEntries = {{"track.trk", "TRACK DATA"}, {"a.3do", "object"}, {"empty.win", ""}};

// The archive's bytes with one byte of the directory changed: field offset within member's record.
std::string WithRecordByte(std::string archive, int member, int field, char value) {
    archive[2 + 27 * member + field] = value;
    return archive;
}

std::string FormatFault(const TemporaryFolder& folder, const std::string& bytes) {
    const std::string path = Shown(folder.Write("bad.dat", bytes));
    return Linewright::Testing::FormatFault(path, [&] { ICR2DatFile(path, false); });
}

}  // namespace

TEST(ICR2DatFile, ReadsMembersAndFindsThemWithoutRegardToCase) {
    TemporaryFolder folder;
    const auto path = folder.Write("x.dat", WriteICR2Dat(SampleEntries));
    std::shared_ptr<Tessel::Util::BinaryStream> member;
    {
        ICR2DatFile archive(Shown(path), false);
        ASSERT_EQ(archive.GetMemberCount(), 3u);
        EXPECT_EQ(archive.GetMemberBaseName(0), "track");
        EXPECT_EQ(archive.GetMemberExtension(0), "trk");
        EXPECT_EQ(archive.GetMemberFolder(0), "");
        EXPECT_EQ(archive.GetMemberSize(1), 6u);
        EXPECT_EQ(ReadRest(*archive.OpenMember(1)), "object");
        EXPECT_EQ(ReadRest(*archive.OpenMember(2)), "");
        EXPECT_EQ(archive.FindMember("nothere.trk"), nullptr);
        EXPECT_EQ(archive.FindMember("track"), nullptr);
        member = archive.FindMember("TRACK.TRK");
        ASSERT_NE(member, nullptr);
    }
    // The member keeps the archive's file open after the archive object is gone.
    EXPECT_EQ(member->GetName(), "track.trk");
    EXPECT_EQ(ReadRest(*member), "TRACK DATA");
}

TEST(ICR2DatFile, RejectsEveryDirectoryFault) {
    TemporaryFolder folder;
    const std::string good = WriteICR2Dat(SampleEntries);
    EXPECT_EQ(FormatFault(folder, WriteICR2Dat({})), "ICR2 dat file subfile count error");
    std::string negative = good;
    negative[1] = '\x80';
    EXPECT_EQ(FormatFault(folder, negative), "ICR2 dat file subfile count error");
    EXPECT_EQ(FormatFault(folder, WithRecordByte(good, 1, 0, 4)), "ICR2 dat file signature not 5");
    EXPECT_EQ(FormatFault(folder, WithRecordByte(good, 1, 1, 2)), "ICR2 dat file unknown compression method");
    EXPECT_EQ(FormatFault(folder, WithRecordByte(good, 2, 6, 1)), "ICR2 dat file subfile size mismatch");
    const std::string longName = WriteICR2Dat({{"abcdefghi.trk", "x"}});  // 13 characters, no terminator
    EXPECT_EQ(FormatFault(folder, longName), "accepted");
    StrictScope strict;
    EXPECT_EQ(FormatFault(folder, longName), "ICR2 dat file subfile name not 8.3");
    EXPECT_EQ(FormatFault(folder, good), "accepted");
}

TEST(ICR2DatFile, TruncatedDirectoryIsAReadFault) {
    TemporaryFolder folder;
    const std::string good = WriteICR2Dat(SampleEntries);
    for (const std::size_t length : {std::size_t{0}, std::size_t{1}, std::size_t{2}, std::size_t{30}, std::size_t{82}}) {
        const auto path = folder.Write("cut.dat", good.substr(0, length));
        EXPECT_THROW(ICR2DatFile(Shown(path), false), Tessel::Util::XFileRead) << length;
    }
    // A count far beyond the file is refused before anything is reserved for it.
    std::string huge = good;
    huge[0] = '\xFF';
    huge[1] = '\x7F';
    EXPECT_THROW(ICR2DatFile(Shown(folder.Write("huge.dat", huge)), false), Tessel::Util::XFileRead);
    // A member whose data lie beyond the end fails when read, naming the member.
    const auto path = folder.Write("short.dat", good.substr(0, good.size() - 3));
    ICR2DatFile archive(Shown(path), false);
    try {
        ReadRest(*archive.OpenMember(1));
        ADD_FAILURE();
    } catch (const Tessel::Util::XFileRead& error) {
        EXPECT_EQ(error.GetName(), "a.3do");
    }
}

TEST(ICR2DatFile, GathersWhatTheGameReadsAndReportsTheRest) {
    TemporaryFolder folder;
    for (const char* name : {"setup.bb1", "setup.xx1", "setup.bb4", "readme.txt", "longname01.trk", "track.trk",
                             "setup.trk", "SETUP.MU3", "setup", "notes", "t.longext"})
        folder.Write(std::string("t/") + name, name);
    std::filesystem::create_directories(folder / "t/sub");
    ICR2DatFile archive(NewArchive{}, Shown(folder / "t/t.dat"));
    testing::internal::CaptureStdout();
    archive.GatherFiles(&std::cout);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Included files\n\nSETUP.MU3\nsetup.bb1\nsetup.trk\ntrack.trk\n"
              "\nExcluded files\n\n"
              "longname01.trk\tName not 8.3\nnotes\tUnsuitable extension\nreadme.txt\tUnsuitable extension\n"
              "setup\tUnknown setup type\nsetup.bb4\tUnknown setup type\nsetup.xx1\tUnknown setup type\n"
              "t.longext\tName not 8.3\n");
    testing::internal::CaptureStdout();
    archive.GatherFiles(nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(archive.GetMemberCount(), 4u);
}

TEST(ICR2DatFile, BuildsFromItsOwnFolderWhateverTheCurrentDirectory) {
    TemporaryFolder folder;
    folder.Write("t/track.trk", "the track");
    folder.Write("t/abcdefgh.3do", std::string(70000, 'o'));
    folder.Write("t/empty.win", "");
    folder.Write("elsewhere/track.trk", "a decoy");
    {
        const WorkingFolderScope elsewhere(folder / "elsewhere");
        ICR2DatFile created(NewArchive{}, Shown(folder / "t/t.dat"));
        created.GatherFiles(nullptr);
        created.Build();
        EXPECT_EQ(ReadRest(*created.FindMember("track.trk")), "the track");
    }
    const std::string bytes = ReadFile(folder / "t/t.dat");
    // abcdefgh.3do sorts first; its 12-character name leaves the field's last byte zero.
    EXPECT_EQ(bytes.substr(2 + 10, 13), std::string("abcdefgh.3do") + '\0');
    EXPECT_EQ(bytes.size(), 2 + 3 * 27 + 70000 + 9u);
    ICR2DatFile archive(Shown(folder / "t/t.dat"), false);
    ASSERT_EQ(archive.GetMemberCount(), 3u);
    EXPECT_EQ(ReadRest(*archive.OpenMember(0)), std::string(70000, 'o'));
    EXPECT_EQ(ReadRest(*archive.OpenMember(1)), "");
    EXPECT_EQ(ReadRest(*archive.OpenMember(2)), "the track");
}

TEST(ICR2DatFile, RefusesWhatItCannotWriteAndLeavesNoFile) {
    TemporaryFolder folder;
    folder.Write("t/readme.txt", "not for the game");
    const std::string path = Shown(folder / "t/t.dat");
    ICR2DatFile empty(NewArchive{}, path);
    empty.GatherFiles(nullptr);
    EXPECT_THROW(empty.Build(), Tessel::Util::XUsage);
    folder.Write("t/a.trk", "a");
    ICR2DatFile tooMany(NewArchive{}, path);
    for (std::uint32_t i = 0; i <= ICR2DatFile::MaxMembers; ++i)
        tooMany.AddMember("a.trk");
    EXPECT_THROW(tooMany.Build(), Tessel::Util::XUsage);
    EXPECT_THROW(tooMany.AddMember("abcdefghi.trk"), Tessel::Util::XUsage);
    EXPECT_FALSE(std::filesystem::exists(path));
    folder.Write("t/t.dat", "already here");
    EXPECT_THROW(ICR2DatFile(NewArchive{}, path), Tessel::Util::XFileOpen);
    EXPECT_THROW(ICR2DatFile(NewArchive{}, Shown(folder / "missing/t.dat")), Tessel::Util::XFileOpen);
}

TEST(ICR2DatFile, ANewArchiveHasNoMembersToOpenUntilBuilt) {
    TemporaryFolder folder;
    folder.Write("t/a.trk", "a");
    ICR2DatFile created(NewArchive{}, Shown(folder / "t/t.dat"));
    created.GatherFiles(nullptr);
    EXPECT_THROW(created.OpenMember(0), Tessel::Util::XAssertion);
    created.Build();
    EXPECT_EQ(ReadRest(*created.OpenMember(0)), "a");
    EXPECT_THROW(created.Build(), Tessel::Util::XFileOpen);  // never over an existing file
}
