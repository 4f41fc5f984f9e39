#include "Linewright/Cli/FileInfo.h"

#include "Papy/Factory/MakeLp.h"
#include "Papy/Lp/LpFile.h"
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

}  // namespace

// The folder's own factory reads the LP whenever its game reads the kind, so a GPL LP is
// checked against the track of the folder it lies in.
void DescribeLp(const InfoOptions& options, Papy::FileKind kind, std::ostream& out) {
    const Util::PathName name(options.path);
    const auto lp = FactoryReading(options.path, kind)->GetFacet<Papy::MakeLp>()->Make(name.baseName, name.extension);
    out << "records: " << lp->GetRecordCount() << '\n'
        << "spacing_m: " << FormatNumber("%.6f", lp->GetRecordSpacing()) << '\n';
    if (options.records)
        DescribeRecords(*lp, out);
}

}  // namespace Linewright::Cli
