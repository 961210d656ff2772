#pragma once

// The in-memory layout of a record, shared by the parts of the table.

#include "Memtable.h"

#include <cstdint>
#include <cstring>
#include <string_view>

namespace memrecord {

inline const QString RowOrderName = QStringLiteral("__MT__ROWORDER");
inline const QString SortIndexName = QStringLiteral("__MT__DEFSORT");

// Record block: u32 post sequence (0 = unchanged since the load; the top bit marks a record in
// a shared block), null bits, fixed slots, one u32 length per text field, then the texts one
// after another.
constexpr std::uint32_t HeaderSize = 4;
constexpr std::uint32_t SharedBit = 0x80000000u;
constexpr std::uint32_t SequenceMask = 0x7FFFFFFFu;
constexpr std::size_t SharedBlockSize = 1 << 20;

inline std::uint32_t readU32(const char* p)
{
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

inline void writeU32(char* p, std::uint32_t v)
{
    std::memcpy(p, &v, 4);
}

} // namespace memrecord

struct TMemTable::Layout
{
    enum class Kind : std::uint8_t
    {
        I32,
        I64,
        Bool,
        Double,
        Bytes
    };
    struct Slot
    {
        Kind kind;
        std::uint32_t offset; // fixed slot, or index among the texts
    };
    std::vector<Slot> fieldSlots;
    std::uint32_t nullOffset = memrecord::HeaderSize;
    std::uint32_t lengthsOffset = 0;
    std::uint32_t textsOffset = 0;
    std::uint32_t textCount = 0;

    bool isNull(const char* rec, int f) const
    {
        return (static_cast<unsigned char>(rec[nullOffset + f / 8]) >> (f % 8)) & 1;
    }
    std::int64_t getInt(const char* rec, int f) const
    {
        const Slot& s = fieldSlots[f];
        switch (s.kind) {
        case Kind::I32: {
            std::int32_t v;
            std::memcpy(&v, rec + s.offset, 4);
            return v;
        }
        case Kind::I64: {
            std::int64_t v;
            std::memcpy(&v, rec + s.offset, 8);
            return v;
        }
        case Kind::Bool:
            return rec[s.offset] != 0;
        default:
            return 0;
        }
    }
    double getDouble(const char* rec, int f) const
    {
        double v;
        std::memcpy(&v, rec + fieldSlots[f].offset, 8);
        return v;
    }
    std::string_view getBytes(const char* rec, int f) const
    {
        const std::uint32_t k = fieldSlots[f].offset;
        std::uint32_t start = textsOffset;
        for (std::uint32_t j = 0; j < k; ++j)
            start += memrecord::readU32(rec + lengthsOffset + 4 * j);
        return std::string_view(rec + start, memrecord::readU32(rec + lengthsOffset + 4 * k));
    }
};
