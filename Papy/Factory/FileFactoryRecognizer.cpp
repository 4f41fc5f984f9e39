#include "Papy/Factory/FileFactoryRecognizer.h"

#include "Papy/Factory/CreateDat.h"
#include "Papy/Factory/GetDatLocal.h"
#include "Papy/Factory/GetDirectory.h"
#include "Papy/Factory/PurgeFactory.h"
#include "Util/PathName.h"

#include <algorithm>

namespace Tessel::Papy {

std::shared_ptr<FileFactory> FileFactoryRecognizer::MakeFactoryForDirectory(const PapyDirectory& directory,
                                                                           bool writable) {
    const std::string datPath = FindOwnDat(directory);
    return BuildFactory(directory, datPath.empty() ? nullptr : OpenDat(datPath, writable));
}

std::shared_ptr<FileFactory> FileFactoryRecognizer::MakeFactoryForDat(const std::string& datPath, bool writable) {
    auto archive = OpenDat(datPath, writable);
    return BuildFactory(PapyDirectory(datPath), std::move(archive));
}

bool FileFactoryRecognizer::IsGameDirectory(const PapyDirectory& directory) {
    const std::string datPath = FindOwnDat(directory);
    if (!datPath.empty() && IsGameDat(datPath))
        return true;
    const Util::DirectoryListing listing{Util::PathName(directory.GetPath())};
    for (const std::string& extension : GetDirectoryExtensions()) {
        for (const Util::DirectoryEntry& entry : listing.entries) {
            if (!entry.isDirectory && Util::CompareNoCase(entry.path.extension, extension) == 0)
                return IsGameFile(extension, entry.path.full);
        }
    }
    return false;
}

FileKind FileFactoryRecognizer::GetKindOfExtension(const std::string& extension) const {
    for (const FileKind kind : GetFileKinds()) {
        if (Util::CompareNoCase(kind->extension, extension) == 0)
            return kind;
    }
    return nullptr;
}

bool FileFactoryRecognizer::ReadsKind(FileKind kind) const {
    const std::vector<FileKind> kinds = GetFileKinds();
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

std::shared_ptr<FileFactory> FileFactoryRecognizer::BuildFactory(const PapyDirectory& directory,
                                                                 std::shared_ptr<DatFile> archive) {
    auto factory = std::make_shared<FileFactory>();
    factory->AddFacet(std::make_shared<GetDirectory>(directory));
    auto getDat = std::make_shared<GetDatLocal>(std::move(archive));
    factory->AddFacet(getDat);
    factory->AddFacet(MakeCreateDat(directory));
    factory->AddFacet(std::make_shared<PurgeFactory>(factory.get()));
    AddMakers(*factory, directory, getDat);
    return factory;
}

std::string FileFactoryRecognizer::FindOwnDat(const PapyDirectory& directory) {
    if (directory.IsRoot())
        return {};
    const auto path = Util::FindEntryNoCase(directory.GetPath(), directory.GetName() + ".dat");
    return path && Util::IsFile(*path) ? *path : std::string();
}

}  // namespace Tessel::Papy
