// SPDX-License-Identifier: GPL-3.0-or-later
#include "systems/system_store.h"

#include <sys/time.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "game/routines.h"
#include "shell/cp1251.h"
#include "shell/error.h"
#include "shell/file_io.h"
#include "shell/operation.h"
#include "shell/text_utils.h"
#include "systems/system_texts.h"

namespace pentad {
namespace {

constexpr const char* kSystemDelimiters = " *+,-./:;=\\_|~\t";

std::vector<std::string> systemWords(const std::string& line) {
    std::vector<std::string> words;
    for (const std::string& w : splitAny(trim(line), kSystemDelimiters)) {
        if (!trim(w).empty()) {
            words.push_back(trim(w));
        }
    }
    return words;
}

std::string systemsFolder(const std::string& dataFolder) {
    return joinPath(dataFolder, kSystemsFolder);
}

}  // namespace

std::string SystemFileName(const std::string& dataFolder, const tSystemInfo& info) {
    return joinPath(systemsFolder(dataFolder),
                    format("%d-%.2d-%d_%.4d.dat", 5, info.Nums, info.Olap, info.Id));
}

std::string SystemMask(int n) {
    return format("%d-%.2d-*_*.dat", 5, n);
}

TByteArray ListNumbers(const TCombsArray& combs, int count) {
    TCombsArray used(combs.begin(), combs.begin() + std::clamp<int>(count, 0, combs.size()));
    return distinctDigits(used);
}

std::vector<std::string> normalizeSystemLines(const std::string& text) {
    std::vector<std::string> out;
    for (const std::string& line : splitLines(text)) {
        std::vector<std::string> words = systemWords(line);
        if (words.size() != 5) {
            continue;
        }
        std::string normal;
        for (size_t i = 0; i < 5; ++i) {
            int v = 0;
            if (!parseInt32(words[i], v)) {
                throw Error(format(texts::kBadSystemWord, words[i]));
            }
            normal += (i > 0 ? " " : "") + format("%.2d", v);
        }
        out.push_back(normal);
    }
    return out;
}

int systemNumbersOf(const std::vector<std::string>& lines) {
    if (lines.empty()) {
        return 0;
    }
    int lo = INT32_MAX;
    int hi = INT32_MIN;
    for (const std::string& line : lines) {
        for (const std::string& w : systemWords(line)) {
            int v = textToInt(w);
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
    }
    return hi - lo + 1;
}

std::optional<std::string> validateSystem(const tSystemData& d) {
    if (trim(d.Info.Title).empty()) {
        return std::string(texts::kNeedTitle);
    }
    if (d.Info.Nums < 6 || d.Info.Nums > 10) {
        return std::string(texts::kBadNums);
    }
    if (d.Info.Olap > 4) {
        return std::string(texts::kBadOlap);
    }
    if (trim(d.Info.Author).empty()) {
        return std::string(texts::kNeedAuthor);
    }
    if (trim(d.Info.Descr).empty()) {
        return std::string(texts::kNeedDescr);
    }
    if (trim(d.CList).empty()) {
        return std::string(texts::kNeedCombs);
    }
    return std::nullopt;
}

LoadedSystem LoadSystemFor(const std::string& dataFolder, const TByteArray& numbers) {
    LoadedSystem result;
    const int n = static_cast<int>(numbers.size());
    std::vector<std::string> files = findFiles(systemsFolder(dataFolder), SystemMask(n));
    if (files.empty()) {
        result.message = format(texts::kSystemNotFound, n);
        return result;
    }
    result.fileName = std::filesystem::path(files.front()).stem().string();
    std::string text = cp1251ToUtf8(readFileBytes(joinPath(systemsFolder(dataFolder), files.front())));
    for (const std::string& line : splitLines(text)) {
        std::vector<std::string> words = systemWords(line);
        if (words.size() != 5) {
            continue;
        }
        TCombRec comb;
        bool valid = true;
        for (size_t i = 0; i < 5 && valid; ++i) {
            int index = textToInt(words[i]);
            valid = index >= 1 && index <= n;
            if (valid) {
                comb.Digits[i] = numbers[static_cast<size_t>(index - 1)];
            }
        }
        if (valid) {
            result.combs.push_back(comb);
        }
    }
    result.found = !result.combs.empty();
    if (!result.found) {
        result.message = format(texts::kSystemNotFound, n);
    }
    return result;
}

void storeLocalSystem(const std::string& dataFolder, const tSystemData& data) {
    forceFolders(systemsFolder(dataFolder));
    std::string path = SystemFileName(dataFolder, data.Info);
    std::string name = std::filesystem::path(path).filename().string();
    std::string text;
    for (const std::string& line : splitLines(data.CList)) {
        text += line + "\r\n";
    }
    writeFileAtomic(path, utf8ToCp1251(text));
    if (data.Info.Created > 0) {
        // Seconds since 1970 of the creation time.
        double seconds = (data.Info.Created - 25569.0) * 86400.0;
        struct timeval times[2];
        times[0].tv_sec = times[1].tv_sec = static_cast<time_t>(std::llround(seconds));
        times[0].tv_usec = times[1].tv_usec = 0;
        ::utimes(path.c_str(), times);
    }
    for (const std::string& other :
         findFiles(systemsFolder(dataFolder), SystemMask(data.Info.Nums))) {
        if (other != name) {
            deleteFile(joinPath(systemsFolder(dataFolder), other));
        }
    }
}

std::vector<tSystemInfo> listLocalSystems(const std::string& dataFolder) {
    std::vector<tSystemInfo> out;
    for (const std::string& name : findFiles(systemsFolder(dataFolder), "5-*-*_*.dat")) {
        tSystemInfo info;
        int nums = 0;
        int olap = 0;
        int id = 0;
        if (std::sscanf(name.c_str(), "5-%d-%d_%d.dat", &nums, &olap, &id) != 3) {
            continue;
        }
        info.Nums = static_cast<uint8_t>(nums);
        info.Olap = static_cast<uint8_t>(olap);
        info.Id = id;
        info.Title = std::filesystem::path(name).stem().string();
        try {
            info.CSize = static_cast<int32_t>(
                splitLines(readFileBytes(joinPath(systemsFolder(dataFolder), name))).size());
        } catch (const Error&) {
            info.CSize = 0;
        }
        out.push_back(info);
    }
    return out;
}

}  // namespace pentad
