#include "Papy/Archives/PkCompression.h"

#include "Papy/Archives/PkCodes.h"
#include "Util/Exception.h"

#include <algorithm>
#include <array>
#include <cstring>

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

}  // namespace

std::uint32_t Explode(const void* input, std::uint32_t inputSize, void* output, std::uint32_t outputCapacity) {
    TransferRecord dp{static_cast<const unsigned char*>(input), inputSize, static_cast<unsigned char*>(output),
                      outputCapacity};
    const Result result = ExplodeStream(dp);
    TESSEL_CHECK(result == CMP_NO_ERROR && dp.InBytesRemaining == 0);
    return outputCapacity - dp.OutBytesRemaining;
}

std::uint64_t MaxExplodedSize(std::uint64_t packedSize) {
    // The densest token, a copy of 518 bytes, takes 22 bits: under 189 bytes per packed byte.
    return 189 * packedSize;
}

}  // namespace Tessel::Papy::PkCompression
