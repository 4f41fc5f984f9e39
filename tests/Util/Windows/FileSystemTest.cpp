#include "Util/BinaryFile.h"
#include "Util/Exception.h"
#include "Util/InputFiles.h"
#include "Util/PathName.h"
#include "Util/ReplacingFile.h"
#include "Util/StagingFolder.h"
#include "Util/Windows/WideText.h"
#include "testing/TemporaryFolder.h"
#include "tests/PathText.h"

#include <gtest/gtest.h>

#include <windows.h>
#undef CreateFile  // StagingFolder::CreateFile is no Win32 call

// What Windows adds: drive letters and shares, sharing of open files, the read-only attribute,
// case-insensitive names. (Links at an output: ConvertCliTest and OutputSafetyCliTest.)
using namespace Tessel::Util;
namespace fs = std::filesystem;

TEST(PathName, DriveLettersSharesAndBothSeparators) {
    const struct {
        const char* path;
        const char* full;
        const char* directory;
        const char* fileName;
    } cases[] = {
        {R"(C:\Games\Track\x.trk)", R"(C:\Games\Track\x.trk)", R"(C:\Games\Track\)", "x.trk"},
        {"C:/Games/Track/x.trk", R"(C:\Games\Track\x.trk)", R"(C:\Games\Track\)", "x.trk"},
        {R"(C:\Games/Track\)", R"(C:\Games\Track)", R"(C:\Games\)", "Track"},
        {R"(\\server\share\x.trk)", R"(\\server\share\x.trk)", R"(\\server\share\)", "x.trk"},
        {R"(C:\)", R"(C:\)", "", R"(C:\)"},
        {"C:/", R"(C:\)", "", R"(C:\)"},
        {R"(\\server\share\)", R"(\\server\share\)", "", R"(\\server\share\)"},
    };
    for (const auto& c : cases) {
        const PathName path(c.path);
        EXPECT_EQ(path.full, c.full) << c.path;
        EXPECT_EQ(path.directory, c.directory) << c.path;
        EXPECT_EQ(path.fileName, c.fileName) << c.path;
        EXPECT_EQ(path.isRoot, path.directory.empty()) << c.path;
    }
    const PathName file(R"(C:\Games\Track\x.trk)");
    EXPECT_EQ(file.baseName, "x");
    EXPECT_EQ(file.extension, "trk");
    EXPECT_EQ(file.asDirectory, R"(C:\Games\Track\x.trk\)");
}

// A file being read stays readable to others (the game, a second run of the program) and may
// be removed meanwhile; no one writes to it. Once closed, an output replaces it.
TEST(BinaryFile, AFileBeingReadIsSharedWithReadersAndRemovers) {
    TemporaryFolder folder;
    const std::string path = ToText(folder.Write("race.lp", "old"));
    {
        const auto reader = BinaryFile::OpenRead(path);
        EXPECT_EQ(BinaryFile::OpenRead(path)->GetSize(), 3u);
        EXPECT_THROW(BinaryFile::OpenReadWrite(path), XFileOpen);
        EXPECT_TRUE(::DeleteFileW(Widen(path).c_str())) << GetSystemMessage(::GetLastError());
        char bytes[4] = {};
        reader->Read(3, bytes);
        EXPECT_STREQ(bytes, "old");
    }
    folder.Write("race.lp", "old");
    ForgetInputFile(path);
    ReplacingFile output(path);
    output.GetStream().Write(5, "newer");
    output.Commit(true);
    EXPECT_EQ(ReadFile(folder / "race.lp"), "newer");
}

// A file marked read-only is one its owner means to keep: an output is not written over it even
// when asked to overwrite, as Explorer and copy do, and nothing of the attempt stays behind.
TEST(ReplacingFile, AReadOnlyTargetIsKept) {
    TemporaryFolder folder;
    const fs::path target = folder.Write("out/race.lp", "kept");
    fs::permissions(target, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    try {
        ReplacingFile::CheckTarget(ToText(target), true);
        ADD_FAILURE() << "a read-only target was accepted";
    } catch (const XFileOpen& refusal) {
        EXPECT_EQ(refusal.GetPath(), Shown(target));
        EXPECT_EQ(refusal.GetReason(), GetSystemMessage(ERROR_ACCESS_DENIED));
    }
    {
        ReplacingFile output(ToText(target));
        output.GetStream().Write(3, "new");
        EXPECT_THROW(output.Commit(true), XFileWrite);
    }
    {
        StagingFolder staging(folder / "out");
        staging.CreateFile("race.lp")->Write(3, "new");
        staging.CreateFile("other.lp")->Write(3, "new");
        EXPECT_THROW(staging.Commit(true), XFileOpen);
    }
    EXPECT_EQ(ReadFile(target), "kept");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder / "out"), {}), 1);
    fs::permissions(target, fs::perms::owner_write, fs::perm_options::add);
}

TEST(DirectoryListing, ClosesItsHandleWhenAnEntryBreaksAnAssertion) {
    TemporaryFolder folder;
    folder.Write(std::string(251, 'n'), "a name too long for a path below the folder");
    const auto openHandles = [] {
        DWORD count = 0;
        ::GetProcessHandleCount(::GetCurrentProcess(), &count);
        return count;
    };
    const auto before = openHandles();
    EXPECT_THROW(DirectoryListing{PathName(ToText(folder.path))}, XAssertion);
    EXPECT_EQ(openHandles(), before);
}
