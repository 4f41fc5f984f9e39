#include "Linewright/Cli/FileInfo.h"

#include "Papy/Factory/MakeRpy.h"
#include "Papy/Replays/RpyFile.h"
#include "Util/PathName.h"

namespace Linewright::Cli {

void DescribeReplay(const InfoOptions& options, Tessel::Papy::FileKind kind, std::ostream& out) {
    const Tessel::Util::PathName name(options.path);
    const auto replay =
        FactoryReading(options.path, kind)->GetFacet<Tessel::Papy::MakeRpy>()->Make(name.baseName, name.extension);
    out << "frames: " << replay->GetFrameCount() << '\n';
    out << "drivers: " << replay->GetDriverCount() << '\n';
    out << "lap_tables: " << replay->GetLapTableCount() << '\n';
    out << "frame_interval_s: " << FormatNumber("%.6f", replay->GetFrameInterval()) << '\n';
}

}  // namespace Linewright::Cli
