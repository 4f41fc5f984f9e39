#include "Papy/Lp/GPLLpFile.h"

#include "Papy/Tracks/Track.h"
#include "Papy/Tracks/Trk/TrkFile.h"
#include "Util/Exception.h"

#include <array>
#include <cmath>

namespace Tessel::Papy {

namespace {

// Format notes: version 0x10002 (4 bytes), record count (4), then the records of 20 bytes:
// speed, lateral speed, lateral offset and angle rate (floats; the speeds and the rate in 1/36
// of metres and radians per second) and the flags word, whose top byte is the coefficient in
// steps of 0.005. The count must be the track's horizontal length over 3 m, rounded, plus one.
constexpr double CoefficientStep = 0.005;
constexpr unsigned CoefficientShift = 24;
constexpr float RecordsPerMetre = LpUnits::gplRecordsPerMetre;
constexpr double DefaultSpacing = static_cast<float>(1.0 / RecordsPerMetre);

// The bit of the flags word behind each single flag; bits 7, 11 and 17-23 have none.
constexpr std::array<unsigned, 15> FlagBits = {0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 12, 13, 14, 15, 16};

// Records to the nearest, plus the one past the end of the lap.
std::uint32_t CountFor(double steps) {
    const double count = std::trunc(steps + 0.5) + 1.0;
    TESSEL_CHECK(count >= 1.0 && count < 4294967296.0);
    return static_cast<std::uint32_t>(count);
}

std::uint32_t DefaultCountFor(double length2D) { return CountFor(length2D * RecordsPerMetre); }

}  // namespace

GPLLpFile::GPLLpFile(const std::shared_ptr<Util::BinaryStream>& stream,
                     const std::shared_ptr<TrkFile>& track)
    : VersionedLpFile(DefaultSpacing) {
    Read(*stream);
    if (records.size() != DefaultCountFor(track->Get2DLength()))
        throw Util::XFileFormat(stream->GetName(), "Contains incorrect number of records");
}

GPLLpFile::GPLLpFile(const Track& track, double requestedSpacing)
    : VersionedLpFile(requestedSpacing == 0.0 ? DefaultSpacing : requestedSpacing) {
    TESSEL_CHECK(spacing > 0.0);
    const std::uint32_t count = requestedSpacing == 0.0
                                    ? DefaultCountFor(track.Get2DLength())
                                    : CountFor(track.Get2DLength() / spacing);
    records.resize(count);
}

bool GPLLpFile::HasCapability(unsigned number) const {
    return number == 1 || number == 3 || number == 4 || (number >= 6 && number <= 15);
}

std::uint32_t GPLLpFile::GetRecordIndex(double longitude) const {
    return FindRecordIndex(longitude, records.size(), __FILE__, __LINE__);
}

double GPLLpFile::GetRecordCoefficient(std::uint32_t i) const {
    return (records[i].flags >> CoefficientShift) * CoefficientStep;
}

bool GPLLpFile::GetRecordFlag(std::uint32_t i, unsigned number) const {
    return (records[i].flags >> FlagBits.at(number)) & 1u;
}

void GPLLpFile::SetRecordCoefficient(std::uint32_t i, double value) {
    // The low 8 bits of the integer, taken without converting an out-of-range double (which
    // would be undefined); a value that is no number at all stores 0.
    const double steps = std::fmod(std::ceil(value / CoefficientStep), 256.0);
    const auto byte = std::isfinite(steps) ? static_cast<std::uint32_t>(static_cast<int>(steps)) & 0xFFu : 0u;
    records[i].flags = (records[i].flags & 0x00FFFFFFu) | (byte << CoefficientShift);
}

void GPLLpFile::SetRecordFlag(std::uint32_t i, unsigned number, bool value) {
    const std::uint32_t bit = 1u << FlagBits.at(number);
    records[i].flags = value ? records[i].flags | bit : records[i].flags & ~bit;
}

std::vector<LpFile::RecordValue> GPLLpFile::GetStoredValues() const {
    return {RecordValue::Speed, RecordValue::LateralSpeed, RecordValue::Lateral, RecordValue::AngleRate,
            RecordValue::Coefficient};
}

std::vector<LpFile::IntegerField> GPLLpFile::GetIntegerFields() const { return {{"flags", 0, 0xFFFFFFFF}}; }

}  // namespace Tessel::Papy
