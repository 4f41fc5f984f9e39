#pragma once

#include "Papy/Lp/LpFile.h"
#include "Papy/Lp/LpUnits.h"

#include <vector>

namespace Tessel::Papy {

// What the GPL and N4 LP formats share: a versioned header, then records that hold the speed,
// the lateral speed, the lateral offset and the angle rate as floats (the speeds and the rate in
// LpUnits::rateScale) and a word of flags. Layout names the format's version, record size and
// version error, its Record, and Visit, which hands each stored field of a record to a function
// in the file's order.
template <class Layout>
class VersionedLpFile : public LpFile {
public:
    using Record = typename Layout::Record;

    std::uint32_t GetRecordCount() const override { return static_cast<std::uint32_t>(records.size()); }
    double GetRecordSpacing() const override { return spacing; }
    double GetRecordLongitude(std::uint32_t i) const override { return (i + 1.0) * spacing; }

    double GetRecordLateral(std::uint32_t i) const override { return records[i].lateral; }
    double GetRecordSpeed(std::uint32_t i) const override { return records[i].speed * LpUnits::rateScale; }
    double GetRecordLateralSpeed(std::uint32_t i) const override {
        return records[i].lateralSpeed * LpUnits::rateScale;
    }
    double GetRecordAngleRate(std::uint32_t i) const override { return records[i].angleRate * LpUnits::rateScale; }
    std::uint32_t GetRecordFlags(std::uint32_t i) const override {
        return static_cast<std::uint32_t>(records[i].flags);
    }

    void SetRecordLateral(std::uint32_t i, double value) override { records[i].lateral = static_cast<float>(value); }
    void SetRecordSpeed(std::uint32_t i, double value) override { records[i].speed = ToFileRate(value); }
    void SetRecordLateralSpeed(std::uint32_t i, double value) override {
        records[i].lateralSpeed = ToFileRate(value);
    }
    void SetRecordAngleRate(std::uint32_t i, double value) override { records[i].angleRate = ToFileRate(value); }
    void SetRecordFlags(std::uint32_t i, std::uint32_t flags) override { records[i].flags = FlagsOf(flags); }

    // The flags word is the one stored integer.
    std::int64_t GetRecordInteger(std::uint32_t i, std::size_t) const override { return records[i].flags; }
    void SetRecordInteger(std::uint32_t i, std::size_t, std::int64_t value) override {
        records[i].flags = FlagsOf(value);
    }

    void Write(const std::shared_ptr<Util::BinaryStream>& stream) const override {
        WriteHeader(*stream, Layout::version, GetRecordCount());
        for (const Record& record : records)
            Layout::Visit(record, [&](const auto& field) { Util::WriteValue(*stream, field); });
    }

protected:
    explicit VersionedLpFile(double spacing) : spacing(spacing) {}

    // Reads the header and the records; throws as LpFile::ReadHeader does.
    void Read(Util::BinaryStream& stream) {
        records.resize(ReadHeader(stream, Layout::version, Layout::recordSize, Layout::versionError));
        for (Record& record : records) {
            Layout::Visit(record, [&](auto& field) {
                field = Util::ReadValue<std::remove_reference_t<decltype(field)>>(stream);
            });
        }
    }

    double spacing;
    std::vector<Record> records;

private:
    static float ToFileRate(double value) { return static_cast<float>(value / LpUnits::rateScale); }
    template <class Integer>
    static auto FlagsOf(Integer value) {
        return static_cast<decltype(Record::flags)>(value);
    }
};

}  // namespace Tessel::Papy
