#include "tests/Papy/Objects/N4ArchiveTestSupport.h"

#include "Papy/Objects/N4AnimatedTransform.h"
#include "Papy/Objects/N4FSection.h"
#include "Papy/Objects/N4TrackSegment.h"
#include "Papy/Objects/N4TsoReference.h"
#include "Papy/Objects/N4WSection.h"
#include "Papy/Objects/N4XSection.h"
#include "Papy/Objects/ThreeDObjectRoot.h"
#include "Papy/Objects/ThreeDObjectTrack.h"
#include "Papy/Objects/ThreeDObjectTrackDetail.h"
#include "Papy/Objects/ThreeDObjectTracksideObject.h"
#include "Samples/N4NodeWriters.h"

#include <gtest/gtest.h>

#include <functional>

namespace Tessel::Papy {
namespace {

using namespace Linewright::Samples;
using namespace Linewright::Testing;

// The trees the cases break: a 3D object, a track, and a track whose F sections have no
// texture, so that its W sections are the first to meet the appearance.
ArchiveRef Tdo() { return SampleTdoTree(); }
ArchiveRef Ptf() { return PtfTrackTree(SamplePtfShape()); }
ArchiveRef PtfWallsTextured() {
    PtfShape shape = SamplePtfShape();
    shape.boundaries = {{-12.0, 3}, {12.0, 4}};
    return PtfTrackTree(shape);
}

// The first record of the descriptor whose version field holds version (any record for 0).
ArchiveRef Pick(const ArchiveRef& root, const std::string& descriptor, std::uint32_t version) {
    for (int occurrence = 0;; ++occurrence) {
        const ArchiveRef object = FindObject(root, descriptor, occurrence);
        if (!object || version == 0)
            return object;
        for (const ArchiveField& field : object->fields) {
            if (field.name == "version" && field.bytes == U32Bytes(version))
                return object;
        }
    }
}

struct BrokenField {
    std::function<ArchiveRef()> tree;
    const char* descriptor;
    std::uint32_t version;
    const char* field;
    int occurrence;
    std::string bytes;
    const char* expected;
};

std::string Broken(const BrokenField& c) {
    const ArchiveRef root = c.tree();
    const ArchiveRef object = Pick(root, c.descriptor, c.version);
    EXPECT_TRUE(object) << c.descriptor << " " << c.version;
    object->Set(c.field, c.bytes, c.occurrence);
    return WriteArchive(root);
}

const char* const AT = "AnimatedTransformDescriptor";
const char* const AP = "AppearanceDescriptor";
const char* const GE = "GeometryDescriptor";
const char* const SH = "ShapeDescriptor";
const char* const TX = "TextureDescriptor";
const char* const TL = "TriListDescriptor";
const char* const VL = "PlainVertexListDescriptor";
const char* const XS = "X_SectionDescriptor";
const char* const WS = "W_SectionDescriptor";
const char* const FS = "F_SectionDescriptor";
const char* const TR = "TSOReferenceDescriptor";
const char* const TO = "TSODescriptor";
const char* const SG = "SegmentDescriptor";
const char* const TD = "TrackDetailDescriptor";
const char* const TK = "TrackDescriptor";
const char* const TC = "TextureCoordsDescriptor";

// Each check of a constant field (a reserved word, or the one version a record has) is one
// io.Fixed line: one such row per descriptor (and per branch or type of field) shows that its
// record goes through them.
TEST(N4NodeRecords, EveryBodyCheckRejectsItsField) {
    const std::string one = U32Bytes(1), two = U32Bytes(2), zero = U32Bytes(0);
    const std::vector<BrokenField> cases = {
        {Tdo, AT, 0, "reserved3", 11, one, "N4 3do AnimatedTransform reserved3 not 0"},
        {Tdo, AT, 0, "stateBytes", 0, U32Bytes(32), "N4 3do AnimatedTransform state array size error"},
        {Tdo, AP, 0, "version", 0, one, "N4 3do Appearance unsupported version"},
        {Tdo, AP, 0, "textureFunction", 0, U32Bytes(4), "N4 3do Appearance unknown texture function"},
        {Tdo, AP, 0, "textureFunction", 0, U32Bytes(20), "N4 3do Appearance unknown texture function"},
        {Tdo, GE, 0, "version", 0, two, "N4 3do Geometry unsupported version"},
        {Tdo, SH, 0, "reserved0", 0, zero, "N4 3do Shape reserved0 not 1"},
        {Tdo, TX, 0, "reserved0", 0, zero, "N4 3do Texture reserved0 not 1"},
        {Tdo, TX, 0, "version", 0, U32Bytes(3), "N4 3do Texture unsupported version"},
        {Tdo, TL, 0, "reserved0", 0, zero, "N4 3do TriList reserved0 not 1"},
        {Tdo, TL, 0, "count", 0, U32Bytes(7), "N4 tdo TriList vertex count % 3 not zero"},
        {Tdo, VL, 0, "version", 0, two, "N4 3do PlainVertexList version not supported"},
        {Ptf, XS, 2, "version", 0, U32Bytes(4), "N4 ptf XSection unsupported version"},
        {Ptf, XS, 2, "reserved2", 0, U8Bytes(1), "N4 ptf XSection reserved2 not 0"},
        {Ptf, XS, 3, "reserved3", 1, one, "N4 ptf XSection reserved3 not 0"},
        {Ptf, XS, 3, "kind", 0, U8Bytes(3), "N4 ptf XSection unknown unknown type"},
        {Ptf, WS, 5, "reserved0", 0, zero, "N4 ptf WSection reserved0 not 1"},
        {Ptf, WS, 5, "version", 0, U32Bytes(8), "N4 ptf WSection unsupported version"},
        {Ptf, WS, 6, "direction", 0, two, "N4 ptf WSection unknown direction"},
        {Ptf, WS, 7, "profile", 0, two, "N4 ptf WSection unknown profile"},
        {Ptf, WS, 7, "reserved2", 0, F32Bytes(1.0f), "N4 ptf WSection reserved2 not -1"},  // the one float
        {PtfWallsTextured, AP, 0, "specular", 1, F64Bytes(0.5), "N4 ptf WSection with specular highlight"},
        {Ptf, FS, 4, "reserved0", 0, zero, "N4 ptf FSection reserved0 not 1"},
        {Ptf, FS, 4, "version", 0, U32Bytes(6), "N4 ptf FSection unsupported version"},
        {Ptf, AP, 0, "specular", 2, F64Bytes(-1.0), "N4 ptf FSection with specular highlight"},
        {Ptf, TR, 1, "reserved0", 0, zero, "N4 ptf TsoReference reserved0 not 1"},
        {Ptf, TR, 1, "version", 0, two, "N4 ptf TsoReference unsupported version"},
        {Ptf, TR, 6, "windDirection", 0, two, "N4 ptf TsoReference unknown wind direction"},
        {Ptf, TO, 2, "reserved0", 0, zero, "N4 ptf TracksideObject reserved0 not 1"},
        {Ptf, TO, 2, "version", 0, one, "N4 ptf TracksideObject unsupported version"},
        {Ptf, TO, 3, "version", 0, U32Bytes(4), "N4 ptf TracksideObject unsupported version"},
        {Ptf, SG, 2, "reserved0", 0, zero, "N4 ptf TrackSegment reserved0 not 1"},
        {Ptf, SG, 2, "version", 0, U32Bytes(3), "N4 ptf TrackSegment unsupported version"},
        {Ptf, SG, 2, "xSectionBytes", 0, U32Bytes(8), "N4 ptf TrackSegment X section array size mismatch"},
        {Ptf, SG, 2, "fSectionBytes", 0, U32Bytes(12), "N4 ptf TrackSegment F section array size mismatch"},
        {Ptf, SG, 2, "wSectionBytes", 0, U32Bytes(4), "N4 ptf TrackSegment W section array size mismatch"},
        {Ptf, SG, 2, "type", 0, two, "N4 ptf TrackSegment unknown type"},
        {Ptf, SG, 2, "bmBytes", 0, U32Bytes(16), "N4 ptf TrackSegment bm array size mismatch"},
        {Ptf, SG, 2, "bsBytes", 0, U32Bytes(12), "N4 ptf TrackSegment bs array size mismatch"},
        {Ptf, TD, 0, "reserved0", 0, zero, "N4 ptf TrackDetail reserved0 not 1"},
        {Ptf, TK, 0, "reserved0", 0, zero, "N4 ptf Track reserved0 not 1"},
        {Ptf, TK, 0, "version", 0, U32Bytes(7), "N4 ptf Track unsupported version"},
        {Ptf, TK, 0, "bumpMapBytes", 0, U32Bytes(48), "N4 ptf Track bump map array size mismatch"},
        {Ptf, TK, 0, "reserved3", 0, one, "N4 ptf Track reserved3 not 0"},
        {Ptf, TK, 0, "detailBytes", 0, U32Bytes(4), "N4 ptf Track detail array size mismatch"},
        {Ptf, TK, 0, "tsoBytes", 0, U32Bytes(16), "N4 ptf Track tso array size mismatch"},
        {Ptf, TK, 0, "segmentBytes", 0, U32Bytes(4), "N4 ptf Track segment array size mismatch"},
        {Ptf, TC, 0, "reserved0", 0, zero, "N4 ptf TextureCoords reserved0 not 1"},
        // Accepted edges of the same checks.
        {Tdo, AP, 0, "textureFunction", 0, U32Bytes(18), "accepted"},
        {Ptf, TK, 0, "reserved3", 0, zero, "accepted"},
    };
    for (const BrokenField& c : cases)
        EXPECT_EQ(LoadingFault(Broken(c)), c.expected) << c.descriptor << " " << c.field;
}

TEST(N4NodeRecords, SectionsRejectAnAppearanceWithAnOtherTexture) {
    // Entry 2 of seven is none of the named ones.
    for (const auto& [tree, expected] :
         std::vector<std::pair<ArchiveRef, std::string>>{{Ptf(), "N4 ptf FSection with other texture"},
                                                         {PtfWallsTextured(), "N4 ptf WSection with other texture"}}) {
        FindObject(tree, AP)->SetRef("texture", TdoTexture("other.tga"), 1);
        EXPECT_EQ(LoadingFault(tree), expected);
    }
    // A named entry is no other texture, but it adds a texture layer that the record lacks.
    const ArchiveRef tree = Ptf();
    FindObject(tree, AP)->SetRef("texture", TdoTexture("light.tga"), 5);
    EXPECT_NE(LoadingFault(tree), "N4 ptf FSection with other texture");
}

// A reference of a node made to name a node of another kind.
struct OtherKindReference {
    std::function<ArchiveRef()> tree;
    const char* descriptor;
    const char* field;
    int occurrence;
    std::function<ArchiveRef()> node;
    const char* expected;
};

// Only references whose kind the format fixes, and which the track then uses as that kind,
// refuse a node of another kind; the others keep it and save it back as read. One row per way
// a descriptor declares its references.
TEST(N4NodeRecords, OnlyReferencesOfAFixedKindRefuseANodeOfAnotherKind) {
    const auto coords = [] { return PtfTextureCoords(4, true); };
    const auto texture = [] { return TdoTexture("t.tga"); };
    const auto wrongKind = "N4 archive reference of the wrong kind";
    const std::vector<OtherKindReference> cases = {
        {Tdo, AP, "texture", 1, coords, "accepted"},
        {Ptf, AP, "texture", 0, coords, "accepted"},  // a named entry: still one texture layer
        {Tdo, GE, "triangles", 0, texture, "accepted"},
        {Tdo, SH, "geometry", 0, texture, "accepted"},
        {Tdo, AT, "child", 0, coords, "accepted"},
        {Ptf, TD, "object", 0, coords, "accepted"},
        {Ptf, FS, "appearance", 0, texture, wrongKind},
        {PtfWallsTextured, WS, "appearance", 0, coords, wrongKind},
        {PtfWallsTextured, WS, "textureCoords", 0, texture, wrongKind},
        {Ptf, TR, "tracksideObject", 0, texture, wrongKind},
        {Ptf, SG, "xSection", 0, coords, wrongKind},
        {Ptf, TK, "detail", 0, coords, wrongKind},
        {Ptf, TK, "segment", 0, coords, wrongKind},
    };
    for (const OtherKindReference& c : cases) {
        const ArchiveRef root = c.tree();
        const ArchiveRef object = FindObject(root, c.descriptor);
        ASSERT_TRUE(object) << c.descriptor;
        object->SetRef(c.field, c.node(), c.occurrence);
        const std::string bytes = WriteArchive(root);
        ASSERT_EQ(LoadingFault(bytes), c.expected) << c.descriptor << " " << c.field;
        if (c.expected == std::string("accepted")) {
            EXPECT_EQ(Saved(*LoadArchive(bytes)), bytes) << c.descriptor << " " << c.field;
        }
    }
}

TEST(N4NodeRecords, AFieldAfterAReferenceToAnotherKindIsCheckedWithItsOwnMessage) {
    const ArchiveRef root = Tdo();
    const ArchiveRef appearance = FindObject(root, AP);
    appearance->SetRef("texture", PtfTextureCoords(4, true), 1);
    appearance->Set("textureFunction", U32Bytes(4));
    EXPECT_EQ(LoadingFault(root), "N4 3do Appearance unknown texture function");
}

struct BrokenArray {
    std::function<ArchiveRef()> tree;
    const char* descriptor;
    const char* field;
    std::string bytes;
    const char* expected;
};

TEST(N4NodeRecords, ArrayByteCountsThatNoWriterMakesBreakAssertions) {
    const std::vector<BrokenArray> cases = {
        {Tdo, TL, "byteCount", U32Bytes(4), "byte_count == vertex_count * sizeof(U32)"},
        {Tdo, VL, "array0Bytes", U32Bytes(8), "array_size == vertex_count * sizeof(F64)"},
        {Tdo, VL, "array49Bytes", U32Bytes(40), "array_size == vertex_count * sizeof(F64)"},
        {Tdo, VL, "array27Bytes", U32Bytes(32), "array_size ==0"},
        {Ptf, TC, "uBytes", U32Bytes(8), "array_size == 0 || array_size == VertexCount * sizeof(F64)"},
        {Ptf, TC, "vBytes", U32Bytes(0), "array_size == has_texture_vertices * VertexCount * sizeof(F64)"},
        {Ptf, TC, "more0Bytes", U32Bytes(16), "array_size == VertexCount * sizeof(F64)"},
        {Ptf, TD, "xsBytes", U32Bytes(0), "array_size == vertex_count * sizeof(F64)"},
        {Ptf, TD, "ysBytes", U32Bytes(40), "array_size == vertex_count * sizeof(F64)"},
        {Tdo, SH, "name", U32Bytes(3) + "box", "buffer[length - 1] == 0"},
        {Tdo, SH, "name", U32Bytes(1024 * 1024 + 1), "length <= 1024L * 1024L"},
    };
    for (const BrokenArray& c : cases) {
        const ArchiveRef root = c.tree();
        FindObject(root, c.descriptor)->Set(c.field, c.bytes);
        EXPECT_EQ(BrokenCheck([&] { LoadArchive(WriteArchive(root)); }), c.expected) << c.field;
    }
}

template <class Node>
std::shared_ptr<const Node> As(const std::shared_ptr<ThreeDObject>& node) {
    return std::dynamic_pointer_cast<const Node>(node);
}

std::shared_ptr<ThreeDObjectTrack> LoadedTrack(const std::shared_ptr<N4TdoFile>& file) {
    return std::dynamic_pointer_cast<ThreeDObjectTrack>(file->GetRoot()->GetChild(0));
}

TEST(N4NodeRecords, TrackNodesHoldTheWritersValues) {
    const auto file = LoadArchive(WritePtf(SamplePtfShape()));
    const auto track = LoadedTrack(file);
    ASSERT_TRUE(track);
    ASSERT_EQ(track->GetSegmentCount(), 8u);
    // The segments' ends and headings show in the lap of PtfTrackTest.
    const auto arc = track->GetSegment(1);
    EXPECT_TRUE(arc->IsCurve());
    EXPECT_FALSE(track->GetSegment(0)->IsCurve());
    ASSERT_EQ(arc->GetXSectionCount(), 3u);
    EXPECT_EQ(arc->GetXSection(2)->GetStartOffset(), 10.0);  // version 3: stored as a float
    EXPECT_EQ(As<N4XSection>(arc->GetXSection(2))->GetFields().version, 3u);
    ASSERT_EQ(arc->GetFSectionCount(), 4u);
    EXPECT_EQ(arc->GetFSection(1)->GetSurface(), 1u);
    EXPECT_EQ(arc->GetFSection(3)->GetEndOffset(), 12.0);
    ASSERT_EQ(arc->GetWSectionCount(), 2u);
    EXPECT_EQ(arc->GetWSection(1)->GetWallType(), 2u);
    EXPECT_EQ(arc->GetWSection(1)->GetDirection(), 1u);
    EXPECT_EQ(arc->GetWSection(0)->GetEndHeight(), 1.2);
    EXPECT_EQ(As<N4WSection>(arc->GetWSection(0))->GetFields().version, 6u);  // floats from version 6
    EXPECT_EQ(As<N4WSection>(track->GetSegment(0)->GetWSection(0))->GetFields().version, 5u);
    const auto& bm = As<N4TrackSegment>(arc)->GetFields().bm;
    ASSERT_EQ(bm.size(), 1u);
    EXPECT_EQ(bm[0].GetEnd(), 2.5);
    // Equal sections are one node: the cross sections of segments 0 and 2, the outer walls of
    // all segments.
    EXPECT_EQ(track->GetSegment(0)->GetXSection(0), track->GetSegment(2)->GetXSection(0));
    EXPECT_NE(track->GetSegment(0)->GetXSection(0), track->GetSegment(1)->GetXSection(0));
    EXPECT_EQ(track->GetSegment(0)->GetWSection(1), track->GetSegment(7)->GetWSection(1));
}

TEST(N4NodeRecords, SectionTexturesTakeTheirCountAndFlagsFromTheAppearance) {
    const auto file = LoadArchive(WritePtf(SamplePtfShape()));
    const auto segment = LoadedTrack(file)->GetSegment(0);
    // The road boundary's appearance has a base and a detail texture and texture function 2.
    const auto& road = As<N4FSection>(segment->GetFSection(1))->GetFields().texture;
    ASSERT_EQ(road.layers.size(), 2u);
    EXPECT_EQ(road.layers[0].inherit, 0);
    EXPECT_EQ(road.layers[0].flag0, 1);
    EXPECT_EQ(road.layers[1].inherit, 1);
    EXPECT_EQ(road.layers[1].value4, 0.0);  // an inheriting layer keeps zeros
    EXPECT_NE(road.textureCoords, 0u);
    EXPECT_FALSE(road.blended);
    EXPECT_FALSE(road.modulated);
    EXPECT_EQ(As<N4FSection>(segment->GetFSection(0))->GetFields().texture.appearance, 0u);
    const auto& wall = As<N4WSection>(segment->GetWSection(0))->GetFields();
    ASSERT_EQ(wall.strips.size(), 2u);
    EXPECT_EQ(wall.strips[0].textures[0].layers.size(), 2u);
    EXPECT_TRUE(wall.strips[0].textures[1].layers.empty());
    EXPECT_EQ(wall.strips[1].start, 0.5);

    // Texture function 19 is blended and modulated.
    const ArchiveRef tree = Ptf();
    FindObject(tree, AP)->Set("textureFunction", U32Bytes(19));
    const auto blended = LoadArchive(WriteArchive(tree));
    const auto& texture = As<N4FSection>(LoadedTrack(blended)->GetSegment(0)->GetFSection(1))->GetFields().texture;
    EXPECT_TRUE(texture.blended);
    EXPECT_TRUE(texture.modulated);
}

TEST(N4NodeRecords, SwappedAndReversedValuesComeBackInMemoryOrder) {
    const auto file = LoadArchive(WriteArchive(SampleTdoTree()));
    const auto outer = As<N4AnimatedTransform>(file->GetRoot()->GetChild(0));
    const auto inner = As<N4AnimatedTransform>(outer->GetChild());
    EXPECT_EQ(inner->GetTransform(), (std::array<double, 6>{1.0, 0.5, -0.5, 1.0, 2.0, 3.0}));
    EXPECT_EQ(inner->GetFields().states.at(0), (N4AnimatedTransformFields::State{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(inner->GetName2(), "spin-2");
    EXPECT_EQ(outer->GetStateCount(), 0u);

    const auto ptf = LoadArchive(WritePtf(SamplePtfShape()));
    const auto track = LoadedTrack(ptf);
    ASSERT_EQ(track->GetTsoReferenceCount(), 3u);
    EXPECT_EQ(track->GetTsoReference(1)->GetPlacement(), (std::array<double, 6>{7, 8, 9, 10, 11, 12}));
}

TEST(N4NodeRecords, TsoReferenceFlagGovernsEverythingAfterIt) {
    const auto file = LoadArchive(WritePtf(SamplePtfShape()));
    const auto track = LoadedTrack(file);
    const auto version1 = As<N4TsoReference>(track->GetTsoReference(0));
    EXPECT_EQ(version1->GetWindDirection(), 0u);  // implied, with flag 1
    EXPECT_EQ(version1->GetFields().flag, 1);
    const auto flag0 = As<N4TsoReference>(track->GetTsoReference(1));
    EXPECT_EQ(flag0->GetWindDirection(), 1u);
    EXPECT_EQ(flag0->GetFields().records.size(), 2u);
    EXPECT_EQ(flag0->GetFields().text, "flag");
    EXPECT_EQ(flag0->GetTracksideObject()->GetFileName(), "stand.3do");
    const auto flag1 = As<N4TsoReference>(track->GetTsoReference(2));
    EXPECT_TRUE(flag1->GetFields().records.empty());
    EXPECT_EQ(flag1->GetTracksideObject(), version1->GetTracksideObject());
    // A version-6 record with flag 1 ends at its flag.
    EXPECT_EQ(WriteArchive(PtfTsoReference({}, PtfTracksideObject("a", "b"), 6, 1)).size(),
              WriteArchive(PtfTsoReference({}, PtfTracksideObject("a", "b"), 1)).size() + 5);
}

TEST(N4NodeRecords, EmptyReferenceArraysCarryNoByteCountButTheSegmentsAlwaysDo) {
    // A track of no segments, details or placed objects: the segment byte count 0 stands alone.
    const ArchiveRef empty = PtfTrack({}, 6);
    EXPECT_EQ(LoadingFault(empty), "accepted");
    const std::string bytes = WriteArchive(empty);
    EXPECT_EQ(bytes.substr(bytes.size() - 12), U32Bytes(0) + U32Bytes(0) + U32Bytes(0));  // details, tsos, segments
    EXPECT_EQ(LoadArchive(bytes)->GetObjectCount(), 1u);
    empty->Set("segmentBytes", U32Bytes(4));
    EXPECT_EQ(LoadingFault(empty), "N4 ptf Track segment array size mismatch");

    // A segment without sections: three counts of 0 and no byte counts.
    const ArchiveRef bare = PtfSegment({});
    const std::string bareBytes = WriteArchive(bare);
    EXPECT_EQ(bareBytes.size(), 8 + 4 + 18 + 3 * 4 + 3 * 4 + 4 + 6 * 8 + 2);  // header, name, body
    const auto file = LoadArchive(bareBytes);
    EXPECT_EQ(As<N4TrackSegment>(file->GetRoot()->GetChild(0))->GetXSectionCount(), 0u);

    // Details: four x and four y values after a byte count of 32 each.
    const auto ptf = LoadArchive(WritePtf(SamplePtfShape()));
    EXPECT_EQ(LoadedTrack(ptf)->GetDetail(1)->GetXs(), (std::array<double, 4>{1, 2, 3, 4}));
    EXPECT_EQ(LoadedTrack(ptf)->GetDetail(1)->GetYs(), (std::array<double, 4>{-1, -2, -3, -4}));
    EXPECT_FALSE(LoadedTrack(ptf)->GetDetail(0)->GetObject());
    EXPECT_EQ(LoadedTrack(ptf)->GetDetail(1)->GetObject()->GetTypeName(), "TracksideObject");
}

}  // namespace
}  // namespace Tessel::Papy
