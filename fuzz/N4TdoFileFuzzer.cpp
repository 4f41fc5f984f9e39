// Loads arbitrary bytes as an N4 object archive. An archive that loads must save to bytes that
// load again and save to the very same bytes: saving drops nothing that loading keeps.
#include "Papy/Objects/N4DescriptorRegistry.h"
#include "Papy/Objects/N4TdoFile.h"
#include "Util/Exception.h"
#include "testing/MemoryStream.h"

#include <cstdlib>

using namespace Tessel;
using Linewright::Testing::MemoryStream;

namespace {

// Saving never writes more than was read: every field comes back at most as long.
std::string SavedBytes(Papy::N4TdoFile& file, std::size_t room) {
    MemoryStream out(std::string(room, '\0'), "out.ptf");
    file.Save(*out.stream);
    return out.bytes->substr(0, out.stream->GetPosition());
}

std::shared_ptr<Papy::N4TdoFile> Load(const std::string& bytes) {
    return std::make_shared<Papy::N4TdoFile>(MemoryStream(bytes, "fuzz.ptf").stream, Papy::N4DescriptorRegistry());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::string saved;
    try {
        saved = SavedBytes(*Load(input), input.size());
    } catch (const Util::Exception&) {
        return 0;
    }
    if (SavedBytes(*Load(saved), saved.size()) != saved)
        std::abort();
    return 0;
}
