#include "Papy/Objects/N4BodyWriter.h"

#include "Papy/Objects/N4TdoFile.h"

#include <limits>

namespace Tessel::Papy {

std::uint32_t N4BodyWriter::Count(std::size_t size) {
    TESSEL_CHECK(size <= std::numeric_limits<std::uint32_t>::max() / sizeof(double));
    const auto count = static_cast<std::uint32_t>(size);
    Value(count);
    return count;
}

std::uint32_t N4BodyWriter::ArraySize(std::size_t valueCount) {
    TESSEL_CHECK(valueCount <= std::numeric_limits<std::uint32_t>::max() / sizeof(double));
    const auto size = static_cast<std::uint32_t>(valueCount * sizeof(double));
    Value(size);
    return size;
}

void N4BodyWriter::SaveReference(std::uint32_t id) {
    archiver.SaveObject(*archiver.GetFile().GetObject(id));
}

}  // namespace Tessel::Papy
