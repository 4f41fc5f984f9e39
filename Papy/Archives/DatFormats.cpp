#include "Papy/Archives/DatFormats.h"

#include "Papy/Archives/ICR2DatFile.h"
#include "Papy/Archives/N4DatFile.h"
#include "Papy/Factory/FileKind.h"

namespace Tessel::Papy {

using Util::RecordView;

namespace {

template <class Archive>
std::shared_ptr<DatFile> Open(const std::string& path, bool writable) {
    return std::make_shared<Archive>(path, writable);
}

template <class Archive>
std::shared_ptr<DatFile> Create(NewArchive replacing, const std::string& path) {
    return std::make_shared<Archive>(replacing, path);
}

bool IsICR2DatFile(const RecordView& head, std::uint64_t) { return IsICR2DatHead(head); }

bool IsN4DatFile(const RecordView& head, std::uint64_t) { return IsN4DatHead(head); }

const ArchiveFormat icr2Archive{"icr2", Open<ICR2DatFile>, Create<ICR2DatFile>};
const ArchiveFormat n4Archive{"n4", Open<N4DatFile>, Create<N4DatFile>};

}  // namespace

bool IsICR2DatHead(const RecordView& head) {
    return head.Find<std::int16_t>(0) > 0 && head.Find<std::int16_t>(2) == DatIds::recordSignature;
}

bool IsN4DatHead(const RecordView& head) {
    if (!head.Holds(0, DatIds::n4HeaderSize))
        return false;
    return head.Get<std::int16_t>(0) < 0 && head.Get<std::uint32_t>(2) != 0 && head.Get<std::uint32_t>(6) == 0 &&
           head.Get<std::uint8_t>(10) == DatIds::recordSignature;
}

const FileFormat icr2DatFormat{"ICR2 dat", "dat", HeadOrder::icr2ArchiveHeader, IsICR2DatFile, FileRole::Archive,
                               &icr2Archive};
const FileFormat n4DatFormat{"N4 dat", "dat", HeadOrder::n4ArchiveHeader, IsN4DatFile, FileRole::Archive,
                             &n4Archive};

}  // namespace Tessel::Papy
