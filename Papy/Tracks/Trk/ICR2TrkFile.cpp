#include "Papy/Tracks/Trk/ICR2TrkFile.h"

#include "Util/Exception.h"

namespace Tessel::Papy {

using Util::BinaryStream;

namespace {

constexpr std::int32_t Type = TrkIds::icr2Type;
constexpr int OffsetSlots = 10;
constexpr std::int64_t OffsetTableEntryBytes = 4;
constexpr std::int64_t XSectionBytes = 32;
constexpr std::int64_t BoundaryBytes = 12;
constexpr std::int64_t SectionBytes = 52;
constexpr std::int64_t WallBytes = 20;
constexpr std::int32_t UnusedWallWord = static_cast<std::int32_t>(0xCCCCCCCCu);
// How far the stored 3 C3 and 2 C2 may stray from the coefficients, and the altitude of a line
// from one section's end to the next one's start, in track units.
constexpr std::int64_t GradeTolerance = 2;
constexpr std::int64_t JoinTolerance = 3;

std::int32_t Read32(BinaryStream& stream) { return Util::ReadValue<std::int32_t>(stream); }

void Write32(BinaryStream& stream, std::int32_t value) { Util::WriteValue(stream, value); }

bool Strays(std::int64_t stored, std::int64_t expected, std::int64_t tolerance) {
    return stored - expected > tolerance || expected - stored > tolerance;
}

// Surface codes by range: the last code of each range and its kind; a code's variant counts
// back from the end of its range.
struct SurfaceRangeEnd {
    std::int32_t lastCode;
    std::int32_t kind;
};
constexpr SurfaceRangeEnd SurfaceRanges[] = {{6, 3}, {22, 4}, {38, 1}, {46, 0}, {54, 6}};

}  // namespace

ICR2TrkFile::ICR2TrkFile(const std::shared_ptr<BinaryStream>& stream) : TrkFileRecords(stream->GetName()) {
    Read(*stream);
    Build2DTable();
}

void ICR2TrkFile::Read(BinaryStream& stream) {
    stream.Seek(0);
    if (Read32(stream) != TrackId)
        Fail("ICR2 trk file id not TRAK");
    if (Read32(stream) != Type)
        Fail("ICR2 trk file type not 1");
    trackLength = Read32(stream);
    const std::int32_t xSectionCount = Read32(stream);
    const std::int32_t sectionCount = Read32(stream);
    const std::int32_t boundaryBytes = Read32(stream);
    Read32(stream);  // the section block size, which nothing checks
    std::vector<std::int32_t> offsets(OffsetSlots);
    for (std::int32_t& offset : offsets)
        offset = Read32(stream);
    KeepXSectionOffsets(offsets, xSectionCount, "ICR2");
    // Counts that the stream cannot hold fail as the short reads they would become, before
    // any memory is set aside for them; negative ones describe no file at all.
    const std::int64_t leastBytes = (OffsetTableEntryBytes + XSectionBytes * xSectionCount + SectionBytes) *
                                        std::int64_t{sectionCount} + boundaryBytes;
    if (sectionCount < 0 || boundaryBytes < 0 || static_cast<std::uint64_t>(leastBytes) > stream.GetRemaining())
        throw Util::XFileRead(name);
    stream.Seek(stream.GetPosition() + OffsetTableEntryBytes * sectionCount);
    ReadXSectionRecords(stream, sectionCount * xSectionCount);
    CheckStoredGrades();
    ReadBoundaryRecords(stream, boundaryBytes);
    std::int64_t lengthSum = 0;
    std::int64_t boundarySum = 0;
    sections.reserve(sectionCount);
    for (std::int32_t i = 0; i < sectionCount; ++i)
        ReadSection(stream, i, lengthSum, boundarySum);
    if (lengthSum != trackLength)
        Fail("ICR2 trk file total length error");
    if (BoundaryBytes * boundarySum != boundaryBytes)
        Fail("ICR2 trk file total surface length error");
}

void ICR2TrkFile::CheckStoredGrades() const {
    for (const XSectionRecord& r : xSections) {
        if (Strays(r.thriceC3, 3 * std::int64_t{r.c3}, GradeTolerance))
            Fail("ICR2 trk file altitude delta 4 error");
        if (Strays(r.twiceC2, 2 * std::int64_t{r.c2}, GradeTolerance))
            Fail("ICR2 trk file altitude delta 5 error");
    }
}

void ICR2TrkFile::ReadBoundaryRecords(BinaryStream& stream, std::int32_t bytes) {
    boundaries.resize(bytes / BoundaryBytes);
    for (BoundaryRecord& r : boundaries) {
        for (std::int32_t* field : {&r.start, &r.end, &r.code})
            *field = Read32(stream);
    }
    // A size that is no whole number of records leaves a tail that the totals reject.
    stream.Seek(stream.GetPosition() + bytes % BoundaryBytes);
}

void ICR2TrkFile::ReadSection(BinaryStream& stream, std::int32_t i, std::int64_t& lengthSum,
                              std::int64_t& boundarySum) {
    SectionRecord r{};
    std::int32_t wallCount = 0;
    for (std::int32_t* field : {&r.type, &r.start, &r.length, &r.heading, &r.a, &r.b, &r.c, &r.d, &r.extra,
                                &r.firstXSection, &r.boundaryCount, &r.firstBoundary, &wallCount})
        *field = Read32(stream);
    if (r.type != StraightType && r.type != CurveType)
        Fail("ICR2 trk file unknown section type");
    if (r.firstXSection != std::int64_t{i} * GetXSectionCount())
        Fail("ICR2 trk file pieces index error");
    if (r.start != lengthSum)
        Fail("ICR2 trk file section start error");
    // Longitudes are found by the section ends, so each section must move them on.
    if (r.length <= 0)
        Fail("ICR2 trk file section length not positive");
    lengthSum += r.length;
    if (r.firstBoundary != boundarySum)
        Fail("ICR2 trk file surface start error");
    if (r.boundaryCount < 1)
        Fail("ICR2 trk file section has no boundary");
    boundarySum += r.boundaryCount;
    sections.push_back(r);
    CheckAltitudeJoin(i);
    ReadWalls(stream, wallCount);
}

// The lines of a section start where the lines of the section before it end.
void ICR2TrkFile::CheckAltitudeJoin(std::int32_t i) const {
    if (i == 0)
        return;
    for (int k = 0; k < GetXSectionCount(); ++k) {
        const XSectionRecord& before = XSection(i - 1, k);
        const std::int64_t end = std::int64_t{before.c0} + before.c1 + before.c2 + before.c3;
        if (Strays(XSection(i, k).c0, end, JoinTolerance))
            Fail("ICR2 trk file altitude mismatch");
    }
}

void ICR2TrkFile::ReadWalls(BinaryStream& stream, std::int32_t count) {
    if (count < 0)
        Fail("ICR2 trk file negative wall count");
    if (static_cast<std::uint64_t>(WallBytes * count) > stream.GetRemaining())
        throw Util::XFileRead(name);
    firstWalls.push_back(static_cast<std::int32_t>(walls.size()));
    wallCounts.push_back(count);
    for (std::int32_t w = 0; w < count; ++w) {
        WallRecord wall{};
        for (std::int32_t* field : {&wall.code, &wall.start, &wall.end})
            *field = Read32(stream);
        Read32(stream);  // two unused words
        Read32(stream);
        walls.push_back(wall);
    }
}

std::pair<std::int32_t, std::int32_t> ICR2TrkFile::RightEdge(int s, int j) const {
    if (j + 1 < GetStripCount(s))
        return {Boundary(s, j + 1).start, Boundary(s, j + 1).end};
    if (GetWallCount(s) == 0)
        return {Boundary(s, j).start, Boundary(s, j).end};
    const WallRecord& last = Wall(s, GetWallCount(s) - 1);
    return {last.start, last.end};
}

std::int32_t ICR2TrkFile::GetStripRightStart(int s, int j) const { return RightEdge(s, j).first; }

std::int32_t ICR2TrkFile::GetStripRightEnd(int s, int j) const { return RightEdge(s, j).second; }

std::pair<std::int32_t, std::int32_t> ICR2TrkFile::SurfaceRange(int s, int j) const {
    const std::int32_t code = Boundary(s, j).code;
    if (code >= 0) {
        for (const SurfaceRangeEnd& range : SurfaceRanges) {
            if (code <= range.lastCode)
                return {range.kind, range.lastCode};
        }
    }
    Util::AssertionFailed("false", __FILE__, __LINE__);
}

std::int32_t ICR2TrkFile::GetSurfaceKind(int s, int j) const { return SurfaceRange(s, j).first; }

std::int32_t ICR2TrkFile::GetSurfaceVariant(int s, int j) const {
    return Boundary(s, j).code - SurfaceRange(s, j).second;
}

std::int32_t ICR2TrkFile::GetWallKind(int s, int w) const {
    switch (Wall(s, w).code) {
    case 0: return 0;
    case 2: return 10;
    case 4: return 3;
    case 6: return 4;
    }
    Util::AssertionFailed("false", __FILE__, __LINE__);
}

void ICR2TrkFile::Write(BinaryStream& stream) const {
    stream.Seek(0);
    const auto sectionCount = static_cast<std::int32_t>(sections.size());
    const auto blockSize = static_cast<std::int32_t>(SectionBytes * sectionCount + WallBytes * walls.size());
    for (std::int32_t value : {TrackId, Type, trackLength, GetXSectionCount(), sectionCount,
                               static_cast<std::int32_t>(BoundaryBytes * boundaries.size()), blockSize})
        Write32(stream, value);
    for (int k = 0; k < OffsetSlots; ++k)
        Write32(stream, k < GetXSectionCount() ? xSectionOffsets[k] : 0);
    std::int32_t offset = 0;
    for (std::int32_t s = 0; s < sectionCount; ++s) {
        Write32(stream, offset);
        offset += static_cast<std::int32_t>(SectionBytes + WallBytes * wallCounts[s]);
    }
    WriteXSectionRecords(stream);
    for (const BoundaryRecord& r : boundaries) {
        for (std::int32_t value : {r.start, r.end, r.code})
            Write32(stream, value);
    }
    for (std::int32_t s = 0; s < sectionCount; ++s) {
        const SectionRecord& r = sections[s];
        for (std::int32_t value : {r.type, r.start, r.length, r.heading, r.a, r.b, r.c, r.d, r.extra, r.firstXSection,
                                   r.boundaryCount, r.firstBoundary, wallCounts[s]})
            Write32(stream, value);
        for (std::int32_t w = 0; w < wallCounts[s]; ++w) {
            const WallRecord& wall = Wall(s, w);
            for (std::int32_t value : {wall.code, wall.start, wall.end, UnusedWallWord, UnusedWallWord})
                Write32(stream, value);
        }
    }
}

}  // namespace Tessel::Papy
