#pragma once

#include "Util/CharBuffer.h"

#include <memory>
#include <string>

namespace Linewright::Testing {

// A writable stream over its own copy of some bytes, which stay readable through `bytes` for as
// long as either handle lives. The stream never grows.
struct MemoryStream {
    MemoryStream(std::string initial, std::string name)
        : bytes(std::make_shared<std::string>(std::move(initial))) {
        auto buffer = std::make_shared<Tessel::Util::CharBuffer>(
            std::move(name), static_cast<std::uint32_t>(bytes->size()), bytes->data());
        stream = std::shared_ptr<Tessel::Util::BinaryStream>(buffer.get(), [buffer, keep = bytes](auto*) {});
    }

    std::shared_ptr<std::string> bytes;
    std::shared_ptr<Tessel::Util::BinaryStream> stream;
};

}  // namespace Linewright::Testing
