#include "Linewright/Cli/FileInfo.h"

#include "Papy/Factory/MakePtf.h"
#include "Papy/Factory/MakeTrack.h"
#include "Papy/Objects/N4TdoFile.h"
#include "Papy/Tracks/Track.h"
#include "Util/PathName.h"

#include <string>

namespace Linewright::Cli {

namespace Papy = Tessel::Papy;
namespace Util = Tessel::Util;

namespace {

std::string Fixed6(double value) { return FormatNumber("%.6f", value); }

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

}  // namespace

void DescribeTrackFile(const InfoOptions& options, Papy::FileKind kind, std::ostream& out) {
    const Util::PathName name(options.path);
    const auto makeTrack = FactoryReading(options.path, kind)->GetFacet<Papy::MakeTrack>();
    DescribeTrack(*makeTrack->Make(name.baseName, name.extension, false), options, out);
    // A PTF track is an object archive too.
    if (kind->role == Papy::FileRole::ObjectTrack)
        DescribeObjects(options, kind, out);
}

void DescribeObjects(const InfoOptions& options, Papy::FileKind kind, std::ostream& out) {
    const Util::PathName name(options.path);
    const auto archive =
        FactoryReading(options.path, kind)->GetFacet<Papy::MakePtf>()->Make(name.baseName, name.extension, false);
    out << "objects: " << archive->GetObjectCount() << '\n';
}

}  // namespace Linewright::Cli
