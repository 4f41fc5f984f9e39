#include "Papy/Factory/FileFactoryRegistry.h"

#include "Util/Exception.h"
#include "Util/PathName.h"

#include <algorithm>

namespace Tessel::Papy {

namespace {

// The cache key: an archive named after its own directory stands for that directory.
std::string GetCacheKey(const std::string& path) {
    const Util::PathName name(path);
    if (Util::IsFile(name.full) && !name.isRoot) {
        const Util::PathName directory(name.directory);
        if (!directory.isRoot && Util::CompareNoCase(name.baseName, directory.fileName) == 0)
            return Util::ToLower(directory.full);
    }
    return Util::ToLower(name.full);
}

}  // namespace

void FileFactoryRegistry::Register(std::shared_ptr<FileFactoryRecognizer> recognizer) {
    recognizers.push_back(std::move(recognizer));
}

std::shared_ptr<FileFactory> FileFactoryRegistry::GetFactory(const std::string& given, bool writable) {
    const std::string path = Util::DropTrailingSeparator(given);
    const std::string key = GetCacheKey(path);
    if (const auto cached = cache.find(key); cached != cache.end() && (!writable || cached->second.writable))
        return cached->second.factory;

    std::shared_ptr<FileFactory> factory;
    if (Util::IsFile(path)) {
        FileFactoryRecognizer* chosen = ChooseForDat(path);
        if (chosen == nullptr)
            return nullptr;
        factory = chosen->MakeFactoryForDat(path, writable);
    } else {
        factory = MakeForDirectory(path, writable);
    }
    cache[key] = {factory, writable};
    return factory;
}

FileFactoryRecognizer* FileFactoryRegistry::ChooseForDat(const std::string& path) const {
    for (const auto& recognizer : recognizers) {
        if (recognizer->IsGameDat(path))
            return recognizer.get();
    }
    for (const auto& recognizer : recognizers) {
        if ((recognizer->IsDefault() || recognizers.size() == 1) && recognizer->IsDat(path))
            return recognizer.get();
    }
    for (const auto& recognizer : recognizers) {
        if (recognizer->IsDat(path))
            return recognizer.get();
    }
    return nullptr;
}

std::shared_ptr<FileFactory> FileFactoryRegistry::MakeForDirectory(const std::string& path, bool writable) const {
    const PapyDirectory directory(path);
    return GetGame(directory).MakeFactoryForDirectory(directory, writable);
}

FileFactoryRecognizer& FileFactoryRegistry::GetGame(const PapyDirectory& directory) const {
    try {
        for (const auto& recognizer : recognizers) {
            if (recognizer->IsGameDirectory(directory))
                return *recognizer;
        }
    } catch (const Util::XFileOpen&) {
        // A file that cannot be opened proves nothing about the directory's game.
    }
    return GetFallback();
}

FileKind FileFactoryRegistry::GetKindOfExtension(const PapyDirectory& directory, const std::string& extension) const {
    if (const FileKind kind = GetGame(directory).GetKindOfExtension(extension))
        return kind;
    for (const auto& recognizer : recognizers) {
        if (const FileKind kind = recognizer->GetKindOfExtension(extension))
            return kind;
    }
    return nullptr;
}

std::vector<FileKind> FileFactoryRegistry::GetFormats() const {
    std::vector<FileKind> formats;
    for (const auto& recognizer : recognizers) {
        for (const FileKind kind : recognizer->GetFileKinds()) {
            if (std::find(formats.begin(), formats.end(), kind) == formats.end())
                formats.push_back(kind);
        }
    }
    return formats;
}

std::shared_ptr<FileFactory> FileFactoryRegistry::GetFactoryForKind(const std::string& path, FileKind kind) {
    const PapyDirectory directory(path);
    if (GetGame(directory).ReadsKind(kind))
        return GetFactory(directory.GetPath(), false);
    FileFactoryRecognizer* reader = FindReaderOf(kind);
    return reader ? reader->MakeFactoryForDirectory(directory, false) : nullptr;
}

FileFactoryRecognizer* FileFactoryRegistry::FindReaderOf(FileKind kind) const {
    for (const auto& recognizer : recognizers) {
        if (recognizer->ReadsKind(kind))
            return recognizer.get();
    }
    return nullptr;
}

FileFactoryRecognizer& FileFactoryRegistry::GetFallback() const {
    if (recognizers.size() == 1)
        return *recognizers.front();
    for (const auto& recognizer : recognizers) {
        if (recognizer->IsDefault())
            return *recognizer;
    }
    Util::AssertionFailed("false", __FILE__, __LINE__);
}

}  // namespace Tessel::Papy
