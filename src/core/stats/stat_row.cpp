// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/stat_row.h"

#include <cstdlib>
#include <unordered_set>

namespace pentad {
namespace {

inline uint64_t mix(uint64_t key) {
    key ^= key >> 33;
    key *= 0xFF51AFD7ED558CCDULL;
    key ^= key >> 33;
    return key;
}

}  // namespace

struct TStatDrawArray::Lookups {
    std::array<std::bitset<65536>, 4> cells;
    std::array<std::bitset<256>, 8> bytes;
    std::array<std::unordered_set<uint32_t>, 2> halves;
    std::unordered_set<uint32_t> cells13;
};

TStatDrawArray::TStatDrawArray(const TStatDrawArray& other)
    : m_rows(other.m_rows), m_slots(other.m_slots), m_mask(other.m_mask) {}

TStatDrawArray& TStatDrawArray::operator=(const TStatDrawArray& other) {
    if (this != &other) {
        m_rows = other.m_rows;
        m_slots = other.m_slots;
        m_mask = other.m_mask;
        m_lookups.reset();
    }
    return *this;
}

void TStatDrawArray::clear() {
    m_rows.clear();
    m_slots.clear();
    m_mask = 0;
    m_lookups.reset();
}

int TStatDrawArray::find(uint64_t key) const {
    if (m_slots.empty()) {
        return -1;
    }
    for (uint64_t i = mix(key) & m_mask;; i = (i + 1) & m_mask) {
        int32_t s = m_slots[i];
        if (s == 0) {
            return -1;
        }
        if (m_rows[static_cast<size_t>(s - 1)].keyValue() == key) {
            return s - 1;
        }
    }
}

void TStatDrawArray::insertIndex(uint64_t key, int row) {
    if ((m_rows.size() + 1) * 2 > m_slots.size()) {
        rebuildIndex();  // indexes every row, the new one included
        return;
    }
    for (uint64_t i = mix(key) & m_mask;; i = (i + 1) & m_mask) {
        if (m_slots[i] == 0) {
            m_slots[i] = row + 1;
            return;
        }
    }
}

void TStatDrawArray::rebuildIndex() {
    size_t capacity = 16;
    while (capacity < (m_rows.size() + 1) * 4) {
        capacity *= 2;
    }
    m_slots.assign(capacity, 0);
    m_mask = capacity - 1;
    for (size_t r = 0; r < m_rows.size(); ++r) {
        uint64_t key = m_rows[r].keyValue();
        for (uint64_t i = mix(key) & m_mask;; i = (i + 1) & m_mask) {
            if (m_slots[i] == 0) {
                m_slots[i] = static_cast<int32_t>(r) + 1;
                break;
            }
        }
    }
}

void TStatDrawArray::append(const TStatRow& row) {
    m_rows.push_back(row);
    m_lookups.reset();
    // Index the new row unless its key is already present (the first one wins).
    if (find(row.keyValue()) < 0) {
        insertIndex(row.keyValue(), static_cast<int>(m_rows.size()) - 1);
    }
}

void TStatDrawArray::merge(const TStatRow& work, bool trackPeriods) {
    int i = find(work.keyValue());
    if (i < 0) {
        TStatRow r = work;
        r.Norm = 0;
        m_rows.push_back(r);
        insertIndex(r.keyValue(), static_cast<int>(m_rows.size()) - 1);
        m_lookups.reset();
        return;
    }
    TStatRow& r = m_rows[static_cast<size_t>(i)];
    r.Count += work.Count;
    if (r.Depth == 0 || (work.Depth > 0 && r.Depth >= work.Depth)) {
        r.LastDraw = work.LastDraw;
        r.Depth = work.Depth;
    }
    if (trackPeriods && work.LastDraw > 0 && r.PrevDraw > 0) {
        auto d = static_cast<uint16_t>(std::abs(r.PrevDraw - work.LastDraw));
        if (d < r.PeriodMin || r.PeriodMin == 0) {
            r.PeriodMin = d;
        }
        if (d > r.PeriodMax || r.PeriodMax == 0) {
            r.PeriodMax = d;
        }
    }
    r.PrevDraw = work.LastDraw;
}

const TStatDrawArray::Lookups& TStatDrawArray::lookups() const {
    if (!m_lookups) {
        auto l = std::make_shared<Lookups>();
        for (const TStatRow& r : m_rows) {
            for (int c = 1; c <= 4; ++c) {
                l->cells[static_cast<size_t>(c - 1)].set(r.V(c));
            }
            for (int b = 1; b <= 8; ++b) {
                l->bytes[static_cast<size_t>(b - 1)].set(r.B(b));
            }
            l->halves[0].insert(r.H(1));
            l->halves[1].insert(r.H(2));
            l->cells13.insert((static_cast<uint32_t>(r.V(1)) << 16) | r.V(3));
        }
        m_lookups = std::move(l);
    }
    return *m_lookups;
}

bool TStatDrawArray::hasCell(int cell, uint16_t value) const {
    return !m_rows.empty() && lookups().cells[static_cast<size_t>(cell - 1)].test(value);
}

bool TStatDrawArray::hasByte(int byte, uint8_t value) const {
    return !m_rows.empty() && lookups().bytes[static_cast<size_t>(byte - 1)].test(value);
}

bool TStatDrawArray::hasHalf(int half, uint32_t value) const {
    return !m_rows.empty() && lookups().halves[static_cast<size_t>(half - 1)].count(value) > 0;
}

bool TStatDrawArray::hasCells13(uint16_t v1, uint16_t v3) const {
    return !m_rows.empty() &&
           lookups().cells13.count((static_cast<uint32_t>(v1) << 16) | v3) > 0;
}

int32_t TLastValueArray::lookup(const std::array<int16_t, 4>& key, int32_t drawNumber) {
    for (TLastValueRec& r : m_items) {
        if (r.Key == key) {
            int32_t d = drawNumber - r.DrawNumber;
            r.DrawNumber = drawNumber;
            return d;
        }
    }
    m_items.push_back(TLastValueRec{drawNumber, 0, key});
    return -1;
}

}  // namespace pentad
