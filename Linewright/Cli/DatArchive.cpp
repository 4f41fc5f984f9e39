#include "Linewright/Cli/DatArchive.h"

#include "Papy/Archives/ICR2DatFile.h"
#include "Papy/Archives/N4DatFile.h"
#include "Util/Exception.h"

namespace Linewright::Cli {

using Tessel::Papy::ICR2DatFile;
using Tessel::Papy::N4DatFile;

std::shared_ptr<Tessel::Papy::DatFile> OpenDatArchive(const std::string& path, const std::string& format) {
    if (format == "n4" || (format.empty() && N4DatFile::HasHeader(path)))
        return std::make_shared<N4DatFile>(path, false);
    if (format == "icr2" || (format.empty() && ICR2DatFile::HasHeader(path)))
        return std::make_shared<ICR2DatFile>(path, false);
    throw Tessel::Util::XUsage(path + ": not a DAT archive");
}

}  // namespace Linewright::Cli
