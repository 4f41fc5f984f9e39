#pragma once

#include "Papy/Lp/LpFile.h"

#include <memory>
#include <vector>

namespace Tessel::Papy {

class Track;

// The LP file of the N2 family: a stored record count N and N records of three 32-bit
// integers (speed, unsigned, and lateral speed in steps of 0.000762 m/s; lateral offset in
// track units, 0.0000508 m). The table is closed: the file stores one record more than the
// interface shows, and that last record repeats record 0 (setting record 0 sets it too). There
// is no version field, and nothing in the file is checked against the track.
//
// The format has no angle rate and no record length: their setters ignore the value (the
// conversion sets an angle rate on every record). Values outside a field's range are stored
// as the nearest value the field holds (a value that is no number as 0).
class ICR2LpFile : public LpFile {
public:
    // Reads an existing file. Throws XFileRead when the stream holds fewer records than it
    // announces (before allocating for them) and XFileFormat "ICR2 Lp file has no record" for a
    // count of 0, which leaves no room for the closing record.
    explicit ICR2LpFile(const std::shared_ptr<Util::BinaryStream>& stream);
    // An empty table for the track, one record per spacing of its 3D length plus the closing
    // record; a spacing of 0.0 takes the default of 65536 track units. Throws XAssertion when
    // the spacing is negative or the count does not fit 32 bits.
    ICR2LpFile(const Track& track, double spacing);

    std::uint32_t GetRecordCount() const override { return static_cast<std::uint32_t>(records.size() - 1); }
    double GetRecordSpacing() const override { return spacing; }
    std::uint32_t GetRecordIndex(double longitude) const override;
    double GetRecordLongitude(std::uint32_t i) const override { return (i + 1.0) * spacing; }

    double GetRecordLateral(std::uint32_t i) const override;
    double GetRecordSpeed(std::uint32_t i) const override;
    double GetRecordLateralSpeed(std::uint32_t i) const override;

    void SetRecordLateral(std::uint32_t i, double value) override;
    void SetRecordSpeed(std::uint32_t i, double value) override;
    void SetRecordLateralSpeed(std::uint32_t i, double value) override;
    void SetRecordAngleRate(std::uint32_t, double) override {}

    // The three stored integers: speed, lateral speed and lateral offset in the file's units.
    // Setting record 0's sets the closing record's too.
    std::vector<IntegerField> GetIntegerFields() const override;
    std::int64_t GetRecordInteger(std::uint32_t i, std::size_t field) const override;
    void SetRecordInteger(std::uint32_t i, std::size_t field, std::int64_t value) override;

    void Write(const std::shared_ptr<Util::BinaryStream>& stream) const override;

private:
    // One record as the file lays it out.
    struct Record {
        std::uint32_t speed = 0;
        std::int32_t lateralSpeed = 0;
        std::int32_t lateral = 0;
    };

    // Stores a field of record i, and of the closing record when i is 0.
    template <class Field, class Value>
    void Store(std::uint32_t i, Field Record::*field, Value value);

    double spacing;
    std::vector<Record> records;
};

}  // namespace Tessel::Papy
