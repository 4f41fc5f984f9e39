#include "Papy/Archives/PkCompression.h"

#include "Util/Exception.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <vector>

namespace Tessel::Papy::PkCompression {

namespace {

// The library's result codes, as its callers know them.
enum Result { CMP_NO_ERROR = 0, CMP_INVALID_DICTSIZE = 1, CMP_INVALID_MODE = 2, CMP_BAD_DATA = 3 };

// Where the codec reads and writes; it consumes input from the front and fills output.
struct TransferRecord {
    const unsigned char* InBuffer;
    std::uint32_t InBytesRemaining;
    unsigned char* OutBuffer;
    std::uint32_t OutBytesRemaining;
};

constexpr unsigned BinaryMode = 0;
constexpr unsigned AsciiMode = 1;
constexpr unsigned MinDictionaryBits = 4;
constexpr unsigned MaxDictionaryBits = 6;
constexpr unsigned BinaryLiteralBits = 9;  // a 0 bit and the byte
constexpr unsigned ShortCopyLowBits = 2;  // a copy of length 2 reaches at most 256 bytes back
constexpr unsigned EndLength = 519;
constexpr unsigned MaxCopyLength = EndLength - 1;

// Format notes: each Huffman code is given as runs of code lengths, one byte per run, the low
// four bits the length and the high four bits one less than the number of symbols taking it.
// The codes are canonical (shorter codes first, equal lengths by symbol) and the stream holds
// each code inverted, its most significant bit first.
constexpr std::array<unsigned char, 98> LiteralRuns = {
    11, 124, 8, 7, 28, 7, 188, 13, 76, 4, 10, 8, 12, 10, 12, 10, 8, 23, 8, 9, 7, 6, 7, 8, 7,
    6, 55, 8, 23, 24, 12, 11, 7, 9, 11, 12, 6, 7, 22, 5, 7, 24, 6, 11, 9, 6, 7, 22, 7, 11, 38,
    7, 9, 8, 25, 11, 8, 11, 9, 12, 8, 12, 5, 38, 5, 38, 5, 11, 7, 5, 6, 21, 6, 10, 53, 8, 7,
    24, 10, 27, 44, 253, 253, 253, 252, 252, 252, 13, 12, 45, 12, 45, 12, 61, 12, 45, 44, 173};
constexpr std::array<unsigned char, 6> LengthRuns = {2, 35, 36, 53, 38, 23};
constexpr std::array<unsigned char, 7> DistanceRuns = {2, 20, 53, 230, 247, 151, 248};

// A copy's length is its length symbol's base plus that many extra bits.
constexpr std::array<std::uint16_t, 16> LengthBase = {3, 2, 4, 5, 6, 7, 8, 9, 10, 12, 16, 24, 40, 72, 136, 264};
constexpr std::array<std::uint8_t, 16> LengthExtraBits = {0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8};

// A code as it stands in the stream: its bits in reading order from the lowest up.
struct Code {
    std::uint16_t bits = 0;
    std::uint8_t length = 0;
};

template <std::size_t Symbols, std::size_t Runs>
constexpr std::array<Code, Symbols> MakeCodes(const std::array<unsigned char, Runs>& runs) {
    std::array<std::uint8_t, Symbols> lengths{};
    std::size_t symbol = 0;
    for (const unsigned char run : runs) {
        for (int repeat = (run >> 4) + 1; repeat > 0; --repeat)
            lengths.at(symbol++) = run & 15;
    }
    if (symbol != Symbols)
        throw "code length runs do not cover every symbol";
    std::array<Code, Symbols> codes{};
    unsigned next = 0;  // the canonical code of the next symbol of the current length
    for (unsigned length = 1; length <= 15; ++length, next <<= 1) {
        for (std::size_t s = 0; s < Symbols; ++s) {
            if (lengths[s] != length)
                continue;
            const unsigned inverted = ~next++ & ((1u << length) - 1);
            unsigned reversed = 0;
            for (unsigned bit = 0; bit < length; ++bit)
                reversed |= ((inverted >> (length - 1 - bit)) & 1u) << bit;
            codes[s] = {static_cast<std::uint16_t>(reversed), static_cast<std::uint8_t>(length)};
        }
    }
    return codes;
}

constexpr auto LiteralCodes = MakeCodes<256>(LiteralRuns);
constexpr auto LengthCodes = MakeCodes<16>(LengthRuns);
constexpr auto DistanceCodes = MakeCodes<64>(DistanceRuns);

struct CodeLengths {
    unsigned shortest;
    unsigned longest;
};

template <std::size_t Symbols>
constexpr CodeLengths LengthsOf(const std::array<Code, Symbols>& codes) {
    const auto [shortest, longest] =
        std::minmax_element(codes.begin(), codes.end(), [](Code a, Code b) { return a.length < b.length; });
    return {shortest->length, longest->length};
}

// A decoding table indexed by the next TableBits bits of the stream; length 0 marks bits that
// begin no code.
struct Entry {
    std::uint16_t symbol = 0;
    std::uint8_t length = 0;
};

template <unsigned TableBits, std::size_t Symbols>
constexpr std::array<Entry, (1u << TableBits)> MakeDecodeTable(const std::array<Code, Symbols>& codes) {
    std::array<Entry, (1u << TableBits)> table{};
    for (std::size_t s = 0; s < Symbols; ++s) {
        const Code code = codes[s];
        for (unsigned high = 0; high < (1u << (TableBits - code.length)); ++high)
            table[code.bits | (high << code.length)] = {static_cast<std::uint16_t>(s), code.length};
    }
    return table;
}

constexpr unsigned LiteralTableBits = 13;
constexpr unsigned LengthTableBits = 7;
constexpr unsigned DistanceTableBits = 8;
constexpr auto LiteralTable = MakeDecodeTable<LiteralTableBits>(LiteralCodes);
constexpr auto LengthTable = MakeDecodeTable<LengthTableBits>(LengthCodes);
constexpr auto DistanceTable = MakeDecodeTable<DistanceTableBits>(DistanceCodes);

template <std::size_t Size>
constexpr bool IsComplete(const std::array<Entry, Size>& table) {
    return std::all_of(table.begin(), table.end(), [](const Entry& entry) { return entry.length > 0; });
}
// Every bit pattern begins some code, so a lookup never lands on an empty entry.
static_assert(IsComplete(LiteralTable) && IsComplete(LengthTable) && IsComplete(DistanceTable));

constexpr std::uint64_t LowBits(std::uint64_t value, unsigned count) {
    return value & ((std::uint64_t{1} << count) - 1);
}

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

// Reads the packed stream's bits, lowest first, a byte at a time into a 64-bit store. Bits are
// taken without a check; taking more than the data hold leaves the reader overdrawn, which the
// decoder checks once a token.
class BitReader {
public:
    BitReader(const unsigned char* data, std::uint32_t size) : next(data), end(data + size) {}

    // Fills the store to at least 56 bits while input lasts: enough for any one token.
    void Refill() {
        if (end - next >= 8) {
            // Whole bytes go in; the store may also hold the low bits of the next byte, which
            // the next refill puts in the same place again.
            std::uint64_t word;
            std::memcpy(&word, next, sizeof word);
            bits |= word << count;
            next += (63 - count) >> 3;
            count |= 56;
            return;
        }
        for (; count <= 56 && next < end; count += 8)
            bits |= std::uint64_t{*next++} << count;
    }

    bool Has(int wanted) const { return count >= wanted; }
    bool IsOverdrawn() const { return count < 0; }
    // The whole store; its bits beyond the valid ones belong to the next byte or are zeros.
    std::uint64_t Peek() const { return bits; }
    unsigned Peek(unsigned wanted) const { return static_cast<unsigned>(LowBits(bits, wanted)); }
    void Drop(unsigned used) {
        bits >>= used;
        count -= static_cast<int>(used);
    }
    unsigned Take(unsigned wanted) {
        const unsigned value = Peek(wanted);
        Drop(wanted);
        return value;
    }
    // The input bytes not yet used, counting whole bytes still in the store.
    std::uint32_t GetUnusedBytes() const { return static_cast<std::uint32_t>(end - next) + count / 8; }

private:
    const unsigned char* next;
    const unsigned char* end;
    std::uint64_t bits = 0;
    int count = 0;  // valid bits in the store; below 0 when overdrawn
};

// The unpacked bytes: written while they fit, counted beyond that.
class ExplodeOutput {
public:
    ExplodeOutput(unsigned char* base, std::uint32_t capacity) : base(base), capacity(capacity) {}

    void Literal(unsigned char byte) {
        if (produced < capacity)
            base[produced] = byte;
        ++produced;
    }

    // Repeats length bytes from distance back; false when that reaches before the start.
    bool Copy(unsigned distance, unsigned length) {
        if (distance > produced)
            return false;
        if (produced + length + CopyChunk <= capacity)
            CopyInChunks(base + produced, distance, length);
        else
            for (std::uint64_t at = produced; at < std::min<std::uint64_t>(produced + length, capacity); ++at)
                base[at] = base[at - distance];  // overlapping copies repeat the last distance bytes
        produced += length;
        return true;
    }

    std::uint32_t GetWritten() const { return static_cast<std::uint32_t>(std::min<std::uint64_t>(produced, capacity)); }

private:
    static constexpr unsigned CopyChunk = 8;

    // Copies whole chunks, so up to CopyChunk - 1 bytes past the copy are written and later
    // overwritten. A chunk reads only bytes that lie before the copy or that earlier chunks
    // wrote. A copy from closer than a chunk that overlaps itself repeats a pattern: after its
    // first chunk, made byte by byte, it goes on from the fewest whole patterns back that make
    // at least a chunk (less than a chunk plus one pattern, so never before the output's start).
    static void CopyInChunks(unsigned char* to, unsigned distance, unsigned length) {
        unsigned done = 0;
        if (distance < CopyChunk && distance < length) {
            for (; done < CopyChunk; ++done)
                to[done] = (to - distance)[done];
            const unsigned pattern = distance;
            while (distance < CopyChunk)
                distance += pattern;
        }
        const unsigned char* from = to - distance;
        for (; done < length; done += CopyChunk) {
            std::uint64_t chunk;  // read whole before writing, as the chunks may overlap
            std::memcpy(&chunk, from + done, CopyChunk);
            std::memcpy(to + done, &chunk, CopyChunk);
        }
    }

    unsigned char* base;
    std::uint64_t capacity;
    std::uint64_t produced = 0;
};

template <std::size_t Size>
unsigned ReadCode(BitReader& in, const std::array<Entry, Size>& table, unsigned tableBits) {
    const Entry entry = table[in.Peek(tableBits)];
    in.Drop(entry.length);
    return entry.symbol;
}

// A copy's length in one look-up: its code's length with the extra bits, and its base.
struct LengthEntry {
    std::uint16_t base = 0;
    std::uint8_t codeLength = 0;
    std::uint8_t extraBits = 0;
};

constexpr std::array<LengthEntry, (1u << LengthTableBits)> MakeLengthEntries() {
    std::array<LengthEntry, (1u << LengthTableBits)> entries{};
    for (std::size_t bits = 0; bits < entries.size(); ++bits) {
        const Entry code = LengthTable[bits];
        entries[bits] = {LengthBase[code.symbol], code.length, LengthExtraBits[code.symbol]};
    }
    return entries;
}

constexpr auto LengthEntries = MakeLengthEntries();

unsigned ReadLength(BitReader& in) {
    const LengthEntry entry = LengthEntries[in.Peek(LengthTableBits)];
    in.Drop(entry.codeLength);
    return entry.base + in.Take(entry.extraBits);
}

// The count of a copy's distance low bits, which a copy of 2 bytes has its own.
unsigned LowBitCount(unsigned length, unsigned dictionaryBits) {
    return length == 2 ? ShortCopyLowBits : dictionaryBits;
}

// Most copies, those whose length code, extra bits and distance code take at most
// CopyTableBits bits together, are read in one look-up at the bits after their flag: the
// length, the distance code's symbol and the bits the whole copy takes, its distance's low bits
// included. An entry taking no bits leaves the copy (or the end code) to be read code by code.
struct CopyEntry {
    std::uint16_t length = 0;
    std::uint8_t high = 0;
    std::uint8_t bits = 0;
};

constexpr unsigned CopyTableBits = 12;
using CopyTable = std::array<CopyEntry, (1u << CopyTableBits)>;

// Puts the entry at every index that begins with the known bits.
constexpr void FillCopyEntries(CopyTable& table, unsigned pattern, unsigned known, CopyEntry entry) {
    for (unsigned rest = 0; rest < (1u << (CopyTableBits - known)); ++rest)
        table[pattern | rest << known] = entry;
}

constexpr CopyTable MakeCopyTable(unsigned dictionaryBits) {
    CopyTable table{};
    for (std::size_t s = 0; s < LengthBase.size(); ++s) {
        const Code lengthCode = LengthCodes[s];
        const unsigned lengthBits = lengthCode.length + LengthExtraBits[s];
        const unsigned lowBits = LengthBase[s] == 2 ? ShortCopyLowBits : dictionaryBits;
        if (lengthBits + LengthsOf(DistanceCodes).shortest > CopyTableBits)
            continue;  // which also keeps the work within what compilers allow a constant
        for (unsigned extra = 0; extra < (1u << LengthExtraBits[s]) && LengthBase[s] + extra < EndLength; ++extra) {
            for (std::size_t d = 0; d < DistanceCodes.size(); ++d) {
                const Code distanceCode = DistanceCodes[d];
                const unsigned known = lengthBits + distanceCode.length;
                if (known <= CopyTableBits)
                    FillCopyEntries(table, lengthCode.bits | extra << lengthCode.length | distanceCode.bits << lengthBits,
                                    known, {static_cast<std::uint16_t>(LengthBase[s] + extra), static_cast<std::uint8_t>(d),
                                            static_cast<std::uint8_t>(known + lowBits)});
            }
        }
    }
    return table;
}

constexpr std::array<CopyTable, MaxDictionaryBits - MinDictionaryBits + 1> CopyTables = {
    MakeCopyTable(MinDictionaryBits), MakeCopyTable(MinDictionaryBits + 1), MakeCopyTable(MaxDictionaryBits)};

// Whether every entry says what reading its copy code by code says.
constexpr bool ReadsAsCodeByCode(const CopyTable& table, unsigned dictionaryBits) {
    for (unsigned bits = 0; bits < table.size(); ++bits) {
        const CopyEntry entry = table[bits];
        const Entry lengthCode = LengthTable[LowBits(bits, LengthTableBits)];
        const unsigned extraBits = LengthExtraBits[lengthCode.symbol];
        const auto length = static_cast<unsigned>(LengthBase[lengthCode.symbol] + LowBits(bits >> lengthCode.length, extraBits));
        const Entry high = DistanceTable[LowBits(bits >> (lengthCode.length + extraBits), DistanceTableBits)];
        const unsigned used = lengthCode.length + extraBits + high.length;
        const unsigned lowBits = length == 2 ? ShortCopyLowBits : dictionaryBits;
        if (entry.bits != 0 && (entry.length != length || entry.high != high.symbol || entry.bits != used + lowBits))
            return false;
    }
    return true;
}
static_assert(ReadsAsCodeByCode(CopyTables[0], MinDictionaryBits) && ReadsAsCodeByCode(CopyTables[1], MinDictionaryBits + 1) &&
              ReadsAsCodeByCode(CopyTables[2], MaxDictionaryBits));

struct CopyToken {
    unsigned length;
    unsigned distance;
};

// Reads a copy after its flag bit: at once when the copy table covers it, else code by code.
// The end code reads as a copy of EndLength without a distance.
inline CopyToken ReadCopy(BitReader& in, const CopyTable& table, unsigned dictionaryBits) {
    const CopyEntry entry = table[in.Peek(CopyTableBits)];
    if (entry.bits != 0) {
        const unsigned lowBits = LowBitCount(entry.length, dictionaryBits);
        const auto low = static_cast<unsigned>(LowBits(in.Peek() >> (entry.bits - lowBits), lowBits));
        in.Drop(entry.bits);
        return {entry.length, (unsigned{entry.high} << lowBits) + low + 1};
    }
    const unsigned length = ReadLength(in);
    if (length == EndLength)
        return {length, 0};
    const unsigned lowBits = LowBitCount(length, dictionaryBits);
    const unsigned high = ReadCode(in, DistanceTable, DistanceTableBits);
    return {length, (high << lowBits) + in.Take(lowBits) + 1};
}

// The most bits of one token: a copy's flag, length code and extra bits, distance code and low
// bits (a literal takes fewer).
constexpr unsigned MaxTokenBits = 1 + LengthsOf(LengthCodes).longest + LengthExtraBits.back() + LengthsOf(DistanceCodes).longest +
                                  MaxDictionaryBits;
static_assert(MaxTokenBits >= 1 + LengthsOf(LiteralCodes).longest && MaxTokenBits <= 56);

// Whether the store begins with two binary literals, as stretches that do not repeat do: they
// go in one test.
template <unsigned Mode>
bool StartsWithPair(const BitReader& in) {
    return Mode == BinaryMode && in.Has(2 * BinaryLiteralBits) &&
           (in.Peek(2 * BinaryLiteralBits) & (1u | 1u << BinaryLiteralBits)) == 0;
}

void PutPair(BitReader& in, ExplodeOutput& out) {
    const unsigned pair = in.Take(2 * BinaryLiteralBits);
    out.Literal(static_cast<unsigned char>(pair >> 1));
    out.Literal(static_cast<unsigned char>(pair >> (BinaryLiteralBits + 1)));
}

// Puts the literal after the flag bit; false when the data end within it.
template <unsigned Mode>
bool PutLiteral(BitReader& in, ExplodeOutput& out) {
    const unsigned literal = Mode == BinaryMode ? in.Take(8) : ReadCode(in, LiteralTable, LiteralTableBits);
    if (in.IsOverdrawn())
        return false;
    out.Literal(static_cast<unsigned char>(literal));
    return true;
}

// Decodes the tokens up to and including the end code. Each token is read whole and then
// checked, before anything is written for it. Literals are followed by more literals or by a
// copy, which goes on at once when the store holds it whole. The store is refilled after
// literals without a test, as their size is known early, while a copy's is known late.
template <unsigned Mode>
Result DecodeTokens(BitReader& in, ExplodeOutput& out, unsigned dictionaryBits) {
    const CopyTable& copies = CopyTables[dictionaryBits - MinDictionaryBits];
    for (;;) {
        if (!in.Has(MaxTokenBits))
            in.Refill();
        const bool pair = StartsWithPair<Mode>(in);
        if (pair || !in.Take(1)) {
            if (pair)
                PutPair(in, out);
            else if (!PutLiteral<Mode>(in, out))
                return CMP_BAD_DATA;
            in.Refill();
            if (!in.Has(MaxTokenBits) || in.Peek(1) == 0)
                continue;
            in.Drop(1);
        }
        const CopyToken copy = ReadCopy(in, copies, dictionaryBits);
        if (copy.length == EndLength)
            return in.IsOverdrawn() ? CMP_BAD_DATA : CMP_NO_ERROR;
        if (in.IsOverdrawn() || !out.Copy(copy.distance, copy.length))
            return CMP_BAD_DATA;
    }
}

Result ExplodeStream(TransferRecord& dp) {
    if (dp.InBytesRemaining < 2)
        return CMP_BAD_DATA;
    const unsigned mode = dp.InBuffer[0];
    const unsigned dictionaryBits = dp.InBuffer[1];
    if (mode != BinaryMode && mode != AsciiMode)
        return CMP_INVALID_MODE;
    if (dictionaryBits < MinDictionaryBits || dictionaryBits > MaxDictionaryBits)
        return CMP_INVALID_DICTSIZE;
    BitReader in(dp.InBuffer + 2, dp.InBytesRemaining - 2);
    ExplodeOutput out(dp.OutBuffer, dp.OutBytesRemaining);
    const Result result = mode == BinaryMode ? DecodeTokens<BinaryMode>(in, out, dictionaryBits)
                                              : DecodeTokens<AsciiMode>(in, out, dictionaryBits);
    const std::uint32_t unused = result == CMP_NO_ERROR ? in.GetUnusedBytes() : 0;
    dp.InBuffer += dp.InBytesRemaining - unused;
    dp.InBytesRemaining = unused;
    dp.OutBuffer += out.GetWritten();
    dp.OutBytesRemaining -= out.GetWritten();
    return result;
}

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

std::uint32_t Explode(const void* input, std::uint32_t inputSize, void* output, std::uint32_t outputCapacity) {
    TransferRecord dp{static_cast<const unsigned char*>(input), inputSize, static_cast<unsigned char*>(output),
                      outputCapacity};
    const Result result = ExplodeStream(dp);
    TESSEL_CHECK(result == CMP_NO_ERROR && dp.InBytesRemaining == 0);
    return outputCapacity - dp.OutBytesRemaining;
}

std::uint64_t MaxImplodedSize(std::uint64_t inputSize) {
    // Header, then at most 9 bits a byte (no copy costs more than the literals it replaces),
    // then the 16-bit end code.
    return 2 + (9 * inputSize + 16 + 7) / 8;
}

std::uint64_t MaxExplodedSize(std::uint64_t packedSize) {
    // The densest token, a copy of 518 bytes, takes 22 bits: under 189 bytes per packed byte.
    return 189 * packedSize;
}

}  // namespace Tessel::Papy::PkCompression
