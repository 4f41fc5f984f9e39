#pragma once

#include "Samples/N4ArchiveWriter.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Records of the N4 node kinds, built field by field from the format's tables (every field
// named as the tables name it, so that tests can break any one), and sample trees: a small 3D
// object and closed PTF tracks.
namespace Linewright::Samples {

// 3D objects (".3do").
ArchiveRef TdoTexture(const std::string& fileName, std::uint32_t version = 2, std::uint8_t shared = 0);
// textures: the seven texture entries (empty for null).
ArchiveRef TdoAppearance(const std::string& name, const std::array<ArchiveRef, 7>& textures,
                         std::uint32_t textureFunction = 0, const std::array<double, 3>& specular = {});
ArchiveRef TdoTriList(const std::vector<std::uint32_t>& indices);
// Coordinates and, with textured, a first texture set of u and v values; the vertex list's
// 50 arrays are named "array0" to "array49" with byte counts "array0Bytes" to "array49Bytes".
ArchiveRef TdoPlainVertexList(const std::vector<std::array<double, 3>>& vertices, bool textured);
ArchiveRef TdoGeometry(const ArchiveRef& triangles, const ArchiveRef& vertices);
ArchiveRef TdoShape(const std::string& name, const ArchiveRef& geometry, const ArchiveRef& appearance);
// transform in memory order (written t0, t2, t1, t3, t4, t5); states likewise (s0, s1, s3, s2, ...).
ArchiveRef TdoAnimatedTransform(const std::string& name, const std::array<double, 6>& transform,
                                const ArchiveRef& child, const std::vector<std::array<std::uint32_t, 8>>& states);

// A transform over a transform over a shape with a geometry of two triangles and an appearance
// whose base and light entries are one texture (referenced twice) and whose detail entry is a
// version-1 texture.
ArchiveRef SampleTdoTree();

// Tracks (".ptf").
struct PtfLine {
    double startOffset = 0.0;
    double startAltitude = 0.0;
    double startGrade = 0.0;
    double endOffset = 0.0;
    double endAltitude = 0.0;
    double endGrade = 0.0;
};
// Version 3 stores offsets and grades as floats and adds two sub-records (kinds 1 and 2).
ArchiveRef PtfXSection(const PtfLine& line, std::uint32_t version = 2);
ArchiveRef PtfTextureCoords(std::uint32_t vertexCount, bool withTextureVertices);

// The texturing of a section: the appearance (empty: none), its texture count (as the reader
// works it out from the appearance: its non-null entries), coordinates and one layer per
// texture, each inheriting or with its own values.
struct PtfTexture {
    ArchiveRef appearance;
    std::uint32_t textureCount = 0;
    ArchiveRef coords;
    std::vector<bool> inherits;
};
ArchiveRef PtfFSection(double startOffset, double endOffset, std::uint32_t surface, std::uint32_t version = 4,
                       const PtfTexture& texture = {});
struct PtfWall {
    double startOffset = 0.0;
    double endOffset = 0.0;
    double startHeight = 1.0;
    double endHeight = 1.0;
    double startWidth = 0.5;
    double endWidth = 0.5;
    std::uint32_t wallType = 0;
    std::uint32_t direction = 0;
};
// Version 7 writes profile 1. stripCount strips; the first strip's first slot has the texture.
ArchiveRef PtfWSection(const PtfWall& wall, std::uint32_t version = 5, std::uint32_t stripCount = 1,
                       const PtfTexture& texture = {});
ArchiveRef PtfTracksideObject(const std::string& name, const std::string& fileName, std::uint32_t version = 2);
// placement in memory order (written p0, p1, p2, p5, p4, p3). Version 6 writes the wind
// direction and the flag; flag 0 adds the 32 bytes, three ints, recordCount 40-byte records
// and the string.
ArchiveRef PtfTsoReference(const std::array<double, 6>& placement, const ArchiveRef& tracksideObject,
                           std::uint32_t version = 1, std::uint8_t flag = 1, std::uint32_t recordCount = 2);
ArchiveRef PtfTrackDetail(const ArchiveRef& object);

// The fields of a segment record to write.
struct PtfSegmentFields {
    std::uint32_t version = 1;
    std::uint32_t type = 0;  // 0 straight, 1 arc
    double startX = 0.0;
    double startY = 0.0;
    double startHeading = 0.0;
    double endX = 0.0;
    double endY = 0.0;
    double endHeading = 0.0;
    std::vector<ArchiveRef> xSections;
    std::vector<ArchiveRef> fSections;
    std::vector<ArchiveRef> wSections;
    std::uint32_t bmCount = 0;  // version 2
    std::uint32_t bsCount = 0;  // version 2
};
ArchiveRef PtfSegment(const PtfSegmentFields& fields);
// Version 8 writes bumpMapCount 48-byte records; version 6 its 21 values.
ArchiveRef PtfTrack(const std::vector<ArchiveRef>& segments, std::uint32_t version = 8,
                    const std::vector<ArchiveRef>& details = {}, const std::vector<ArchiveRef>& tsoReferences = {},
                    std::uint32_t bumpMapCount = 0);

// A piece of a track's reference line: a straight of a length, or an arc of a radius turning
// by an angle (positive to the left); every cross-section line of the piece runs from
// startAltitude to endAltitude with the given grades (altitude change per whole segment).
struct PtfPiece {
    double length = 0.0;
    double radius = 0.0;
    double angle = 0.0;
    double startAltitude = 0.0;
    double endAltitude = 0.0;
    double startGrade = 0.0;
    double endGrade = 0.0;

    static PtfPiece Straight(double length) { return {length}; }
    static PtfPiece Arc(double radius, double angle) { return {0.0, radius, angle}; }
    bool IsArc() const { return radius != 0.0; }
};
struct PtfBoundary {
    double offset = 0.0;
    std::uint32_t surface = 1;  // the surface kind plus one, of the band on its right
};
struct PtfShape {
    double startX = 0.0;
    double startY = 0.0;
    double startHeading = 0.0;
    std::vector<PtfPiece> pieces;  // a closed loop
    std::vector<double> xSectionOffsets = {-10.0, 0.0, 10.0};
    std::vector<PtfBoundary> boundaries = {{-12.0, 3}, {-8.0, 1}, {8.0, 4}, {12.0, 3}};
    std::vector<double> wallOffsets = {-12.0, 12.0};
};

// The track of the shape with everything a PTF track can hold: segments of both versions (bm
// and bs records on version 2), cross sections of both versions, F and W sections of every
// version, textured with an appearance and texture coordinates; sections with equal values
// are one node shared between segments. A version-8 track with a bump map, two details and
// trackside objects of both versions placed by references of versions 1 and 6 (flags 0 and 1).
ArchiveRef PtfTrackTree(const PtfShape& shape);
std::string WritePtf(const PtfShape& shape);

// A rounded rectangle: four straights of 200 and 100 m and four left quarter turns of 50 m
// radius from (0, 0), heading 0. Its length is 600 + 100 pi m.
PtfShape SamplePtfShape();
// A closed loop of segmentCount pieces (a multiple of 4): straights and left arcs alternating.
PtfShape PtfLoop(int segmentCount);

}  // namespace Linewright::Samples
