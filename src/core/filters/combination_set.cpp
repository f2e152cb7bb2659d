// SPDX-License-Identifier: GPL-3.0-or-later
#include "filters/combination_set.h"

#include <exception>
#include <optional>

#include "filters/combination_texts.h"
#include "filters/lcv_file.h"
#include "game/routines.h"
#include "shell/error.h"
#include "shell/file_io.h"

namespace pentad {
namespace {

// Most lines the find command lists.
constexpr size_t kMaxFoundDraws = 26;

// The combination's number in the full set (its digits read as a decimal
// number), or -1 when a digit is outside 0..9.
int combNumber(const std::array<uint8_t, kPositions>& digits) {
    int n = 0;
    for (uint8_t d : digits) {
        if (d > 9) {
            return -1;
        }
        n = n * 10 + d;
    }
    return n;
}

// Status text only for interactive calls; the busy state always.
class Frame {
public:
    Frame(Shell& shell, bool interactive, const std::string& status) : m_busy(shell) {
        if (interactive) {
            m_status.emplace(shell, status);
        }
    }

private:
    BusyScope m_busy;
    std::optional<StatusTextScope> m_status;
};

}  // namespace

CombinationSet::CombinationSet(Shell& shell, const DrawArchive& archive)
    : m_shell(shell), m_archive(archive) {
    growTo(m_combs, CombinationCount);
    growTo(m_undo, CombinationCount);
    growTo(m_buffer, CombinationCount);
}

void CombinationSet::growTo(TCombsArray& combs, int count) {
    if (count > 0 && combs.size() < static_cast<size_t>(count)) {
        combs.resize(static_cast<size_t>(count));
    }
}

void CombinationSet::copyUndoToSet() {
    growTo(m_combs, m_undoCount);
    std::copy_n(m_undo.begin(), m_undoCount, m_combs.begin());
    m_combsCount = m_undoCount;
    m_changed = true;
}

std::string CombinationSet::StatusPanelText() const {
    return format(texts::kPanelCombs, m_combsCount);
}

bool CombinationSet::TakeChanged() {
    bool changed = m_changed;
    m_changed = false;
    return changed;
}

CombsReadResult CombinationSet::Generate(const GenerateParams& params, bool interactive) {
    Frame frame(m_shell, interactive, texts::kStatusGenerating);
    CombsReadResult result;
    m_combsCount = 0;
    m_changed = true;
    try {
        if (params.Mode == kGenerateFromFile) {
            std::string bytes = readFileBytes(params.Parameters);
            result.skipped = readLcvText(bytes, m_combs, m_combsCount).skipped;
        } else {
            growTo(m_combs, kFullSetSize);
            m_combsCount = generateCombinations(params.Mode, parseMyNumbers(params.Parameters),
                                                m_combs.data());
        }
        result.ok = true;
    } catch (const std::exception& e) {
        m_shell.error(format(texts::kErrorGenerate, std::string(e.what())));
    }
    result.read = m_combsCount;
    if (interactive) {
        ClearEntries();
        m_undoCount = 0;
        m_bufferCount = 0;
    }
    return result;
}

void CombinationSet::SaveUndo(bool interactive) {
    Frame frame(m_shell, interactive, texts::kStatusSaveUndo);
    growTo(m_undo, m_combsCount);
    std::copy_n(m_combs.begin(), m_combsCount, m_undo.begin());
    m_undoCount = m_combsCount;
}

void CombinationSet::RestoreUndo(bool interactive) {
    Frame frame(m_shell, interactive, texts::kStatusRestoreUndo);
    copyUndoToSet();
    m_undoCount = 0;
}

bool CombinationSet::Undo() {
    if (m_undoCount <= 0) {
        return false;
    }
    RestoreUndo(true);
    RemoveLastEntry();
    return true;
}

CombsReadResult CombinationSet::OpenFile(const std::string& path) {
    SaveUndo(true);
    CombsReadResult result;
    {
        OperationScope op(m_shell, format(texts::kStatusLoadingCombs, path));
        m_combsCount = 0;
        try {
            std::string bytes = readFileBytes(path);
            result.skipped = readLcvText(bytes, m_combs, m_combsCount).skipped;
            result.ok = true;
        } catch (const std::exception& e) {
            m_shell.error(format(texts::kErrorReadCombs, path, std::string(e.what())));
            copyUndoToSet();
        }
        result.read = m_combsCount;
        m_undoCount = 0;
        ClearEntries();
        m_changed = true;
    }
    if (result.skipped > 0) {
        m_shell.attention(format(texts::kSkippedLines, result.skipped));
    }
    return result;
}

bool CombinationSet::SaveFile(const std::string& path) {
    OperationScope op(m_shell, format(texts::kStatusSavingCombs, path));
    try {
        writeFileAtomic(path, lcvText(combs()));
        return true;
    } catch (const std::exception& e) {
        m_shell.error(format(texts::kErrorWriteCombs, path, std::string(e.what())));
        return false;
    }
}

void CombinationSet::ExcludeDraws(int n) {
    ExcludeDraws(n, m_archive.offset());
}

void CombinationSet::ExcludeDraws(int n, int offset) {
    OperationScope op(m_shell, format(texts::kStatusExcluding, n));
    // The draw range: the last n draws up to the offset, clipped to the archive.
    const long long last = std::min<long long>(
        m_archive.lastIndex(), static_cast<long long>(m_archive.lastIndex()) - offset);
    const long long first = std::max<long long>(0, last - n + 1);
    const TDrawsArray& draws = m_archive.draws();

    // Marks by combination number make the scan one lookup per combination;
    // draws with a digit outside 0..9 (only a damaged archive has them) are
    // compared one by one.
    if (m_drawMarks.size() < static_cast<size_t>(kFullSetSize)) {
        m_drawMarks.assign(static_cast<size_t>(kFullSetSize), 0);
    }
    std::vector<TCombRec> oddDraws;
    for (long long i = first; i <= last; ++i) {
        const TDrawRec& d = draws[static_cast<size_t>(i)];
        int number = combNumber(d.Digits);
        if (number >= 0) {
            m_drawMarks[static_cast<size_t>(number)] = 1;
        } else {
            oddDraws.push_back(drawToComb(d));
        }
    }
    const uint8_t* marks = m_drawMarks.data();
    auto keep = [&](const TCombRec& c, int) {
        int number = combNumber(c.Digits);
        if (number >= 0) {
            return marks[number] == 0;
        }
        return std::find(oddDraws.begin(), oddDraws.end(), c) == oddDraws.end();
    };
    const int total = m_undoCount;
    auto progress = [&](int done) {
        m_shell.setStatus(
            format(texts::kStatusExcludingProgress, n, total > 0 ? done * 100.0 / total : 100.0));
    };
    try {
        RebuildFromUndo(keep, std::max(1, total / 100), progress);
    } catch (...) {
        std::fill(m_drawMarks.begin(), m_drawMarks.end(), 0);
        throw;
    }
    for (long long i = first; i <= last; ++i) {
        int number = combNumber(draws[static_cast<size_t>(i)].Digits);
        if (number >= 0) {
            m_drawMarks[static_cast<size_t>(number)] = 0;
        }
    }
    AddFilterEntry(true, texts::kEntryLastDraws, std::to_string(n));
}

void CombinationSet::ExcludeLastDraws(int n) {
    SaveUndo(true);
    ExcludeDraws(n);
}

bool CombinationSet::DeleteRows(std::vector<int> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.erase(
        std::remove_if(rows.begin(), rows.end(), [&](int r) { return r < 0 || r >= m_combsCount; }),
        rows.end());
    if (rows.empty()) {
        return false;
    }
    SaveUndo(true);
    OperationScope op(m_shell, texts::kStatusDeletingSelected);
    // Rows are sorted, so one cursor walks them alongside the undo copy.
    size_t next = 0;
    RebuildFromUndo(
        [&](const TCombRec&, int index) {
            if (next < rows.size() && rows[next] == index) {
                ++next;
                return false;
            }
            return true;
        },
        m_undoCount, [](int) {});
    AddFilterEntry(true, texts::kEntrySelectedCombs, std::to_string(rows.size()));
    return true;
}

std::string CombinationSet::CopyText(std::vector<int> rows) {
    OperationScope op(m_shell, texts::kStatusPleaseWait);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::string out;
    out.reserve(rows.size() * 16);
    for (int r : rows) {
        if (r >= 0 && r < m_combsCount) {
            out += CombToDisplayText(at(r));
            out += "\r\n";
        }
    }
    return out;
}

CombsReadResult CombinationSet::PasteText(std::string_view text) {
    CombsReadResult result;
    {
        OperationScope op(m_shell, texts::kStatusPleaseWait);
        if (countLines(text) == 0) {
            return result;
        }
        SaveUndo(false);
        m_combsCount = 0;
        m_changed = true;
        try {
            result.skipped = readPastedText(text, m_combs, m_combsCount).skipped;
            result.ok = true;
            ClearEntries();
        } catch (const std::exception& e) {
            m_shell.error(e.what());
            copyUndoToSet();
        }
        result.read = m_combsCount;
        m_undoCount = 0;
    }
    if (result.skipped > 0) {
        m_shell.attention(format(texts::kSkippedLines, result.skipped));
    }
    return result;
}

int CombinationSet::UniqueNumbers() const {
    bool seen[256] = {};
    int found = 0;
    for (const TCombRec& c : combs()) {
        for (uint8_t d : c.Digits) {
            if (!seen[d]) {
                seen[d] = true;
                if (++found >= kDigitCount) {
                    return found;
                }
            }
        }
    }
    return found;
}

std::string CombinationSet::UniqueNumbersText() const {
    return format(texts::kUniqueNumbers, UniqueNumbers());
}

void CombinationSet::ShowUniqueNumbers() {
    std::string text;
    {
        OperationScope op(m_shell, texts::kStatusPleaseWait);
        text = UniqueNumbersText();
    }
    m_shell.information(text);
}

std::vector<std::string> CombinationSet::FindInArchive(const TCombRec& comb) const {
    std::vector<std::string> lines;
    const TDrawsArray& draws = m_archive.draws();
    for (auto it = draws.rbegin(); it != draws.rend() && lines.size() < kMaxFoundDraws; ++it) {
        if (it->Digits == comb.Digits) {
            lines.push_back(DrawDescription(*it));
        }
    }
    return lines;
}

std::string CombinationSet::FindInArchiveText(const TCombRec& comb) const {
    std::vector<std::string> lines = FindInArchive(comb);
    if (lines.empty()) {
        return texts::kNotFoundInDraws;
    }
    std::string text = texts::kFoundInDraws;
    text += "\r\n";
    for (const std::string& line : lines) {
        text += "\r\n";
        text += line;
    }
    return text;
}

bool CombinationSet::ShowFindInArchive(int row) {
    if (row < 0 || row >= m_combsCount) {
        return false;
    }
    std::string text;
    {
        OperationScope op(m_shell, texts::kStatusFinding);
        text = FindInArchiveText(at(row));
    }
    m_shell.information(text);
    return true;
}

bool CombinationSet::ContainsComb(const TCombRec& comb) const {
    const auto set = combs();
    return std::find(set.begin(), set.end(), comb) != set.end();
}

bool CombinationSet::StoreBuffer(int offset, int n) {
    // An emptied buffer (after a generation) is filled again under its key.
    if (offset == m_bufferOffset && n == m_bufferExclude && m_bufferCount > 0) {
        return true;
    }
    OperationScope op(m_shell, texts::kStatusStoreBuffer);
    return m_shell.guard(texts::kErrorStoreBuffer, [&] {
        growTo(m_buffer, m_combsCount);
        std::copy_n(m_combs.begin(), m_combsCount, m_buffer.begin());
        m_bufferCount = m_combsCount;
        m_bufferOffset = offset;
        m_bufferExclude = n;
    });
}

bool CombinationSet::LoadBuffer(int offset, int n) {
    if (offset != m_bufferOffset || n != m_bufferExclude || m_bufferCount <= 0) {
        return false;
    }
    OperationScope op(m_shell, texts::kStatusLoadBuffer);
    return m_shell.guard(texts::kErrorLoadBuffer, [&] {
        growTo(m_combs, m_bufferCount);
        std::copy_n(m_buffer.begin(), m_bufferCount, m_combs.begin());
        m_combsCount = m_bufferCount;
        m_changed = true;
    });
}

void CombinationSet::ResetBuffer() {
    m_bufferOffset = -1;
    m_bufferExclude = -1;
    m_bufferCount = 0;
}

void CombinationSet::FreeBuffer() {
    ResetBuffer();
    TCombsArray().swap(m_buffer);
}

void CombinationSet::AddFilterEntry(bool isDelete, const std::string& caption,
                                    const std::string& value) {
    m_entries.push_back(
        FilterEntry{caption, value, std::to_string(m_combsCount),
                    isDelete ? FilterEntry::Kind::Delete : FilterEntry::Kind::Keep});
    m_changed = true;
}

void CombinationSet::AddRollbackEntry() {
    m_entries.push_back(FilterEntry{texts::kEntryRollback, std::string(),
                                    std::to_string(m_combsCount), FilterEntry::Kind::Rollback});
    m_changed = true;
}

void CombinationSet::RemoveLastEntry() {
    if (!m_entries.empty()) {
        m_entries.pop_back();
        m_changed = true;
    }
}

void CombinationSet::ClearEntries() {
    m_entries.clear();
    m_changed = true;
}

CombinationSet::Snapshot CombinationSet::TakeSnapshot() const {
    return Snapshot{TCombsArray(m_combs.begin(), m_combs.begin() + m_combsCount), m_entries};
}

void CombinationSet::Assign(const Snapshot& snapshot) {
    const int count = static_cast<int>(snapshot.combs.size());
    growTo(m_combs, count);
    std::copy(snapshot.combs.begin(), snapshot.combs.end(), m_combs.begin());
    m_combsCount = count;
    m_entries = snapshot.entries;
    m_undoCount = 0;
    m_changed = true;
}

}  // namespace pentad
