#pragma once

#include "Papy/Tracks/Trk/GPLTrkFile.h"
#include "Papy/Tracks/Trk/ICR2TrkFile.h"
#include "Samples/GPLTrkWriter.h"
#include "testing/MemoryStream.h"
#include "tests/Failures.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace Tessel::Papy {

inline std::shared_ptr<GPLTrkFile> ReadGPLTrk(const std::string& bytes) {
    return std::make_shared<GPLTrkFile>(Linewright::Testing::MemoryStream(bytes, "test.trk").stream);
}

inline std::shared_ptr<ICR2TrkFile> ReadICR2Trk(const std::string& bytes) {
    return std::make_shared<ICR2TrkFile>(Linewright::Testing::MemoryStream(bytes, "test.trk").stream);
}

// The bytes that the file writes, which must fill size exactly.
inline std::string WrittenBack(const TrkFile& file, std::size_t size) {
    std::string out(size, '\0');
    Util::CharBuffer buffer("out.trk", static_cast<std::uint32_t>(size), out.data());
    file.Write(buffer);
    EXPECT_EQ(buffer.GetPosition(), size);
    return out;
}

inline std::int32_t Get32(const std::string& bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
    return static_cast<std::int32_t>(value);
}

inline void Put32(std::string& bytes, std::size_t offset, std::int32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<char>((static_cast<std::uint32_t>(value) >> (8 * i)) & 0xff);
}

// Where the fields of a GPL track file lie.
struct GPLTrkLayout {
    explicit GPLTrkLayout(const std::string& bytes)
        : lines(Get32(bytes, 12)), sections(Get32(bytes, 16)), boundaries(Get32(bytes, 20) / 32) {}

    std::size_t Index(int i) const { return 92 + 4 * i; }
    std::size_t XSection(int s, int k, int field) const { return Index(sections) + 32 * (s * lines + k) + field; }
    std::size_t Boundary(int b, int field) const { return XSection(sections, 0, 0) + 32 * b + field; }
    std::size_t Section(int s, int field) const { return Boundary(boundaries, 0) + 52 * s + field; }

    int lines;
    int sections;
    int boundaries;
};

// The file with every section a straight whose lines all start at the origin: each field still
// reads well, but the sections' ends coincide, so the track has no 2D length.
inline std::string WithoutHorizontalLength(std::string bytes) {
    const GPLTrkLayout layout(bytes);
    for (int s = 0; s < layout.sections; ++s) {
        Put32(bytes, layout.Section(s, 0), 1);
        for (int k = 0; k < layout.lines; ++k) {
            Put32(bytes, layout.XSection(s, k, 24), 0);
            Put32(bytes, layout.XSection(s, k, 28), 0);
        }
    }
    return bytes;
}

// Where the fields of an ICR2 track file lie.
struct ICR2TrkLayout {
    explicit ICR2TrkLayout(const std::string& bytes)
        : bytes(bytes), lines(Get32(bytes, 12)), sections(Get32(bytes, 16)), boundaries(Get32(bytes, 20) / 12) {}

    std::size_t Offset(int s) const { return 68 + 4 * s; }
    std::size_t XSection(int s, int k, int field) const { return Offset(sections) + 32 * (s * lines + k) + field; }
    std::size_t Boundary(int b, int field) const { return XSection(sections, 0, 0) + 12 * b + field; }
    // Each section record is followed by its walls.
    std::size_t Section(int s, int field) const {
        std::size_t offset = Boundary(boundaries, 0);
        for (int before = 0; before < s; ++before)
            offset += 52 + 20 * Get32(bytes, offset + 48);
        return offset + field;
    }
    std::size_t Wall(int s, int w, int field) const { return Section(s, 52 + 20 * w + field); }

    const std::string& bytes;
    int lines;
    int sections;
    int boundaries;
};

// Sets the altitude of line k of section s and the offset of line 1, and checks the words written:
// C3 to C0, then the grade terms 3 C3 and 2 C2.
template <class Layout>
void ExpectSettersWritten(TrkFile& file, std::size_t size, int s, int k, std::int32_t offset) {
    file.SetAltitudeCoefficients(s, k, 10, 20, 30, 40);
    file.SetXSectionOffset(1, offset);
    const std::string written = WrittenBack(file, size);
    const std::vector<std::int32_t> record = {40, 30, 20, 10, 120, 60};
    for (int field = 0; field < 6; ++field)
        EXPECT_EQ(Get32(written, Layout(written).XSection(s, k, 4 * field)), record[field]) << field;
    EXPECT_EQ(Get32(written, 32), offset);
}

// One fault per reading check, each made from a sample by one change, and the fault it reads as.
template <class Layout>
struct TrkFault {
    const char* name;
    std::function<void(std::string&, const Layout&)> change;
    std::string description;
};

template <class Layout, class Read>
void ExpectFaults(const std::string& sample, const std::vector<TrkFault<Layout>>& faults, Read read) {
    for (const TrkFault<Layout>& fault : faults) {
        std::string bytes = sample;
        fault.change(bytes, Layout(sample));
        EXPECT_EQ(Linewright::Testing::FormatFault("test.trk", [&] { read(bytes); }), fault.description) << fault.name;
    }
}

}  // namespace Tessel::Papy
