#pragma once

#include "Util/BinaryStream.h"
#include "Util/RecordView.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The first bytes of a file, and the ids and tests that tell files apart by looking at them,
// never consuming. Every reader, recognizer and front end takes its ids from here.
namespace Tessel::Papy {

class DatFile;

// A four-character id as the game files store it: the first character in the highest byte, so
// the file holds the characters in reverse order.
constexpr std::uint32_t PackId(const char (&id)[5]) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(id[0])) << 24 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(id[1])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(id[2])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(id[3]));
}

namespace FileIds {
// Chunked replays (GPL, N4, N2003) begin with "RPLY" and the version that tells the games apart.
inline constexpr std::uint32_t replay = PackId("RPLY");
inline constexpr std::uint32_t firstN4ReplayVersion = 3;
inline constexpr std::uint32_t n2003ReplayVersion = 5;
// TRK files begin with "TRAK" and a version (GPL) or type (ICR2).
inline constexpr std::uint32_t track = PackId("TRAK");
inline constexpr std::uint32_t gplTrackVersion = 3000;
inline constexpr std::uint32_t icr2TrackType = 1;
// The older 3D-object files of the GPL and N2 games.
inline constexpr std::uint32_t gplObjects = PackId("3DO4");
inline constexpr std::uint32_t n2Objects = PackId("3DO3");
// An N4 object archive (.3do, .ptf) begins with its root's object number 1 and type number 2,
// then the type's name; a PTF track's root is of this type.
inline constexpr std::uint32_t n4RootObject = 1;
inline constexpr std::uint32_t n4RootType = 2;
inline constexpr const char* n4TrackType = "TrackDescriptor";
// The first two values of a GPL layout file (.lyt).
inline constexpr std::uint32_t gplLayoutFirst = 6;
inline constexpr std::uint32_t gplLayoutSecond = 809;
// LP files: GPL and N4 begin with a version (whose upper half both share) and the record
// count, then their records; ICR2 with its record count alone.
inline constexpr std::uint32_t gplLpVersion = 0x10002;
inline constexpr std::uint32_t n4LpVersion = 0x10003;
inline constexpr std::uint32_t lpVersionUpperHalf = 1;
inline constexpr std::uint32_t lpHeaderSize = 8;
inline constexpr std::uint32_t gplLpRecordSize = 20;
inline constexpr std::uint32_t n4LpRecordSize = 24;
inline constexpr std::uint32_t icr2LpRecordSize = 12;
// An N3 replay: a 16-byte header of the info block's size, the frame data's size, 0 and the
// driver count; the info block always takes 4061 bytes.
inline constexpr std::uint32_t n3HeaderSize = 16;
inline constexpr std::uint32_t n3InfoSize = 4061;
// Both DAT formats mark each directory record with 5.
inline constexpr std::uint8_t datRecordSignature = 5;
inline constexpr std::size_t n4DatHeaderSize = 11;  // with the first record's signature
}  // namespace FileIds

// Up to count bytes from the start of the stream; fewer when it is shorter.
std::string ReadHead(Util::BinaryStream& stream, std::size_t count);
// The same for a file; throws XFileOpen when it cannot be opened.
std::string ReadHead(const std::string& path, std::size_t count);

// The tests on a file's first bytes (head); a head too short for a test fails it.

// The version of a chunked replay; nothing when the head is not one.
std::optional<std::uint32_t> GetReplayVersion(const Util::RecordView& head);
// "TRAK" followed by version (GPL TRK files) or type (ICR2 TRK files).
bool IsTrackHead(const Util::RecordView& head, std::uint32_t version);
// The first 32-bit value is id ("3DO3", "3DO4").
bool StartsWithId(const Util::RecordView& head, std::uint32_t id);
// An N4 object archive: root object 1 of type 2.
bool IsN4ObjectHead(const Util::RecordView& head);
// The name of an N4 object archive's root type; empty when the head does not hold it whole.
std::string GetN4RootTypeName(const Util::RecordView& head);
// A GPL layout file.
bool IsGPLLayoutHead(const Util::RecordView& head);
// A GPL or N4 LP file of the given version, long enough for its header.
bool IsLpHead(const Util::RecordView& head, std::uint32_t version);
// The layout of a GPL or N4 LP file with records of recordSize bytes: a version of the LP
// formats' upper half, whatever its lower half, and a record count that fills the file.
bool HasLpLayout(const Util::RecordView& head, std::uint64_t fileSize, std::uint32_t recordSize);
// An ICR2 LP file: a record count of at least one (the closing record) that fills the file.
bool IsICR2LpHead(const Util::RecordView& head, std::uint64_t fileSize);
// The N3 header's sizes add up to the file's size, as the N2 game tests it.
bool HasN3ReplaySizes(const Util::RecordView& head, std::uint64_t fileSize);
// An ICR2 DAT archive: a member count above 0 and the first record's signature 5.
bool IsICR2DatHead(const Util::RecordView& head);
// An N4 DAT archive: a negative member count, a directory size other than 0, a reserved 0 and
// the first record's signature 5.
bool IsN4DatHead(const Util::RecordView& head);

struct MemberHead {
    std::string extension;  // lower-case
    std::string bytes;
};

// The first member of the archive whose extension is one of extensions (given in lower case,
// compared without regard to case), with up to count of its first bytes; nothing when no
// member has one of them.
std::optional<MemberHead> FindFirstMember(DatFile& archive, const std::vector<std::string>& extensions,
                                          std::size_t count);

}  // namespace Tessel::Papy
