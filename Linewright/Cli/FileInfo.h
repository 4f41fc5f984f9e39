#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace Tessel::Papy {
class Track;
}

namespace Tessel::Util {
class BinaryStream;
}

namespace Linewright::Cli {

struct InfoOptions {
    std::string path;
    bool records = false;
    std::vector<double> point;  // longitude and lateral offset, when given
};

// Prints "key: value" lines for the file, the first being "format: <kind>". Each describer
// looks at the content of the file (opened once, read-only, and shared by all; a describer
// reads from wherever it needs) and returns false when the file is not of its kind; they are
// asked in turn. Throws XUsage when none recognises the file.
using Describer =
    std::function<bool(const InfoOptions&, const std::shared_ptr<Tessel::Util::BinaryStream>&, std::ostream&)>;
void DescribeFile(const InfoOptions& options, std::ostream& out);

// The number as a printf format for one double puts it ("%.6f").
std::string FormatNumber(const char* format, double value);

// The lines that every track prints after its format: sections, lengths and, when asked, the
// point at --point.
void DescribeTrack(const Tessel::Papy::Track& track, const InfoOptions& options, std::ostream& out);

// The describers, one per kind of file.
bool DescribeGPLTrk(const InfoOptions& options, const std::shared_ptr<Tessel::Util::BinaryStream>& file,
                    std::ostream& out);

// PTF tracks: N4 object archives whose root object is a track.
bool DescribePtf(const InfoOptions& options, const std::shared_ptr<Tessel::Util::BinaryStream>& file,
                 std::ostream& out);

// Chunked replays (GPL, N4, N2003): frames, drivers, lap_tables, frame_interval_s.
bool DescribeRpy(const InfoOptions& options, const std::shared_ptr<Tessel::Util::BinaryStream>& file,
                 std::ostream& out);

// ICR2 and N4 DAT archives: the format and the member count.
bool DescribeArchive(const InfoOptions& options, const std::shared_ptr<Tessel::Util::BinaryStream>& file,
                     std::ostream& out);

// LP files, read as their folder's game reads them (an N4 LP needs no track and is known by its
// header and size wherever it lies): records, spacing_m and, with --records,
// one line per record.
bool DescribeLp(const InfoOptions& options, const std::shared_ptr<Tessel::Util::BinaryStream>& file,
                std::ostream& out);

}  // namespace Linewright::Cli
