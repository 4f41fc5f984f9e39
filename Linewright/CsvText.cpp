#include "Linewright/CsvText.h"

#include "Util/Exception.h"

namespace Linewright {

namespace {

// Reads the text one field at a time; position always stands at the start of a field.
class CsvParser {
public:
    CsvParser(std::string_view text, const std::string& name) : text(text), name(name) {}

    std::vector<CsvRow> Rows() {
        if (text.starts_with(csvByteOrderMark))
            position = csvByteOrderMark.size();
        std::vector<CsvRow> rows;
        while (position < text.size()) {
            CsvRow row = Row();
            if (row.fields.size() > 1 || !row.fields[0].empty())
                rows.push_back(std::move(row));
        }
        return rows;
    }

private:
    CsvRow Row() {
        CsvRow row{line, {}};
        for (;;) {
            row.fields.push_back(Field());
            if (position >= text.size())
                return row;
            const char separator = text[position++];
            if (separator == ',')
                continue;
            if (separator == '\r' && position < text.size() && text[position] == '\n')
                ++position;
            ++line;
            return row;
        }
    }

    // The field from position up to the separator or line end that follows it.
    std::string Field() {
        if (position < text.size() && text[position] == '"')
            return QuotedField();
        const std::size_t end = text.find_first_of(",\r\n", position);
        std::string field(text.substr(position, end - position));
        position = end == std::string_view::npos ? text.size() : end;
        return field;
    }

    std::string QuotedField() {
        const std::size_t startLine = line;
        std::string field;
        for (++position; position < text.size(); ++position) {
            const char c = text[position];
            if (c == '\n')
                ++line;
            if (c != '"') {
                field += c;
            } else if (position + 1 < text.size() && text[position + 1] == '"') {
                field += '"';
                ++position;
            } else {
                ++position;
                if (position < text.size() && text.find_first_of(",\r\n", position) != position)
                    Fail(line, "text after a closing quote");
                return field;
            }
        }
        Fail(startLine, "a quote opened here is never closed");
    }

    [[noreturn]] void Fail(std::size_t at, const std::string& what) const {
        throw Tessel::Util::XUsage(name + ":" + std::to_string(at) + ": " + what);
    }

    std::string_view text;
    const std::string& name;
    std::size_t position = 0;
    std::size_t line = 1;
};

}  // namespace

std::string QuoteCsvField(std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(field);
    std::string quoted = "\"";
    for (const char c : field) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + '"';
}

std::vector<CsvRow> ParseCsv(std::string_view text, const std::string& name) { return CsvParser(text, name).Rows(); }

}  // namespace Linewright
