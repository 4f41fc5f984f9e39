#pragma once

#include "Papy/Archives/DatFile.h"
#include "Util/CharBuffer.h"
#include "Util/Exception.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

namespace Linewright::Fuzz {

// Reads the stream to its end in small pieces: a member's recorded size is only a claim.
inline void ReadInPieces(Tessel::Util::BinaryStream& stream) {
    unsigned char piece[4096];
    while (!stream.IsAtEnd())
        stream.Read(static_cast<std::uint32_t>(std::min<std::uint64_t>(sizeof piece, stream.GetRemaining())), piece);
}

// Reads an archive of type Archive from the input and every member it lists; any failure must
// be an exception of the family.
template <class Archive>
void ReadWholeArchive(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> bytes(data, data + size);
    auto stream = std::make_shared<Tessel::Util::CharBuffer>("fuzz.dat", static_cast<std::uint32_t>(bytes.size()),
                                                             bytes.data());
    try {
        Archive archive(stream);
        for (std::uint32_t i = 0; i < archive.GetMemberCount(); ++i) {
            try {
                ReadInPieces(*archive.OpenMember(i));
            } catch (const Tessel::Util::Exception&) {
            }
        }
    } catch (const Tessel::Util::Exception&) {
    }
}

}  // namespace Linewright::Fuzz
