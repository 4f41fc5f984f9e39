#include "Linewright/Cli/FileInfo.h"
#include "Papy/Replays/GPLRpyFile.h"
#include "Util/BinaryStream.h"

#include <iomanip>

namespace Linewright::Cli {

bool DescribeRpy(const InfoOptions&, const std::shared_ptr<Tessel::Util::BinaryStream>& file, std::ostream& out) {
    file->Seek(0);
    if (!Tessel::Papy::GPLRpyFile::HasReplayId(*file))
        return false;
    const Tessel::Papy::GPLRpyFile replay(*file);
    out << "format: " << Tessel::Papy::GPLRpyFile::GetGameName(replay.GetVersion()) << " rpy\n";
    out << "frames: " << replay.GetFrameCount() << '\n';
    out << "drivers: " << replay.GetDriverCount() << '\n';
    out << "lap_tables: " << replay.GetLapTableCount() << '\n';
    out << "frame_interval_s: " << std::fixed << std::setprecision(6) << replay.GetFrameInterval() << '\n';
    return true;
}

}  // namespace Linewright::Cli
