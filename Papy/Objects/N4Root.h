#pragma once

#include "Papy/Objects/ThreeDObjectRoot.h"

#include <cstdint>
#include <vector>

namespace Tessel::Papy {

// The container's root; saved, it saves its children in order and writes nothing of its own.
class N4Root : public ThreeDObjectRoot {
public:
    N4Root(N4TdoFile& file, std::uint32_t id, std::vector<std::uint32_t> children)
        : ThreeDObjectRoot(file, id, NotFromFile), children(std::move(children)) {}

    std::uint32_t GetChildCount() const override { return static_cast<std::uint32_t>(children.size()); }
    std::shared_ptr<ThreeDObject> GetChild(std::uint32_t index) const override;
    void Save(N4Archiver& archiver) const override;

private:
    std::vector<std::uint32_t> children;
};

}  // namespace Tessel::Papy
