#include "Papy/Objects/N4TdoFile.h"

#include "Papy/Factory/FileHead.h"
#include "Papy/Factory/FileKind.h"
#include "Papy/Objects/N4ObjectFormats.h"
#include "Papy/Objects/N4Null.h"
#include "Papy/Objects/N4Root.h"
#include "Util/Exception.h"
#include "Util/RecordView.h"

namespace Tessel::Papy {

N4TdoFile::N4TdoFile(const std::shared_ptr<Util::BinaryStream>& stream, N4Descriptors descriptors,
                     std::shared_ptr<const PapyDirectory> directory)
    : directory(std::move(directory)), descriptors(std::move(descriptors)) {
    stream->Seek(0);
    Register(std::make_shared<N4Null>(*this, NullId));
    Register(std::make_shared<N4Null>(*this, OtherNullId));
    N4Archiver archiver(N4Archiver::Side::Load, *stream, this->descriptors, *this);
    const std::uint32_t root_id = archiver.Load();  // named as the check's text names it
    TESSEL_CHECK(root_id == 1);
    if (!stream->IsAtEnd())
        archiver.Fail("N4 archive size mismatch");
    Register(std::make_shared<N4Root>(*this, RootId, std::vector<std::uint32_t>{root_id}));
    rootId = RootId;
}

std::optional<std::string> N4TdoFile::PeekRootDescriptorName(Util::BinaryStream& stream) {
    const std::uint64_t position = stream.GetPosition();
    const std::string head = ReadHead(stream, kindHeadSize);
    stream.Seek(position);
    const Util::RecordView view(stream.GetName(), head);
    std::string name = GetN4RootTypeName(view);
    if (!IsN4ObjectHead(view) || name.empty())
        return std::nullopt;
    return name;
}

std::shared_ptr<ThreeDObjectRoot> N4TdoFile::GetRoot() const {
    return std::dynamic_pointer_cast<ThreeDObjectRoot>(GetObject(rootId));
}

std::shared_ptr<ThreeDObject> N4TdoFile::GetObject(std::uint32_t id) const {
    const auto p = SubObjects.find(id);
    TESSEL_CHECK(p != SubObjects.end());
    return p->second;
}

std::shared_ptr<ThreeDObject> N4TdoFile::FindObject(std::uint32_t id) const {
    const auto p = SubObjects.find(id);
    return p == SubObjects.end() ? nullptr : p->second;
}

void N4TdoFile::Register(std::shared_ptr<ThreeDObject> node) {
    const std::uint32_t id = node->GetId();
    SubObjects[id] = std::move(node);
}

std::shared_ptr<ThreeDObjectRoot> N4TdoFile::NewRoot(std::vector<std::uint32_t> children) {
    TESSEL_CHECK(children.size() == 1);
    auto root = std::make_shared<N4Root>(*this, NewId(), std::move(children));
    Register(root);
    rootId = root->GetId();
    return root;
}

void N4TdoFile::Save(Util::BinaryStream& stream) {
    stream.Seek(0);
    N4Archiver archiver(N4Archiver::Side::Save, stream, descriptors, *this);
    GetRoot()->Save(archiver);
}

}  // namespace Tessel::Papy
