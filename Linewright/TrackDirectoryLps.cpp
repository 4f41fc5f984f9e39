#include "Linewright/TrackDirectoryLps.h"

#include "Linewright/ConvertLap.h"
#include "Papy/Factory/CreateLp.h"
#include "Papy/Factory/GetDirectory.h"
#include "Papy/Lp/LpFile.h"
#include "Papy/Factory/MakeLp.h"
#include "Papy/Factory/MakeTrack.h"
#include "Util/PathName.h"

namespace Linewright {

using namespace Tessel::Papy;

std::shared_ptr<Track> MakeTrackOfDirectory(FileFactory& trackFactory, const std::string& trackPath) {
    if (trackPath.empty())
        return trackFactory.GetFacet<MakeTrack>()->Make("", "", false);
    const Tessel::Util::PathName name(trackPath);
    return trackFactory.GetFacet<MakeTrack>()->Make(name.baseName, name.extension, false);
}

std::vector<std::string> ListLpTypes(FileFactory& trackFactory) {
    const auto makeLp = trackFactory.GetFacet<MakeLp>();
    std::vector<std::string> types = {workLpType};
    for (std::uint32_t i = 0; i < makeLp->GetTypeCount(); ++i)
        types.push_back(makeLp->GetTypeName(i));
    return types;
}

TrackLpSummary SummarizeTrackLps(FileFactory& trackFactory, const std::string& trackPath) {
    const auto track = MakeTrackOfDirectory(trackFactory, trackPath);
    TrackLpSummary summary;
    summary.types = ListLpTypes(trackFactory);
    // The scratch LP is kept in the factory as blah.lp, the name the form has always given it:
    // a name no LP type has, so that counting records never stands in for a real type's file.
    const auto createLp = trackFactory.GetFacet<CreateLp>();
    summary.records = (trackPath.empty() ? createLp->Create("blah", 0.0) : createLp->CreateFor(*track, 0.0))
                          ->GetRecordCount();
    return summary;
}

std::string GetLpOutputPath(FileFactory& trackFactory, const std::string& type) {
    return trackFactory.GetFacet<GetDirectory>()->Get().GetPath() + type + ".lp";
}

std::shared_ptr<LpFile> ConvertToNewLp(FileFactory& trackFactory, const RpyFile& replay, const LapRef& lap,
                                       const std::string& type, const std::string& trackPath) {
    if (!trackPath.empty())
        return ConvertForTrackFile(trackFactory, trackPath, replay, lap);
    const auto lp = trackFactory.GetFacet<CreateLp>()->Create(type, 0.0);
    const auto track = MakeTrackOfDirectory(trackFactory);
    ConvertLap(replay, lap.table, lap.driver, lap.lap, *track, *lp);
    return lp;
}

std::shared_ptr<LpFile> ConvertForTrackFile(FileFactory& trackFactory, const std::string& trackPath,
                                            const RpyFile& replay, const LapRef& lap) {
    const auto track = MakeTrackOfDirectory(trackFactory, trackPath);
    const auto lp = trackFactory.GetFacet<CreateLp>()->CreateFor(*track, 0.0);
    ConvertLap(replay, lap.table, lap.driver, lap.lap, *track, *lp);
    return lp;
}

}  // namespace Linewright
