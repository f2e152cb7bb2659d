// SPDX-License-Identifier: GPL-3.0-or-later
// The writer lock of a data folder: one program at a time changes the
// folder's files; programs that only read take no lock and read files that
// writers replace whole (temporary file and rename).
#pragma once

#include <string>

namespace pentad {

// Name of the lock file inside the data folder.
inline constexpr const char* kFolderLockName = "Pentad.lock";

class FolderLock {
public:
    FolderLock() = default;
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // Takes the lock of `folder`, trying again until `waitSeconds` have
    // passed (0: one try). On success `holder` (who takes it, e.g. "pentad-cli
    // draws import, process 123") is written into the lock file for the
    // others to name; on failure `heldBy` receives what the current holder
    // wrote ("" when it wrote nothing yet). Throws pentad::Error when the lock
    // file cannot be opened.
    bool acquire(const std::string& folder, const std::string& holder, double waitSeconds,
                 std::string* heldBy = nullptr);
    void release();
    bool held() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

}  // namespace pentad
