#pragma once

#include "Papy/Factory/FileKind.h"

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace Tessel::Papy {
class FileFactory;
class LpFile;
class Track;
}  // namespace Tessel::Papy

namespace Linewright::Cli {

struct InfoOptions {
    std::string path;
    bool records = false;
    std::vector<double> point;  // longitude and lateral offset, when given
    std::string track;          // LP files: the track file to read them against, when given
};

// Prints "key: value" lines for the file, the first being "format: <kind>". The kind comes from
// Papy::RecognizeFile and the file is read by a game that reads that kind, through its
// factory's makers; nothing is printed unless the file reads without fault. Throws XUsage when
// the file is of no known kind or no game reads its kind yet, or when a track is named for a
// file that is no LP, and the reader's exceptions.
void DescribeFile(const InfoOptions& options, std::ostream& out);

// The number as a printf format for one double puts it ("%.6f").
std::string FormatNumber(const char* format, double value);

// A factory whose makers read files of the kind in the file's folder (see
// FileFactoryRegistry::GetFactoryForKind). Throws XUsage when no game reads the kind.
std::shared_ptr<Tessel::Papy::FileFactory> FactoryReading(const std::string& path, Tessel::Papy::FileKind kind);

// The describers, one per role of a format (FileFormat::role).

// Replays: frames, drivers, lap_tables, frame_interval_s.
void DescribeReplay(const InfoOptions& options, Tessel::Papy::FileKind kind, std::ostream& out);
// Tracks: sections, lengths and, when asked, the point at --point; for a track that is an object
// archive too (FileRole::ObjectTrack) then its object count as DescribeObjects prints it.
void DescribeTrackFile(const InfoOptions& options, Tessel::Papy::FileKind kind, std::ostream& out);
// Object archives: read whole; objects: the number of objects in the archive.
void DescribeObjects(const InfoOptions& options, Tessel::Papy::FileKind kind, std::ostream& out);
// LP files, read as their folder's game reads them (against the track file --track names, when
// given): records, spacing_m and, with --records, one line per record. An LP that its format
// reads against its track, whose track file cannot be opened, throws XUsage naming that file.
void DescribeLp(const InfoOptions& options, Tessel::Papy::FileKind kind, std::ostream& out);
// The LP file at path, recognised by its content and read as DescribeLp reads it (against the
// track file at track, when it is not empty). Throws XUsage when the file is no LP, and what
// DescribeLp throws.
std::shared_ptr<Tessel::Papy::LpFile> ReadLpFile(const std::string& path, const std::string& track);
// DAT archives: the member count.
void DescribeArchive(const InfoOptions& options, Tessel::Papy::FileKind kind, std::ostream& out);

}  // namespace Linewright::Cli
