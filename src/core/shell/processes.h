// SPDX-License-Identifier: GPL-3.0-or-later
// The running processes of the machine as the start-up sees them: whether
// another copy of a program runs, and whether a file is locked by another
// open of it (the way a copy of the program holds its stake ledger).
#pragma once

#include <functional>
#include <string>

namespace pentad {

// The file name of this program's executable ("Pentad"), empty when unknown.
std::string programFileName();

// True when a process other than this one runs an executable named
// `fileName` (compared without regard to case).
bool otherProcessRunning(const std::string& fileName);

// True when another open of the file holds an exclusive lock on it (flock),
// false when the file is free or missing.
bool fileLockHeld(const std::string& path);

// Checks `stillRuns` up to `checks` times, calling `pause` between two
// checks (which waits about one interval and keeps the windows responsive).
// True as soon as a check finds it ended; false when every check found it
// running.
bool waitUntilEnded(const std::function<bool()>& stillRuns, const std::function<void()>& pause,
                    int checks);

}  // namespace pentad
