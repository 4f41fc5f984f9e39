#pragma once

#include "Papy/DatFile.h"
#include "Util/CharBuffer.h"
#include "Util/Exception.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace Linewright::Fuzz {

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
                const auto member = archive.OpenMember(i);
                std::vector<unsigned char> contents(member->GetSize());
                member->Read(static_cast<std::uint32_t>(contents.size()), contents.data());
            } catch (const Tessel::Util::Exception&) {
            }
        }
    } catch (const Tessel::Util::Exception&) {
    }
}

}  // namespace Linewright::Fuzz
