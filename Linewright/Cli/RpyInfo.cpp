#include "Linewright/Cli/FileInfo.h"
#include "Papy/GPLRpyFile.h"
#include "Util/BinaryFile.h"

#include <iomanip>

namespace Linewright::Cli {

bool DescribeRpy(const InfoOptions& options, std::ostream& out) {
    const auto stream = Tessel::Util::BinaryFile::OpenRead(options.path);
    if (!Tessel::Papy::GPLRpyFile::HasReplayId(*stream))
        return false;
    const Tessel::Papy::GPLRpyFile replay(*stream);
    out << "format: " << Tessel::Papy::GPLRpyFile::GetGameName(replay.GetVersion()) << " rpy\n";
    out << "frames: " << replay.GetFrameCount() << '\n';
    out << "drivers: " << replay.GetDriverCount() << '\n';
    out << "lap_tables: " << replay.GetLapTableCount() << '\n';
    out << "frame_interval_s: " << std::fixed << std::setprecision(6) << replay.GetFrameInterval() << '\n';
    return true;
}

}  // namespace Linewright::Cli
