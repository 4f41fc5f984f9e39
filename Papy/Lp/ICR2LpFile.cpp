#include "Papy/Lp/ICR2LpFile.h"

#include "Papy/Lp/LpFormats.h"
#include "Papy/Lp/LpUnits.h"
#include "Papy/Tracks/Track.h"
#include "Papy/Tracks/Trk/TrkFixedPoint.h"
#include "Util/Exception.h"

#include <array>
#include <cmath>
#include <limits>

namespace Tessel::Papy {

namespace {

constexpr std::uint32_t RecordSize = LpIds::icr2RecordSize;
constexpr double SpeedUnit = LpUnits::icr2SpeedUnit;
constexpr double DefaultSpacing = LpUnits::icr2Spacing;

// The integer nearest to an already rounded value that the field's type holds; 0 for NaN.
template <class T>
T Clamped(double value) {
    if (std::isnan(value))
        return 0;
    if (value <= static_cast<double>(std::numeric_limits<T>::min()))
        return std::numeric_limits<T>::min();
    if (value >= static_cast<double>(std::numeric_limits<T>::max()))
        return std::numeric_limits<T>::max();
    return static_cast<T>(value);
}

double RoundHalfAwayFromZero(double value) { return std::trunc(value > 0.0 ? value + 0.5 : value - 0.5); }

}  // namespace

ICR2LpFile::ICR2LpFile(const std::shared_ptr<Util::BinaryStream>& stream) : spacing(DefaultSpacing) {
    stream->Seek(0);
    const auto count = Util::ReadValue<std::uint32_t>(*stream);
    // A count the stream cannot hold fails as the short read it would become.
    if (count > stream->GetRemaining() / RecordSize)
        throw Util::XFileRead(stream->GetName());
    if (count == 0)
        throw Util::XFileFormat(stream->GetName(), "ICR2 Lp file has no record");
    records.resize(count);
    for (Record& record : records) {
        record.speed = Util::ReadValue<std::uint32_t>(*stream);
        record.lateralSpeed = Util::ReadValue<std::int32_t>(*stream);
        record.lateral = Util::ReadValue<std::int32_t>(*stream);
    }
}

ICR2LpFile::ICR2LpFile(const Track& track, double requestedSpacing)
    : spacing(requestedSpacing == 0.0 ? DefaultSpacing : requestedSpacing) {
    TESSEL_CHECK(spacing > 0.0);
    const double length = track.GetLength();  // along the surface
    const double count = std::trunc(std::ceil(length / spacing) + 0.5) + 1.0;
    TESSEL_CHECK(count >= 1.0 && count < 4294967296.0);
    records.resize(static_cast<std::size_t>(count));
}

std::uint32_t ICR2LpFile::GetRecordIndex(double longitude) const {
    return FindRecordIndex(longitude, records.size(), __FILE__, __LINE__);
}

double ICR2LpFile::GetRecordLateral(std::uint32_t i) const { return ToMetres(records[i].lateral); }

double ICR2LpFile::GetRecordSpeed(std::uint32_t i) const { return records[i].speed * SpeedUnit; }

double ICR2LpFile::GetRecordLateralSpeed(std::uint32_t i) const { return records[i].lateralSpeed * SpeedUnit; }

template <class Field, class Value>
void ICR2LpFile::Store(std::uint32_t i, Field Record::*field, Value value) {
    records[i].*field = value;
    if (i == 0)
        records.back().*field = value;
}

void ICR2LpFile::SetRecordLateral(std::uint32_t i, double value) {
    Store(i, &Record::lateral, Clamped<std::int32_t>(std::trunc(value / TrackUnitMetres)));
}

void ICR2LpFile::SetRecordSpeed(std::uint32_t i, double value) {
    Store(i, &Record::speed, Clamped<std::uint32_t>(std::trunc(value / SpeedUnit + 0.5)));
}

void ICR2LpFile::SetRecordLateralSpeed(std::uint32_t i, double value) {
    Store(i, &Record::lateralSpeed, Clamped<std::int32_t>(RoundHalfAwayFromZero(value / SpeedUnit)));
}

std::vector<LpFile::IntegerField> ICR2LpFile::GetIntegerFields() const {
    using Signed = std::numeric_limits<std::int32_t>;
    return {{"speed", 0, std::numeric_limits<std::uint32_t>::max()},
            {"lateral speed", Signed::min(), Signed::max()},
            {"lateral offset", Signed::min(), Signed::max()}};
}

std::int64_t ICR2LpFile::GetRecordInteger(std::uint32_t i, std::size_t field) const {
    const Record& record = records[i];
    const std::array<std::int64_t, 3> values = {record.speed, record.lateralSpeed, record.lateral};
    return values.at(field);
}

void ICR2LpFile::SetRecordInteger(std::uint32_t i, std::size_t field, std::int64_t value) {
    switch (field) {
    case 0: Store(i, &Record::speed, static_cast<std::uint32_t>(value)); break;
    case 1: Store(i, &Record::lateralSpeed, static_cast<std::int32_t>(value)); break;
    case 2: Store(i, &Record::lateral, static_cast<std::int32_t>(value)); break;
    default: TESSEL_CHECK(field < 3);
    }
}

void ICR2LpFile::Write(const std::shared_ptr<Util::BinaryStream>& stream) const {
    stream->Seek(0);
    Util::WriteValue(*stream, static_cast<std::uint32_t>(records.size()));
    for (const Record& record : records) {
        Util::WriteValue(*stream, record.speed);
        Util::WriteValue(*stream, record.lateralSpeed);
        Util::WriteValue(*stream, record.lateral);
    }
}

}  // namespace Tessel::Papy
