#include "Papy/Factory/FileKind.h"

#include "Papy/Factory/FileFactoryRegistry.h"
#include "Papy/Factory/FileHead.h"
#include "Util/BinaryFile.h"
#include "Util/PathName.h"

#include <algorithm>

namespace Tessel::Papy {

const char* GetKindName(FileKind kind) { return kind ? kind->name : ""; }

const std::vector<FileKind>& GetFormatsInHeadOrder() {
    static const std::vector<FileKind> inHeadOrder = [] {
        std::vector<FileKind> formats = FileFactoryRegistry::Instance().GetFormats();
        std::stable_sort(formats.begin(), formats.end(),
                         [](FileKind a, FileKind b) { return a->headOrder < b->headOrder; });
        return formats;
    }();
    return inHeadOrder;
}

FileKind RecognizeHead(const Util::RecordView& head, std::uint64_t fileSize) {
    for (const FileKind format : GetFormatsInHeadOrder()) {
        if (format->isHead(head, fileSize))
            return format;
    }
    return nullptr;
}

FileKind RecognizeFile(const std::string& path) {
    const auto file = Util::BinaryFile::OpenRead(path);
    const std::string head = ReadHead(*file, kindHeadSize);
    if (const FileKind kind = RecognizeHead(Util::RecordView(path, head), file->GetSize()))
        return kind;
    return FileFactoryRegistry::Instance().GetKindOfExtension(PapyDirectory(path), Util::PathName(path).extension);
}

}  // namespace Tessel::Papy
