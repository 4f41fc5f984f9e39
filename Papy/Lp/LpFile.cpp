#include "Papy/Lp/LpFile.h"

#include "Util/Exception.h"

namespace Tessel::Papy {

bool LpFile::HasCapability(unsigned) const { return false; }

double LpFile::GetRecordLength(std::uint32_t) const { return GetRecordSpacing(); }

double LpFile::GetRecordAngleRate(std::uint32_t) const { return 0.0; }

double LpFile::GetRecordCoefficient(std::uint32_t) const { return 1.0; }

std::uint32_t LpFile::GetRecordFlags(std::uint32_t) const { return 0; }

bool LpFile::GetRecordFlag(std::uint32_t, unsigned) const { return false; }

void LpFile::SetRecordLength(std::uint32_t, double) {}

void LpFile::SetRecordAngleRate(std::uint32_t, double) { TESSEL_CHECK(false); }

void LpFile::SetRecordCoefficient(std::uint32_t, double) { TESSEL_CHECK(false); }

void LpFile::SetRecordFlags(std::uint32_t, std::uint32_t) { TESSEL_CHECK(false); }

void LpFile::SetRecordFlag(std::uint32_t, unsigned, bool) { TESSEL_CHECK(false); }

std::vector<LpFile::RecordValue> LpFile::GetStoredValues() const {
    return {RecordValue::Speed, RecordValue::LateralSpeed, RecordValue::Lateral};
}

std::vector<LpFile::IntegerField> LpFile::GetIntegerFields() const { return {}; }

std::int64_t LpFile::GetRecordInteger(std::uint32_t, std::size_t) const {
    Util::AssertionFailed("false", __FILE__, __LINE__);
}

void LpFile::SetRecordInteger(std::uint32_t, std::size_t, std::int64_t) { TESSEL_CHECK(false); }

std::uint32_t LpFile::ReadHeader(Util::BinaryStream& stream, std::uint32_t version, std::uint32_t recordSize,
                                 const char* versionError) {
    stream.Seek(0);
    const auto storedVersion = Util::ReadValue<std::uint32_t>(stream);
    const auto count = Util::ReadValue<std::uint32_t>(stream);
    if (storedVersion != version)
        throw Util::XFileFormat(stream.GetName(), versionError);
    // A count the stream cannot hold fails as the short read it would become.
    if (count > stream.GetRemaining() / recordSize)
        throw Util::XFileRead(stream.GetName());
    return count;
}

void LpFile::WriteHeader(Util::BinaryStream& stream, std::uint32_t version, std::uint32_t count) {
    stream.Seek(0);
    Util::WriteValue(stream, version);
    Util::WriteValue(stream, count);
}

std::uint32_t LpFile::FindRecordIndex(double longitude, std::size_t storedCount,
                                      const char* sourceFile, int line) const {
    using Util::AssertionFailed;
    // Written so that a NaN longitude fails the first check.
    if (!(longitude >= GetRecordLongitude(0)))
        AssertionFailed("longitude >= GetRecordLongitude(0)", sourceFile, line);
    if (longitude > GetRecordLongitude(GetRecordCount() - 1))
        AssertionFailed("longitude <= GetRecordLongitude(GetRecordCount() - 1)", sourceFile, line);
    const double steps = longitude / GetRecordSpacing();
    // Only an empty table lets the quotient outgrow 32 bits, and no index lies in one.
    if (steps >= 4294967296.0)
        AssertionFailed("index < Records.size()", sourceFile, line);
    std::uint32_t index = static_cast<std::uint32_t>(steps);
    if (index == 0)
        AssertionFailed("index > 0", sourceFile, line);
    --index;
    if (index >= storedCount)
        AssertionFailed("index < Records.size()", sourceFile, line);
    return index;
}

}  // namespace Tessel::Papy
