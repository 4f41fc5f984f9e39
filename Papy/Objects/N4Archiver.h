#pragma once

#include "Papy/Objects/N4ArchivedType.h"
#include "Util/BinaryStream.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace Tessel::Papy {

class N4TdoFile;
class ThreeDObject;

using N4Descriptor = N4ArchivedType<N4TdoFile>;
using N4Descriptors = std::vector<const N4Descriptor*>;

// Format notes: an object archive is one object record, the root's, and nothing after it.
//   record: objectId u32 | classId u32 (new object) | nameLength u32, name (new class) | body
// One counter, starting at 1, numbers objects and classes in order of first appearance. A
// number equal to the counter is new and advances it; an objectId below the counter refers to
// an object recorded before (0 is the null reference) and ends the record. An object is thus
// written in full where it is first referred to, depth first, and by number after that. A
// string is a u32 length L and L bytes whose last is 0 (L = 0: the empty string).
//
// One archiver serves one load or one save. Loading reads records and hands each body to the
// descriptor of its class; saving numbers objects and classes again from the tree it is
// given. Reading throws XFileFormat with the stream's name at the first fault; nesting is
// limited so that no file can exhaust the stack.
class N4Archiver {
public:
    // Records nested deeper than this are refused ("N4 archive nesting too deep"); real trees
    // nest a handful of levels.
    static constexpr int MaxDepth = 256;

    enum class Side { Load, Save };

    // A load into file, or a save of nodes of file.
    N4Archiver(Side side, Util::BinaryStream& stream, N4Descriptors descriptors, N4TdoFile& file);

    Util::BinaryStream& GetStream() { return stream; }
    N4TdoFile& GetFile() { return *file; }

    // Reads the archive from the stream's position; returns the root's number.
    std::uint32_t Load();
    // Reads one object record (loading the object when it is new); returns its number.
    std::uint32_t LoadObject();
    std::string ReadString();

    // Writes the object's record, or its number when it has been written already.
    void SaveObject(const ThreeDObject& object);
    // Writes the header of the object's record: its number and, for a new object, its class
    // number and (for a new class) the descriptor name. True when the body must follow.
    bool SaveHeader(const ThreeDObject& object, const std::string& descriptorName);
    void WriteString(const std::string& text);

    // Throws XFileFormat with the stream's name and the description.
    [[noreturn]] void Fail(const std::string& description) const;

private:
    // Counts one level of nesting for as long as it lives.
    class Nesting {
    public:
        explicit Nesting(N4Archiver& archiver);
        ~Nesting() { --archiver.depth; }
        Nesting(const Nesting&) = delete;
        Nesting& operator=(const Nesting&) = delete;

    private:
        N4Archiver& archiver;
    };

    void LoadClass(std::uint32_t classId);

    Side side;
    N4TdoFile* file;
    Util::BinaryStream& stream;
    std::uint32_t counter;
    N4Descriptors descriptors;
    std::map<std::uint32_t, const N4Descriptor*> LoadClassMap;
    std::map<std::string, std::uint32_t> SaveClassMap;  // by descriptor name
    std::map<const ThreeDObject*, std::uint32_t> SaveObjectMap;
    int depth = 0;
};

}  // namespace Tessel::Papy
