// SPDX-License-Identifier: GPL-3.0-or-later
// The scenario log "ScriptLog_<yyyy-mm-dd-hh-nn-ss>.txt": one file per run
// while logging is on, every line time-stamped, opened for the user at the
// end of the run.
#pragma once

#include <ctime>
#include <functional>
#include <string>

namespace pentad {

class Shell;

class ScriptLog {
public:
    ScriptLog(Shell& shell, std::string folder) : m_shell(shell), m_folder(std::move(folder)) {}

    bool enabled = false;
    // Opens a finished log with the desktop's handler (set by the GUI).
    std::function<void(const std::string& path)> openDocument;

    const std::string& fileName() const { return m_name; }
    void StartLog();
    // Appends prefix + text; a failure is shown and the run goes on.
    void WriteLog(const std::string& text);
    void FinishLog();
    void DeleteLogs();

    // The prefix "[yyyy-mm-dd hh:nn:ss]: " and the file name for a time.
    static std::string prefix(std::time_t t);
    static std::string fileNameFor(std::time_t t);

private:
    Shell& m_shell;
    std::string m_folder;
    std::string m_name;  // full path, empty when no run is logging
};

}  // namespace pentad
