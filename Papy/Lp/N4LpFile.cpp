#include "Papy/Lp/N4LpFile.h"

#include "Papy/Tracks/Track.h"
#include "Util/Exception.h"

#include <cmath>
#include <limits>

namespace Tessel::Papy {

namespace {

constexpr std::uint32_t Version = 0x10003;
constexpr std::uint32_t HeaderSize = 8;
constexpr std::uint32_t RecordSize = 24;
// File units of the speeds and the angle rate.
constexpr double RateScale = 36.0;
constexpr double DefaultSpacing = 3.0;
constexpr float NewRecordLength = 3.0f;

// Whole spacings of the lap, plus the record one spacing past its end.
std::uint32_t CountFor(double length2D, double spacing) {
    const double count = std::trunc(length2D / spacing) + 1.0;
    TESSEL_CHECK(count >= 1.0 && count < 4294967296.0);
    return static_cast<std::uint32_t>(count);
}

}  // namespace

N4LpFile::N4LpFile(const std::shared_ptr<Util::BinaryStream>& stream) : spacing(DefaultSpacing) { Read(*stream); }

N4LpFile::N4LpFile(const Track& track, double requestedSpacing)
    : spacing(requestedSpacing == 0.0 ? DefaultSpacing : requestedSpacing) {
    TESSEL_CHECK(spacing > 0.0);
    Record empty;
    empty.length = NewRecordLength;
    records.assign(CountFor(track.Get2DLength(), spacing), empty);
}

bool N4LpFile::HasLpHeader(Util::BinaryStream& stream) {
    const auto count = Util::PeekValue<std::uint32_t>(stream, 4);
    return count && Util::PeekValue<std::uint32_t>(stream, 0) == Version &&
           stream.GetSize() == HeaderSize + std::uint64_t{RecordSize} * *count;
}

void N4LpFile::Read(Util::BinaryStream& stream) {
    records.resize(ReadHeader(stream, Version, RecordSize, "N4 Lp file version error"));
    for (Record& record : records) {
        record.speed = Util::ReadValue<float>(stream);
        record.lateralSpeed = Util::ReadValue<float>(stream);
        record.lateral = Util::ReadValue<float>(stream);
        record.angleRate = Util::ReadValue<float>(stream);
        record.length = Util::ReadValue<float>(stream);
        record.flags = Util::ReadValue<std::int32_t>(stream);
    }
}

void N4LpFile::Write(const std::shared_ptr<Util::BinaryStream>& stream) const {
    WriteHeader(*stream, Version, GetRecordCount());
    for (const Record& record : records) {
        Util::WriteValue(*stream, record.speed);
        Util::WriteValue(*stream, record.lateralSpeed);
        Util::WriteValue(*stream, record.lateral);
        Util::WriteValue(*stream, record.angleRate);
        Util::WriteValue(*stream, record.length);
        Util::WriteValue(*stream, record.flags);
    }
}

bool N4LpFile::HasCapability(unsigned number) const { return number == 0 || number == 1 || number == 4; }

std::uint32_t N4LpFile::GetRecordIndex(double longitude) const {
    return FindRecordIndex(longitude, records.size(), __FILE__, __LINE__);
}

double N4LpFile::GetRecordSpeed(std::uint32_t i) const { return records[i].speed * RateScale; }

double N4LpFile::GetRecordLateralSpeed(std::uint32_t i) const { return records[i].lateralSpeed * RateScale; }

double N4LpFile::GetRecordAngleRate(std::uint32_t i) const { return records[i].angleRate * RateScale; }

std::uint32_t N4LpFile::GetRecordFlags(std::uint32_t i) const { return static_cast<std::uint32_t>(records[i].flags); }

void N4LpFile::SetRecordLateral(std::uint32_t i, double value) { records[i].lateral = static_cast<float>(value); }

void N4LpFile::SetRecordLength(std::uint32_t i, double value) { records[i].length = static_cast<float>(value); }

void N4LpFile::SetRecordSpeed(std::uint32_t i, double value) {
    records[i].speed = static_cast<float>(value / RateScale);
}

void N4LpFile::SetRecordLateralSpeed(std::uint32_t i, double value) {
    records[i].lateralSpeed = static_cast<float>(value / RateScale);
}

void N4LpFile::SetRecordAngleRate(std::uint32_t i, double value) {
    records[i].angleRate = static_cast<float>(value / RateScale);
}

void N4LpFile::SetRecordFlags(std::uint32_t i, std::uint32_t flags) {
    records[i].flags = static_cast<std::int32_t>(flags);
}

std::vector<LpFile::RecordValue> N4LpFile::GetStoredValues() const {
    return {RecordValue::Speed, RecordValue::LateralSpeed, RecordValue::Lateral, RecordValue::AngleRate,
            RecordValue::Length};
}

std::vector<LpFile::IntegerField> N4LpFile::GetIntegerFields() const {
    return {{"flags", std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()}};
}

std::int64_t N4LpFile::GetRecordInteger(std::uint32_t i, std::size_t) const { return records[i].flags; }

void N4LpFile::SetRecordInteger(std::uint32_t i, std::size_t, std::int64_t value) {
    records[i].flags = static_cast<std::int32_t>(value);
}

}  // namespace Tessel::Papy
