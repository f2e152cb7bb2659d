// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/operation.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "shell/cp1251.h"
#include "shell/error.h"
#include "shell/file_io.h"
#include "shell/messages.h"
#include "shell/shell.h"

namespace pentad {
namespace {

// Integer with blanks as thousands separators and two decimals, as the
// summary shows kilobytes.
std::string groupedKilobytes(int64_t bytes) {
    int64_t hundredths = bytes * 100 / 1024;
    std::string whole = std::to_string(hundredths / 100);
    std::string grouped;
    int n = 0;
    for (auto it = whole.rbegin(); it != whole.rend(); ++it) {
        if (n > 0 && n % 3 == 0) {
            grouped.insert(grouped.begin(), ' ');
        }
        grouped.insert(grouped.begin(), *it);
        ++n;
    }
    return format("%s,%02d", grouped, static_cast<int>(hundredths % 100));
}

}  // namespace

void OperationRecord::add(TransactionType type, const std::string& title,
                          const std::string& text) {
    m_transactions.push_back(Transaction{title, text, type});
    switch (type) {
        case TransactionType::Processed:
            ++processed;
            break;
        case TransactionType::Skipped:
            ++skipped;
            break;
        case TransactionType::Warning:
            ++warnings;
            if (m_status < OperationStatus::CompletedWithWarnings) {
                m_status = OperationStatus::CompletedWithWarnings;
            }
            break;
        case TransactionType::Error: {
            ++errors;
            OperationStatus level = errorsAsWarnings ? OperationStatus::CompletedWithWarnings
                                                     : OperationStatus::CompletedWithErrors;
            if (m_status < level) {
                m_status = level;
            }
            break;
        }
        case TransactionType::Interruption:
            m_status = OperationStatus::Interrupted;
            break;
    }
}

std::string OperationRecord::resultText() const {
    if (m_status == OperationStatus::Interrupted) {
        return texts::kOperationInterrupted;
    }
    if (bytes >= 0) {
        return format(texts::kOperationSummaryBytes, total, processed, groupedKilobytes(bytes),
                      skipped, warnings, errors);
    }
    return format(texts::kOperationSummary, total, processed, skipped, warnings, errors);
}

std::string OperationRecord::messageText(const Transaction& t, const std::string& dateTime) const {
    if (t.type == TransactionType::Warning) {
        return format(texts::kOperationWarning, dateTime, m_title, t.text);
    }
    return format(texts::kOperationError, dateTime, m_title, t.text);
}

bool matchesMask(const std::string& name, const std::string& mask) {
    std::string n = utf8Upper(name);
    std::string m = utf8Upper(mask);
    // Iterative wildcard match with backtracking on the last "*".
    size_t ni = 0, mi = 0, star = std::string::npos, mark = 0;
    while (ni < n.size()) {
        if (mi < m.size() && (m[mi] == '?' || m[mi] == n[ni])) {
            ++ni;
            ++mi;
        } else if (mi < m.size() && m[mi] == '*') {
            star = mi++;
            mark = ni;
        } else if (star != std::string::npos) {
            mi = star + 1;
            ni = ++mark;
        } else {
            return false;
        }
    }
    while (mi < m.size() && m[mi] == '*') {
        ++mi;
    }
    return mi == m.size();
}

std::vector<std::string> findFiles(const std::string& folder, const std::string& mask) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        if (entry.is_regular_file(ec) && matchesMask(entry.path().filename().string(), mask)) {
            names.push_back(entry.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

void deleteFilesByMask(Shell& shell, const std::string& folder, const std::string& mask,
                       const std::string& title) {
    std::vector<std::string> names = findFiles(folder, mask);
    if (names.empty()) {
        shell.information(texts::kLogsNotFound);
        return;
    }
    BusyScope busy(shell);
    StatusTextScope status(shell, texts::kLogsSearching);
    OperationRecord op(title);
    op.total = static_cast<int>(names.size());
    for (const std::string& name : names) {
        std::string path = joinPath(folder, name);
        if (deleteFile(path)) {
            op.add(TransactionType::Processed, name, std::string());
        } else {
            op.add(TransactionType::Error, name, systemErrorText(errno));
        }
    }
    std::string text = title + "\r\r" + op.resultText();
    if (op.status() == OperationStatus::Completed) {
        shell.information(text);
    } else {
        shell.warning(text);
    }
}

}  // namespace pentad
