// SPDX-License-Identifier: GPL-3.0-or-later
// The variants of one scenario line computed on worker threads. Each worker
// has its own statistics list, page, combination set and filter engine over
// the shared (read-only) archive; a variant's filters run there and leave
// the remaining set, the log lines and the messages they produced. The
// runner takes the outcomes strictly in variant order and does everything
// that has an order (log file, stakes, random choices, checks) itself, so a
// run gives the same files with any number of threads.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "filters/combination_set.h"
#include "filters/filter_engine.h"
#include "shell/user_interface.h"

namespace pentad {

class TStatList;
class StatPage;

// The number of worker threads for a setting: `jobs` when positive, else
// one per core (at least 1).
int resolveJobs(int jobs);

struct VariantOutcome {
    std::vector<std::string> log;
    std::vector<std::pair<MessageKind, std::string>> messages;
    std::exception_ptr error;
    CombinationSet::Snapshot combs;  // the set after the filters
};

class VariantPool {
public:
    // What the workers copy once: the pool serves every line of a run.
    struct Setup {
        const DrawArchive* archive = nullptr;
        const TStatList* stats = nullptr;
        const StatPage* page = nullptr;
        std::string folder;
        bool logging = false;
        int threads = 2;
    };
    // One line: the start set of its first variant and of the others (the
    // others reuse the kept list, without its filter entries).
    struct Line {
        const CombinationSet::Snapshot* firstStart = nullptr;
        const CombinationSet::Snapshot* otherStart = nullptr;
        const FilterVariants* variants = nullptr;
    };

    explicit VariantPool(const Setup& setup);
    ~VariantPool();
    VariantPool(const VariantPool&) = delete;
    VariantPool& operator=(const VariantPool&) = delete;

    // Starts the variants of a line; the line must outlive EndLine.
    void StartLine(const Line& line);
    // The outcome of variant `index`, waiting for it; `poll` runs every few
    // milliseconds meanwhile and returns true to give up (null is returned).
    // Outcomes must be taken in order; taking one lets the workers go on.
    std::unique_ptr<VariantOutcome> take(size_t index, const std::function<bool()>& poll);
    // Workers finish the variant at hand early and take no more; returns
    // when none of them works on the line any longer.
    void EndLine();

private:
    struct Worker;
    void work(Worker& worker);

    Setup m_setup;
    std::vector<std::unique_ptr<Worker>> m_workers;
    std::vector<std::thread> m_threads;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    Line m_line;
    bool m_active = false;
    bool m_quit = false;
    int m_busy = 0;
    std::map<size_t, std::unique_ptr<VariantOutcome>> m_done;
    size_t m_next = 0;
    size_t m_taken = 0;
    size_t m_ahead = 0;  // most variants computed beyond the last one taken
    std::atomic<bool> m_cancel{false};
};

}  // namespace pentad
