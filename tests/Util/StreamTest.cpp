#include "Util/BinaryFile.h"
#include "Util/CharBuffer.h"
#include "Util/Exception.h"
#include "Util/RecordView.h"
#include "Util/ReplacingFile.h"
#include "Util/StagingFolder.h"
#include "testing/TemporaryFolder.h"
#include "tests/PathText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

using namespace Tessel::Util;

TEST(CharBuffer, FailedOperationsKeepThePosition) {
    std::array<char, 10> bytes{};
    CharBuffer buffer("mem", bytes.size(), bytes.data());
    buffer.Seek(8);
    char out[3];
    EXPECT_THROW(buffer.Read(3, out), XFileRead);
    EXPECT_EQ(buffer.GetPosition(), 8u);
    EXPECT_THROW(buffer.Write(3, out), XFileWrite);
    EXPECT_EQ(buffer.GetPosition(), 8u);
    EXPECT_THROW(buffer.Seek(11), XFileSeek);
    EXPECT_EQ(buffer.GetPosition(), 8u);
    buffer.Read(2, out);
    EXPECT_TRUE(buffer.IsAtEnd());
    EXPECT_NO_THROW(buffer.Seek(10));
    // A count that would wrap a 32-bit position is still refused.
    EXPECT_THROW(buffer.Read(0xFFFFFFFFu, out), XFileRead);
}

TEST(CharBuffer, ReadsAndWritesLittleEndianValues) {
    std::array<unsigned char, 8> bytes{};
    CharBuffer buffer("mem", bytes.size(), bytes.data());
    WriteValue<std::uint32_t>(buffer, 0x11223344u);
    WriteValue<float>(buffer, 1.5f);
    EXPECT_EQ(bytes[0], 0x44);
    EXPECT_EQ(bytes[3], 0x11);
    buffer.Seek(0);
    EXPECT_EQ(ReadValue<std::uint32_t>(buffer), 0x11223344u);
    EXPECT_EQ(ReadValue<float>(buffer), 1.5f);
    EXPECT_EQ(buffer.GetRemaining(), 0u);
    // A look at a value leaves the position where it was.
    EXPECT_EQ(PeekValue<std::uint16_t>(buffer, 2), 0x1122u);
    EXPECT_EQ(PeekValue<std::uint32_t>(buffer, 5), std::nullopt);
    EXPECT_EQ(buffer.GetPosition(), 8u);
}

TEST(CharBuffer, BufferFromNameIsReadOnly) {
    CharBuffer buffer("ro");
    EXPECT_EQ(buffer.GetSize(), 0u);
    char byte = 1;
    EXPECT_THROW(buffer.Write(1, &byte), XFileWrite);
    const std::array<char, 4> bytes{1, 2, 3, 4};
    buffer.SetBuffer(bytes.size(), bytes.data());
    EXPECT_THROW(buffer.Write(1, &byte), XFileWrite);
    buffer.Read(1, &byte);
    EXPECT_EQ(byte, 1);
    EXPECT_EQ(buffer.GetName(), "ro");
}

TEST(BinaryFile, OpenModes) {
    TemporaryFolder folder;
    const std::string path = Shown(folder / "f.bin");
    try {
        BinaryFile::OpenRead(path);
        FAIL();
    } catch (const XFileOpen& error) {
        EXPECT_EQ(error.GetPath(), path);
        EXPECT_EQ(error.GetReason(), DescribeError(SyncFile(path)));  // the system's words for a missing file
    }
    EXPECT_THROW(BinaryFile::OpenReadWrite(path), XFileOpen);
    BinaryFile::CreateNew(path)->Write(4, "abcd");
    EXPECT_THROW(BinaryFile::CreateNew(path), XFileOpen);
    EXPECT_THROW(BinaryFile::Create(path, false), XFileOpen);
    EXPECT_EQ(BinaryFile::OpenRead(path)->GetSize(), 4u);
    EXPECT_EQ(BinaryFile::Create(path, true)->GetSize(), 0u);
    EXPECT_THROW(BinaryFile::OpenRead(std::string(300, 'x')), XFileOpen);
}

TEST(BinaryFile, ReadWriteSeekTruncate) {
    TemporaryFolder folder;
    const std::string path = Shown(folder / "f.bin");
    {
        auto file = BinaryFile::CreateAlways(path);
        file->Write(6, "abcdef");
        EXPECT_TRUE(file->IsAtEnd());
        file->Seek(3);
        file->Truncate();
        EXPECT_EQ(file->GetSize(), 3u);
        EXPECT_EQ(file->GetName(), path);
    }
    auto file = BinaryFile::OpenRead(path);
    char bytes[4] = {};
    file->Read(2, bytes);
    EXPECT_STREQ(bytes, "ab");
    EXPECT_EQ(file->GetPosition(), 2u);
    EXPECT_THROW(file->Read(2, bytes), XFileRead);
    EXPECT_THROW(file->Write(1, bytes), XFileWrite);
}

TEST(ReplacingFile, ReplacesOnlyOnCommit) {
    TemporaryFolder folder;
    const auto target = folder.Write("race.lp", "old");
    {
        ReplacingFile output(ToText(target));
        output.GetStream().Write(3, "new");
    }
    EXPECT_EQ(ReadFile(target), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path), {}), 1);
    {
        ReplacingFile output(ToText(target));
        output.GetStream().Write(4, "newer");
        EXPECT_THROW(output.Commit(false), XFileOpen);
    }
    EXPECT_EQ(ReadFile(target), "old");
    ReplacingFile output(ToText(target));
    output.GetStream().Write(5, "newer");
    output.Commit(true);
    EXPECT_EQ(ReadFile(target), "newer");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path), {}), 1);
}

// Every access that reaches past the record's end is refused, including ones whose offset plus
// size would wrap.
TEST(RecordView, ReadsInsideTheRecordAndRefusesEverythingBeyond) {
    const std::array<unsigned char, 8> bytes = {0x44, 0x33, 0x22, 0x11, 'a', 'b', 0, 'c'};
    const RecordView record("rec", bytes.data(), bytes.size());
    EXPECT_EQ(record.Get<std::uint32_t>(0), 0x11223344u);
    EXPECT_EQ(record.Get<std::uint16_t>(6), 0x6300u);
    EXPECT_EQ(record.GetText(4, 4), "ab");
    EXPECT_EQ(record.Slice(4, 2).GetText(0, 2), "ab");
    EXPECT_EQ(record.Find<std::uint32_t>(4), 0x63006261u);
    EXPECT_EQ(record.Find<std::uint32_t>(5), std::nullopt);
    EXPECT_EQ(record.Find<std::uint32_t>(SIZE_MAX - 1), std::nullopt);
    unsigned char out[8];
    const struct {
        const char* what;
        std::function<void()> access;
    } beyond[] = {
        {"value across the end", [&] { record.Get<std::uint32_t>(5); }},
        {"value past the end", [&] { record.Get<std::uint8_t>(8); }},
        {"wrapping offset", [&] { record.Get<std::uint32_t>(SIZE_MAX - 1); }},
        {"text across the end", [&] { record.GetText(6, 3); }},
        {"copy across the end", [&] { record.CopyTo(1, 8, out); }},
        {"slice across the end", [&] { record.Slice(8, 1); }},
    };
    for (const auto& access : beyond) {
        try {
            access.access();
            ADD_FAILURE() << access.what << " was allowed";
        } catch (const XFileRead& fault) {
            EXPECT_EQ(fault.GetName(), "rec") << access.what;
        }
    }
    EXPECT_NO_THROW(RecordView("empty", nullptr, 0).CopyTo(0, 0, out));
}

namespace {

namespace fs = std::filesystem;

std::vector<std::string> Entries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::u8string name = entry.path().lexically_relative(folder).generic_u8string();
        names.emplace_back(name.begin(), name.end());
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

TEST(StagingFolder, PutsEveryFileInPlaceOrNone) {
    TemporaryFolder folder;
    const fs::path out = folder / "out";
    const auto stage = [&](const std::vector<std::pair<std::string, std::string>>& files, bool overwrite) {
        StagingFolder staging(out);
        for (const auto& [name, bytes] : files)
            staging.CreateFile(ToPath(name))->Write(static_cast<std::uint32_t>(bytes.size()), bytes.data());
        staging.Commit(overwrite);
    };
    stage({{"a.txt", "a"}, {"sub/b.txt", "b"}}, false);
    EXPECT_EQ(Entries(out), (std::vector<std::string>{"a.txt", "sub", "sub/b.txt"}));
    // An existing file stops all without overwrite, before anything moves.
    EXPECT_THROW(stage({{"c.txt", "c"}, {"sub/b.txt", "B"}}, false), XFileExists);
    EXPECT_EQ(Entries(out), (std::vector<std::string>{"a.txt", "sub", "sub/b.txt"}));
    stage({{"c.txt", "c"}, {"sub/b.txt", "B"}}, true);
    EXPECT_EQ(ReadFile(out / "sub/b.txt"), "B");
    // So does a file where a folder must go.
    fs::remove_all(out / "sub");
    folder.Write("out/sub", "a file");
    EXPECT_THROW(stage({{"d.txt", "d"}, {"sub/e/f.txt", "f"}}, true), XFileOpen);
    EXPECT_EQ(Entries(out), (std::vector<std::string>{"a.txt", "c.txt", "sub"}));
    // Folders made for a run that fails go with it.
    const fs::path deeper = folder / "new/deeper";
    {
        StagingFolder staging(deeper);
        staging.CreateFile("x.txt");
    }
    EXPECT_FALSE(fs::exists(folder / "new"));
    // Names in any script reach the disk as they are, in UTF-8 on every system.
    stage({{"Zoë/日本.lp", "lp"}}, false);
    EXPECT_EQ(Entries(out), (std::vector<std::string>{"Zoë", "Zoë/日本.lp", "a.txt", "c.txt", "sub"}));
}
