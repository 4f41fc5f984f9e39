// Unpacks the input into outputs of two sizes (whole, and cut by the first byte), then checks
// that packing the input and unpacking it gives it back.
#include "Papy/Archives/PkCompression.h"
#include "Util/Exception.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

using namespace Tessel::Papy;

void Unpack(const std::uint8_t* data, std::size_t size, std::size_t capacity) {
    std::vector<unsigned char> output(capacity);
    try {
        const auto written = PkCompression::Explode(data, static_cast<std::uint32_t>(size), output.data(),
                                                    static_cast<std::uint32_t>(capacity));
        if (written > capacity)
            std::abort();
    } catch (const Tessel::Util::Exception&) {
    }
}

void RoundTrip(const std::uint8_t* data, std::size_t size) {
    std::vector<unsigned char> packed(PkCompression::MaxImplodedSize(size));
    packed.resize(PkCompression::Implode(data, static_cast<std::uint32_t>(size), packed.data(),
                                         static_cast<std::uint32_t>(packed.size())));
    std::vector<unsigned char> unpacked(size);
    const auto written = PkCompression::Explode(packed.data(), static_cast<std::uint32_t>(packed.size()),
                                                unpacked.data(), static_cast<std::uint32_t>(size));
    if (written != size || (size > 0 && std::memcmp(unpacked.data(), data, size) != 0))
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Unpack(data, size, PkCompression::MaxExplodedSize(size));
    if (size > 0)
        Unpack(data + 1, size - 1, data[0] * 16u);
    RoundTrip(data, size);
    return 0;
}
