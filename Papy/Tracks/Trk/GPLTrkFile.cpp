#include "Papy/Tracks/Trk/GPLTrkFile.h"

#include "Papy/Tracks/Trk/TrkFormats.h"
#include "Papy/Factory/StrictChecks.h"
#include "Papy/Tracks/Trk/TrkFixedPoint.h"
#include "Util/Exception.h"

#include <array>
#include <initializer_list>
#include <sstream>

namespace Tessel::Papy {

using Util::BinaryStream;
using Util::ReadValue;
using Util::WriteValue;

namespace {

// Format notes: little-endian 32-bit signed values throughout; lengths in track units, angles
// in angle units, unit vectors with 2^30 = 1. The sections of the file, with no gaps:
//
//   header (92)           id "TRAK", version 3000, track length, cross-section count (1-16),
//                         section count, boundary bytes, section bytes, 16 cross-section offsets
//   section index         one entry per section: its index times 52
//   cross sections (32)   per section, per line: C3, C2, C1, C0, 3*C3, 2*C2, x or radius, y
//   boundaries (32)       grouped by section: lateral offset at start and end, kind (0x800 wall,
//                         bits 0-10 the code), attribute 0, value, attribute 1, two unused
//   sections (52)         type (1 straight, 2 curve), start, length, heading, flags (bits 0-1),
//                         A, B, C, D, extra, first cross section, boundary count, first boundary
//
// The size is exactly 92 + 4 S + 32 S X + boundary bytes + section bytes; the file's very
// last boundary has kind 10.
constexpr std::int32_t Version = TrkIds::gplVersion;
constexpr int OffsetSlots = 16;
constexpr std::int64_t HeaderBytes = 28 + 4 * OffsetSlots;
constexpr std::int64_t SectionBytes = 52;
constexpr std::int64_t XSectionBytes = 32;
constexpr std::int64_t BoundaryBytes = 32;
// The kind of the file's very last boundary, the right edge of the track.
constexpr std::int32_t LastBoundaryKind = 10;

// Surface kinds of the codes 1 to 9 (other codes: 10) and wall kinds of the codes 1 to 11
// (other codes: 14), in the enumeration shared by the TRK formats.
constexpr std::array<std::int32_t, 9> SurfaceKinds = {0, 1, 6, 3, 2, 8, 4, 12, 9};
constexpr std::int32_t OtherSurfaceKind = 10;
constexpr std::array<std::int32_t, 11> WallKinds = {3, 0, 9, 6, 10, 8, 5, 13, 7, 12, 2};
constexpr std::int32_t OtherWallKind = 14;

template <std::size_t N>
std::int32_t KindOfCode(const std::array<std::int32_t, N>& kinds, std::int32_t code, std::int32_t other) {
    if (code >= 1 && code <= static_cast<std::int32_t>(N))
        return kinds[code - 1];
    // Only the strict switch asks for a known code.
    TESSEL_CHECK(!IsStrictChecks());
    return other;
}

std::int32_t Read32(BinaryStream& stream) { return ReadValue<std::int32_t>(stream); }

void ReadFields(BinaryStream& stream, std::initializer_list<std::int32_t*> fields) {
    for (std::int32_t* field : fields)
        *field = Read32(stream);
}

void Write32(BinaryStream& stream, std::int32_t value) { WriteValue(stream, value); }

}  // namespace

GPLTrkFile::GPLTrkFile(const std::shared_ptr<BinaryStream>& stream) : TrkFileRecords(stream->GetName()) {
    Read(*stream);
    Build2DTable();
    // 2D longitudes wrap by the 2D length: a track whose sections all end where they start
    // has none to wrap by.
    if (!(Get2DLength() > 0))
        Fail("GPL trk file 2D length not positive");
    if (IsStrictChecks())
        CheckStrictly();
}


void GPLTrkFile::Read(BinaryStream& stream) {
    stream.Seek(0);
    if (Read32(stream) != TrackId)
        Fail("GPL trk file id not TRAK");
    if (Read32(stream) != Version)
        Fail("GPL trk file version not 3000");
    trackLength = Read32(stream);
    const std::int32_t xSectionCount = Read32(stream);
    const std::int32_t sectionCount = Read32(stream);
    const std::int32_t boundaryBytes = Read32(stream);
    const std::int32_t sectionBytes = Read32(stream);
    std::vector<std::int32_t> offsets(OffsetSlots);
    for (std::int32_t& offset : offsets)
        offset = Read32(stream);
    KeepXSectionOffsets(offsets, xSectionCount, "GPL");
    if (sectionBytes != SectionBytes * sectionCount)
        Fail("GPL trk section length mismatch");
    const std::int64_t size = HeaderBytes + (4 + XSectionBytes * xSectionCount) * sectionCount +
                              std::int64_t{boundaryBytes} + sectionBytes;
    // Negative counts cannot describe a file of any size.
    if (sectionCount < 0 || boundaryBytes < 0 || stream.GetSize() != static_cast<std::uint64_t>(size) ||
        size > 0xffffffff)
        Fail("GPL trk file size mismatch");
    for (std::int32_t i = 0; i < sectionCount; ++i) {
        if (Read32(stream) != SectionBytes * i)
            Fail("GPL trk file section header index error");
    }
    ReadXSectionRecords(stream, sectionCount * xSectionCount);
    ReadBoundaryRecords(stream, boundaryBytes);
    ReadSectionRecords(stream, sectionCount, boundaryBytes);
}

void GPLTrkFile::ReadBoundaryRecords(BinaryStream& stream, std::int32_t bytes) {
    boundaries.resize(bytes / BoundaryBytes);
    std::int32_t unused = 0;
    for (BoundaryRecord& r : boundaries)
        ReadFields(stream, {&r.start, &r.end, &r.kind, &r.attribute0, &r.value, &r.attribute1, &unused, &unused});
    // A size that is no whole number of records leaves a tail that the totals reject.
    stream.Seek(stream.GetPosition() + bytes % BoundaryBytes);
    if (boundaries.empty())
        Fail("GPL trk file has no boundary record");
    if (boundaries.back().kind != LastBoundaryKind)
        Fail("GPL trk file last surface type not 10");
}

void GPLTrkFile::ReadSectionRecords(BinaryStream& stream, std::int32_t count, std::int32_t boundaryBytes) {
    const std::int64_t xSectionCount = GetXSectionCount();
    std::int64_t lengthSum = 0;
    std::int64_t boundarySum = 0;
    sections.resize(count);
    for (std::int32_t i = 0; i < count; ++i) {
        SectionRecord& record = sections[i];
        ReadFields(stream, {&record.type, &record.start, &record.length, &record.heading, &record.flags, &record.a,
                            &record.b, &record.c, &record.d, &record.extra, &record.firstXSection,
                            &record.boundaryCount, &record.firstBoundary});
        if (record.type != StraightType && record.type != CurveType)
            Fail("GPL trk file unknown section type");
        if (record.firstXSection != i * xSectionCount)
            Fail("GPL trk file pieces index error");
        if (record.start != lengthSum) {
            std::ostringstream text;
            text << "GPL trk file section start error.\nSection " << i << " start " << record.start
                 << " expected " << lengthSum << '\n';
            Fail(text.str());
        }
        if ((record.flags & ~3) != 0)
            Fail("GPL trk file unknown flags");
        // Longitudes are found by the section ends, so each section must move them on.
        if (record.length <= 0)
            Fail("GPL trk file section length not positive");
        lengthSum += record.length;
        if (record.firstBoundary != boundarySum)
            Fail("GPL trk file surface start error");
        // A section's strips lie between its boundaries: it needs at least one.
        if (record.boundaryCount < 2)
            Fail("GPL trk file section has fewer than two boundaries");
        boundarySum += record.boundaryCount;
    }
    if (lengthSum != trackLength)
        Fail("GPL trk file total length error");
    if (BoundaryBytes * boundarySum != boundaryBytes)
        Fail("GPL trk file total surface length error");
}

void GPLTrkFile::CheckStrictly() const {
    const int count = GetSectionCount();
    for (int s = 0; s < count; ++s) {
        const int next = (s + 1) % count;
        for (int k = 0; k < GetXSectionCount(); ++k) {
            const XSectionRecord& line = XSection(s, k);
            if (line.thriceC3 != 3 * std::int64_t{line.c3})
                Fail("GPL trk file altitude square grade error");
            if (line.twiceC2 != 2 * std::int64_t{line.c2})
                Fail("GPL trk file altitude linear grade error");
            const std::int64_t end = std::int64_t{line.c3} + line.c2 + line.c1 + line.c0;
            const std::int64_t step = XSection(next, k).c0 - end;
            if (step < -3 || step > 3)
                Fail("GPL trk file altitude mismatch");
        }
    }
}

std::int32_t GPLTrkFile::GetStripValue(int s, int j) const {
    const BoundaryRecord& boundary = Boundary(s, j);
    return boundary.IsWall() ? 0 : boundary.value;
}

std::int32_t GPLTrkFile::GetSurfaceKind(int s, int j) const {
    const BoundaryRecord& boundary = Boundary(s, j);
    return boundary.IsWall() ? 0 : KindOfCode(SurfaceKinds, boundary.Code(), OtherSurfaceKind);
}

std::int32_t GPLTrkFile::GetStripAttribute(int s, int j, int n) const {
    TESSEL_CHECK(n == 0 || n == 1);
    const BoundaryRecord& boundary = Boundary(s, j);
    return n == 0 ? boundary.attribute0 : boundary.attribute1;
}

int GPLTrkFile::GetWallCount(int s) const {
    int count = 0;
    for (int j = 0; j < GetStripCount(s); ++j)
        count += Boundary(s, j).IsWall() ? 1 : 0;
    return count;
}

int GPLTrkFile::WallBoundary(int s, int w) const {
    int walls = 0;
    for (int j = 0; j < GetStripCount(s); ++j) {
        if (Boundary(s, j).IsWall() && walls++ == w)
            return j;
    }
    Util::AssertionFailed("w < GetWallCount(s)", __FILE__, __LINE__);
}

std::int32_t GPLTrkFile::GetWallKind(int s, int w) const {
    return KindOfCode(WallKinds, Boundary(s, WallBoundary(s, w)).Code(), OtherWallKind);
}

std::int32_t GPLTrkFile::GetWallAttribute(int s, int w, int n) const {
    TESSEL_CHECK(n >= 0 && n <= 2);
    const BoundaryRecord& boundary = Boundary(s, WallBoundary(s, w));
    const std::int32_t attributes[] = {boundary.attribute0, boundary.attribute1, boundary.kind & ~WallBit};
    return attributes[n];
}

void GPLTrkFile::Write(BinaryStream& stream) const {
    stream.Seek(0);
    const auto sectionCount = static_cast<std::int32_t>(sections.size());
    for (std::int32_t value :
         {TrackId, Version, trackLength, GetXSectionCount(), sectionCount,
          static_cast<std::int32_t>(BoundaryBytes * boundaries.size()), static_cast<std::int32_t>(SectionBytes * sectionCount)})
        Write32(stream, value);
    for (int k = 0; k < OffsetSlots; ++k)
        Write32(stream, k < GetXSectionCount() ? xSectionOffsets[k] : 0);
    for (std::int32_t i = 0; i < sectionCount; ++i)
        Write32(stream, static_cast<std::int32_t>(SectionBytes * i));
    WriteXSectionRecords(stream);
    for (const BoundaryRecord& r : boundaries) {
        for (std::int32_t value : {r.start, r.end, r.kind, r.attribute0, r.value, r.attribute1, 0, 0})
            Write32(stream, value);
    }
    for (const SectionRecord& r : sections) {
        for (std::int32_t value : {r.type, r.start, r.length, r.heading, r.flags, r.a, r.b, r.c, r.d, r.extra,
                                   r.firstXSection, r.boundaryCount, r.firstBoundary})
            Write32(stream, value);
    }
}

}  // namespace Tessel::Papy
