#include "Linewright/LpTable.h"

#include "Linewright/CsvText.h"
#include "Papy/Lp/LpFile.h"
#include "Util/Exception.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <vector>

namespace Linewright {

namespace {

using Tessel::Papy::LpFile;
using RecordValue = LpFile::RecordValue;

struct ValueColumn {
    RecordValue value;
    const char* header;
    double (LpFile::*get)(std::uint32_t) const;
    void (LpFile::*set)(std::uint32_t, double);
    // The coarsest step in which any format stores the value: a row's value and what the record
    // holds after it was set may differ by that much.
    double step;
};

constexpr std::array<ValueColumn, 6> valueColumns = {{
    {RecordValue::Speed, "speed (m/s)", &LpFile::GetRecordSpeed, &LpFile::SetRecordSpeed, 0.001},
    {RecordValue::LateralSpeed, "lateral speed (m/s)", &LpFile::GetRecordLateralSpeed, &LpFile::SetRecordLateralSpeed,
     0.001},
    {RecordValue::Lateral, "lateral offset (m)", &LpFile::GetRecordLateral, &LpFile::SetRecordLateral, 0.001},
    {RecordValue::AngleRate, "angle rate (rad/s)", &LpFile::GetRecordAngleRate, &LpFile::SetRecordAngleRate, 0.001},
    {RecordValue::Length, "record length (m)", &LpFile::GetRecordLength, &LpFile::SetRecordLength, 0.001},
    {RecordValue::Coefficient, "coefficient", &LpFile::GetRecordCoefficient, &LpFile::SetRecordCoefficient, 0.005},
}};

constexpr const char* indexHeader = "index";
constexpr const char* longitudeHeader = "longitude (m)";
// Beyond any value an LP field holds, and within what every setter converts safely.
constexpr double largestValue = 1e30;
// A table of a whole track's faults would bury the first ones.
constexpr std::size_t faultsListed = 50;

std::vector<const ValueColumn*> ValueColumnsOf(const LpFile& lp) {
    std::vector<const ValueColumn*> columns;
    for (const RecordValue value : lp.GetStoredValues())
        for (const ValueColumn& column : valueColumns)
            if (column.value == value)
                columns.push_back(&column);
    return columns;
}

std::string IntegerHeader(const LpFile::IntegerField& field) { return std::string(field.name) + " (stored)"; }

template <class Number>
std::string NumberText(Number value) {
    std::array<char, 32> text;
    return std::string(text.data(), std::to_chars(text.data(), text.data() + text.size(), value).ptr);
}

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

// The whole cell as a number of type Number, or nothing; '.' decimals whatever the locale.
template <class Number>
std::optional<Number> ParseNumber(std::string_view cell) {
    if (cell.starts_with('+'))
        cell.remove_prefix(1);
    Number value{};
    const auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), value);
    if (error != std::errc() || end != cell.data() + cell.size())
        return std::nullopt;
    if constexpr (std::is_floating_point_v<Number>)
        if (!std::isfinite(value))
            return std::nullopt;
    return value;
}

class TableReader {
public:
    TableReader(const std::string& name, LpFile& lp)
        : name(name), lp(lp), values(ValueColumnsOf(lp)), integers(lp.GetIntegerFields()) {}

    void Read(std::string_view text) {
        const std::vector<CsvRow> rows = ParseCsv(text, name);
        if (rows.empty())
            Fault(1, "the table has no header row");
        else
            FindColumns(rows.front());
        ThrowFaults();
        ReadRecords(rows);
        ThrowFaults();
    }

private:
    void FindColumns(const CsvRow& header) {
        indexColumn = FindColumn(header, indexHeader);
        for (const ValueColumn* column : values)
            valuePositions.push_back(FindColumn(header, column->header));
        for (const LpFile::IntegerField& field : integers)
            integerPositions.push_back(FindColumn(header, IntegerHeader(field)));
    }

    std::size_t FindColumn(const CsvRow& header, const std::string& wanted) {
        for (std::size_t i = 0; i < header.fields.size(); ++i)
            if (Trimmed(header.fields[i]) == wanted)
                return i;
        Fault(header.line, "no column \"" + wanted + "\"");
        return 0;
    }

    void ReadRecords(const std::vector<CsvRow>& rows) {
        const std::size_t given = rows.size() - 1;
        const std::uint32_t count = lp.GetRecordCount();
        for (std::uint32_t record = 0; record < count && record < given; ++record)
            ReadRow(rows[record + 1], record);
        if (given > count)
            Fault(rows[count + 1].line, "one row more than the " + std::to_string(count) +
                                            " records of the LP (the track's record count)");
        else if (given < count)
            Fault(rows.back().line, std::to_string(given) + " rows end the table, and the LP (the track) has " +
                                        std::to_string(count) + " records");
    }

    void ReadRow(const CsvRow& row, std::uint32_t record) {
        const std::size_t faultsBefore = faults.size();
        const auto index = Cell<std::int64_t>(row, indexColumn, indexHeader, false);
        if (index && *index != record)
            CellFault(row, indexColumn, indexHeader, "record " + std::to_string(record) + " belongs in this row");
        std::vector<double> given;
        for (std::size_t i = 0; i < values.size(); ++i)
            given.push_back(Cell<double>(row, valuePositions[i], values[i]->header, false).value_or(0.0));
        std::vector<std::optional<std::int64_t>> stored;
        for (std::size_t i = 0; i < integers.size(); ++i)
            stored.push_back(StoredCell(row, i));
        if (faults.size() == faultsBefore)
            SetRecord(row, record, given, stored);
    }

    std::optional<std::int64_t> StoredCell(const CsvRow& row, std::size_t i) {
        const LpFile::IntegerField& field = integers[i];
        const std::string header = IntegerHeader(field);
        const auto value = Cell<std::int64_t>(row, integerPositions[i], header, true);
        if (value && (*value < field.lowest || *value > field.highest)) {
            CellFault(row, integerPositions[i], header,
                      NumberText(*value) + " is out of the field's range, " + NumberText(field.lowest) + " to " +
                          NumberText(field.highest));
            return std::nullopt;
        }
        return value;
    }

    // Values through the setters, then the stored integers over them; each value must then be
    // what the record holds, to the field's step.
    void SetRecord(const CsvRow& row, std::uint32_t record, const std::vector<double>& given,
                   const std::vector<std::optional<std::int64_t>>& stored) {
        std::vector<bool> fits;
        for (std::size_t i = 0; i < values.size(); ++i) {
            fits.push_back(std::fabs(given[i]) <= largestValue);
            if (fits[i])
                (lp.*values[i]->set)(record, given[i]);
            fits[i] = fits[i] && Holds(record, *values[i], given[i]);
        }
        for (std::size_t i = 0; i < integers.size(); ++i)
            if (stored[i])
                lp.SetRecordInteger(record, i, *stored[i]);
        for (std::size_t i = 0; i < values.size(); ++i) {
            const ValueColumn& column = *values[i];
            if (!fits[i] && (std::fabs(given[i]) > largestValue || !Holds(record, column, given[i])))
                CellFault(row, valuePositions[i], column.header, NumberText(given[i]) + " is out of the field's range");
            else if (!Holds(record, column, given[i]))
                CellFault(row, valuePositions[i], column.header,
                          NumberText(given[i]) + " is at odds with the row's stored integers, which give " +
                              NumberText((lp.*column.get)(record)) + " (change the stored cell too, or empty it)");
        }
    }

    bool Holds(std::uint32_t record, const ValueColumn& column, double value) const {
        const double held = (lp.*column.get)(record);
        return std::fabs(held - value) <= column.step + 1e-6 * std::fabs(value);
    }

    template <class Number>
    std::optional<Number> Cell(const CsvRow& row, std::size_t column, const std::string& header, bool mayBeEmpty) {
        if (column >= row.fields.size()) {
            CellFault(row, column, header, "missing");
            return std::nullopt;
        }
        const std::string_view cell = Trimmed(row.fields[column]);
        if (cell.empty()) {
            if (!mayBeEmpty)
                CellFault(row, column, header, "empty");
            return std::nullopt;
        }
        const auto value = ParseNumber<Number>(cell);
        if (!value) {
            std::string what = "\"";
            what += cell;
            what += std::is_integral_v<Number> ? "\" is not an integer" : "\" is not a number";
            CellFault(row, column, header, what);
        }
        return value;
    }

    void CellFault(const CsvRow& row, std::size_t column, const std::string& header, const std::string& what) {
        Fault(row.line, "column " + std::to_string(column + 1) + " (" + header + "): " + what);
    }

    void Fault(std::size_t line, const std::string& what) {
        faults.push_back(name + ":" + std::to_string(line) + ": " + what);
    }

    void ThrowFaults() const {
        if (faults.empty())
            return;
        std::string message = name + ": " + std::to_string(faults.size()) + " fault" + (faults.size() > 1 ? "s" : "") +
                              " in the table; nothing written\n";
        for (std::size_t i = 0; i < faults.size() && i < faultsListed; ++i)
            message += faults[i] + '\n';
        if (faults.size() > faultsListed)
            message += "and " + std::to_string(faults.size() - faultsListed) + " more\n";
        throw Tessel::Util::XUsage(message);
    }

    const std::string& name;
    LpFile& lp;
    const std::vector<const ValueColumn*> values;
    const std::vector<LpFile::IntegerField> integers;
    std::size_t indexColumn = 0;
    std::vector<std::size_t> valuePositions;
    std::vector<std::size_t> integerPositions;
    std::vector<std::string> faults;
};

}  // namespace

std::string FormatLpTable(const LpFile& lp) {
    const std::vector<const ValueColumn*> values = ValueColumnsOf(lp);
    const std::vector<LpFile::IntegerField> integers = lp.GetIntegerFields();
    std::string text(csvByteOrderMark);
    text += std::string(indexHeader) + ',' + longitudeHeader;
    for (const ValueColumn* column : values)
        text += ',' + QuoteCsvField(column->header);
    for (const LpFile::IntegerField& field : integers)
        text += ',' + QuoteCsvField(IntegerHeader(field));
    text += "\r\n";
    for (std::uint32_t i = 0; i < lp.GetRecordCount(); ++i) {
        text += NumberText(i) + ',' + NumberText(lp.GetRecordLongitude(i));
        for (const ValueColumn* column : values)
            text += ',' + NumberText((lp.*column->get)(i));
        for (std::size_t field = 0; field < integers.size(); ++field)
            text += ',' + NumberText(lp.GetRecordInteger(i, field));
        text += "\r\n";
    }
    return text;
}

void ReadLpTable(std::string_view text, const std::string& name, LpFile& lp) { TableReader(name, lp).Read(text); }

}  // namespace Linewright
