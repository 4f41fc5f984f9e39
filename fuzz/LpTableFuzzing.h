#pragma once

#include "Papy/Lp/GPLLpFile.h"
#include "Papy/Lp/ICR2LpFile.h"
#include "Papy/Lp/N4LpFile.h"
#include "Papy/Tracks/Trk/GPLTrkFile.h"
#include "fuzz/GPLLpTrack.h"
#include "testing/GPLLpWriter.h"
#include "testing/MemoryStream.h"
#include "testing/N4LpWriter.h"

#include <cstring>
#include <memory>
#include <string>

// The LPs into which the table fuzzer imports, one per format, chosen by the input's first byte;
// the rest of the input is the table.
namespace Linewright::Fuzz {

inline constexpr int lpTableFormats = 3;

inline std::shared_ptr<Tessel::Papy::LpFile> MakeLpForTable(int format) {
    using namespace Tessel::Papy;
    using Testing::MemoryStream;
    if (format == 0) {
        static const auto track =
            std::make_shared<GPLTrkFile>(MemoryStream(Samples::WriteGPLTrk(GPLLpFuzzTrack()), "loop.trk").stream);
        return std::make_shared<GPLLpFile>(MemoryStream(Testing::WriteGPLLp(Testing::MakeGPLLpRecords(14)), "gpl.lp").stream,
                                           track);
    }
    if (format == 1)
        return std::make_shared<N4LpFile>(MemoryStream(Testing::WriteN4Lp(Testing::MakeN4LpRecords(12)), "n4.lp").stream);
    // Five records and the closing one: speed, lateral speed and lateral offset words.
    std::string bytes(4 + 12 * 6, '\0');
    bytes[0] = 6;
    for (std::size_t i = 4; i < bytes.size(); i += 4)
        bytes[i] = static_cast<char>(i);
    return std::make_shared<ICR2LpFile>(MemoryStream(bytes, "icr2.lp").stream);
}

inline std::string LpBytes(const Tessel::Papy::LpFile& lp) {
    Testing::MemoryStream out(std::string(8 + 24 * (std::size_t{lp.GetRecordCount()} + 1), '\0'), "out.lp");
    lp.Write(out.stream);
    return out.bytes->substr(0, out.stream->GetPosition());
}

}  // namespace Linewright::Fuzz
