#include "Papy/Archives/UncompressedSubFile.h"
#include "Util/CharBuffer.h"
#include "Util/Exception.h"

#include <gtest/gtest.h>

using namespace Tessel::Papy;
using Tessel::Util::CharBuffer;

namespace {

struct Archive {
    std::string bytes = "headerAAAAAAAAAABBBBBtail";
    std::shared_ptr<CharBuffer> stream = std::make_shared<CharBuffer>("archive.dat", 25, bytes.data());
    UncompressedSubFile first{stream, "a.trk", 6, 10};
    UncompressedSubFile second{stream, "b.trk", 16, 5};
};

template <class Failure, class Operation>
void ExpectFailureNamingMember(Operation operation) {
    try {
        operation();
        ADD_FAILURE();
    } catch (const Failure& error) {
        EXPECT_EQ(error.GetName(), "a.trk");
    }
}

}  // namespace

TEST(UncompressedSubFile, StaysWithinTheMember) {
    Archive archive;
    char bytes[11] = {};
    archive.first.Read(10, bytes);
    EXPECT_EQ(std::string(bytes), "AAAAAAAAAA");
    EXPECT_TRUE(archive.first.IsAtEnd());
    ExpectFailureNamingMember<Tessel::Util::XFileRead>([&] { archive.first.Read(1, bytes); });
    ExpectFailureNamingMember<Tessel::Util::XFileWrite>([&] { archive.first.Write(1, bytes); });
    EXPECT_EQ(archive.first.GetPosition(), 10u);
    archive.first.Seek(10);
    ExpectFailureNamingMember<Tessel::Util::XFileSeek>([&] { archive.first.Seek(11); });
    EXPECT_EQ(archive.first.GetPosition(), 10u);
    EXPECT_EQ(archive.first.GetSize(), 10u);
    // A member recorded past the archive's end fails in the archive, still by the member's name.
    UncompressedSubFile beyond(archive.stream, "a.trk", 20, 10);
    ExpectFailureNamingMember<Tessel::Util::XFileRead>([&] { beyond.Read(6, bytes); });
    ExpectFailureNamingMember<Tessel::Util::XFileSeek>([&] { beyond.Seek(6); });
    EXPECT_EQ(beyond.GetPosition(), 0u);
}

TEST(UncompressedSubFile, MembersOfOneArchiveReadAndWriteAlternately) {
    Archive archive;
    char a[3] = {}, b[3] = {};
    archive.first.Read(2, a);
    archive.second.Read(2, b);
    EXPECT_EQ(std::string(a), "AA");
    EXPECT_EQ(std::string(b), "BB");
    archive.first.Write(2, "xy");
    archive.second.Read(2, b);
    EXPECT_EQ(std::string(b), "BB");
    EXPECT_EQ(archive.bytes, "headerAAxyAAAAAABBBBBtail");
}
