#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace Linewright::Cli {

struct InfoOptions {
    std::string path;
    bool records = false;
    std::vector<double> point;  // longitude and lateral offset, when given
};

// Prints "key: value" lines for the file, the first being "format: <kind>". Each describer
// looks at the file's content and returns false when the file is not of its kind; they are
// asked in turn. Throws XUsage when none recognises the file.
using Describer = std::function<bool(const InfoOptions&, std::ostream&)>;
void DescribeFile(const InfoOptions& options, std::ostream& out);

// ICR2 and N4 DAT archives: the format and the member count.
bool DescribeArchive(const InfoOptions& options, std::ostream& out);

}  // namespace Linewright::Cli
