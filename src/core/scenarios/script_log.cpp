// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenarios/script_log.h"

#include <cerrno>
#include <fstream>

#include "scenarios/scenario_texts.h"
#include "shell/cp1251.h"
#include "shell/error.h"
#include "shell/file_io.h"
#include "shell/operation.h"
#include "shell/shell.h"

namespace pentad {
namespace {

std::tm localTime(std::time_t t) {
    std::tm local{};
    localtime_r(&t, &local);
    return local;
}

}  // namespace

std::string ScriptLog::prefix(std::time_t t) {
    std::tm l = localTime(t);
    return format("[%04d-%02d-%02d %02d:%02d:%02d]: ", l.tm_year + 1900, l.tm_mon + 1, l.tm_mday,
                  l.tm_hour, l.tm_min, l.tm_sec);
}

std::string ScriptLog::fileNameFor(std::time_t t) {
    std::tm l = localTime(t);
    return format(texts::kLogFileFormat,
                  format("%04d-%02d-%02d-%02d-%02d-%02d", l.tm_year + 1900, l.tm_mon + 1,
                         l.tm_mday, l.tm_hour, l.tm_min, l.tm_sec));
}

void ScriptLog::StartLog() {
    m_name = enabled ? joinPath(m_folder, fileNameFor(std::time(nullptr))) : std::string();
}

void ScriptLog::WriteLog(const std::string& text) {
    if (!enabled) {
        return;
    }
    if (m_name.empty()) {
        StartLog();
    }
    std::ofstream out(m_name, std::ios::binary | std::ios::app);
    std::string line = utf8ToCp1251(prefix(std::time(nullptr)) + text) + "\r\n";
    out.write(line.data(), static_cast<std::streamsize>(line.size()));
    out.close();
    if (!out) {
        m_shell.error(format(texts::kErrorWriteLog, systemErrorText(errno)));
    }
}

void ScriptLog::FinishLog() {
    if (enabled && !m_name.empty() && fileExists(m_name) && openDocument) {
        openDocument(m_name);
    }
    m_name.clear();
}

void ScriptLog::DeleteLogs() {
    deleteFilesByMask(m_shell, m_folder, format(texts::kLogFileFormat, std::string("*")),
                      texts::kDeleteScriptLogsTitle);
}

}  // namespace pentad
