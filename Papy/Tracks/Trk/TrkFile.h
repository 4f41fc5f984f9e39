#pragma once

#include "Papy/Tracks/TrackPoint.h"
#include "Util/BinaryStream.h"

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

namespace Tessel::Papy {

// A TRK track file (GPL or ICR2 format) behind one interface, in the file's own units: track
// units for lengths and offsets, angle units for angles, 2^30 = 1.0 for unit vectors (see
// Papy/Tracks/Trk/TrkFixedPoint.h). s = section, k = cross-section line, j = surface strip, w = wall.
//
// A format class reads and checks the whole file in its constructor and then calls
// Build2DTable, so a TrkFile is complete once constructed. Index arguments are trusted: the
// callers (TrkTrack and its parts) only pass indices below the counts.
//
// On top of the format's records this class keeps the horizontal (2D) geometry: sections are
// measured along the sloping surface (3D longitude), the Track interface along the ground.
class TrkFile {
public:
    virtual ~TrkFile() = default;

    virtual std::int32_t GetTrackLength() const = 0;
    virtual int GetXSectionCount() const = 0;
    // Offsets increase strictly with k.
    virtual std::int32_t GetXSectionOffset(int k) const = 0;
    // Stores the offset only when the lines stay in strictly increasing order.
    virtual void SetXSectionOffset(int k, std::int32_t offset) = 0;

    virtual int GetSectionCount() const = 0;
    virtual bool IsCurve(int s) const = 0;
    virtual bool GetSectionFlag0(int s) const = 0;
    virtual bool GetSectionFlag1(int s) const = 0;
    // 3D longitude of the section's start, and its 3D length.
    virtual std::int32_t GetSectionStart(int s) const = 0;
    virtual std::int32_t GetSectionLength(int s) const = 0;
    virtual std::int32_t GetSectionHeading(int s) const = 0;
    // Curves.
    virtual std::int32_t GetCentreX(int s) const = 0;
    virtual std::int32_t GetCentreY(int s) const = 0;
    virtual std::int32_t GetHalfArc(int s) const = 0;
    // Straights: the unit direction and the unit lateral vector (to the left).
    virtual std::int32_t GetDirectionX(int s) const = 0;
    virtual std::int32_t GetDirectionY(int s) const = 0;
    virtual std::int32_t GetNormalX(int s) const = 0;
    virtual std::int32_t GetNormalY(int s) const = 0;
    virtual std::int32_t GetSectionExtra(int s) const = 0;

    // The altitude of line k along section s is C0 + C1 f + C2 f^2 + C3 f^3 for the fraction f.
    virtual std::int32_t GetAltitudeC0(int s, int k) const = 0;
    virtual std::int32_t GetAltitudeC1(int s, int k) const = 0;
    virtual std::int32_t GetAltitudeC2(int s, int k) const = 0;
    virtual std::int32_t GetAltitudeC3(int s, int k) const = 0;
    // The stored 2 C2 and 3 C3.
    virtual std::int32_t GetGradeC1(int s, int k) const = 0;
    virtual std::int32_t GetGradeC2(int s, int k) const = 0;
    // Calls SetAltitudeC0 to SetAltitudeC3 in this order.
    void SetAltitudeCoefficients(int s, int k, std::int32_t c0, std::int32_t c1, std::int32_t c2,
                                 std::int32_t c3);
    virtual void SetAltitudeC0(int s, int k, std::int32_t value) = 0;
    virtual void SetAltitudeC1(int s, int k, std::int32_t value) = 0;
    // Also store 2 C2 and 3 C3.
    virtual void SetAltitudeC2(int s, int k, std::int32_t value) = 0;
    virtual void SetAltitudeC3(int s, int k, std::int32_t value) = 0;
    // Straights: line k at the section start.
    virtual std::int32_t GetXSectionStartX(int s, int k) const = 0;
    virtual std::int32_t GetXSectionStartY(int s, int k) const = 0;
    // Curves: the signed distance from the centre to line k.
    virtual std::int32_t GetXSectionRadius(int s, int k) const = 0;

    // Surface strips between adjacent lateral boundaries, in increasing lateral order; each
    // boundary's offset varies linearly from the section start to its end.
    virtual int GetStripCount(int s) const = 0;
    virtual std::int32_t GetStripLeftStart(int s, int j) const = 0;
    virtual std::int32_t GetStripLeftEnd(int s, int j) const = 0;
    virtual std::int32_t GetStripRightStart(int s, int j) const = 0;
    virtual std::int32_t GetStripRightEnd(int s, int j) const = 0;
    virtual std::int32_t GetStripValue(int s, int j) const = 0;
    virtual bool IsWallStrip(int s, int j) const = 0;
    virtual std::int32_t GetSurfaceKind(int s, int j) const = 0;
    virtual std::int32_t GetSurfaceVariant(int s, int j) const = 0;
    virtual int GetStripAttributeCount(int s, int j) const = 0;
    virtual std::int32_t GetStripAttribute(int s, int j, int n) const = 0;

    virtual int GetWallCount(int s) const = 0;
    virtual std::int32_t GetWallLeftStart(int s, int w) const = 0;
    virtual std::int32_t GetWallLeftEnd(int s, int w) const = 0;
    virtual std::int32_t GetWallRightStart(int s, int w) const = 0;
    virtual std::int32_t GetWallRightEnd(int s, int w) const = 0;
    virtual std::int32_t GetWallHeight(int s, int w) const = 0;
    virtual std::int32_t GetWallKind(int s, int w) const = 0;
    virtual int GetWallAttributeCount() const = 0;
    virtual std::int32_t GetWallAttribute(int s, int w, int n) const = 0;

    // Writes the file from its start; the stream is not truncated.
    virtual void Write(Util::BinaryStream& stream) const = 0;

    // The horizontal geometry, in metres.
    double Get2DLength() const { return total2DLength; }
    double GetSection2DStart(int s) const { return section2DTable[s].start; }
    double GetSection2DLength(int s) const { return section2DTable[s].length; }

    // The section holding a 3D longitude (track units, wrapped into one lap) and the offset
    // into it. A longitude at a section's end belongs to the next section.
    int FindSection(std::int32_t longitude, std::int32_t& offset) const;
    // The section holding a 2D longitude (metres, wrapped into one lap) and the horizontal
    // offset into it. A longitude that no float holds, NaN included, throws XUsage.
    int Find2DSection(double longitude, double& offset) const;
    // The 3D longitude (track units) of a 2D longitude (metres).
    std::int32_t Get3DLongitude(double longitude) const;

    // The point at a 3D longitude and a lateral offset, both in track units, converted to
    // metres and radians.
    TrackPoint GetPoint(std::int32_t longitude, std::int32_t lateral) const;

protected:
    // Builds the longitude maps and the horizontal lengths; a format's constructor calls it
    // once, after reading and checking the file, and refuses a file whose 2D length it finds
    // not positive.
    void Build2DTable();

private:
    struct Section2D {
        float start;
        float length;
        double ratio;  // 3D length / 2D length
    };
    struct SectionStart {
        int section;
        std::int32_t start;
    };
    struct Section2DStart {
        int section;
        float start;
    };

    void Build3DMap();
    float HorizontalLength(int s) const;
    std::int32_t AltitudeAt(int s, int k, std::int32_t fraction) const;
    std::int32_t GradeAt(int s, int k, std::int32_t fraction) const;
    int FindXSection(std::int32_t lateral, std::int32_t& remainder) const;
    int FindStrip(int s, std::int32_t offset, std::int32_t lateral) const;
    // Wraps a 2D longitude into one lap and finds its entry of the 2D map.
    std::map<float, Section2DStart>::const_iterator Find2D(double longitude, float& wrapped) const;

    float total2DLength = 0.0f;
    std::vector<Section2D> section2DTable;
    // Keyed by each section's 3D end (track units).
    std::map<std::int64_t, SectionStart> section3DLongitudeMap;
    // Keyed by each section's 2D end (metres).
    std::map<float, Section2DStart> section2DLongitudeMap;
};

}  // namespace Tessel::Papy
