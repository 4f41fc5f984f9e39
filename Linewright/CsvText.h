#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Comma-separated text as spreadsheets read and write it: fields in double quotes where they
// hold a comma, a quote or a line break, a quote inside doubled, lines ended by CR LF or LF, and
// a UTF-8 byte order mark before the first line, which tells a spreadsheet the encoding.
namespace Linewright {

inline constexpr std::string_view csvByteOrderMark = "\xEF\xBB\xBF";

// The field as it goes into a line: quoted when it must be.
std::string QuoteCsvField(std::string_view field);

// One line of fields, with the number of the text line it starts on (from 1).
struct CsvRow {
    std::size_t line = 0;
    std::vector<std::string> fields;
};

// The rows of text, a byte order mark skipped and blank lines left out. Throws XUsage
// "<name>:<line>: ..." for a quote that is never closed or text after a closing quote.
std::vector<CsvRow> ParseCsv(std::string_view text, const std::string& name);

}  // namespace Linewright
