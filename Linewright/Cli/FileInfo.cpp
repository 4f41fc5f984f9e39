#include "Linewright/Cli/FileInfo.h"

#include "Util/BinaryFile.h"
#include "Util/Exception.h"

namespace Linewright::Cli {

namespace {

// Asked in this order; a describer only looks, and says no to a file of another kind.
const std::vector<Describer>& Describers() {
    static const std::vector<Describer> describers = {DescribeRpy, DescribeGPLTrk, DescribeArchive,
                                                      DescribeLp};
    return describers;
}

}  // namespace

void DescribeFile(const InfoOptions& options, std::ostream& out) {
    const std::shared_ptr<Tessel::Util::BinaryStream> file = Tessel::Util::BinaryFile::OpenRead(options.path);
    for (const Describer& describe : Describers()) {
        if (describe(options, file, out))
            return;
    }
    throw Tessel::Util::XUsage(options.path + ": not a file of a known kind");
}

}  // namespace Linewright::Cli
