// SPDX-License-Identifier: GPL-3.0-or-later
// The current scenario: its text lines (empty lines are separators), kept in
// "Pentad.lss" and saved after every change, with ".lsc" files to open, add
// and save, and the editing commands of the scenario list.
#pragma once

#include <string>
#include <vector>

namespace pentad {

class Shell;

class Scenario {
public:
    Scenario(Shell& shell, std::string currentFile)
        : m_shell(shell), m_currentFile(std::move(currentFile)) {}

    const std::vector<std::string>& lines() const { return m_lines; }
    int count() const { return static_cast<int>(m_lines.size()); }
    bool empty() const { return m_lines.empty(); }

    // Throws pentad::Error "Запись со индексом %d в файле данных не найдена!".
    const std::string& GetLine(int index) const;
    void ReplaceLine(int index, const std::string& text);

    // Reads a scenario file (replacing or appending); errors are shown.
    bool LoadScenario(const std::string& file, bool append);
    bool SaveScenario(const std::string& file);
    // The current scenario: loaded at start-up, saved after every change.
    bool LoadCurrent();
    bool SaveCurrent();

    // ---- commands ----
    bool Open(const std::string& file);        // replace with the file, save
    bool AddScenario(const std::string& file); // separator if needed, append, save
    // Replaces every line (a scenario from the catalogue) and saves; the old
    // lines come back when saving fails.
    bool ReplaceAll(std::vector<std::string> lines);
    int AddLine(const std::string& text);      // append, save; index of the line
    int AddSeparator();
    bool Edit(int index, const std::string& text);
    bool Delete(std::vector<int> indices, bool confirmed = false);
    bool Clear(bool confirmed = false);
    bool MoveUp(int index);
    bool MoveDown(int index);

    std::string linesPanelText() const;

private:
    Shell& m_shell;
    std::string m_currentFile;
    std::vector<std::string> m_lines;
};

}  // namespace pentad
