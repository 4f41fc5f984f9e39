#include "tests/Papy/Objects/N4ArchiveTestSupport.h"

#include "Papy/Objects/N4AnimatedTransform.h"
#include "Papy/Objects/N4Appearance.h"
#include "Papy/Objects/N4Shape.h"
#include "Papy/Objects/N4Texture.h"
#include "Papy/Objects/ThreeDObjectGeometry.h"
#include "Papy/Objects/ThreeDObjectRoot.h"
#include "Samples/N4NodeWriters.h"

#include <gtest/gtest.h>

namespace Tessel::Papy {
namespace {

using namespace Linewright::Samples;
using namespace Linewright::Testing;

std::shared_ptr<ThreeDObject> Top(const N4TdoFile& file) { return file.GetRoot()->GetChild(0); }

TEST(N4TdoFile, ArchivesFromTheWriterLoadAndSaveBackByteForByte) {
    for (const std::string& bytes : {WriteArchive(SampleTdoTree()), WritePtf(SamplePtfShape()), WritePtf(PtfLoop(40))}) {
        const auto file = LoadArchive(bytes);
        EXPECT_EQ(Saved(*file), bytes);
    }
}

TEST(N4TdoFile, HoldsTheContainersOwnNodesBesideTheArchives) {
    const auto file = LoadArchive(WriteArchive(SampleTdoTree()));
    EXPECT_EQ(file->GetObjectCount(), 9u);  // two transforms, shape, geometry, lists, appearance, two textures
    EXPECT_EQ(file->GetRoot()->GetId(), 0xFFFFFFFEu);
    EXPECT_EQ(file->GetRoot()->GetChildCount(), 1u);
    EXPECT_EQ(Top(*file)->GetId(), 1u);
    EXPECT_EQ(Top(*file)->GetRecordPosition(), 0u);
    // The inner transform, object 3, carries the class number 2 of the outer one and no name.
    EXPECT_NE(Saved(*file).find(U32Bytes(3) + U32Bytes(2) + U32Bytes(1) + U32Bytes(5) + "spin"), std::string::npos);
    EXPECT_EQ(file->GetNull()->GetTypeName(), "");
    EXPECT_EQ(file->GetObject(0xFFFFFFFF)->GetTypeName(), "");
    EXPECT_EQ(BrokenCheck([&] { file->GetObject(2); }), "p != SubObjects.end()");  // a class number
    EXPECT_EQ(file->NewId(), 0x40000001u);
    // A track, 8 segments, 6 cross sections, 5 F and 4 W sections, an appearance with 2 textures
    // and texture coordinates, 2 details, 3 placed and 2 trackside objects.
    EXPECT_EQ(LoadArchive(WritePtf(SamplePtfShape()))->GetObjectCount(), 35u);
}

TEST(N4TdoFile, AReferenceToAnEarlierObjectIsItsNumberAndLoadsAsThatObject) {
    const ArchiveRef texture = TdoTexture("wall.tga");
    const auto appearance = [&](const ArchiveRef& light) {
        return TdoAppearance("a", {texture, nullptr, nullptr, nullptr, nullptr, light, nullptr});
    };
    const std::string twice = WriteArchive(appearance(texture));
    const std::string once = WriteArchive(appearance(nullptr));
    ASSERT_EQ(twice.size(), once.size());
    // The light entry holds 3, the texture's number, where the null reference holds 0.
    std::size_t at = 0;
    while (at < once.size() && twice[at] == once[at])
        ++at;
    ASSERT_LT(at, once.size());
    EXPECT_EQ(twice.substr(at), U32Bytes(3) + once.substr(at + 4));

    const auto file = LoadArchive(twice);
    const auto loaded = std::dynamic_pointer_cast<ThreeDObjectAppearance>(Top(*file));
    ASSERT_TRUE(loaded && loaded->GetBaseTexture());
    EXPECT_EQ(loaded->GetBaseTexture(), loaded->GetLightTexture());
    EXPECT_EQ(loaded->GetReferenceCount(), 2u);
    EXPECT_FALSE(loaded->GetDetailTexture());
}

// A trackside-object reference whose object record is replaced by the given bytes: object 1
// of class 2, so that the next new number is 4.
std::string WithNestedRecord(const std::string& record) {
    const ArchiveRef root = PtfTsoReference({}, nullptr);
    root->Set("tracksideObject", record);
    return WriteArchive(root);
}

ArchiveRef Chain(int depth) {
    ArchiveRef node;
    for (int i = 0; i < depth; ++i)
        node = TdoAnimatedTransform("t", {}, node, {});
    return node;
}

TEST(N4TdoFile, EveryArchiveFaultHasItsMessage) {
    const std::string tso = WriteArchive(PtfTracksideObject("a", "a.3do"));
    const ArchiveRef wrongKind = PtfTsoReference({}, TdoTexture("t.tga"));
    const std::vector<std::pair<std::string, std::string>> cases = {
        {U32Bytes(2) + tso.substr(4), "N4 archive object id error"},
        {WithNestedRecord(U32Bytes(5)), "N4 archive object id error"},
        {WithNestedRecord(U32Bytes(3) + U32Bytes(5)), "N4 archive object class id error"},
        {WriteArchive(MakeObject("NoSuchDescriptor")), "N4 archive unknown descriptor NoSuchDescriptor"},
        {tso + '\0', "N4 archive size mismatch"},
        {WithNestedRecord(U32Bytes(1)), "N4 archive reference to an unread object"},  // itself: a cycle
        {WithNestedRecord(U32Bytes(2)), "N4 archive reference to an unread object"},  // a class
        {WithNestedRecord(U32Bytes(0)), "N4 archive reference of the wrong kind"},    // null, where an object must be
        {WriteArchive(wrongKind), "N4 archive reference of the wrong kind"},
        {WriteArchive(Chain(N4Archiver::MaxDepth + 1)), "N4 archive nesting too deep"},
        {WriteArchive(Chain(N4Archiver::MaxDepth - 1)), "accepted"},
        {WithNestedRecord(U32Bytes(3) + U32Bytes(4) + U32Bytes(14) + std::string("TSODescriptor\0", 14) +
                          tso.substr(26)),
         "accepted"},
    };
    for (const auto& [bytes, expected] : cases)
        EXPECT_EQ(LoadingFault(bytes), expected) << expected;

    EXPECT_EQ(BrokenCheck([&] { LoadArchive(U32Bytes(0)); }), "root_id == 1");
    EXPECT_EQ(BrokenCheck([&] { LoadArchive(WithNestedRecord(U32Bytes(3) + U32Bytes(1))); }),
              "p != LoadClassMap.end()");
}

TEST(N4TdoFile, AnyTruncatedOrAlteredArchiveEndsInTheFamilysException) {
    for (const std::string& bytes : {WriteArchive(SampleTdoTree()), WritePtf(SamplePtfShape())}) {
        for (std::size_t size = 0; size < bytes.size(); ++size)
            EXPECT_THROW(LoadArchive(bytes.substr(0, size)), Util::Exception) << size;
        for (std::size_t at = 0; at < bytes.size(); ++at) {
            std::string altered = bytes;
            altered[at] = static_cast<char>(altered[at] ^ (1 << (at % 8)));
            try {
                LoadArchive(altered);  // a flipped value can still make a sound file
            } catch (const Util::Exception&) {
            }
        }
    }
}

struct OverlongCount {
    ArchiveRef (*tree)();
    const char* descriptor;
    std::vector<std::pair<const char*, std::string>> fields;
};

TEST(N4TdoFile, CountsAreCheckedAgainstTheStreamBeforeAnythingIsAllocated) {
    const std::string big = U32Bytes(300000000);
    const auto tdo = [] { return SampleTdoTree(); };
    const auto ptf = [] { return PtfTrackTree(SamplePtfShape()); };
    const auto tso = [] { return PtfTsoReference({}, PtfTracksideObject("a", "b"), 6, 0, 1); };
    const std::vector<OverlongCount> cases = {
        {tdo, "TriListDescriptor", {{"count", big}, {"byteCount", U32Bytes(1200000000)}}},
        {tdo, "PlainVertexListDescriptor", {{"vertexCount", big}, {"array0Bytes", U32Bytes(2400000000u)}}},
        {tdo, "AnimatedTransformDescriptor", {{"stateCount", U32Bytes(100000000)}, {"stateBytes", U32Bytes(3200000000u)}}},
        {tdo, "ShapeDescriptor", {{"name", U32Bytes(1024 * 1024)}}},
        {ptf, "TrackDescriptor", {{"segmentCount", big}, {"segmentBytes", U32Bytes(1200000000)}}},
        {ptf, "TrackDescriptor", {{"bumpMapCount", U32Bytes(50000000)}, {"bumpMapBytes", U32Bytes(2400000000u)}}},
        {ptf, "SegmentDescriptor", {{"xSectionCount", big}, {"xSectionBytes", U32Bytes(1200000000)}}},
        {ptf, "W_SectionDescriptor", {{"stripCount", big}}},
        {ptf, "TextureCoordsDescriptor", {{"vertexCount", big}, {"uBytes", U32Bytes(2400000000u)}}},
        {tso, "TSOReferenceDescriptor", {{"recordCount", big}}},
    };
    for (const OverlongCount& c : cases) {
        const ArchiveRef root = c.tree();
        for (const auto& [field, bytes] : c.fields)
            FindObject(root, c.descriptor)->Set(field, bytes);
        EXPECT_THROW(LoadArchive(WriteArchive(root)), Util::XFileRead) << c.descriptor;
    }
}

TEST(N4TdoFile, AStringOfALoneZeroByteReadsAsEmptyAndIsSavedAsLengthZero) {
    const ArchiveRef shape = TdoShape("", nullptr, nullptr);
    const std::string saved = WriteArchive(shape);
    shape->Set("name", U32Bytes(1) + std::string(1, '\0'));
    const auto file = LoadArchive(WriteArchive(shape));
    EXPECT_EQ(std::dynamic_pointer_cast<ThreeDObjectShape>(Top(*file))->GetName(), "");
    EXPECT_EQ(Saved(*file), saved);
}

TEST(N4TdoFile, SavingNumbersTheSavedTreeAgainFromOne) {
    // A new root over a subtree of a loaded file, and nodes made in memory beside loaded ones.
    const ArchiveRef tree = SampleTdoTree();
    const auto file = LoadArchive(WriteArchive(tree));
    const auto shape = std::dynamic_pointer_cast<ThreeDObjectShape>(
        std::dynamic_pointer_cast<ThreeDObjectAnimatedTransform>(
            std::dynamic_pointer_cast<ThreeDObjectAnimatedTransform>(Top(*file))->GetChild())
            ->GetChild());
    ASSERT_TRUE(shape);
    file->NewRoot({shape->GetId()});
    EXPECT_EQ(Saved(*file), WriteArchive(FindObject(tree, "ShapeDescriptor")));

    const auto texture = file->New<N4Texture>({1, "new.tga", 0});
    const auto appearance = file->New<N4Appearance>({"fresh", {{texture->GetId(), 0, 0, 0, 0, texture->GetId(), 0}}});
    const auto made = file->New<N4Shape>({"made", shape->GetGeometry()->GetId(), appearance->GetId()});
    EXPECT_EQ(made->GetId(), 0x40000004u);  // after the new root
    EXPECT_EQ(made->GetRecordPosition(), ThreeDObject::NotFromFile);
    const auto transform = file->New<N4AnimatedTransform>({"top", {{1, 2, 3, 4, 5, 6}}, made->GetId(), "top-2", {}});
    file->NewRoot({transform->GetId()});

    const ArchiveRef newTexture = TdoTexture("new.tga", 1);
    const ArchiveRef expected = TdoAnimatedTransform(
        "top", {1, 2, 3, 4, 5, 6},
        TdoShape("made", FindObject(tree, "GeometryDescriptor"),
                 TdoAppearance("fresh", {newTexture, nullptr, nullptr, nullptr, nullptr, newTexture, nullptr})),
        {});
    // The writer's appearance holds colours 0.1 i; the node made in memory holds zeros.
    for (int i = 0; i < 9; ++i)
        FindObject(expected, "AppearanceDescriptor")->Set("colour", F64Bytes(0.0), i);
    EXPECT_EQ(Saved(*file), WriteArchive(expected));
    EXPECT_EQ(BrokenCheck([&] { file->NewRoot({}); }), "children.size() == 1");
}

TEST(N4TdoFile, NodesThatCouldNotBeReadBackAreNotSaved) {
    const auto file = LoadArchive(WriteArchive(SampleTdoTree()));
    const auto texture = file->New<N4Texture>({3, "future.tga", 0});
    file->NewRoot({texture->GetId()});
    EXPECT_EQ(UsageText([&] { Saved(*file); }), "N4 3do Texture unsupported version");
    EXPECT_EQ(UsageText([&] { file->New<N4Texture>({1, "old.tga", 0})->SetShared(true); }),
              "N4 3do Texture version 1 sharing not supported");
}

TEST(N4TdoFile, TellsTheRootsDescriptorFromTheFirstBytes) {
    const auto name = [](const std::string& bytes) {
        return N4TdoFile::PeekRootDescriptorName(*MemoryStream(bytes, "peek").stream);
    };
    EXPECT_EQ(name(WritePtf(SamplePtfShape())), "TrackDescriptor");
    EXPECT_EQ(name(WriteArchive(SampleTdoTree())), "AnimatedTransformDescriptor");
    EXPECT_EQ(name(WriteArchive(SampleTdoTree()).substr(0, 20)), std::nullopt);
    EXPECT_EQ(name(U32Bytes(1) + U32Bytes(2) + U32Bytes(3) + "ab"), std::nullopt);  // shorter than its length
    EXPECT_EQ(name("RPLY"), std::nullopt);
}

}  // namespace
}  // namespace Tessel::Papy
