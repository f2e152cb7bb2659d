// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/draw_archive.h"

#include <algorithm>

#include "game/date_time.h"
#include "game/game_texts.h"
#include "game/routines.h"
#include "shell/error.h"
#include "shell/file_io.h"
#include "shell/text_utils.h"

namespace pentad {

std::string DrawArchive::decode(const std::string& bytes) {
    size_t records = bytes.size() / TDrawRec::kSize;
    m_draws.resize(records);
    const auto* p = reinterpret_cast<const uint8_t*>(bytes.data());
    for (size_t i = 0; i < records; ++i) {
        m_draws[i] = TDrawRec::decode(p + i * TDrawRec::kSize);
    }
    setOffset(m_offset);
    size_t rest = bytes.size() % TDrawRec::kSize;
    if (rest != 0) {
        return format(texts::kTruncatedRecord, static_cast<int>(rest));
    }
    return std::string();
}

std::string DrawArchive::load(const std::string& path) {
    if (!fileExists(path)) {
        return std::string();
    }
    std::string bytes;
    try {
        bytes = readFileBytes(path);
    } catch (const Error& e) {
        return e.what();
    }
    return decode(bytes);
}

std::string DrawArchive::encode() const {
    std::string bytes(m_draws.size() * TDrawRec::kSize, '\0');
    auto* p = reinterpret_cast<uint8_t*>(bytes.data());
    for (size_t i = 0; i < m_draws.size(); ++i) {
        m_draws[i].encode(p + i * TDrawRec::kSize);
    }
    return bytes;
}

void DrawArchive::save(const std::string& path) const {
    writeFileAtomic(path, encode());
}

int DrawArchive::findByNumber(int n) const {
    if (m_draws.empty()) {
        return -1;
    }
    const int last = lastIndex();
    const long long first = m_draws.front().Number;
    const long long newest = m_draws.back().Number;
    if (n == first) {
        return 0;
    }
    if (n == newest) {
        return last;
    }
    int i = last;
    long long span = newest - first + 1;
    if (span != 0) {
        long long estimate = static_cast<long long>(count()) * (n - first) / span;
        if (estimate >= 0 && estimate <= last) {
            i = static_cast<int>(estimate);
        }
    }
    if (m_draws[static_cast<size_t>(i)].Number == n) {
        return i;
    }
    int step = m_draws[static_cast<size_t>(i)].Number < n ? 1 : -1;
    for (i += step; i >= 0 && i <= last; i += step) {
        if (m_draws[static_cast<size_t>(i)].Number == n) {
            return i;
        }
    }
    for (i = last; i >= 0; --i) {
        if (m_draws[static_cast<size_t>(i)].Number == n) {
            return i;
        }
    }
    return -1;
}

void DrawArchive::deleteAt(int index) {
    if (index < 0 || index > lastIndex()) {
        throw Error(format(texts::kRecordNotFound, index));
    }
    m_draws.erase(m_draws.begin() + index);
    setOffset(m_offset);
}

void DrawArchive::clear() {
    m_draws.clear();
    setOffset(0);
}

void DrawArchive::replaceAt(int index, const TDrawRec& draw) {
    if (index < 0 || index > lastIndex()) {
        throw Error(format(texts::kRecordNotFound, index));
    }
    m_draws[static_cast<size_t>(index)] = draw;
    updateHidden();
}

TCombRec DrawArchive::digitsAtRow(int row) const {
    if (!validRow(row)) {
        return TCombRec{};
    }
    return drawToComb(atRow(row));
}

int DrawArchive::nextDrawNumber(int row) const {
    if (empty()) {
        return 1;
    }
    if (!validRow(row)) {
        return -1;
    }
    return atRow(row).Number + 1;
}

std::string DrawArchive::firstHiddenDrawText(int k) const {
    if (k <= 0 || k >= count()) {
        return std::string();
    }
    return digitsToText(m_draws[static_cast<size_t>(lastIndex() - k + 1)].Digits, ";");
}

int DrawArchive::dateOfRow(int row, int days) const {
    if (empty() || !validRow(row)) {
        return 20160801;
    }
    DateTime d = DrawTextToDate(atRow(row).dateText());
    return DateToYMD(d + days);
}

void DrawArchive::setOffset(int k) {
    m_offset = std::clamp(k, 0, std::max(0, count() - 1));
    updateHidden();
}

void DrawArchive::updateHidden() {
    m_hidden.reset();
    if (m_offset > 0 && m_offset < count()) {
        for (uint8_t d : m_draws[static_cast<size_t>(lastIndex() - m_offset + 1)].Digits) {
            m_hidden.set(d);
        }
    }
}

std::array<std::string, 3> DrawArchive::statusTexts() const {
    return {format(texts::kPanelDraws, count()),
            format(texts::kPanelNextDraw, nextDrawNumber(m_offset)),
            format(texts::kPanelHiddenDraw, firstHiddenDrawText(m_offset))};
}

std::optional<std::array<uint8_t, kPositions>> parseDrawDigits(std::string_view text) {
    std::vector<std::string> words;
    for (const std::string& w : splitAny(text, ",;")) {
        std::string t = trim(w);
        if (!t.empty()) {
            words.push_back(t);
        }
    }
    if (words.size() != kPositions) {
        return std::nullopt;
    }
    std::array<uint8_t, kPositions> digits{};
    for (int i = 0; i < kPositions; ++i) {
        int v = textToInt(words[static_cast<size_t>(i)]);
        if (v < 0 || v > 9) {
            return std::nullopt;
        }
        digits[static_cast<size_t>(i)] = static_cast<uint8_t>(v);
    }
    return digits;
}

}  // namespace pentad
