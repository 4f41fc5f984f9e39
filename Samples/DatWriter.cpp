#include "Samples/DatWriter.h"

namespace Linewright::Samples {

std::string WriteICR2Dat(const std::vector<DatEntry>& entries) {
    std::string out;
    AppendLittleEndian<std::int16_t>(out, static_cast<std::int16_t>(entries.size()));
    std::uint32_t offset = 2 + 27 * static_cast<std::uint32_t>(entries.size());
    for (const DatEntry& entry : entries) {
        const auto size = static_cast<std::uint32_t>(entry.contents.size());
        out += '\x05';  // signature
        out += '\x00';  // stored
        AppendLittleEndian(out, size);
        AppendLittleEndian(out, size);
        std::string name = entry.name;
        name.resize(13, '\0');
        out += name;
        AppendLittleEndian(out, offset);
        offset += size;
    }
    for (const DatEntry& entry : entries)
        out += entry.contents;
    return out;
}

std::string WriteN4Dat(const std::vector<DatEntry>& entries) {
    std::vector<std::string> stored;
    std::uint32_t directorySize = 0;
    for (const DatEntry& entry : entries) {
        stored.push_back(entry.imploded ? PackLiterals(entry.contents) : entry.contents);
        directorySize += 15 + static_cast<std::uint32_t>(entry.name.size()) + 1;
    }
    std::string out;
    AppendLittleEndian<std::int16_t>(out, static_cast<std::int16_t>(-static_cast<int>(entries.size())));
    AppendLittleEndian(out, directorySize);
    AppendLittleEndian<std::uint32_t>(out, 0);
    std::uint32_t offset = 10 + directorySize;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        out += '\x05';  // type
        out += entries[i].imploded ? '\x02' : '\x00';
        AppendLittleEndian(out, static_cast<std::uint32_t>(entries[i].contents.size()));
        AppendLittleEndian(out, static_cast<std::uint32_t>(stored[i].size()));
        AppendLittleEndian(out, offset);
        out += static_cast<char>(entries[i].name.size());
        out += entries[i].name;
        out += '\0';
        offset += static_cast<std::uint32_t>(stored[i].size());
    }
    for (const std::string& bytes : stored)
        out += bytes;
    return out;
}

std::string PackLiterals(const std::string& bytes) {
    std::string out = {'\x00', '\x06'};  // binary literals, 4096-byte dictionary
    std::uint32_t bits = 0;
    unsigned count = 0;
    auto put = [&](std::uint32_t value, unsigned length) {
        bits |= value << count;
        for (count += length; count >= 8; count -= 8, bits >>= 8)
            out += static_cast<char>(bits & 0xFF);
    };
    for (const char byte : bytes)
        put(static_cast<unsigned char>(byte) << 1, 9);  // a 0 flag, then the byte
    // The end: a 1 flag, length code 15 (seven bits, stored inverted as 0000000) and 255
    // extra bits, for the length 264 + 255 = 519.
    put(1, 1);
    put(0, 7);
    put(0xFF, 8);
    if (count > 0)
        out += static_cast<char>(bits & 0xFF);
    return out;
}

}  // namespace Linewright::Samples
