// SPDX-License-Identifier: GPL-3.0-or-later
// The draw archive: every stored draw, oldest first, its file "Pentad.ldr"
// (plain 24-byte records without header), the analysis offset that hides the
// newest draws from every analysis, and the texts of the draw list.
#pragma once

#include <array>
#include <bitset>
#include <optional>
#include <string>
#include <vector>

#include "game/records.h"

namespace pentad {

inline constexpr const char* kArchiveFileName = "Pentad.ldr";

class DrawArchive {
public:
    const TDrawsArray& draws() const { return m_draws; }
    int count() const { return static_cast<int>(m_draws.size()); }
    bool empty() const { return m_draws.empty(); }
    int lastIndex() const { return count() - 1; }

    // Reads the archive file. A missing file leaves the archive empty. On a
    // damaged file the whole records before the damage are kept and the
    // failure text is returned; empty text means success.
    std::string load(const std::string& path);

    // Writes every record through a temporary file. Throws pentad::Error.
    void save(const std::string& path) const;

    // Serialised form of all records (24 bytes each).
    std::string encode() const;
    // Records of `bytes`; returns the failure text when a partial record remains.
    std::string decode(const std::string& bytes);

    // Archive index of the draw with that number, or -1.
    int findByNumber(int number) const;

    // Throws pentad::Error "Запись со индексом %d в файле данных не найдена!".
    void deleteAt(int index);
    void clear();
    void append(const TDrawRec& draw) { m_draws.push_back(draw); }
    void replaceAt(int index, const TDrawRec& draw);

    // List rows are newest first: row r is archive index (last - r).
    int indexOfRow(int row) const { return lastIndex() - row; }
    bool validRow(int row) const { return row >= 0 && row < count(); }
    const TDrawRec& atRow(int row) const { return m_draws[static_cast<size_t>(indexOfRow(row))]; }

    // Digits of the draw at row r; all zero when r is out of range.
    TCombRec digitsAtRow(int row) const;
    // 1 for an empty archive; -1 when r is out of range; else Number + 1.
    int nextDrawNumber(int row) const;
    // Digits of index (last - k + 1) joined by ";" when 0 < k < count, else "".
    std::string firstHiddenDrawText(int k) const;
    // Date of the draw at row r plus `days` as YYYYMMDD; 20160801 when the
    // archive is empty or r is out of range.
    int dateOfRow(int row, int days) const;

    // Analysis offset, kept within 0 .. count - 1 (0 for an empty archive).
    int offset() const { return m_offset; }
    void setOffset(int k);
    // Archive index of the latest known draw (last - offset), -1 when empty.
    int latestIndex() const { return empty() ? -1 : lastIndex() - m_offset; }

    // Digits of the first hidden draw, when 0 < offset < count.
    const std::bitset<256>& hiddenDigits() const { return m_hidden; }

    // "Архив тиражей: %d", "Следующий тираж: %d", and the first hidden draw.
    std::array<std::string, 3> statusTexts() const;

private:
    void updateHidden();

    TDrawsArray m_draws;
    int m_offset = 0;
    std::bitset<256> m_hidden;
};

// Digits typed in the draw dialog: split at "," and ";" into exactly five
// words, each trimmed and read as a number (non-number gives 0) within 0..9.
// Empty when the text is refused.
std::optional<std::array<uint8_t, kPositions>> parseDrawDigits(std::string_view text);

}  // namespace pentad
