#pragma once

#include "Papy/Lp/LpFile.h"

#include <memory>
#include <vector>

namespace Tessel::Papy {

class Track;
class TrkFile;

// The LP file of the GPL family: records 3 m of horizontal track longitude apart, each holding
// the speed along the track, the lateral speed, the lateral offset, the angle rate (floats; the
// speeds and the rate stored as 1/36 of the interface value), a coefficient byte and a word of
// flags. The record count follows from the track's horizontal length.
class GPLLpFile : public LpFile {
public:
    // Reads an existing file for the track. Throws XFileFormat "GPL Lp file version error" or
    // "Contains incorrect number of records" (the count does not fit the track), and XFileRead
    // when the stream holds fewer records than it announces (before allocating for them).
    GPLLpFile(const std::shared_ptr<Util::BinaryStream>& stream, const std::shared_ptr<TrkFile>& track);
    // An empty table for the track model (its horizontal length); a spacing of 0.0 takes the
    // default of 3 m. Throws XAssertion when the spacing is negative or the count does not fit
    // 32 bits.
    GPLLpFile(const Track& track, double spacing);

    std::uint32_t GetRecordCount() const override { return static_cast<std::uint32_t>(records.size()); }
    double GetRecordSpacing() const override { return spacing; }
    bool HasCapability(unsigned number) const override;

    std::uint32_t GetRecordIndex(double longitude) const override;
    double GetRecordLongitude(std::uint32_t i) const override { return (i + 1.0) * spacing; }

    double GetRecordLateral(std::uint32_t i) const override;
    double GetRecordSpeed(std::uint32_t i) const override;
    double GetRecordLateralSpeed(std::uint32_t i) const override;
    double GetRecordAngleRate(std::uint32_t i) const override;
    // The top byte of the flags word in steps of 0.005.
    double GetRecordCoefficient(std::uint32_t i) const override;
    // The whole word, coefficient byte included.
    std::uint32_t GetRecordFlags(std::uint32_t i) const override;
    bool GetRecordFlag(std::uint32_t i, unsigned number) const override;

    void SetRecordLateral(std::uint32_t i, double value) override;
    void SetRecordSpeed(std::uint32_t i, double value) override;
    void SetRecordLateralSpeed(std::uint32_t i, double value) override;
    void SetRecordAngleRate(std::uint32_t i, double value) override;
    // Stores the low 8 bits of ceiling(value / 0.005) (so values above 1.275 wrap) and keeps
    // the other bits of the word.
    void SetRecordCoefficient(std::uint32_t i, double value) override;
    void SetRecordFlags(std::uint32_t i, std::uint32_t flags) override;
    void SetRecordFlag(std::uint32_t i, unsigned number, bool value) override;

    // Angle rate and coefficient besides the three; the flags word is the stored integer.
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
        std::uint32_t flags = 0;  // bits 24-31: the coefficient
    };

    void Read(Util::BinaryStream& stream);

    double spacing;
    std::vector<Record> records;
};

}  // namespace Tessel::Papy
