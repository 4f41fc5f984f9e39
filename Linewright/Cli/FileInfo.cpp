#include "Linewright/Cli/FileInfo.h"

#include "Papy/Factory/FileFactoryRegistry.h"
#include "Util/Exception.h"

#include <cstdio>
#include <sstream>

namespace Linewright::Cli {

namespace {

using Tessel::Papy::FileKind;
using Tessel::Papy::FileRole;
using Describer = void (*)(const InfoOptions&, FileKind, std::ostream&);

Describer DescriberOf(FileKind kind) {
    if (kind == nullptr)
        return nullptr;
    switch (kind->role) {
    case FileRole::Replay: return DescribeReplay;
    case FileRole::Track:
    case FileRole::ObjectTrack: return DescribeTrackFile;
    case FileRole::Objects: return DescribeObjects;
    case FileRole::Lp: return DescribeLp;
    case FileRole::Archive: return DescribeArchive;
    }
    return nullptr;
}

}  // namespace

std::string FormatNumber(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::shared_ptr<Tessel::Papy::FileFactory> FactoryReading(const std::string& path, FileKind kind) {
    auto factory = Tessel::Papy::FileFactoryRegistry::Instance().GetFactoryForKind(path, kind);
    if (!factory)
        throw Tessel::Util::XUsage(path + ": no game reads " + Tessel::Papy::GetKindName(kind) + " files yet");
    return factory;
}

void DescribeFile(const InfoOptions& options, std::ostream& out) {
    const FileKind kind = Tessel::Papy::RecognizeFile(options.path);
    const Describer describe = DescriberOf(kind);
    if (describe == nullptr)
        throw Tessel::Util::XUsage(options.path + ": not a file of a known kind");
    if (!options.track.empty() && describe != DescribeLp)
        throw Tessel::Util::XUsage(options.path + ": --track names the track of an LP file, and this is a " +
                                   Tessel::Papy::GetKindName(kind) + " file");
    std::ostringstream lines;
    describe(options, kind, lines);
    out << "format: " << Tessel::Papy::GetKindName(kind) << '\n' << lines.str();
}

}  // namespace Linewright::Cli
