#pragma once

#include "Util/BinaryStream.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace Tessel::Papy {

// A racing-line table: one record per fixed step of track longitude, record i standing at
// longitude (i + 1) × spacing, one spacing past the start line. Values cross this interface in
// metres, metres per second and radians per second; each format scales them into its own
// units. A format carries only some of the record properties: a getter of a property it lacks
// answers the neutral default below, and its setter ignores the value or throws XAssertion
// "false" naming this file.
class LpFile {
public:
    virtual ~LpFile() = default;

    virtual std::uint32_t GetRecordCount() const = 0;
    virtual double GetRecordSpacing() const = 0;

    // Which optional record properties the format carries; numbered 0 to 15.
    bool HasCapability0() const { return HasCapability(0); }
    bool HasCapability1() const { return HasCapability(1); }
    bool HasCapability2() const { return HasCapability(2); }
    bool HasCapability3() const { return HasCapability(3); }
    bool HasCapability4() const { return HasCapability(4); }
    bool HasCapability5() const { return HasCapability(5); }
    bool HasCapability6() const { return HasCapability(6); }
    bool HasCapability7() const { return HasCapability(7); }
    bool HasCapability8() const { return HasCapability(8); }
    bool HasCapability9() const { return HasCapability(9); }
    bool HasCapability10() const { return HasCapability(10); }
    bool HasCapability11() const { return HasCapability(11); }
    bool HasCapability12() const { return HasCapability(12); }
    bool HasCapability13() const { return HasCapability(13); }
    bool HasCapability14() const { return HasCapability(14); }
    bool HasCapability15() const { return HasCapability(15); }
    virtual bool HasCapability(unsigned number) const;

    // The record at or before longitude. Throws XAssertion naming the format's source file when
    // the longitude lies before record 0 (the start line included) or after the last record.
    virtual std::uint32_t GetRecordIndex(double longitude) const = 0;
    // (i + 1) × spacing; no range check.
    virtual double GetRecordLongitude(std::uint32_t i) const = 0;

    // The getters and setters below do not check the record index.
    virtual double GetRecordLateral(std::uint32_t i) const = 0;
    virtual double GetRecordLength(std::uint32_t i) const;
    virtual double GetRecordSpeed(std::uint32_t i) const = 0;
    virtual double GetRecordLateralSpeed(std::uint32_t i) const = 0;
    virtual double GetRecordAngleRate(std::uint32_t i) const;
    virtual double GetRecordCoefficient(std::uint32_t i) const;
    virtual std::uint32_t GetRecordFlags(std::uint32_t i) const;

    // Fifteen single flags, numbered 0 to 14.
    bool GetRecordFlag0(std::uint32_t i) const { return GetRecordFlag(i, 0); }
    bool GetRecordFlag1(std::uint32_t i) const { return GetRecordFlag(i, 1); }
    bool GetRecordFlag2(std::uint32_t i) const { return GetRecordFlag(i, 2); }
    bool GetRecordFlag3(std::uint32_t i) const { return GetRecordFlag(i, 3); }
    bool GetRecordFlag4(std::uint32_t i) const { return GetRecordFlag(i, 4); }
    bool GetRecordFlag5(std::uint32_t i) const { return GetRecordFlag(i, 5); }
    bool GetRecordFlag6(std::uint32_t i) const { return GetRecordFlag(i, 6); }
    bool GetRecordFlag7(std::uint32_t i) const { return GetRecordFlag(i, 7); }
    bool GetRecordFlag8(std::uint32_t i) const { return GetRecordFlag(i, 8); }
    bool GetRecordFlag9(std::uint32_t i) const { return GetRecordFlag(i, 9); }
    bool GetRecordFlag10(std::uint32_t i) const { return GetRecordFlag(i, 10); }
    bool GetRecordFlag11(std::uint32_t i) const { return GetRecordFlag(i, 11); }
    bool GetRecordFlag12(std::uint32_t i) const { return GetRecordFlag(i, 12); }
    bool GetRecordFlag13(std::uint32_t i) const { return GetRecordFlag(i, 13); }
    bool GetRecordFlag14(std::uint32_t i) const { return GetRecordFlag(i, 14); }
    virtual bool GetRecordFlag(std::uint32_t i, unsigned number) const;

    virtual void SetRecordLateral(std::uint32_t i, double value) = 0;
    virtual void SetRecordLength(std::uint32_t i, double value);
    virtual void SetRecordSpeed(std::uint32_t i, double value) = 0;
    virtual void SetRecordLateralSpeed(std::uint32_t i, double value) = 0;
    virtual void SetRecordAngleRate(std::uint32_t i, double value);
    virtual void SetRecordCoefficient(std::uint32_t i, double value);
    virtual void SetRecordFlags(std::uint32_t i, std::uint32_t flags);

    void SetRecordFlag0(std::uint32_t i, bool value) { SetRecordFlag(i, 0, value); }
    void SetRecordFlag1(std::uint32_t i, bool value) { SetRecordFlag(i, 1, value); }
    void SetRecordFlag2(std::uint32_t i, bool value) { SetRecordFlag(i, 2, value); }
    void SetRecordFlag3(std::uint32_t i, bool value) { SetRecordFlag(i, 3, value); }
    void SetRecordFlag4(std::uint32_t i, bool value) { SetRecordFlag(i, 4, value); }
    void SetRecordFlag5(std::uint32_t i, bool value) { SetRecordFlag(i, 5, value); }
    void SetRecordFlag6(std::uint32_t i, bool value) { SetRecordFlag(i, 6, value); }
    void SetRecordFlag7(std::uint32_t i, bool value) { SetRecordFlag(i, 7, value); }
    void SetRecordFlag8(std::uint32_t i, bool value) { SetRecordFlag(i, 8, value); }
    void SetRecordFlag9(std::uint32_t i, bool value) { SetRecordFlag(i, 9, value); }
    void SetRecordFlag10(std::uint32_t i, bool value) { SetRecordFlag(i, 10, value); }
    void SetRecordFlag11(std::uint32_t i, bool value) { SetRecordFlag(i, 11, value); }
    void SetRecordFlag12(std::uint32_t i, bool value) { SetRecordFlag(i, 12, value); }
    void SetRecordFlag13(std::uint32_t i, bool value) { SetRecordFlag(i, 13, value); }
    void SetRecordFlag14(std::uint32_t i, bool value) { SetRecordFlag(i, 14, value); }
    virtual void SetRecordFlag(std::uint32_t i, unsigned number, bool value);

    // What a record of the format holds, for a table that shows every record whole: speed,
    // lateral speed and lateral offset always, the others where the format stores them.
    enum class RecordValue { Speed, LateralSpeed, Lateral, AngleRate, Length, Coefficient };
    virtual std::vector<RecordValue> GetStoredValues() const;

    // The integers a record stores, for formats that store some, so that a table of the records
    // loses nothing to rounding; field numbers index GetIntegerFields. The defaults, for a
    // format without integers, throw XAssertion "false".
    struct IntegerField {
        const char* name;
        std::int64_t lowest;
        std::int64_t highest;
    };
    virtual std::vector<IntegerField> GetIntegerFields() const;
    virtual std::int64_t GetRecordInteger(std::uint32_t i, std::size_t field) const;
    // value must lie within the field's range; it is not checked.
    virtual void SetRecordInteger(std::uint32_t i, std::size_t field, std::int64_t value);

    // Writes the whole file from position 0; the stream is not truncated.
    virtual void Write(const std::shared_ptr<Util::BinaryStream>& stream) const = 0;

protected:
    // Reads the header that the GPL and N4 formats share (a version, then the record count)
    // from position 0 and returns the count. Throws XFileFormat with versionError when the
    // version is another, and XFileRead when the stream cannot hold count records of
    // recordSize bytes, before anything is set aside for them.
    static std::uint32_t ReadHeader(Util::BinaryStream& stream, std::uint32_t version, std::uint32_t recordSize,
                                    const char* versionError);
    // Writes that header from position 0.
    static void WriteHeader(Util::BinaryStream& stream, std::uint32_t version, std::uint32_t count);

    // The lookup that every format's GetRecordIndex performs over its storedCount records; the
    // assertions name sourceFile and line, the format's own place of the call.
    std::uint32_t FindRecordIndex(double longitude, std::size_t storedCount,
                                  const char* sourceFile, int line) const;
};

}  // namespace Tessel::Papy
