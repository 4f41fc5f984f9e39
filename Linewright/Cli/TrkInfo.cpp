#include "Linewright/Cli/FileInfo.h"

#include "Papy/Objects/N4DescriptorRegistry.h"
#include "Papy/Objects/N4TdoFile.h"
#include "Papy/Tracks/Ptf/PtfTrack.h"
#include "Papy/Tracks/Trk/GPLTrkFile.h"
#include "Papy/Tracks/Trk/TrkTrack.h"
#include "Util/BinaryStream.h"

#include <string>

namespace Linewright::Cli {

namespace Papy = Tessel::Papy;
namespace Util = Tessel::Util;

namespace {

std::string Fixed6(double value) { return FormatNumber("%.6f", value); }

}  // namespace

void DescribeTrack(const Papy::Track& track, const InfoOptions& options, std::ostream& out) {
    out << "sections: " << track.GetSegmentCount() << '\n';
    out << "length_m: " << Fixed6(track.GetLength()) << '\n';
    out << "length_2d_m: " << Fixed6(track.Get2DLength()) << '\n';
    if (options.point.size() == 2) {
        const Papy::TrackPoint p = track.GetPoint(options.point[0], options.point[1]);
        out << "point: " << Fixed6(p.x) << ' ' << Fixed6(p.y) << ' ' << Fixed6(p.z) << ' ' << Fixed6(p.heading)
            << ' ' << Fixed6(p.pitch) << ' ' << Fixed6(p.bank) << ' ' << p.surface << '\n';
    }
}

bool DescribeGPLTrk(const InfoOptions& options, const std::shared_ptr<Util::BinaryStream>& file, std::ostream& out) {
    if (!Papy::GPLTrkFile::HasTrackHeader(*file))
        return false;
    const Papy::TrkTrack track(std::make_shared<Papy::GPLTrkFile>(file));
    out << "format: GPL trk\n";
    DescribeTrack(track, options, out);
    return true;
}

bool DescribePtf(const InfoOptions& options, const std::shared_ptr<Util::BinaryStream>& file, std::ostream& out) {
    if (Papy::N4TdoFile::PeekRootDescriptorName(*file) != "TrackDescriptor")
        return false;
    const Papy::PtfTrack track(std::make_shared<Papy::N4TdoFile>(file, Papy::N4DescriptorRegistry()), options.path);
    out << "format: N4 ptf\n";
    DescribeTrack(track, options, out);
    return true;
}

}  // namespace Linewright::Cli
