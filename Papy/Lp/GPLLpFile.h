#pragma once

#include "Papy/Lp/LpFormats.h"
#include "Papy/Lp/VersionedLpFile.h"

#include <memory>
#include <vector>

namespace Tessel::Papy {

class Track;
class TrkFile;

// The GPL record as the file lays it out.
struct GPLLpLayout {
    static constexpr std::uint32_t version = LpIds::gplVersion;
    static constexpr std::uint32_t recordSize = LpIds::gplRecordSize;
    static constexpr const char* versionError = "GPL Lp file version error";
    struct Record {
        float speed = 0.0f;
        float lateralSpeed = 0.0f;
        float lateral = 0.0f;
        float angleRate = 0.0f;
        std::uint32_t flags = 0;  // bits 24-31: the coefficient
    };
    template <class R, class F>
    static void Visit(R& record, F visit) {
        visit(record.speed);
        visit(record.lateralSpeed);
        visit(record.lateral);
        visit(record.angleRate);
        visit(record.flags);
    }
};

// The LP file of the GPL family: records 3 m of horizontal track longitude apart, each holding
// the speed along the track, the lateral speed, the lateral offset, the angle rate (floats; the
// speeds and the rate stored as 1/36 of the interface value), a coefficient byte and a word of
// flags. The record count follows from the track's horizontal length.
class GPLLpFile : public VersionedLpFile<GPLLpLayout> {
public:
    // Reads an existing file for the track. Throws XFileFormat "GPL Lp file version error" or
    // "Contains incorrect number of records" (the count does not fit the track), and XFileRead
    // when the stream holds fewer records than it announces (before allocating for them).
    GPLLpFile(const std::shared_ptr<Util::BinaryStream>& stream, const std::shared_ptr<TrkFile>& track);
    // An empty table for the track model (its horizontal length); a spacing of 0.0 takes the
    // default of 3 m. Throws XAssertion when the spacing is negative or the count does not fit
    // 32 bits.
    GPLLpFile(const Track& track, double spacing);

    bool HasCapability(unsigned number) const override;

    std::uint32_t GetRecordIndex(double longitude) const override;

    // The top byte of the flags word in steps of 0.005.
    double GetRecordCoefficient(std::uint32_t i) const override;
    // GetRecordFlags gives the whole word, coefficient byte included.
    bool GetRecordFlag(std::uint32_t i, unsigned number) const override;

    // Stores the low 8 bits of ceiling(value / 0.005) (so values above 1.275 wrap) and keeps
    // the other bits of the word.
    void SetRecordCoefficient(std::uint32_t i, double value) override;
    void SetRecordFlag(std::uint32_t i, unsigned number, bool value) override;

    // Angle rate and coefficient besides the three; the flags word is the stored integer.
    std::vector<RecordValue> GetStoredValues() const override;
    std::vector<IntegerField> GetIntegerFields() const override;
};

}  // namespace Tessel::Papy
