#include "Papy/Lp/N4LpFile.h"

#include "Papy/Tracks/Track.h"
#include "Util/Exception.h"

#include <cmath>
#include <limits>

namespace Tessel::Papy {

namespace {

constexpr double DefaultSpacing = LpUnits::spacing;
constexpr float NewRecordLength = static_cast<float>(LpUnits::spacing);

// Whole spacings of the lap, plus the record one spacing past its end.
std::uint32_t CountFor(double length2D, double spacing) {
    const double count = std::trunc(length2D / spacing) + 1.0;
    TESSEL_CHECK(count >= 1.0 && count < 4294967296.0);
    return static_cast<std::uint32_t>(count);
}

}  // namespace

N4LpFile::N4LpFile(const std::shared_ptr<Util::BinaryStream>& stream) : VersionedLpFile(DefaultSpacing) {
    Read(*stream);
}

N4LpFile::N4LpFile(const Track& track, double requestedSpacing)
    : VersionedLpFile(requestedSpacing == 0.0 ? DefaultSpacing : requestedSpacing) {
    TESSEL_CHECK(spacing > 0.0);
    Record empty;
    empty.length = NewRecordLength;
    records.assign(CountFor(track.Get2DLength(), spacing), empty);
}

bool N4LpFile::HasLpHeader(Util::BinaryStream& stream) {
    const auto count = Util::PeekValue<std::uint32_t>(stream, 4);
    return count && Util::PeekValue<std::uint32_t>(stream, 0) == LpIds::n4Version &&
           stream.GetSize() == LpIds::headerSize + std::uint64_t{LpIds::n4RecordSize} * *count;
}

bool N4LpFile::HasCapability(unsigned number) const { return number == 0 || number == 1 || number == 4; }

std::uint32_t N4LpFile::GetRecordIndex(double longitude) const {
    return FindRecordIndex(longitude, records.size(), __FILE__, __LINE__);
}

void N4LpFile::SetRecordLength(std::uint32_t i, double value) { records[i].length = static_cast<float>(value); }

std::vector<LpFile::RecordValue> N4LpFile::GetStoredValues() const {
    return {RecordValue::Speed, RecordValue::LateralSpeed, RecordValue::Lateral, RecordValue::AngleRate,
            RecordValue::Length};
}

std::vector<LpFile::IntegerField> N4LpFile::GetIntegerFields() const {
    return {{"flags", std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()}};
}

}  // namespace Tessel::Papy
