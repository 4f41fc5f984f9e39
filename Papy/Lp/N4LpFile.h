#pragma once

#include "Papy/Lp/LpFile.h"

#include <memory>
#include <vector>

namespace Tessel::Papy {

class Track;

// The LP file of the N4 and N2003 games: records 3 m of horizontal track longitude apart, each
// holding the speed along the track, the lateral speed, the lateral offset, the angle rate (floats;
// the speeds and the rate stored as 1/36 of the interface value), the record's own length and a
// word of flags. The file itself says how many records it holds; a new table takes one record per
// whole spacing of the track's horizontal length, plus one.
class N4LpFile : public LpFile {
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

    std::uint32_t GetRecordCount() const override { return static_cast<std::uint32_t>(records.size()); }
    double GetRecordSpacing() const override { return spacing; }
    bool HasCapability(unsigned number) const override;

    std::uint32_t GetRecordIndex(double longitude) const override;
    double GetRecordLongitude(std::uint32_t i) const override { return (i + 1.0) * spacing; }

    double GetRecordLateral(std::uint32_t i) const override { return records[i].lateral; }
    double GetRecordLength(std::uint32_t i) const override { return records[i].length; }
    double GetRecordSpeed(std::uint32_t i) const override;
    double GetRecordLateralSpeed(std::uint32_t i) const override;
    double GetRecordAngleRate(std::uint32_t i) const override;
    std::uint32_t GetRecordFlags(std::uint32_t i) const override;

    void SetRecordLateral(std::uint32_t i, double value) override;
    void SetRecordLength(std::uint32_t i, double value) override;
    void SetRecordSpeed(std::uint32_t i, double value) override;
    void SetRecordLateralSpeed(std::uint32_t i, double value) override;
    void SetRecordAngleRate(std::uint32_t i, double value) override;
    void SetRecordFlags(std::uint32_t i, std::uint32_t flags) override;

    // Angle rate and record length besides the three; the flags word is the stored integer.
    std::vector<RecordValue> GetStoredValues() const override;
    std::vector<IntegerField> GetIntegerFields() const override;
    std::int64_t GetRecordInteger(std::uint32_t i, std::size_t field) const override;
    void SetRecordInteger(std::uint32_t i, std::size_t field, std::int64_t value) override;

    void Write(const std::shared_ptr<Util::BinaryStream>& stream) const override;

private:
    // One record as the file lays it out.
    struct Record {
        float speed = 0.0f;
        float lateralSpeed = 0.0f;
        float lateral = 0.0f;
        float angleRate = 0.0f;
        float length = 0.0f;
        std::int32_t flags = 0;
    };

    void Read(Util::BinaryStream& stream);

    double spacing;
    std::vector<Record> records;
};

}  // namespace Tessel::Papy
