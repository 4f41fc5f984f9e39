#pragma once

#include "Papy/FileFactory.h"

#include <string>

namespace Tessel::Papy {

class N4TdoFile;

// Opens the game's PTF files. The file is named baseName + "." + extension, lower-cased; an
// empty base name stands for the directory's own name, an empty extension for the facet's
// default. Files opened once are kept and handed out again until Purge. A file missing from
// the directory is looked up in the directory's archive; archiveOnly goes to the archive at
// once, past the kept files. Throws XFileOpen with the reason "File not found" when neither
// holds it, and the reader's exceptions when the file is faulty.
class MakePtf : public FileFactory::Facet {
public:
    using FacetKind = MakePtf;

    virtual std::shared_ptr<N4TdoFile> Make(const std::string& baseName, const std::string& extension,
                                        bool archiveOnly) = 0;
    virtual void Purge() = 0;
};

}  // namespace Tessel::Papy
