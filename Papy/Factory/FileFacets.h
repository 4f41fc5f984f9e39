#pragma once

#include "Papy/Factory/FileFactory.h"

#include <string>

namespace Tessel::Papy {

// The interface of the facet roles that open track files (MakeTrk, MakePtf) or build the track
// model over one (MakeTrack). The file is named baseName + "." + extension, lower-cased; an
// empty base name stands for the directory's own name, an empty extension for the facet's
// default. What is made once is kept and handed out again until Purge. A file missing from
// the directory is looked up in the directory's archive; archiveOnly goes to the archive at
// once, past what is kept. Throws XFileOpen with the reason "File not found" when neither holds
// it, and the reader's exceptions when the file is faulty.
template <class FileT>
class TrackFileFacet : public FileFactory::Facet {
public:
    virtual std::shared_ptr<FileT> Make(const std::string& baseName, const std::string& extension,
                                        bool archiveOnly) = 0;
    virtual void Purge() = 0;
};

// The interface of the facet roles that open files lying loose in the factory's directory
// (MakeRpy, MakeLp). Naming and keeping as for TrackFileFacet; throws XUsage
// "<directory path><file name>: file not found" for a missing file, and the reader's
// exceptions for a faulty one.
template <class FileT>
class LooseFileFacet : public FileFactory::Facet {
public:
    virtual std::shared_ptr<FileT> Make(const std::string& baseName, const std::string& extension) = 0;
    virtual void Purge() = 0;
};

}  // namespace Tessel::Papy
