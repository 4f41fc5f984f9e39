#include "Linewright/Cli/FileInfo.h"

#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/MakeLp.h"
#include "Papy/Factory/PapyDirectory.h"
#include "Papy/Lp/LpFile.h"
#include "Util/Exception.h"
#include "Util/PathName.h"

namespace Linewright::Cli {

namespace {

using namespace Tessel;

void DescribeRecords(const Papy::LpFile& lp, std::ostream& out) {
    for (std::uint32_t i = 0; i < lp.GetRecordCount(); ++i) {
        out << i;
        for (double value : {lp.GetRecordLongitude(i), lp.GetRecordSpeed(i), lp.GetRecordLateralSpeed(i),
                             lp.GetRecordLateral(i), lp.GetRecordAngleRate(i)})
            out << '\t' << FormatNumber("%.9g", value);
        out << '\n';
    }
}

// The folder's own factory reads the LP whenever its game reads the kind, so a GPL LP is
// checked against the track of the folder it lies in. The LP itself has just been opened to
// recognise it, so a file that cannot be opened now is that track.
std::shared_ptr<Papy::LpFile> MakeInItsFolder(Papy::MakeLp& makeLp, const std::string& path) {
    const Util::PathName name(path);
    try {
        return makeLp.Make(name.baseName, name.extension);
    } catch (const Util::XFileOpen& fault) {
        if (Util::CompareNoCase(fault.GetPath(), name.full) == 0)
            throw;
        throw Util::XUsage(path + ": this LP is read against its track, and the track file " + fault.GetPath() +
                           " could not be opened (" + fault.GetReason() + "); --track FILE names the track file");
    }
}

std::shared_ptr<Papy::LpFile> MakeWithTrack(Papy::MakeLp& makeLp, const std::string& path, const std::string& track) {
    const Util::PathName name(path);
    const Papy::PapyDirectory trackDirectory(track);
    const auto trackFactory = Papy::FileFactoryRegistry::Instance().GetFactory(trackDirectory.GetPath(), false);
    return makeLp.MakeWithTrack(name.baseName, name.extension, *trackFactory, track);
}

std::shared_ptr<Papy::LpFile> ReadLp(const std::string& path, Papy::FileKind kind, const std::string& track) {
    const auto makeLp = FactoryReading(path, kind)->GetFacet<Papy::MakeLp>();
    return track.empty() ? MakeInItsFolder(*makeLp, path) : MakeWithTrack(*makeLp, path, track);
}

}  // namespace

void DescribeLp(const InfoOptions& options, Papy::FileKind kind, std::ostream& out) {
    const auto lp = ReadLp(options.path, kind, options.track);
    out << "records: " << lp->GetRecordCount() << '\n'
        << "spacing_m: " << FormatNumber("%.6f", lp->GetRecordSpacing()) << '\n';
    if (options.records)
        DescribeRecords(*lp, out);
}

std::shared_ptr<Papy::LpFile> ReadLpFile(const std::string& path, const std::string& track) {
    const Papy::FileKind kind = Papy::RecognizeFile(path);
    if (kind == nullptr || kind->role != Papy::FileRole::Lp)
        throw Util::XUsage(path + ": not an LP file");
    return ReadLp(path, kind, track);
}

}  // namespace Linewright::Cli
