// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenarios/scenario.h"

#include <algorithm>
#include <filesystem>
#include <functional>

#include "filters/filter_texts.h"
#include "scenarios/scenario_texts.h"
#include "scenarios/script_line.h"
#include "shell/cp1251.h"
#include "shell/error.h"
#include "shell/file_io.h"
#include "shell/shell.h"
#include "shell/text_utils.h"

namespace pentad {
namespace {

std::string fileNameOf(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

}  // namespace

const std::string& Scenario::GetLine(int index) const {
    if (index < 0 || index >= count()) {
        throw Error(format("Запись со индексом %d в файле данных не найдена!", index));
    }
    return m_lines[static_cast<size_t>(index)];
}

void Scenario::ReplaceLine(int index, const std::string& text) {
    GetLine(index);
    m_lines[static_cast<size_t>(index)] = text;
}

bool Scenario::LoadScenario(const std::string& file, bool append) {
    OperationScope op(m_shell, format(texts::kStatusLoadingScenario, fileNameOf(file)));
    std::vector<std::string> lines;
    bool ok = m_shell.guardWith(
        [&](const std::string& e) { return format(texts::kErrorReadScenario, fileNameOf(file), e); },
        [&] { lines = splitLines(cp1251ToUtf8(readFileBytes(file))); });
    if (!ok) {
        return false;
    }
    if (!append) {
        m_lines.clear();
    }
    m_lines.insert(m_lines.end(), lines.begin(), lines.end());
    m_shell.setStatus(linesPanelText());
    return true;
}

bool Scenario::SaveScenario(const std::string& file) {
    OperationScope op(m_shell, format(texts::kStatusSavingScenario, fileNameOf(file)));
    return m_shell.guardWith(
        [&](const std::string& e) { return format(texts::kErrorWriteScenario, fileNameOf(file), e); },
        [&] {
            std::string text;
            for (const std::string& l : m_lines) {
                text += l + "\r\n";
            }
            writeFileAtomic(file, utf8ToCp1251(text));
        });
}

bool Scenario::LoadCurrent() {
    if (!fileExists(m_currentFile)) {
        return true;
    }
    return LoadScenario(m_currentFile, false);
}

bool Scenario::SaveCurrent() {
    return SaveScenario(m_currentFile);
}

bool Scenario::Open(const std::string& file) {
    std::vector<std::string> before = m_lines;
    if (!LoadScenario(file, false)) {
        m_lines = before;
        return false;
    }
    return SaveCurrent();
}

bool Scenario::ReplaceAll(std::vector<std::string> lines) {
    std::vector<std::string> before = std::move(m_lines);
    m_lines = std::move(lines);
    if (!SaveCurrent()) {
        m_lines = std::move(before);
        return false;
    }
    return true;
}

bool Scenario::AddScenario(const std::string& file) {
    std::vector<std::string> before = m_lines;
    if (!m_lines.empty() && !isSeparatorLine(m_lines.back())) {
        m_lines.emplace_back();
    }
    if (!LoadScenario(file, true)) {
        m_lines = before;
        return false;
    }
    return SaveCurrent();
}

int Scenario::AddLine(const std::string& text) {
    m_lines.push_back(text);
    SaveCurrent();
    return count() - 1;
}

int Scenario::AddSeparator() {
    return AddLine(std::string());
}

bool Scenario::Edit(int index, const std::string& text) {
    if (index < 0 || index >= count()) {
        return false;
    }
    m_lines[static_cast<size_t>(index)] = text;
    return SaveCurrent();
}

bool Scenario::Delete(std::vector<int> indices, bool confirmed) {
    std::sort(indices.begin(), indices.end(), std::greater<>());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    indices.erase(std::remove_if(indices.begin(), indices.end(),
                                 [&](int i) { return i < 0 || i >= count(); }),
                  indices.end());
    if (indices.empty() ||
        (!confirmed && !m_shell.confirmDelete(static_cast<int>(indices.size())))) {
        return false;
    }
    {
        OperationScope op(m_shell, texts::kStatusDeletingLines);
        for (int i : indices) {
            m_lines.erase(m_lines.begin() + i);
        }
    }
    return SaveCurrent();
}

bool Scenario::Clear(bool confirmed) {
    if (m_lines.empty() || (!confirmed && !m_shell.confirmDelete(count()))) {
        return false;
    }
    m_lines.clear();
    return SaveCurrent();
}

bool Scenario::MoveUp(int index) {
    if (index <= 0 || index >= count()) {
        return false;
    }
    std::swap(m_lines[static_cast<size_t>(index)], m_lines[static_cast<size_t>(index - 1)]);
    return SaveCurrent();
}

bool Scenario::MoveDown(int index) {
    if (index < 0 || index + 1 >= count()) {
        return false;
    }
    std::swap(m_lines[static_cast<size_t>(index)], m_lines[static_cast<size_t>(index + 1)]);
    return SaveCurrent();
}

std::string Scenario::linesPanelText() const {
    return format(texts::kPanelLines, count());
}

}  // namespace pentad
