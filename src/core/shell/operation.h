// SPDX-License-Identifier: GPL-3.0-or-later
// Records of file operations (such as deleting log files) with their counters
// and summary text, and the delete-files-by-mask command built on them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pentad {

class Shell;

enum class OperationStatus { Completed = 2, CompletedWithWarnings = 4, CompletedWithErrors = 5,
                             Interrupted = 6 };

enum class TransactionType { Processed = 2, Skipped = 3, Warning = 4, Error = 5,
                             Interruption = 6 };

struct Transaction {
    std::string title;
    std::string text;
    TransactionType type = TransactionType::Processed;
};

class OperationRecord {
public:
    explicit OperationRecord(std::string title) : m_title(std::move(title)) {}

    const std::string& title() const { return m_title; }
    OperationStatus status() const { return m_status; }

    int total = 0;
    int processed = 0;
    int skipped = 0;
    int warnings = 0;
    int errors = 0;
    int64_t bytes = -1;  // -1 when bytes are not counted
    bool errorsAsWarnings = false;

    // Adds a transaction and updates the counters and the status.
    void add(TransactionType type, const std::string& title, const std::string& text);
    void interrupt() { m_status = OperationStatus::Interrupted; }

    const std::vector<Transaction>& transactions() const { return m_transactions; }

    // The summary that becomes the result text when the operation ends.
    std::string resultText() const;

    // Texts an interactive viewer shows for warnings and errors.
    std::string messageText(const Transaction& t, const std::string& dateTime) const;

private:
    std::string m_title;
    OperationStatus m_status = OperationStatus::Completed;
    std::vector<Transaction> m_transactions;
};

// True when the file name matches a mask of "*" and "?" (without regard to case).
bool matchesMask(const std::string& name, const std::string& mask);

// Names of the files of `folder` matching `mask`, sorted.
std::vector<std::string> findFiles(const std::string& folder, const std::string& mask);

// Deletes every file of `folder` matching `mask`: with no match shows
// "Файлы журналов не найдены!"; otherwise deletes them while busy and shows
// `title` + "\r\r" + the summary as information (all deleted) or warning.
void deleteFilesByMask(Shell& shell, const std::string& folder, const std::string& mask,
                       const std::string& title);

}  // namespace pentad
