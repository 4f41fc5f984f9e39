#include "Util/RecordView.h"

#include "Util/Exception.h"

#include <algorithm>

namespace Tessel::Util {

RecordView::RecordView(std::string name, const void* data, std::size_t size)
    : name(std::move(name)), data(static_cast<const unsigned char*>(data)), size(size) {}

RecordView::RecordView(std::string name, const std::vector<unsigned char>& bytes)
    : RecordView(std::move(name), bytes.data(), bytes.size()) {}

RecordView::RecordView(std::string name, std::string_view bytes)
    : RecordView(std::move(name), bytes.data(), bytes.size()) {}

std::string RecordView::GetText(std::size_t offset, std::size_t length) const {
    CheckHolds(offset, length);
    const char* text = reinterpret_cast<const char*>(data + offset);
    return std::string(text, std::find(text, text + length, '\0'));
}

void RecordView::CopyTo(std::size_t offset, std::size_t count, void* out) const {
    CheckHolds(offset, count);
    if (count != 0)  // an empty record may have no bytes at all
        std::memcpy(out, data + offset, count);
}

RecordView RecordView::Slice(std::size_t offset, std::size_t count) const {
    CheckHolds(offset, count);
    return RecordView(name, data + offset, count);
}

void RecordView::CheckHolds(std::size_t offset, std::size_t count) const {
    if (!Holds(offset, count))
        FailShort();
}

void RecordView::FailShort() const {
    throw XFileRead(name);
}

}  // namespace Tessel::Util
