#pragma once

#include "Util/BinaryStream.h"
#include "Util/RecordView.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The first bytes of a file and the helpers of the tests that look at them, never consuming.
// Each format's ids and head test lie beside its reader (see FileFormat).
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

// Up to count bytes from the start of the stream; fewer when it is shorter.
std::string ReadHead(Util::BinaryStream& stream, std::size_t count);
// The same for a file; throws XFileOpen when it cannot be opened.
std::string ReadHead(const std::string& path, std::size_t count);

// The first 32-bit value is id ("TRAK", "3DO4", ...); a head too short for it fails.
bool StartsWithId(const Util::RecordView& head, std::uint32_t id);

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
