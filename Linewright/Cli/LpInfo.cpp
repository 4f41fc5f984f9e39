#include "Linewright/Cli/FileInfo.h"

#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Lp/GPLLpFile.h"
#include "Papy/Factory/MakeTrk.h"
#include "Papy/Factory/PapyDirectory.h"
#include "Util/BinaryStream.h"
#include "Util/Exception.h"
#include "Util/PathName.h"

namespace Linewright::Cli {

namespace {

using namespace Tessel;

// The game reads an LP against the track of the folder it lies in, <folder name>.trk, loose or
// inside the folder's archive.
std::shared_ptr<Papy::TrkFile> ReadFolderTrack(const std::string& lpPath) {
    const Papy::PapyDirectory folder(lpPath);
    const auto factory = Papy::FileFactoryRegistry::Instance().GetFactory(folder.GetPath(), false);
    if (!factory->HasFacet<Papy::MakeTrk>())
        throw Util::XUsage(lpPath + ": its folder's game keeps no TRK file to check it against");
    return factory->GetFacet<Papy::MakeTrk>()->Make("", "", false);
}

void DescribeRecords(const Papy::LpFile& lp, std::ostream& out) {
    for (std::uint32_t i = 0; i < lp.GetRecordCount(); ++i) {
        out << i;
        for (double value : {lp.GetRecordLongitude(i), lp.GetRecordSpeed(i), lp.GetRecordLateralSpeed(i),
                             lp.GetRecordLateral(i), lp.GetRecordAngleRate(i)})
            out << '\t' << FormatNumber("%.9g", value);
        out << '\n';
    }
}

}  // namespace

bool DescribeLp(const InfoOptions& options, const std::shared_ptr<Util::BinaryStream>& file, std::ostream& out) {
    if (!Papy::GPLLpFile::HasLpVersion(*file))
        return false;
    const Papy::GPLLpFile lp(file, ReadFolderTrack(options.path));
    out << "format: GPL lp\n"
        << "records: " << lp.GetRecordCount() << '\n'
        << "spacing_m: " << FormatNumber("%.6f", lp.GetRecordSpacing()) << '\n';
    if (options.records)
        DescribeRecords(lp, out);
    return true;
}

}  // namespace Linewright::Cli
