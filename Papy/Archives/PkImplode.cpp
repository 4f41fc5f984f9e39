#include "Papy/Archives/PkCompression.h"

#include "Papy/Archives/PkCodes.h"
#include "Util/Exception.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <vector>

namespace Tessel::Papy::PkCompression {

namespace {

// A copy's first bits, for each length from 2 to 519: the flag bit, the length code and its
// extra bits (at most 16 bits in all).
constexpr std::array<Code, EndLength + 1> MakeCopyHeads() {
    std::array<Code, EndLength + 1> heads{};
    for (std::size_t s = 0; s < LengthBase.size(); ++s) {
        const Code code = LengthCodes[s];
        for (unsigned extra = 0; extra < (1u << LengthExtraBits[s]); ++extra)
            heads[LengthBase[s] + extra] = {static_cast<std::uint16_t>(1u | code.bits << 1 | extra << (1 + code.length)),
                                            static_cast<std::uint8_t>(1 + code.length + LengthExtraBits[s])};
    }
    return heads;
}

constexpr auto CopyHeads = MakeCopyHeads();

// Packing works in binary mode with the largest dictionary.
constexpr unsigned DictionaryBits = MaxDictionaryBits;
constexpr std::uint32_t WindowSize = DistanceCodes.size() << DictionaryBits;  // 4096 bytes
constexpr std::uint32_t ShortCopyReach = 64u << ShortCopyLowBits;
// The chains of three bytes start from a table as large as the input warrants, up to 2^16
// heads: the fewer unrelated positions share a chain, the fewer steps a search takes.
constexpr unsigned MinHashBits = 12;
constexpr unsigned MaxHashBits = 16;
constexpr unsigned ShortHashBits = 12;
constexpr unsigned MaxChainSteps = 16;
constexpr unsigned LazyMin = 6;     // a shorter copy is taken without looking one byte on
constexpr unsigned LazyLimit = 32;  // and so is a copy this long

// Writes bits, lowest first. While eight bytes fit, each Put stores the whole 64-bit store
// and moves on by its whole bytes (the next Put rewrites the rest), so that no branch hangs
// on the bits; the last bytes of the capacity are written one at a time, checked.
class BitWriter {
public:
    BitWriter(unsigned char* out, std::uint32_t capacity) : out(out), capacity(capacity) {}

    // Takes at most 56 bits at a time.
    void Put(std::uint64_t value, unsigned length) {
        bits |= value << count;
        count += length;
        const unsigned bytes = count / 8;
        if (capacity - written >= sizeof bits)
            std::memcpy(out + written, &bits, sizeof bits);
        else
            WriteChecked(bytes);
        written += bytes;
        bits >>= 8 * bytes;
        count %= 8;
    }
    void Put(const Code& code) { Put(code.bits, code.length); }

    std::uint32_t Finish() {
        const unsigned bytes = (count + 7) / 8;
        WriteChecked(bytes);
        return written + bytes;
    }

private:
    void WriteChecked(unsigned bytes) const {
        TESSEL_CHECK(bytes <= capacity - written);
        for (unsigned i = 0; i < bytes; ++i)
            out[written + i] = static_cast<unsigned char>(bits >> 8 * i);
    }

    unsigned char* out;
    std::uint32_t capacity;
    std::uint32_t written = 0;
    std::uint64_t bits = 0;
    unsigned count = 0;  // bits in the store not yet counted as written, below 8 between Puts
};

struct Match {
    unsigned length = 0;
    std::uint32_t distance = 0;
};

// Finds earlier occurrences through hash chains over the last WindowSize positions. Positions
// are kept by their low 16 bits, which halves the tables: as a copy reaches back at most
// WindowSize bytes, the low bits give the distance to any position that matters. An entry left
// from further back reads as some nearer position, whose bytes are then compared like any
// other candidate's.
class MatchFinder {
public:
    MatchFinder(const unsigned char* data, std::uint32_t size)
        : data(data),
          size(size),
          hashBits(std::clamp<unsigned>(std::bit_width(size), MinHashBits, MaxHashBits)),
          head(std::size_t{1} << hashBits) {
        shortHead.fill(0);
        previous.fill(0);
    }

    // The longest copy for the bytes at position (length 0 when none is worth it); the
    // position then joins the chains.
    Match FindAndInsert(std::uint32_t position) {
        const unsigned limit = static_cast<unsigned>(std::min<std::uint32_t>(MaxCopyLength, size - position));
        const Hashes hashes = HashesAt(position);
        Match best = limit >= 3 ? FindInChain(position, head[hashes.triple], limit) : Match{};
        if (best.length < 3)
            best = limit >= 2 ? FindShort(position, shortHead[hashes.pair]) : Match{};
        Insert(position, hashes);
        return best;
    }

    void Insert(std::uint32_t position) { Insert(position, HashesAt(position)); }

private:
    using Slot = std::uint16_t;

    // The chain heads of the three and of the two bytes at a position.
    struct Hashes {
        std::uint32_t triple;
        std::uint32_t pair;
    };

    // Bytes beyond the end count as zeros: such hashes are never stored or looked up.
    Hashes HashesAt(std::uint32_t position) const {
        std::uint32_t key = 0;
        if (size - position >= sizeof key)
            std::memcpy(&key, data + position, sizeof key);
        else
            for (std::uint32_t at = position; at < size; ++at)
                key |= std::uint32_t{data[at]} << 8 * (at - position);
        return {((key & 0xFFFFFF) * 2654435761u) >> (32 - hashBits), ((key & 0xFFFF) * 2654435761u) >> (32 - ShortHashBits)};
    }

    void Insert(std::uint32_t position, const Hashes& hashes) {
        if (size - position >= 3) {
            Slot& first = head[hashes.triple];
            previous[position % WindowSize] = first;
            first = static_cast<Slot>(position);
        }
        if (size - position >= 2)
            shortHead[hashes.pair] = static_cast<Slot>(position);
    }

    static std::uint32_t DistanceTo(std::uint32_t position, Slot stored) {
        return static_cast<Slot>(position - stored);
    }

    // Whether a copy from distance back starts within the data and reach (distance 0 is not).
    static bool IsWithin(std::uint32_t position, std::uint32_t distance, std::uint32_t reach) {
        return distance - 1 < std::min(position, reach);
    }

    // The longest copy of at least 3 bytes along a chain; a shorter length when there is none.
    Match FindInChain(std::uint32_t position, Slot stored, unsigned limit) const {
        Match best{2, 0};
        std::uint32_t distance = DistanceTo(position, stored);
        for (unsigned step = 0; step < MaxChainSteps && IsWithin(position, distance, WindowSize); ++step) {
            const std::uint32_t candidate = position - distance;
            if (data[candidate + best.length] == data[position + best.length]) {
                const unsigned length = MatchLength(candidate, position, limit);
                if (length > best.length) {
                    best = {length, distance};
                    if (length == limit)
                        break;
                }
            }
            const std::uint32_t earlier = DistanceTo(position, previous[candidate % WindowSize]);
            if (earlier <= distance)
                break;  // the chain's older part was overwritten
            distance = earlier;
        }
        return best;
    }

    // A copy of 2 bytes from the last position with the same two, when within reach; its
    // length is 0 otherwise.
    Match FindShort(std::uint32_t position, Slot stored) const {
        const std::uint32_t distance = DistanceTo(position, stored);
        if (IsWithin(position, distance, ShortCopyReach) && std::memcmp(data + position - distance, data + position, 2) == 0)
            return {2, distance};
        return {};
    }

    // Compares eight bytes at a time while eight remain below the limit.
    unsigned MatchLength(std::uint32_t candidate, std::uint32_t position, unsigned limit) const {
        unsigned length = 0;
        for (; length + 8 <= limit; length += 8) {
            std::uint64_t a, b;
            std::memcpy(&a, data + candidate + length, 8);
            std::memcpy(&b, data + position + length, 8);
            if (a != b)
                return length + static_cast<unsigned>(std::countr_zero(a ^ b)) / 8;
        }
        while (length < limit && data[candidate + length] == data[position + length])
            ++length;
        return length;
    }

    const unsigned char* data;
    std::uint32_t size;
    unsigned hashBits;
    std::vector<Slot> head;
    std::array<Slot, (1u << ShortHashBits)> shortHead;
    std::array<Slot, WindowSize> previous;
};

void PutLiteral(BitWriter& out, unsigned char byte) { out.Put(std::uint32_t{byte} << 1, BinaryLiteralBits); }

void PutCopy(BitWriter& out, const Match& match) {
    const Code head = CopyHeads[match.length];
    const unsigned lowBits = match.length == 2 ? ShortCopyLowBits : DictionaryBits;
    const std::uint32_t distance = match.distance - 1;
    const Code high = DistanceCodes[distance >> lowBits];
    out.Put(head.bits | (high.bits | LowBits(distance, lowBits) << high.length) << head.length,
            head.length + high.length + lowBits);
}

// Greedy matching with one step of lazy evaluation: a copy is put off by a literal when the
// next position starts a longer one. A copy of under LazyMin bytes is taken at once: looking on
// for a longer one there costs a search per copy and, measured on text, binary and float data,
// saves under 0.1%. Returns the number of bytes written. The writer comes by value: as a local,
// no write to the output can change it, so it stays in registers.
std::uint32_t EncodeTokens(const unsigned char* data, std::uint32_t size, BitWriter out) {
    MatchFinder finder(data, size);
    std::uint32_t position = 0;
    Match pending = size > 0 ? finder.FindAndInsert(0) : Match{};
    while (position < size) {
        if (pending.length >= 2) {
            // The next position's match, when looked at, is already in the finder.
            std::uint32_t inserted = position + 1;
            if (pending.length >= LazyMin && pending.length < LazyLimit && position + 1 < size) {
                const Match next = finder.FindAndInsert(position + 1);
                if (next.length > pending.length) {
                    PutLiteral(out, data[position++]);
                    pending = next;
                    continue;
                }
                ++inserted;
            }
            PutCopy(out, pending);
            for (std::uint32_t at = inserted; at < position + pending.length; ++at)
                finder.Insert(at);
            position += pending.length;
        } else {
            PutLiteral(out, data[position++]);
        }
        if (position < size)
            pending = finder.FindAndInsert(position);
    }
    out.Put(CopyHeads[EndLength]);
    return out.Finish();
}

}  // namespace

std::uint32_t Implode(const void* input, std::uint32_t inputSize, void* output, std::uint32_t outputCapacity) {
    BitWriter out(static_cast<unsigned char*>(output), outputCapacity);
    out.Put(BinaryMode, 8);
    out.Put(DictionaryBits, 8);
    return EncodeTokens(static_cast<const unsigned char*>(input), inputSize, out);
}

std::uint64_t MaxImplodedSize(std::uint64_t inputSize) {
    // Header, then at most 9 bits a byte (no copy costs more than the literals it replaces),
    // then the 16-bit end code.
    return 2 + (9 * inputSize + 16 + 7) / 8;
}

}  // namespace Tessel::Papy::PkCompression
