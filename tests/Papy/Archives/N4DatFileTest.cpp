#include "Papy/Archives/N4DatFile.h"
#include "Papy/Archives/PkCompression.h"
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
using Linewright::Samples::AppendLittleEndian;
using Linewright::Testing::BrokenCheck;
using Linewright::Samples::DatEntry;
using Linewright::Samples::WriteN4Dat;

namespace {

const std::vector<DatEntry> SampleEntries = {
    {"track.ptf", "the track, packed", true}, {"art\\a.mip", "texture"}, {"sky.mip", "sky", false}};

// The offset of a field of member 0's record: header 10 bytes.
constexpr int FirstRecord = 10;

std::string FormatFault(const TemporaryFolder& folder, const std::string& bytes) {
    const std::string path = Shown(folder.Write("bad.dat", bytes));
    return Linewright::Testing::FormatFault(path, [&] { N4DatFile(path, false); });
}

std::string WithByte(std::string bytes, std::size_t at, char value) {
    bytes[at] = value;
    return bytes;
}

// An archive of one imploded member whose directory records the given sizes.
std::string OneImploded(const std::string& packed, std::uint32_t size) {
    std::string out;
    AppendLittleEndian<std::int16_t>(out, -1);
    AppendLittleEndian<std::uint32_t>(out, 15 + 2);
    AppendLittleEndian<std::uint32_t>(out, 0);
    out += "\x05\x02";
    AppendLittleEndian(out, size);
    AppendLittleEndian(out, static_cast<std::uint32_t>(packed.size()));
    AppendLittleEndian<std::uint32_t>(out, 10 + 17);
    out += std::string("\x01m\0", 3);
    return out + packed;
}

}  // namespace

TEST(N4DatFile, ReadsStoredAndImplodedMembersWithTheirFolders) {
    TemporaryFolder folder;
    const auto path = folder.Write("x.dat", WriteN4Dat(SampleEntries));
    N4DatFile archive(Shown(path), false);
    ASSERT_EQ(archive.GetMemberCount(), 3u);
    EXPECT_TRUE(archive.IsMemberImploded(0));
    EXPECT_EQ(archive.GetMemberSize(0), 17u);
    EXPECT_EQ(archive.GetMemberStoredSize(0), Linewright::Samples::PackLiterals("the track, packed").size());
    EXPECT_EQ(ReadRest(*archive.OpenMember(0)), "the track, packed");
    EXPECT_EQ(archive.GetMemberName(1), "art\\a.mip");
    EXPECT_EQ(archive.GetMemberFolder(1), "art");
    EXPECT_EQ(archive.GetMemberBaseName(1), "a");
    EXPECT_EQ(archive.GetMemberExtension(1), "mip");
    EXPECT_EQ(archive.GetMemberFolder(2), "");
    EXPECT_EQ(archive.FindMember("a.mip"), nullptr);
    EXPECT_EQ(ReadRest(*archive.FindMember("ART\\A.MIP")), "texture");
    EXPECT_THROW(archive.OpenMember(0)->Write(1, "x"), Tessel::Util::XFileWrite);
}

TEST(N4DatFile, RejectsEveryDirectoryFault) {
    TemporaryFolder folder;
    const std::string good = WriteN4Dat({{"a.txt", "a"}, {"b.txt", "b", true}, {"c.txt", "c"}});
    EXPECT_EQ(FormatFault(folder, good), "accepted");
    EXPECT_EQ(FormatFault(folder, WithByte(good, 0, 3)), "N4 dat file subfile count mismatch");  // +3
    EXPECT_EQ(FormatFault(folder, WithByte(good, 6, 1)), "N4 dat file reserved not zero");
    EXPECT_EQ(FormatFault(folder, WithByte(good, FirstRecord, 4)), "N4 dat file subfile type error");
    EXPECT_EQ(FormatFault(folder, WithByte(good, FirstRecord + 1, 1)), "N4 dat file unknown compression method");
    EXPECT_EQ(FormatFault(folder, WithByte(good, FirstRecord + 2, 9)), "N4 dat file compressed size error");
    // An imploded member's two sizes may differ; the second record is the imploded one.
    EXPECT_EQ(FormatFault(folder, WithByte(good, FirstRecord + 21 + 2, 9)), "accepted");
}

TEST(N4DatFile, TruncatedOrOversizedDirectoryIsAReadFault) {
    TemporaryFolder folder;
    const std::string good = WriteN4Dat(SampleEntries);
    for (const std::size_t length : {std::size_t{0}, std::size_t{9}, std::size_t{20}, std::size_t{40}}) {
        const auto path = folder.Write("cut.dat", good.substr(0, length));
        EXPECT_THROW(N4DatFile(Shown(path), false), Tessel::Util::XFileRead) << length;
    }
    // A name length that runs past the directory's end.
    EXPECT_THROW(N4DatFile(Shown(folder.Write("name.dat", WithByte(good, FirstRecord + 14, 100))), false),
                 Tessel::Util::XFileRead);
    // A directory size beyond the file is refused before anything is allocated for it.
    std::string huge = good;
    huge.replace(2, 4, "\xFF\xFF\xFF\x7F");
    EXPECT_THROW(N4DatFile(Shown(folder.Write("huge.dat", huge)), false), Tessel::Util::XFileRead);
}

TEST(N4DatFile, CorruptPackedDataFailWhenOpened) {
    TemporaryFolder folder;
    const std::string packed = Linewright::Samples::PackLiterals("0123456789");
    auto open = [&](const std::string& bytes) {
        N4DatFile archive(Shown(folder.Write("m.dat", bytes)), false);
        return ReadRest(*archive.OpenMember(0));
    };
    EXPECT_EQ(open(OneImploded(packed, 10)), "0123456789");
    // A recorded size below the unpacked length reads as the first bytes.
    EXPECT_EQ(open(OneImploded(packed, 4)), "0123");
    auto brokenCheck = [&](const std::string& bytes) { return BrokenCheck([&] { open(bytes); }); };
    EXPECT_EQ(brokenCheck(OneImploded(packed, 11)), "result_size == uncompressed_size");
    // A size no packed data of this length could reach: refused without allocating it.
    EXPECT_EQ(brokenCheck(OneImploded(packed, 0xFFFFFFFFu)), "result_size == uncompressed_size");
    const std::string unpackFault = "result == CMP_NO_ERROR && dp.InBytesRemaining == 0";
    EXPECT_EQ(brokenCheck(OneImploded(WithByte(packed, 0, 7), 10)), unpackFault);
    EXPECT_EQ(brokenCheck(OneImploded(packed + "x", 10)), unpackFault);
    // Packed data cut short by the end of the file.
    EXPECT_THROW(open(OneImploded(packed, 10).substr(0, 30)), Tessel::Util::XFileRead);
}

TEST(N4DatFile, GathersTheTrackFolderAndBuildsFromIt) {
    TemporaryFolder folder;
    for (const char* name : {"track.ini", "TRACK.PTF", "trkshot.stp", "sky.mip", "readme.doc", "art/a.mip",
                             "misc/b.mip", "stamps/s.stp", "art/deep/c.mip"})
        folder.Write(std::string("t/") + name, std::string(3000, name[0]) + name);
    folder.Write("elsewhere/TRACK.PTF", "a decoy");
    {
        const WorkingFolderScope elsewhere(folder / "elsewhere");
        N4DatFile created(NewArchive{}, Shown(folder / "t/t.dat"));
        testing::internal::CaptureStdout();
        created.GatherFiles(&std::cout);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "N4 Dat file created\n");
        created.Build();
    }
    N4DatFile archive(Shown(folder / "t/t.dat"), false);
    ASSERT_EQ(archive.GetMemberCount(), 4u);
    const std::vector<std::pair<std::string, bool>> expected = {
        {"TRACK.PTF", true}, {"art\\a.mip", false}, {"sky.mip", false}, {"stamps\\s.stp", false}};
    for (std::uint32_t i = 0; i < 4; ++i) {
        EXPECT_EQ(archive.GetMemberName(i), expected[i].first);
        EXPECT_EQ(archive.IsMemberImploded(i), expected[i].second);
    }
    EXPECT_LT(archive.GetMemberStoredSize(0), 100u);  // imploded for real
    EXPECT_EQ(ReadRest(*archive.OpenMember(0)), std::string(3000, 'T') + "TRACK.PTF");
    EXPECT_EQ(ReadRest(*archive.OpenMember(1)), std::string(3000, 'a') + "art/a.mip");
}

TEST(N4DatFile, RefusesNamesTooLongForTheDirectory) {
    TemporaryFolder folder;
    folder.Write("t/a.txt", "a");
    const std::string path = Shown(folder / "t/t.dat");
    N4DatFile created(NewArchive{}, path);
    created.AddMember("a.txt", true);
    created.AddMember(std::string(256, 'n'), true);
    EXPECT_THROW(created.Build(), Tessel::Util::XUsage);
    EXPECT_FALSE(std::filesystem::exists(path));
    N4DatFile empty(NewArchive{}, path);
    empty.Build();
    EXPECT_EQ(N4DatFile(path, false).GetMemberCount(), 0u);
}
