#include "Linewright/Cli/DatArchive.h"

#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/FileHead.h"
#include "Util/BinaryFile.h"
#include "Util/Exception.h"

namespace Linewright::Cli {

using Tessel::Papy::ArchiveFormat;
using Tessel::Papy::FileKind;

namespace {

// The archive format whose head test the file's first bytes pass first; nullptr for none.
const ArchiveFormat* RecognizeArchive(const std::string& path) {
    const auto file = Tessel::Util::BinaryFile::OpenRead(path);
    const std::string bytes = Tessel::Papy::ReadHead(*file, Tessel::Papy::kindHeadSize);
    const Tessel::Util::RecordView head(path, bytes);
    for (const FileKind format : Tessel::Papy::GetFormatsInHeadOrder()) {
        if (format->archive != nullptr && format->isHead(head, file->GetSize()))
            return format->archive;
    }
    return nullptr;
}

}  // namespace

std::vector<FileKind> ListArchiveFormats() {
    std::vector<FileKind> archives;
    for (const FileKind format : Tessel::Papy::FileFactoryRegistry::Instance().GetFormats()) {
        if (format->archive != nullptr)
            archives.push_back(format);
    }
    return archives;
}

std::vector<std::string> ListArchiveFormatIds() {
    std::vector<std::string> ids;
    for (const FileKind format : ListArchiveFormats())
        ids.emplace_back(format->archive->id);
    return ids;
}

const ArchiveFormat& GetArchiveFormat(const std::string& id) {
    for (const FileKind format : ListArchiveFormats()) {
        if (format->archive->id == id)
            return *format->archive;
    }
    Tessel::Util::AssertionFailed("false", __FILE__, __LINE__);
}

std::shared_ptr<Tessel::Papy::DatFile> OpenDatArchive(const std::string& path, const std::string& format) {
    const ArchiveFormat* archive = format.empty() ? RecognizeArchive(path) : &GetArchiveFormat(format);
    if (archive == nullptr)
        throw Tessel::Util::XUsage(path + ": not a DAT archive");
    return archive->open(path, false);
}

}  // namespace Linewright::Cli
