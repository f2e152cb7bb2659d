// SPDX-License-Identifier: GPL-3.0-or-later
#include "filters/filter_kernel.h"

#include <cstdlib>
#include <cstring>
#include <list>
#include <map>
#include <mutex>
#include <tuple>

namespace pentad {
namespace {

// Enough for every selection a long scenario line meets; about 100 KB each.
constexpr size_t kMaxTables = 160;

struct TableKey {
    const StatClass* cls = nullptr;
    int variant = 0;
    bool exclude = false;
    bool sorted = false;
    std::vector<uint64_t> keys;  // selected row keys in selection order

    bool operator<(const TableKey& o) const {
        return std::tie(cls, variant, exclude, sorted, keys) <
               std::tie(o.cls, o.variant, o.exclude, o.sorted, o.keys);
    }
};

struct Cache {
    std::mutex mutex;
    std::map<TableKey, std::shared_ptr<const KeepTable>> tables;
    std::list<TableKey> order;  // oldest first
};

Cache& cache() {
    static Cache c;
    return c;
}

}  // namespace

bool FilterKernel::enabled() {
    const char* mode = std::getenv("PENTAD_FILTER_KERNEL");
    return mode == nullptr || std::strcmp(mode, "direct") != 0;
}

bool FilterKernel::windowFree(const StatClass& cls) {
    // Methods with a norm over the full set value a combination on its own;
    // D and P methods read the window, the shredding methods follow user
    // formulas, and channels, matrix and segments follow layout settings.
    const uint8_t flags = cls.baseFlags;
    if ((flags & kFlagN) == 0 || (flags & (kFlagD | kFlagP)) != 0) {
        return false;
    }
    switch (cls.group) {
        case 0:  // numbers
        case 1:  // sums
        case 2:  // differences
        case 6:  // sequences
            return true;
        default:
            return false;
    }
}

std::shared_ptr<const KeepTable> FilterKernel::table(TCustomStat& stat, const TStatDrawArray& rows,
                                                     bool exclude, bool sorted, int lastIndex) {
    if (!enabled() || !windowFree(stat.statClass())) {
        return nullptr;
    }
    TableKey key{&stat.statClass(), stat.Variant, exclude, sorted, {}};
    key.keys.reserve(rows.size());
    for (const TStatRow& r : rows) {
        key.keys.push_back(r.keyValue());
    }
    Cache& c = cache();
    {
        std::lock_guard lock(c.mutex);
        auto it = c.tables.find(key);
        if (it != c.tables.end()) {
            return it->second;
        }
    }
    // Made outside the lock: the answers are fixed, so two threads making the
    // same table make equal ones and either may be kept.
    auto made = std::make_shared<KeepTable>(static_cast<size_t>(kFullSetSize));
    TCombRec comb;
    for (int n = 0; n < kFullSetSize; ++n) {
        int v = n;
        for (int p = kPositions - 1; p >= 0; --p) {
            comb.Digits[static_cast<size_t>(p)] = static_cast<uint8_t>(v % 10);
            v /= 10;
        }
        (*made)[static_cast<size_t>(n)] =
            stat.TestCombination(comb, rows, exclude, sorted, lastIndex) != exclude ? 1 : 0;
    }
    std::lock_guard lock(c.mutex);
    auto [it, inserted] = c.tables.emplace(key, made);
    if (inserted) {
        c.order.push_back(key);
        if (c.order.size() > kMaxTables) {
            c.tables.erase(c.order.front());
            c.order.pop_front();
        }
    }
    return it->second;
}

void FilterKernel::clear() {
    Cache& c = cache();
    std::lock_guard lock(c.mutex);
    c.tables.clear();
    c.order.clear();
}

}  // namespace pentad
