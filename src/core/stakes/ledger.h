// SPDX-License-Identifier: GPL-3.0-or-later
// The stake ledger "Pentad.lsk": a file of 312-byte records held open for
// the whole run with other writers excluded (which also keeps a second copy
// of the program out of the folder). Rewrites of existing records go
// through a temporary file that replaces the ledger only when complete.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "stakes/stake_record.h"

namespace pentad {

class Shell;

class StakeLedger {
public:
    StakeLedger(Shell& shell, std::string path);
    ~StakeLedger();
    StakeLedger(const StakeLedger&) = delete;
    StakeLedger& operator=(const StakeLedger&) = delete;

    const std::string& path() const { return m_path; }

    enum class OpenResult { Ok, Locked, Failed };
    // Opens (creating when missing) for reading and writing with an
    // exclusive lock. `error` receives the system text on failure.
    OpenResult Open(std::string* error = nullptr);
    void Close();
    // Close then Open; false (with the error box) when that fails.
    bool Reopen();
    bool isOpen() const { return m_fd >= 0; }
    // A reader beside the folder's writer: Open then reads without a lock,
    // creates nothing and never empties a damaged file (it reads as empty).
    void setReadOnly(bool on) { m_readOnly = on; }
    bool readOnly() const { return m_readOnly; }

    // Start-up: opens the ledger and checks its version; a damaged or old
    // file is emptied after the warning. Returns Locked when another copy
    // holds the ledger (nothing shown), Failed after an error box.
    OpenResult Load();

    bool IsEmpty() const { return RecordCount() == 0; }
    int RecordCount() const;

    // Record `index` from the start (origin 0) or from the end (origin 2,
    // -1 = last). On failure an all-zero record and the error box.
    TStakeRec ReadRecord(int index, int origin = 0);
    // Writes at the position (the end of the file appends). False on failure.
    bool WriteRecord(const TStakeRec& rec, int index, int origin = 0);

    // Appends a stake, for several draws as separator + stake per draw.
    bool AppendStake(const TStakeRec& rec, int drawsCount);
    // Appends a separator when the last record is a stake.
    bool AppendSeparatorIfNeeded();
    // True when a stake for the draw with the same digits exists.
    bool FindStake(int32_t drawNumber, const TNumberSet& digits);

    // Rows are 1-based ledger positions.
    bool DeleteRows(int first, int last);
    // Drops stakes (never separators) whose match count satisfies the
    // condition: mode 0 =, 1 >, 2 >=, 3 <, 4 <= against `value`.
    bool DeleteByCondition(int mode, int value);
    // Empties the ledger.
    bool Clear();

    // Every record, for passes over the whole ledger. Throws pentad::Error.
    std::vector<TStakeRec> readAll() const { return readFrom(0); }
    // Records from `index` (0-based) to the end.
    std::vector<TStakeRec> readFrom(int index) const;
    // Writes records in place starting at `index`. Throws pentad::Error.
    void writeAt(int index, const std::vector<TStakeRec>& recs);

private:
    bool rewrite(const std::function<bool(int row, const TStakeRec&)>& keep);
    void resetCache() { m_cacheIndex = -1; }

    Shell& m_shell;
    std::string m_path;
    int m_fd = -1;
    bool m_readOnly = false;
    int m_cacheIndex = -1;  // absolute index of the cached record
    TStakeRec m_cache;
};

}  // namespace pentad
