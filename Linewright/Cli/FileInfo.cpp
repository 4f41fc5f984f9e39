#include "Linewright/Cli/FileInfo.h"

#include "Util/BinaryFile.h"
#include "Util/Exception.h"

#include <cstdio>

namespace Linewright::Cli {

namespace {

// Asked in this order; a describer only looks, and says no to a file of another kind.
const std::vector<Describer>& Describers() {
    static const std::vector<Describer> describers = {DescribeRpy, DescribeGPLTrk, DescribePtf,
                                                      DescribeArchive, DescribeLp};
    return describers;
}

}  // namespace

std::string FormatNumber(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

void DescribeFile(const InfoOptions& options, std::ostream& out) {
    const std::shared_ptr<Tessel::Util::BinaryStream> file = Tessel::Util::BinaryFile::OpenRead(options.path);
    for (const Describer& describe : Describers()) {
        if (describe(options, file, out))
            return;
    }
    throw Tessel::Util::XUsage(options.path + ": not a file of a known kind");
}

}  // namespace Linewright::Cli
