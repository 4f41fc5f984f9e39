#include "Linewright/Cli/FileInfo.h"

#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Lp/GPLLpFile.h"
#include "Papy/Lp/N4LpFile.h"
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

void DescribeLpFile(const std::string& kind, const Papy::LpFile& lp, const InfoOptions& options, std::ostream& out) {
    out << "format: " << kind << "\n"
        << "records: " << lp.GetRecordCount() << '\n'
        << "spacing_m: " << FormatNumber("%.6f", lp.GetRecordSpacing()) << '\n';
    if (options.records)
        DescribeRecords(lp, out);
}

}  // namespace

bool DescribeLp(const InfoOptions& options, const std::shared_ptr<Util::BinaryStream>& file, std::ostream& out) {
    // An N4 LP says itself how many records it holds, so it is known by its size too.
    if (Papy::N4LpFile::HasLpHeader(*file)) {
        DescribeLpFile("N4 lp", Papy::N4LpFile(file), options, out);
        return true;
    }
    if (!Papy::GPLLpFile::HasLpVersion(*file))
        return false;
    DescribeLpFile("GPL lp", Papy::GPLLpFile(file, ReadFolderTrack(options.path)), options, out);
    return true;
}

}  // namespace Linewright::Cli
