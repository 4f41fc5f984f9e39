#pragma once

#include "Papy/Lp/LpFormats.h"
#include "Papy/Lp/VersionedLpFile.h"

#include <memory>
#include <vector>

namespace Tessel::Papy {

class Track;

// The N4 record as the file lays it out.
struct N4LpLayout {
    static constexpr std::uint32_t version = LpIds::n4Version;
    static constexpr std::uint32_t recordSize = LpIds::n4RecordSize;
    static constexpr const char* versionError = "N4 Lp file version error";
    struct Record {
        float speed = 0.0f;
        float lateralSpeed = 0.0f;
        float lateral = 0.0f;
        float angleRate = 0.0f;
        float length = 0.0f;
        std::int32_t flags = 0;
    };
    template <class R, class F>
    static void Visit(R& record, F visit) {
        visit(record.speed);
        visit(record.lateralSpeed);
        visit(record.lateral);
        visit(record.angleRate);
        visit(record.length);
        visit(record.flags);
    }
};

// The LP file of the N4 and N2003 games: records 3 m of horizontal track longitude apart, each
// holding the speed along the track, the lateral speed, the lateral offset, the angle rate (floats;
// the speeds and the rate stored as 1/36 of the interface value), the record's own length and a
// word of flags. The file itself says how many records it holds; a new table takes one record per
// whole spacing of the track's horizontal length, plus one.
class N4LpFile : public VersionedLpFile<N4LpLayout> {
public:
    // Reads an existing file; the spacing is 3 m. Throws XFileFormat "N4 Lp file version error",
    // and XFileRead when the stream holds fewer records than it announces (before allocating for
    // them).
    explicit N4LpFile(const std::shared_ptr<Util::BinaryStream>& stream);
    // An empty table for the track; a spacing of 0.0 takes the default of 3 m. Every record is
    // zero but its length, 3.0. Throws XAssertion when the spacing is not positive or the count
    // does not fit 32 bits.
    N4LpFile(const Track& track, double spacing);

    // True when the stream starts with the N4 LP version and is exactly as long as the record
    // count it announces; the position is kept.
    static bool HasLpHeader(Util::BinaryStream& stream);

    bool HasCapability(unsigned number) const override;

    std::uint32_t GetRecordIndex(double longitude) const override;

    double GetRecordLength(std::uint32_t i) const override { return records[i].length; }
    void SetRecordLength(std::uint32_t i, double value) override;

    // Angle rate and record length besides the three; the flags word is the stored integer.
    std::vector<RecordValue> GetStoredValues() const override;
    std::vector<IntegerField> GetIntegerFields() const override;
};

}  // namespace Tessel::Papy
