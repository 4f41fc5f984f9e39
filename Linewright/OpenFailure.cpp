#include "Linewright/OpenFailure.h"

#include "Util/Exception.h"
#include "Util/PathName.h"

namespace Linewright {

using namespace Tessel::Util;

std::string ExplainOpenFailure(const Exception& failure, bool replayRead) {
    if (!replayRead) {
        if (dynamic_cast<const XFileStream*>(&failure))
            return "The file ends before the replay does: it is incomplete or damaged, or no replay at all.";
        if (dynamic_cast<const XFileFormat*>(&failure))
            return "The file is no replay of GPL, N2 or N4 that Linewright reads, or it is damaged.";
        return {};
    }
    if (!IsTrackMissing(failure, replayRead))
        return {};
    // The track file is looked for loose in its folder, then in the archive named after the folder.
    if (const auto* missing = dynamic_cast<const XFileOpen*>(&failure)) {
        const PathName file(missing->GetPath());
        if (file.directory.size() < 2)
            return {};
        const PathName folder(file.directory.substr(0, file.directory.size() - 1));
        return "Looked for " + file.full + ", and for " + file.fileName + " inside " + folder.asDirectory +
               folder.fileName + ".dat.";
    }
    return "Tracks are looked for in the folder \"tracks\" beside the replay's folder.";
}

bool IsTrackMissing(const Exception& failure, bool replayRead) {
    return replayRead && (dynamic_cast<const XFileOpen*>(&failure) || dynamic_cast<const XUsage*>(&failure));
}

}  // namespace Linewright
