#pragma once

#include <map>
#include <memory>
#include <string>

namespace Tessel::Papy {

// What a maker facet keeps: the files it has made, by lower-cased file name, until Purge.
template <class FileT>
class MakerCache {
public:
    // The file kept under fileName; else the one that open() makes, which is then kept.
    // Whatever open() throws propagates and nothing is kept.
    template <class Open>
    std::shared_ptr<FileT> Find(const std::string& fileName, Open open) {
        if (const auto kept = files.find(fileName); kept != files.end())
            return kept->second;
        auto file = open();
        files[fileName] = file;
        return file;
    }

    void Keep(const std::string& fileName, std::shared_ptr<FileT> file) { files[fileName] = std::move(file); }
    void Clear() { files.clear(); }

private:
    std::map<std::string, std::shared_ptr<FileT>> files;
};

}  // namespace Tessel::Papy
