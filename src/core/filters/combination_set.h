// SPDX-License-Identifier: GPL-3.0-or-later
// The combination set the user narrows down: the current set, its one-level
// undo copy and the buffer the scenario runner keeps between filter variants,
// each a flat array whose length is a capacity that only grows; the commands
// of the combinations tab and the applied-filters list that records them.
#pragma once

#include <algorithm>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "filters/combination_generator.h"
#include "game/draw_archive.h"
#include "game/records.h"
#include "shell/shell.h"

namespace pentad {

// One line of the applied-filters list. It is a record for the user only.
struct FilterEntry {
    enum class Kind { Keep, Delete, Rollback };

    std::string Caption;
    std::string Value;
    std::string Count;  // combinations left after the step, decimal
    Kind EntryKind = Kind::Keep;
};

// What a command that reads combinations from text did.
struct CombsReadResult {
    bool ok = false;  // false when an error box was shown
    int read = 0;     // combinations in the set afterwards
    int skipped = 0;  // lines that were not combinations (wrong field count, value outside 0..9)
};

class CombinationSet {
public:
    // Reserves all three stores for CombinationCount combinations, all empty.
    // The archive is only read (find and exclude) and must outlive the set.
    CombinationSet(Shell& shell, const DrawArchive& archive);

    // ---- the stores ----
    // Each array's length is its capacity; only the first *count* records are meaningful.
    const TCombsArray& Combs() const { return m_combs; }
    int CombsCount() const { return m_combsCount; }
    const TCombsArray& UndoCombs() const { return m_undo; }
    int UndoCount() const { return m_undoCount; }  // 0: no undo available
    const TCombsArray& BufferCombs() const { return m_buffer; }
    int BufferCount() const { return m_bufferCount; }
    int BufferOffset() const { return m_bufferOffset; }    // -1 when the buffer has no key
    int BufferExclude() const { return m_bufferExclude; }  // -1 when the buffer has no key

    // The current set: the first CombsCount records.
    std::span<const TCombRec> combs() const {
        return {m_combs.data(), static_cast<size_t>(m_combsCount)};
    }
    // REQUIRES: 0 <= index < CombsCount().
    const TCombRec& at(int index) const { return m_combs[static_cast<size_t>(index)]; }
    bool empty() const { return m_combsCount == 0; }

    // "Комбинаций: %d" for the status bar.
    std::string StatusPanelText() const;

    // True once after anything the combinations view or the applied-filters
    // list shows has changed.
    bool TakeChanged();

    // ---- generation ----
    // Replaces the set by the combinations of `params` (mode 4 reads the .lcv
    // file named by the parameter; a mode above 4 generates the full set).
    // Interactive: status "Генерация возможных комбинаций...", and afterwards
    // (also after an error) the applied-filters list is cleared, UndoCount and
    // BufferCount become 0 (the buffer key is kept). An error is shown as
    // "Ошибка генерации файла комбинаций!" and the set keeps what was produced.
    // The generate command of the main window saves the undo copy first:
    // SaveUndo(true), then Generate(params, true).
    CombsReadResult Generate(const GenerateParams& params, bool interactive);

    // ---- undo ----
    // Copies the current set to the undo copy (status "Создание файла отката..."
    // when interactive).
    void SaveUndo(bool interactive);
    // The current set := the undo copy, then UndoCount := 0 (status
    // "Отмена изменений..." when interactive).
    void RestoreUndo(bool interactive);
    // The undo command: RestoreUndo(true) and the last applied-filters entry
    // removed. False (nothing done) when no undo is available.
    bool Undo();
    bool CanUndo() const { return m_undoCount > 0 && m_shell.isIdle(); }
    // Forgets the undo copy (UndoCount := 0); scenario lines start without one.
    void DropUndo() { m_undoCount = 0; }

    // ---- files ----
    // The open command: takes the undo copy, replaces the set by the .lcv file.
    // A read error shows "Ошибка чтения файла \"%s\"!" and brings the previous
    // set back. Either way no undo is left and the applied-filters list is
    // cleared. Skipped lines are reported in an attention box.
    CombsReadResult OpenFile(const std::string& path);
    // Writes the set as a .lcv file through a temporary file. False after the
    // error box "Ошибка записи в файл \"%s\"!".
    bool SaveFile(const std::string& path);
    bool CanSave() const { return m_combsCount > 0 && m_shell.isIdle(); }

    // ---- excluding draws and deleting rows ----
    // Rebuilds the set from the undo copy without the combinations equal to
    // one of the last `n` draws up to the archive's analysis offset, and adds
    // the entry "Последние тиражи" (value n, delete). Progress goes to the
    // status line. REQUIRES: the undo copy was just taken (SaveUndo).
    void ExcludeDraws(int n);
    // The same with an explicit offset; an offset at or beyond the archive's
    // size leaves an empty draw range, so nothing is removed.
    void ExcludeDraws(int n, int offset);
    // The exclude command: SaveUndo(true), then ExcludeDraws(n).
    void ExcludeLastDraws(int n);
    // Enabling test of the exclude command; `countField` is the main window's
    // count of draws to exclude.
    bool CanExclude(int countField) const {
        return countField > 0 && m_combsCount > 0 && !m_archive.empty() && m_shell.isIdle();
    }

    // The delete command: takes the undo copy and removes the combinations of
    // the given rows (invalid and repeated rows are ignored); adds the entry
    // "Выделенные комбинации" with the number of rows. False when no row is valid.
    bool DeleteRows(std::vector<int> rows);

    // ---- clipboard ----
    // The combinations of the given rows in set order, one a line in the
    // display form "05 00 09 01 03", each line ended by CR LF.
    std::string CopyText(std::vector<int> rows);
    // Replaces the set by the lines of `text` (one combination each, read like
    // TextToComb). On an error its message is shown and the previous set comes
    // back; on success the applied-filters list is cleared and skipped lines
    // (a value outside 0..9) are reported in an attention box. No undo is left.
    // Text without lines changes nothing.
    CombsReadResult PasteText(std::string_view text);

    // ---- questions about the set ----
    // Number of distinct digits in the set (0..10).
    int UniqueNumbers() const;
    // "В текущем списке комбинаций содержится %d уникальных номеров"
    std::string UniqueNumbersText() const;
    // The unique-numbers command: the text above in an information box.
    void ShowUniqueNumbers();

    // Descriptions of the archive draws equal to `comb`, newest first, at most
    // 26; the analysis offset is not applied.
    std::vector<std::string> FindInArchive(const TCombRec& comb) const;
    // The message of the find command: the found draws or the not-found text.
    std::string FindInArchiveText(const TCombRec& comb) const;
    // The find command for the focused row, shown in an information box.
    // False when the row is not valid.
    bool ShowFindInArchive(int row);

    // True when a combination of the set equals `comb` in all five positions.
    bool ContainsComb(const TCombRec& comb) const;

    // ---- the scenario buffer ----
    // Copies the set to the buffer under the key (offset, n), unless the key
    // is already (offset, n) and the buffer holds combinations. False after the error box
    // "Ошибка создания буфера комбинаций!".
    bool StoreBuffer(int offset, int n);
    // When the key is (offset, n) and the buffer is not empty, the set := the
    // buffer and true; otherwise false and nothing changes.
    bool LoadBuffer(int offset, int n);
    // Key (-1, -1), BufferCount 0; the storage is kept.
    void ResetBuffer();
    // As ResetBuffer, and the storage is released.
    void FreeBuffer();

    // ---- the applied-filters list ----
    const std::vector<FilterEntry>& Entries() const { return m_entries; }
    // Adds an entry with the current CombsCount, kind delete or keep.
    void AddFilterEntry(bool isDelete, const std::string& caption, const std::string& value);
    // Adds "Отмена последней операции" with an empty value, kind rollback.
    void AddRollbackEntry();
    void RemoveLastEntry();
    void ClearEntries();

    // The combinations and filter entries of a set, apart from the set (a
    // set computed on another thread is handed over this way).
    struct Snapshot {
        TCombsArray combs;
        std::vector<FilterEntry> entries;
    };
    Snapshot TakeSnapshot() const;
    // The snapshot's combinations and entries become this set's (the undo
    // copy is dropped).
    void Assign(const Snapshot& snapshot);

    // ---- for the filtering steps ----
    // Rebuilds the set from the undo copy, keeping in order every combination
    // for which keep(comb, undoIndex) is true. progress(done) runs after every
    // `step` combinations of the undo copy and after the last one. Allocates
    // nothing once the capacity is reached. If `keep` throws, the set holds
    // the combinations kept so far.
    template <typename Keep, typename Progress>
    void RebuildFromUndo(Keep&& keep, int step, Progress&& progress);

private:
    static void growTo(TCombsArray& combs, int count);
    void copyUndoToSet();

    Shell& m_shell;
    const DrawArchive& m_archive;

    TCombsArray m_combs;
    int m_combsCount = 0;
    TCombsArray m_undo;
    int m_undoCount = 0;
    TCombsArray m_buffer;
    int m_bufferCount = 0;
    int m_bufferOffset = -1;
    int m_bufferExclude = -1;

    std::vector<FilterEntry> m_entries;
    std::vector<uint8_t> m_drawMarks;  // per combination number: equals an excluded draw
    bool m_changed = false;
};

template <typename Keep, typename Progress>
void CombinationSet::RebuildFromUndo(Keep&& keep, int step, Progress&& progress) {
    growTo(m_combs, m_undoCount);
    step = std::max(1, step);
    const TCombRec* src = m_undo.data();
    TCombRec* dst = m_combs.data();
    m_combsCount = 0;
    m_changed = true;
    int kept = 0;
    for (int start = 0; start < m_undoCount;) {
        const int end = m_undoCount - start > step ? start + step : m_undoCount;
        for (int i = start; i < end; ++i) {
            if (keep(src[i], i)) {
                dst[kept++] = src[i];
            }
        }
        m_combsCount = kept;
        start = end;
        progress(end);
    }
}

}  // namespace pentad
