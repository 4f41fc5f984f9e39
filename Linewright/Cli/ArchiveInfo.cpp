#include "Linewright/Cli/DatArchive.h"
#include "Linewright/Cli/FileInfo.h"

namespace Linewright::Cli {

void DescribeArchive(const InfoOptions& options, Tessel::Papy::FileKind kind, std::ostream& out) {
    const auto archive = OpenDatArchive(options.path, kind->archive->id);
    out << "members: " << archive->GetMemberCount() << '\n';
}

}  // namespace Linewright::Cli
