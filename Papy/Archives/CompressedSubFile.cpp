#include "Papy/Archives/CompressedSubFile.h"

#include "Papy/Archives/PkCompression.h"
#include "Util/Exception.h"

#include <vector>

namespace Tessel::Papy {

CompressedSubFile::CompressedSubFile(Util::BinaryStream& archive, std::string name, std::uint64_t offset,
                                     std::uint32_t storedSize, std::uint32_t size)
    : buffer(name) {
    archive.Seek(offset);
    // Checked before allocating, so a corrupt directory cannot claim more than the file holds.
    if (storedSize > archive.GetRemaining())
        throw Util::XFileRead(name);
    std::vector<unsigned char> packed(storedSize);
    archive.Read(storedSize, packed.data());
    const std::uint32_t uncompressed_size = size;
    std::uint32_t result_size = 0;
    if (size <= PkCompression::MaxExplodedSize(storedSize)) {
        data = std::make_unique_for_overwrite<unsigned char[]>(size);
        result_size = PkCompression::Explode(packed.data(), storedSize, data.get(), size);
    }
    TESSEL_CHECK(result_size == uncompressed_size);
    buffer.SetBuffer(size, data.get());
}

}  // namespace Tessel::Papy
