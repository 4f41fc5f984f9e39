#include "Papy/Games/GPL/GPLMakeLp.h"

#include "Papy/Lp/GPLLpFile.h"
#include "Util/Exception.h"
#include "Util/PathName.h"

namespace Tessel::Papy {

std::shared_ptr<LpFile> GPLMakeLp::MakeWithTrack(const std::string& baseName, const std::string& extension,
                                                 FileFactory& trackFactory, const std::string& trackPath) {
    if (!trackFactory.HasFacet<MakeTrk>())
        throw Util::XUsage(trackPath + ": the game of its folder reads no TRK track files");
    const Util::PathName track(trackPath);
    auto trk = trackFactory.GetFacet<MakeTrk>()->Make(track.baseName, track.extension, false);
    return std::make_shared<GPLLpFile>(Open(locator.GetFileName(baseName, extension)), trk);
}

std::shared_ptr<LpFile> GPLMakeLp::Read(std::shared_ptr<Util::BinaryStream> stream) {
    auto track = makeTrk->Make("", "", false);
    return std::make_shared<GPLLpFile>(stream, track);
}

}  // namespace Tessel::Papy
