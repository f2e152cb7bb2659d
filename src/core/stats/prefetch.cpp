// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/prefetch.h"

#include <algorithm>
#include <climits>

#include "game/records.h"
#include "shell/data_folder.h"
#include "shell/error.h"
#include "shell/file_io.h"
#include "shell/shell.h"
#include "stats/stat_list.h"
#include "stats/stat_texts.h"

namespace pentad {

std::string prefetchPath(const std::string& dataFolder, const std::string& code) {
    return joinPath(joinPath(dataFolder, kPrefetchFolder),
                    std::string(kBaseName) + "_" + code + ".dfc");
}

std::vector<TStatRow> countFullSet(TCustomStat& stat) {
    TStatDrawArray rows;
    TCombRec comb;
    for (int i = 0; i < 100000; ++i) {
        int v = i;
        for (int p = kPositions - 1; p >= 0; --p) {
            comb.Digits[static_cast<size_t>(p)] = static_cast<uint8_t>(v % 10);
            v /= 10;
        }
        stat.CountCombination(comb, rows);
    }
    std::vector<TStatRow> sorted = rows.rows();
    std::stable_sort(sorted.begin(), sorted.end(), keyLess);
    return sorted;
}

std::string encodePrefetch(const std::vector<TStatRow>& rows) {
    std::string bytes((rows.size() + 1) * 12, '\0');
    auto* p = reinterpret_cast<uint8_t*>(bytes.data());
    int32_t minCount = rows.empty() ? 0 : INT32_MAX;
    int32_t maxCount = 0;
    for (const TStatRow& r : rows) {
        for (int c = 0; c < 4; ++c) {
            p[2 * c] = static_cast<uint8_t>(r.Key[static_cast<size_t>(c)] & 0xFF);
            p[2 * c + 1] = static_cast<uint8_t>(r.Key[static_cast<size_t>(c)] >> 8);
        }
        putInt32(p + 8, r.Count);
        minCount = std::min(minCount, r.Count);
        maxCount = std::max(maxCount, r.Count);
        p += 12;
    }
    putInt32(p, minCount);
    putInt32(p + 4, maxCount);
    putInt32(p + 8, 0);
    return bytes;
}

PrefetchData decodePrefetch(const std::string& bytes) {
    if (bytes.size() % 12 != 0 || bytes.empty()) {
        throw Error(format(texts::kBadPrefetch, static_cast<int>(bytes.size())));
    }
    const auto* p = reinterpret_cast<const uint8_t*>(bytes.data());
    size_t count = bytes.size() / 12 - 1;
    PrefetchData data;
    data.records.resize(count);
    for (size_t k = 0; k < count; ++k, p += 12) {
        for (int c = 0; c < 4; ++c) {
            data.records[k].Key[static_cast<size_t>(c)] =
                static_cast<uint16_t>(p[2 * c] | (p[2 * c + 1] << 8));
        }
        data.records[k].FullCount = getInt32(p + 8);
    }
    data.MinCount = getInt32(p);
    data.MaxCount = getInt32(p + 4);
    return data;
}

std::string PrefetchStore::pathOf(const TStatList& list, int entry) const {
    return prefetchPath(m_folder, list.Item(entry).Code());
}

bool PrefetchStore::build(const TStatList& list, int entry) {
    std::string path = pathOf(list, entry);
    std::string name = std::string(kBaseName) + "_" + list.Item(entry).Code() + ".dfc";
    OperationScope op(m_shell, format(texts::kStatusBuildingOne, name));
    try {
        std::unique_ptr<TCustomStat> stat = list.CreateStat(entry);
        forceFolders(joinPath(m_folder, kPrefetchFolder));
        writeFileAtomic(path, encodePrefetch(countFullSet(*stat)));
        return true;
    } catch (const std::exception& e) {
        deleteFile(path);
        m_shell.error(format(texts::kErrorBuildPrefetch, path, std::string(e.what())));
        return false;
    }
}

std::optional<PrefetchData> PrefetchStore::open(const TStatList& list, int entry) {
    if (!list.Item(entry).Class->hasNorm()) {
        return std::nullopt;
    }
    std::string path = pathOf(list, entry);
    if (fileSize(path) <= 0 && !build(list, entry)) {
        return std::nullopt;
    }
    try {
        return decodePrefetch(readFileBytes(path));
    } catch (const std::exception& e) {
        m_shell.error(format(texts::kErrorOpenPrefetch, path, std::string(e.what())));
        return std::nullopt;
    }
}

void PrefetchStore::buildAll(const TStatList& list, const std::bitset<13>& groups) {
    std::vector<int> entries;
    for (int i = 0; i < list.Count(); ++i) {
        if (list.Item(i).Class->hasNorm()) {
            entries.push_back(i);
        }
    }
    OperationScope op(m_shell, texts::kStatusBuildingAll);
    ProgressScope progress(m_shell, texts::kStatusBuildingAll, static_cast<int>(entries.size()));
    for (int i : entries) {
        int group = list.Item(i).Class->group;
        bool missing = fileSize(pathOf(list, i)) <= 0;
        if (missing || (group >= 0 && group < 13 && groups.test(static_cast<size_t>(group)))) {
            if (!build(list, i)) {
                break;
            }
        }
        m_shell.stepProgress(1);
        m_shell.processEvents();
    }
}

void PrefetchStore::discard(const TStatList& list, const std::bitset<13>& groups) {
    for (int i = 0; i < list.Count(); ++i) {
        const StatClass& c = *list.Item(i).Class;
        if (c.hasNorm() && c.group >= 0 && c.group < 13 &&
            groups.test(static_cast<size_t>(c.group))) {
            deleteFile(pathOf(list, i));
        }
    }
}

}  // namespace pentad
