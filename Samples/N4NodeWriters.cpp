#include "Samples/N4NodeWriters.h"

#include <cmath>
#include <map>
#include <numbers>
#include <tuple>

namespace Linewright::Samples {

namespace {

constexpr double Pi = std::numbers::pi;

// The two fields every track record starts with.
ArchiveRef TrackRecord(const std::string& descriptor) {
    ArchiveRef record = MakeObject(descriptor);
    record->U32("reserved0", 1).U32("reserved1", 0);
    return record;
}

std::string Repeated(std::size_t count, char byte) { return std::string(count, byte); }

// A vertex-list array: a byte count and the values.
void Doubles(ArchiveObject& record, const std::string& name, const std::vector<double>& values) {
    record.U32(name + "Bytes", static_cast<std::uint32_t>(values.size() * 8));
    std::string bytes;
    for (const double value : values)
        bytes += F64Bytes(value);
    record.Bytes(name, bytes);
}

// Offsets and grades as doubles or (float) as floats.
void Value(ArchiveObject& record, const std::string& name, double value, bool asFloat) {
    if (asFloat)
        record.F32(name, static_cast<float>(value));
    else
        record.F64(name, value);
}

void Texture(ArchiveObject& record, const PtfTexture& texture, int layerBytes) {
    record.Ref("appearance", texture.appearance);
    if (!texture.appearance)
        return;
    if (texture.textureCount > 0)
        record.Ref("textureCoords", texture.coords);
    for (std::uint32_t k = 0; k < texture.textureCount; ++k) {
        const bool inherit = k < texture.inherits.size() && texture.inherits[k];
        record.U8("inherit", inherit ? 1 : 0);
        if (!inherit)
            record.Bytes("layer", Repeated(layerBytes, static_cast<char>(k + 1)));
    }
}

}  // namespace

ArchiveRef TdoTexture(const std::string& fileName, std::uint32_t version, std::uint8_t shared) {
    ArchiveRef record = MakeObject("TextureDescriptor");
    record->U32("reserved0", 1).U32("reserved1", 0).U32("version", version).Str("fileName", fileName);
    if (version == 2)
        record->U8("shared", shared);
    return record;
}

ArchiveRef TdoAppearance(const std::string& name, const std::array<ArchiveRef, 7>& textures,
                         std::uint32_t textureFunction, const std::array<double, 3>& specular) {
    ArchiveRef record = MakeObject("AppearanceDescriptor");
    record->U32("reserved0", 1).Str("name", name).U32("version", 2);
    for (const ArchiveRef& texture : textures)
        record->Ref("texture", texture);
    for (const double value : specular)
        record->F64("specular", value);
    for (int i = 0; i < 9; ++i)
        record->F64("colour", 0.1 * i);
    record->U32("textureFunction", textureFunction);
    return record;
}

ArchiveRef TdoTriList(const std::vector<std::uint32_t>& indices) {
    ArchiveRef record = MakeObject("TriListDescriptor");
    record->U32("reserved0", 1).U32("reserved1", 0).U32("reserved2", 1).U32("reserved3", 0).U32("reserved4", 1);
    record->U32("count", static_cast<std::uint32_t>(indices.size()));
    record->U32("byteCount", static_cast<std::uint32_t>(indices.size() * 4));
    for (const std::uint32_t index : indices)
        record->U32("index", index);
    return record;
}

ArchiveRef TdoPlainVertexList(const std::vector<std::array<double, 3>>& vertices, bool textured) {
    ArchiveRef record = MakeObject("PlainVertexListDescriptor");
    record->U32("reserved0", 1).U32("reserved1", 0).U32("version", 1).U32("reserved3", 1);
    record->U32("vertexCount", static_cast<std::uint32_t>(vertices.size()));
    std::vector<std::vector<double>> arrays(50);
    for (const auto& vertex : vertices) {
        for (int axis = 0; axis < 3; ++axis)
            arrays[axis].push_back(vertex[axis]);
        if (textured) {
            arrays[6].push_back(vertex[0] / 10.0);  // u and v of the first texture set
            arrays[7].push_back(vertex[1] / 10.0);
        }
        arrays[3].push_back(0.0);  // a further per-vertex array (the normals' x, say)
    }
    for (int i = 0; i < 50; ++i) {
        if (i == 3)
            record->U32("reserved4", 0);
        if (i == 6)
            record->U32("reserved5", 3);
        Doubles(*record, "array" + std::to_string(i), arrays[i]);
    }
    return record;
}

ArchiveRef TdoGeometry(const ArchiveRef& triangles, const ArchiveRef& vertices) {
    ArchiveRef record = MakeObject("GeometryDescriptor");
    record->U32("reserved0", 1).U32("reserved1", 0).U32("version", 1).Ref("triangles", triangles).Ref("vertices", vertices);
    return record;
}

ArchiveRef TdoShape(const std::string& name, const ArchiveRef& geometry, const ArchiveRef& appearance) {
    ArchiveRef record = MakeObject("ShapeDescriptor");
    record->U32("reserved0", 1).Str("name", name).U32("reserved1", 1).U32("reserved2", 1);
    record->Ref("geometry", geometry).Ref("appearance", appearance);
    return record;
}

ArchiveRef TdoAnimatedTransform(const std::string& name, const std::array<double, 6>& transform,
                                const ArchiveRef& child, const std::vector<std::array<std::uint32_t, 8>>& states) {
    ArchiveRef record = MakeObject("AnimatedTransformDescriptor");
    record->U32("reserved0", 1).Str("name", name).U32("reserved1", 1).U32("reserved2", 1);
    for (int i = 0; i < 12; ++i)
        record->U32("reserved3", 0);
    record->U32("reserved4", 1);
    for (const int index : {0, 2, 1, 3, 4, 5})
        record->F64("transform", transform[index]);
    record->Ref("child", child).U32("reserved5", 1).Str("name2", name + "-2");
    record->U32("stateCount", static_cast<std::uint32_t>(states.size()));
    record->U32("stateBytes", static_cast<std::uint32_t>(states.size() * 32));
    for (const auto& state : states) {
        for (const int index : {0, 1, 3, 2, 4, 5, 6, 7})
            record->U32("state", state[index]);
    }
    return record;
}

ArchiveRef SampleTdoTree() {
    const ArchiveRef texture = TdoTexture("wall.tga", 2, 1);
    const ArchiveRef appearance =
        TdoAppearance("painted", {texture, nullptr, TdoTexture("old.tga", 1), nullptr, nullptr, texture, nullptr}, 19);
    const ArchiveRef geometry =
        TdoGeometry(TdoTriList({0, 1, 2, 2, 1, 3}), TdoPlainVertexList({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0.5}}, true));
    const ArchiveRef shape = TdoShape("box", geometry, appearance);
    const ArchiveRef inner = TdoAnimatedTransform("spin", {1.0, 0.5, -0.5, 1.0, 2.0, 3.0}, shape, {{1, 2, 3, 4, 5, 6, 7, 8}});
    return TdoAnimatedTransform("", {0.5, 0.25, -0.25, 0.5, 0, 0}, inner, {});
}

ArchiveRef PtfXSection(const PtfLine& line, std::uint32_t version) {
    ArchiveRef record = TrackRecord("X_SectionDescriptor");
    record->U32("version", version);
    const bool floats = version == 3;
    Value(*record, "startOffset", line.startOffset, floats);
    record->F64("startAltitude", line.startAltitude);
    Value(*record, "startGrade", line.startGrade, floats);
    Value(*record, "endOffset", line.endOffset, floats);
    record->F64("endAltitude", line.endAltitude);
    Value(*record, "endGrade", line.endGrade, floats);
    record->U8("reserved2", 0);
    if (version == 3) {
        record->U8("kind", 1).U32("reserved3", 0).U32("reserved3", 0);
        record->U8("kind", 2).F32("subValue", 1.5f).F32("subValue", -2.5f).U8("subFlag", 1).U8("subFlag", 0);
    }
    return record;
}

ArchiveRef PtfTextureCoords(std::uint32_t vertexCount, bool withTextureVertices) {
    ArchiveRef record = TrackRecord("TextureCoordsDescriptor");
    record->U32("reserved2", 1).U32("vertexCount", vertexCount).U32("reserved3", 3);
    std::vector<double> values;
    for (std::uint32_t i = 0; i < vertexCount; ++i)
        values.push_back(0.25 * i);
    Doubles(*record, "u", withTextureVertices ? values : std::vector<double>{});
    Doubles(*record, "v", withTextureVertices ? values : std::vector<double>{});
    for (int i = 0; i < 22; ++i)
        Doubles(*record, "more" + std::to_string(i), i == 4 ? values : std::vector<double>{});
    return record;
}

ArchiveRef PtfFSection(double startOffset, double endOffset, std::uint32_t surface, std::uint32_t version,
                       const PtfTexture& texture) {
    ArchiveRef record = TrackRecord("F_SectionDescriptor");
    record->U32("version", version);
    Value(*record, "startOffset", startOffset, version == 5);
    Value(*record, "endOffset", endOffset, version == 5);
    record->U8("flag", 1).U32("value", 7).U32("surface", surface);
    Texture(*record, texture, 42);
    return record;
}

ArchiveRef PtfWSection(const PtfWall& wall, std::uint32_t version, std::uint32_t stripCount, const PtfTexture& texture) {
    ArchiveRef record = TrackRecord("W_SectionDescriptor");
    record->U32("version", version);
    Value(*record, "startOffset", wall.startOffset, version >= 6);
    Value(*record, "endOffset", wall.endOffset, version >= 6);
    record->U8("flag", 0).U32("value", 3);
    record->F64("startHeight", wall.startHeight).F64("endHeight", wall.endHeight);
    record->F64("startWidth", wall.startWidth).F64("endWidth", wall.endWidth);
    record->F64("extra", 0.75).F64("extra", -0.75).U32("direction", wall.direction);
    if (version == 7) {
        record->U32("profile", 1).F32("reserved2", -1.0f).U32("profileValue", 9);
        record->Bytes("profileA", Repeated(16, 'a')).Bytes("profileB", Repeated(16, 'b'));
    }
    record->U32("wallType", wall.wallType).U32("stripCount", stripCount).U32("stripValue", 5).U32("stripValue", 6);
    for (std::uint32_t strip = 0; strip < stripCount; ++strip) {
        if (strip > 0)
            record->F64("stripStart", 0.5 * strip);
        for (int slot = 0; slot < 5; ++slot) {
            if (strip == 0 && slot == 0)
                Texture(*record, texture, 34);
            else
                record->Ref("appearance", nullptr);
        }
    }
    return record;
}

ArchiveRef PtfTracksideObject(const std::string& name, const std::string& fileName, std::uint32_t version) {
    ArchiveRef record = TrackRecord("TSODescriptor");
    record->U32("version", version).Str("name", name).Str("fileName", fileName);
    if (version == 3)
        record->U8("extra", 4);
    return record;
}

ArchiveRef PtfTsoReference(const std::array<double, 6>& placement, const ArchiveRef& tracksideObject,
                           std::uint32_t version, std::uint8_t flag, std::uint32_t recordCount) {
    ArchiveRef record = TrackRecord("TSOReferenceDescriptor");
    record->U32("version", version);
    for (const int index : {0, 1, 2, 5, 4, 3})
        record->F64("placement", placement[index]);
    record->Ref("tracksideObject", tracksideObject);
    if (version != 6)
        return record;
    record->U32("windDirection", 1).U8("flag", flag);
    if (flag == 0) {
        record->Bytes("block", Repeated(32, 'k')).U32("value", 1).U32("value", 2).U32("value", 3);
        record->U32("recordCount", recordCount).Bytes("records", Repeated(40 * recordCount, 'r'));
        record->Str("text", "flag");
    }
    return record;
}

ArchiveRef PtfTrackDetail(const ArchiveRef& object) {
    ArchiveRef record = TrackRecord("TrackDetailDescriptor");
    record->U32("reserved2", 0).Ref("object", object);
    for (int i = 0; i < 5; ++i)
        record->F64("value", i + 0.5);
    Doubles(*record, "xs", {1.0, 2.0, 3.0, 4.0});
    Doubles(*record, "ys", {-1.0, -2.0, -3.0, -4.0});
    return record;
}

namespace {

// A reference array: a count and, only when it is not 0, a byte count of 4 per reference.
void References(ArchiveObject& record, const std::string& name, const std::vector<ArchiveRef>& objects) {
    record.U32(name + "Count", static_cast<std::uint32_t>(objects.size()));
    if (!objects.empty())
        record.U32(name + "Bytes", static_cast<std::uint32_t>(objects.size() * 4));
    for (const ArchiveRef& object : objects)
        record.Ref(name, object);
}

// count records of recordBytes that start with two floats, with a byte count when count > 0.
void FloatRecords(ArchiveObject& record, const std::string& name, std::uint32_t count, std::uint32_t recordBytes) {
    record.U32(name + "Count", count);
    if (count == 0)
        return;
    record.U32(name + "Bytes", count * recordBytes);
    for (std::uint32_t i = 0; i < count; ++i) {
        record.F32(name + "First", 10.0f * i).F32(name + "Second", 2.5f);
        record.Bytes(name + "Rest", Repeated(recordBytes - 8, static_cast<char>(i)));
    }
}

}  // namespace

ArchiveRef PtfSegment(const PtfSegmentFields& fields) {
    ArchiveRef record = TrackRecord("SegmentDescriptor");
    record->U32("version", fields.version);
    References(*record, "xSection", fields.xSections);
    References(*record, "fSection", fields.fSections);
    References(*record, "wSection", fields.wSections);
    record->U32("type", fields.type);
    record->F64("startX", fields.startX).F64("startY", fields.startY).F64("startHeading", fields.startHeading);
    record->F64("endX", fields.endX).F64("endY", fields.endY).F64("endHeading", fields.endHeading);
    record->U8("flag", 1).U8("flag", 0);
    if (fields.version == 2) {
        FloatRecords(*record, "bm", fields.bmCount, 12);
        FloatRecords(*record, "bs", fields.bsCount, 16);
    }
    return record;
}

ArchiveRef PtfTrack(const std::vector<ArchiveRef>& segments, std::uint32_t version,
                    const std::vector<ArchiveRef>& details, const std::vector<ArchiveRef>& tsoReferences,
                    std::uint32_t bumpMapCount) {
    ArchiveRef record = TrackRecord("TrackDescriptor");
    record->U32("version", version).U32("segmentCount", static_cast<std::uint32_t>(segments.size())).U8("flag", 1);
    if (version == 6) {
        for (int i = 0; i < 21; ++i)
            record->F64("value", i);
    } else {
        record->F64("value", 1.0).F64("value", 2.0).F64("value", 3.0).U32("value8", 8);
        record->U32("bumpMapCount", bumpMapCount);
        if (bumpMapCount > 0)
            record->U32("bumpMapBytes", bumpMapCount * 48).Bytes("bumpMap", Repeated(48 * bumpMapCount, 'm'));
    }
    record->U32("reserved3", 0);
    References(*record, "detail", details);
    References(*record, "tso", tsoReferences);
    record->U32("segmentBytes", static_cast<std::uint32_t>(segments.size() * 4));
    for (const ArchiveRef& segment : segments)
        record->Ref("segment", segment);
    return record;
}

namespace {

// Builds the segments of a shape, sharing the section nodes of equal values.
class PtfTreeBuilding {
public:
    explicit PtfTreeBuilding(const PtfShape& shape) : shape(shape) {
        const ArchiveRef base = TdoTexture("road.tga");
        appearance = TdoAppearance("road", {base, nullptr, TdoTexture("grain.tga", 1)}, 2);
        coords = PtfTextureCoords(4, true);
    }

    std::vector<ArchiveRef> Segments() {
        std::vector<ArchiveRef> segments;
        double x = shape.startX, y = shape.startY, heading = shape.startHeading;
        for (std::size_t i = 0; i < shape.pieces.size(); ++i) {
            const PtfPiece& piece = shape.pieces[i];
            PtfSegmentFields fields;
            fields.version = i % 2 == 0 ? 1 : 2;
            fields.bmCount = static_cast<std::uint32_t>(i % 3);
            fields.bsCount = 1;
            fields.startX = x, fields.startY = y, fields.startHeading = heading;
            Advance(piece, x, y, heading);
            fields.type = piece.IsArc() ? 1 : 0;
            fields.endX = x, fields.endY = y, fields.endHeading = heading;
            for (const double offset : shape.xSectionOffsets) {
                const PtfLine line{offset, piece.startAltitude, piece.startGrade,
                                   offset, piece.endAltitude,   piece.endGrade};
                fields.xSections.push_back(XSection(line, i % 2 == 0 ? 2 : 3));
            }
            for (std::size_t j = 0; j < shape.boundaries.size(); ++j)
                fields.fSections.push_back(FSection(shape.boundaries[j], j == 0 ? 4 + i % 2 : 4));
            for (std::size_t w = 0; w < shape.wallOffsets.size(); ++w)
                fields.wSections.push_back(WSection(shape.wallOffsets[w], w == 0 ? 5 + i % 3 : 5));
            segments.push_back(PtfSegment(fields));
        }
        return segments;
    }

private:
    // Moves along a piece; headings stay within [0, 2 pi).
    static void Advance(const PtfPiece& piece, double& x, double& y, double& heading) {
        if (!piece.IsArc()) {
            x += piece.length * std::cos(heading);
            y += piece.length * std::sin(heading);
            return;
        }
        const double side = piece.angle > 0.0 ? 1.0 : -1.0;  // the centre lies to the left of a left turn
        const double cx = x - side * piece.radius * std::sin(heading);
        const double cy = y + side * piece.radius * std::cos(heading);
        heading += piece.angle;
        x = cx + side * piece.radius * std::sin(heading);
        y = cy - side * piece.radius * std::cos(heading);
        heading = std::fmod(heading, 2.0 * Pi);
        if (heading < 0.0)
            heading += 2.0 * Pi;
    }

    ArchiveRef XSection(const PtfLine& line, std::uint32_t version) {
        const auto key = std::make_tuple(version, line.startOffset, line.startAltitude, line.startGrade,
                                         line.endAltitude, line.endGrade);
        ArchiveRef& node = xSections[key];
        if (!node)
            node = PtfXSection(line, version);
        return node;
    }

    ArchiveRef FSection(const PtfBoundary& boundary, std::uint32_t version) {
        ArchiveRef& node = fSections[std::make_tuple(version, boundary.offset, boundary.surface)];
        if (!node) {
            // The road's boundary is textured with the appearance's two textures.
            const bool road = boundary.surface == 1;
            const PtfTexture texture = road ? PtfTexture{appearance, 2, coords, {false, true}} : PtfTexture{};
            node = PtfFSection(boundary.offset, boundary.offset, boundary.surface, version, texture);
        }
        return node;
    }

    ArchiveRef WSection(double offset, std::uint32_t version) {
        ArchiveRef& node = wSections[std::make_tuple(version, offset)];
        if (!node) {
            const PtfWall wall{offset, offset, 1.0, 1.2, 0.5, 0.5, offset < 0.0 ? 0u : 2u, offset < 0.0 ? 0u : 1u};
            node = PtfWSection(wall, version, 2, PtfTexture{appearance, 2, coords, {true, false}});
        }
        return node;
    }

    const PtfShape& shape;
    ArchiveRef appearance;
    ArchiveRef coords;
    std::map<std::tuple<std::uint32_t, double, double, double, double, double>, ArchiveRef> xSections;
    std::map<std::tuple<std::uint32_t, double, std::uint32_t>, ArchiveRef> fSections;
    std::map<std::tuple<std::uint32_t, double>, ArchiveRef> wSections;
};

}  // namespace

ArchiveRef PtfTrackTree(const PtfShape& shape) {
    PtfTreeBuilding building(shape);
    const std::vector<ArchiveRef> segments = building.Segments();
    const ArchiveRef tree = PtfTracksideObject("tree", "tree.3do", 2);
    const ArchiveRef stand = PtfTracksideObject("stand", "stand.3do", 3);
    const std::vector<ArchiveRef> tsos = {PtfTsoReference({1, 2, 3, 4, 5, 6}, tree, 1),
                                          PtfTsoReference({7, 8, 9, 10, 11, 12}, stand, 6, 0),
                                          PtfTsoReference({13, 14, 15, 16, 17, 18}, tree, 6, 1)};
    return PtfTrack(segments, 8, {PtfTrackDetail(nullptr), PtfTrackDetail(stand)}, tsos, 2);
}

std::string WritePtf(const PtfShape& shape) { return WriteArchive(PtfTrackTree(shape)); }

PtfShape SamplePtfShape() {
    PtfShape shape;
    for (const double length : {200.0, 100.0, 200.0, 100.0}) {
        shape.pieces.push_back(PtfPiece::Straight(length));
        shape.pieces.push_back(PtfPiece::Arc(50.0, Pi / 2.0));
    }
    return shape;
}

PtfShape PtfLoop(int segmentCount) {
    PtfShape shape;
    const int arcs = segmentCount / 2;
    for (int i = 0; i < arcs; ++i) {
        shape.pieces.push_back(PtfPiece::Straight(10.0));
        shape.pieces.push_back(PtfPiece::Arc(100.0, 2.0 * Pi / arcs));
    }
    return shape;
}

}  // namespace Linewright::Samples
