#include "Linewright/Cli/DatArchive.h"
#include "Linewright/Cli/FileInfo.h"

#include "Papy/Archives/ICR2DatFile.h"
#include "Papy/Archives/N4DatFile.h"
#include "Util/BinaryFile.h"
#include "Util/Exception.h"

namespace Linewright::Cli {

using Tessel::Papy::ICR2DatFile;
using Tessel::Papy::N4DatFile;

std::shared_ptr<Tessel::Papy::DatFile> OpenDatArchive(const std::string& path, const std::string& format) {
    if (format == "n4" || (format.empty() && N4DatFile::HasHeader(path)))
        return std::make_shared<N4DatFile>(path, false);
    if (format == "icr2" || (format.empty() && ICR2DatFile::HasHeader(path)))
        return std::make_shared<ICR2DatFile>(path, false);
    Tessel::Util::BinaryFile::OpenRead(path);  // a missing file says so plainly
    throw Tessel::Util::XUsage(path + ": not a DAT archive");
}

// The archive readers look at the file by its path.
bool DescribeArchive(const InfoOptions& options, const std::shared_ptr<Tessel::Util::BinaryStream>&,
                     std::ostream& out) {
    const bool isN4 = N4DatFile::HasHeader(options.path);
    if (!isN4 && !ICR2DatFile::HasHeader(options.path))
        return false;
    const auto archive = OpenDatArchive(options.path, isN4 ? "n4" : "icr2");
    out << "format: " << (isN4 ? "N4 dat" : "ICR2 dat") << '\n';
    out << "members: " << archive->GetMemberCount() << '\n';
    return true;
}

}  // namespace Linewright::Cli
