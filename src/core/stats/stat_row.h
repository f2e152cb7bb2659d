// SPDX-License-Identifier: GPL-3.0-or-later
// One row of a statistic (a value with its count, depth and periods), the
// array of rows with its merge rule and key lookups, and the two small
// accumulators the families use across draws.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <memory>
#include <vector>

namespace pentad {

// 32 bytes: the value's key is four 16-bit cells V1..V4 (also read as two
// 32-bit halves H1, H2 or eight bytes B1..B8, little-endian).
struct TStatRow {
    int32_t LastDraw = 0;
    int32_t Depth = 0;
    int32_t PrevDraw = 0;
    uint16_t PeriodMin = 0;
    uint16_t PeriodMax = 0;
    int32_t Count = 0;
    int32_t Norm = 0;
    std::array<uint16_t, 4> Key{};

    uint64_t keyValue() const {
        return static_cast<uint64_t>(Key[0]) | (static_cast<uint64_t>(Key[1]) << 16) |
               (static_cast<uint64_t>(Key[2]) << 32) | (static_cast<uint64_t>(Key[3]) << 48);
    }
    void setKeyValue(uint64_t v) {
        for (int i = 0; i < 4; ++i) {
            Key[static_cast<size_t>(i)] = static_cast<uint16_t>(v >> (16 * i));
        }
    }
    uint16_t V(int cell) const { return Key[static_cast<size_t>(cell - 1)]; }
    void setV(int cell, uint16_t v) { Key[static_cast<size_t>(cell - 1)] = v; }
    uint32_t H(int half) const {
        return static_cast<uint32_t>(keyValue() >> (half == 1 ? 0 : 32));
    }
    void setH(int half, uint32_t v) {
        uint64_t k = keyValue();
        if (half == 1) {
            k = (k & 0xFFFFFFFF00000000ULL) | v;
        } else {
            k = (k & 0xFFFFFFFFULL) | (static_cast<uint64_t>(v) << 32);
        }
        setKeyValue(k);
    }
    uint8_t B(int byte) const { return static_cast<uint8_t>(keyValue() >> (8 * (byte - 1))); }
    void setB(int byte, uint8_t v) {
        uint64_t k = keyValue();
        int shift = 8 * (byte - 1);
        k = (k & ~(0xFFULL << shift)) | (static_cast<uint64_t>(v) << shift);
        setKeyValue(k);
    }
    void clearKey() { Key = {}; }
};
static_assert(sizeof(TStatRow) == 32);

// Key order of prefetch files and charts: V1, then V2, V3, V4 as unsigned.
inline bool keyLess(const TStatRow& a, const TStatRow& b) {
    return a.Key < b.Key;
}

// The rows of one statistic in creation order (prepared rows first, then
// values in order of first appearance), indexed by key for the merge.
class TStatDrawArray {
public:
    TStatDrawArray() = default;
    TStatDrawArray(const TStatDrawArray& other);
    TStatDrawArray& operator=(const TStatDrawArray& other);
    TStatDrawArray(TStatDrawArray&&) noexcept = default;
    TStatDrawArray& operator=(TStatDrawArray&&) noexcept = default;

    size_t size() const { return m_rows.size(); }
    bool empty() const { return m_rows.empty(); }
    const TStatRow& operator[](size_t i) const { return m_rows[i]; }
    TStatRow& operator[](size_t i) { return m_rows[i]; }
    std::vector<TStatRow>::const_iterator begin() const { return m_rows.begin(); }
    std::vector<TStatRow>::const_iterator end() const { return m_rows.end(); }
    const std::vector<TStatRow>& rows() const { return m_rows; }

    void clear();
    void reserve(size_t n) { m_rows.reserve(n); }

    // Index of the row with that key, or -1.
    int find(uint64_t key) const;
    // Appends a row as it is (no merge); used for selections.
    void append(const TStatRow& row);

    // The merge rule: a row with the same key takes the count, the newest
    // occurrence and (when tracking) the period between occurrences;
    // otherwise the work row is appended with Norm 0.
    void merge(const TStatRow& work, bool trackPeriods);

    // Lookups over the rows, for testing candidates against selected rows.
    bool hasKey(uint64_t key) const { return find(key) >= 0; }
    bool hasCell(int cell, uint16_t value) const;    // cell 1..4
    bool hasByte(int byte, uint8_t value) const;     // byte 1..8
    bool hasHalf(int half, uint32_t value) const;    // half 1..2
    bool hasCells13(uint16_t v1, uint16_t v3) const;

private:
    struct Lookups;
    void rebuildIndex();
    void insertIndex(uint64_t key, int row);
    const Lookups& lookups() const;

    std::vector<TStatRow> m_rows;
    std::vector<int32_t> m_slots;  // open addressing: row index + 1, 0 = empty
    uint64_t m_mask = 0;
    mutable std::shared_ptr<Lookups> m_lookups;  // built on first use
};

// {Key, Count} pairs some families collect per draw.
struct TStatSimpleRec {
    int32_t Key = 0;
    int32_t Count = 0;
};
using TStatSimpleArray = std::vector<TStatSimpleRec>;

// Last draw number in which a key was seen.
struct TLastValueRec {
    int32_t DrawNumber = 0;
    int32_t Reserved = 0;
    std::array<int16_t, 4> Key{};
};

class TLastValueArray {
public:
    // Distance from the remembered draw number of `key` to `drawNumber`
    // (storing the new one), or -1 when the key is new (it is then appended).
    int32_t lookup(const std::array<int16_t, 4>& key, int32_t drawNumber);
    void clear() { m_items.clear(); }
    size_t size() const { return m_items.size(); }

private:
    std::vector<TLastValueRec> m_items;
};

// Scratch record of eleven 12-byte entries that the series families keep
// across the draws of one computation.
struct StatContext {
    std::array<std::array<int32_t, 3>, 11> Entries{};
};

}  // namespace pentad
