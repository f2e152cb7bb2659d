// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenarios/variant_pool.h"

#include <chrono>

#include "shell/shell.h"
#include "shell/quiet_user_interface.h"
#include "stats/prefetch.h"
#include "stats/stat_list.h"
#include "stats/stat_page.h"

namespace pentad {
namespace {

// A worker's user interface shows nothing and keeps the messages for the
// runner to show in order.
using RecordingUi = QuietUserInterface;

class WorkerHooks : public FilterRunHooks {
public:
    WorkerHooks(const std::atomic<bool>& cancel, bool logging)
        : m_cancel(cancel), m_logging(logging) {}
    std::vector<std::string>* sink = nullptr;

    bool stopRequested() override { return m_cancel.load(std::memory_order_relaxed); }
    bool logging() const override { return m_logging; }
    void log(const std::string& text) override {
        if (sink != nullptr) {
            sink->push_back(text);
        }
    }

private:
    const std::atomic<bool>& m_cancel;
    bool m_logging;
};

}  // namespace

int resolveJobs(int jobs) {
    if (jobs > 0) {
        return jobs;
    }
    const unsigned cores = std::thread::hardware_concurrency();
    return cores > 0 ? static_cast<int>(cores) : 1;
}

struct VariantPool::Worker {
    Worker(const Setup& s, const std::atomic<bool>& cancel)
        : list(*s.stats),
          prefetchs(shell, s.folder),
          page(shell, list, *s.archive, prefetchs),
          combs(shell, *s.archive),
          engine(shell, list, *s.archive, combs, page),
          hooks(cancel, s.logging) {
        page.PrefetchsEnabled = s.page->PrefetchsEnabled;
        page.ShowTotalLine = s.page->ShowTotalLine;
        page.SortedDraws = s.page->SortedDraws;
        page.FillChoosers(false);
        engine.setHooks(&hooks);
    }

    RecordingUi ui;
    Shell shell{ui};
    TStatList list;
    PrefetchStore prefetchs;
    StatPage page;
    CombinationSet combs;
    FilterEngine engine;
    WorkerHooks hooks;
};

VariantPool::VariantPool(const Setup& setup) : m_setup(setup) {
    const size_t threads = static_cast<size_t>(std::max(1, m_setup.threads));
    m_ahead = threads * 4;
    for (size_t i = 0; i < threads; ++i) {
        m_workers.push_back(std::make_unique<Worker>(m_setup, m_cancel));
    }
    for (auto& w : m_workers) {
        m_threads.emplace_back([this, worker = w.get()] { work(*worker); });
    }
}

VariantPool::~VariantPool() {
    EndLine();
    {
        std::lock_guard lock(m_mutex);
        m_quit = true;
    }
    m_changed.notify_all();
    for (std::thread& t : m_threads) {
        t.join();
    }
}

void VariantPool::StartLine(const Line& line) {
    EndLine();
    {
        std::lock_guard lock(m_mutex);
        m_line = line;
        m_done.clear();
        m_next = 0;
        m_taken = 0;
        m_cancel = false;
        m_active = true;
    }
    m_changed.notify_all();
}

void VariantPool::EndLine() {
    std::unique_lock lock(m_mutex);
    if (!m_active) {
        return;
    }
    m_cancel = true;
    m_changed.notify_all();
    m_changed.wait(lock, [&] { return m_busy == 0; });
    m_active = false;
    m_done.clear();
}

void VariantPool::work(Worker& w) {
    for (;;) {
        size_t index;
        Line line;
        {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [&] {
                return m_quit || (m_active && !m_cancel && m_next < m_line.variants->size() &&
                                  m_next < m_taken + m_ahead);
            });
            if (m_quit) {
                return;
            }
            index = m_next++;
            line = m_line;
            ++m_busy;
        }
        auto out = std::make_unique<VariantOutcome>();
        w.ui.sink = &out->messages;
        w.hooks.sink = &out->log;
        try {
            w.combs.Assign(index == 0 ? *line.firstStart : *line.otherStart);
            w.engine.ApplyVariant(line.variants->at(index));
        } catch (...) {
            out->error = std::current_exception();
        }
        out->combs = w.combs.TakeSnapshot();
        w.ui.sink = nullptr;
        w.hooks.sink = nullptr;
        {
            std::lock_guard lock(m_mutex);
            m_done[index] = std::move(out);
            --m_busy;
        }
        m_changed.notify_all();
    }
}

std::unique_ptr<VariantOutcome> VariantPool::take(size_t index,
                                                  const std::function<bool()>& poll) {
    std::unique_lock lock(m_mutex);
    for (;;) {
        auto it = m_done.find(index);
        if (it != m_done.end()) {
            std::unique_ptr<VariantOutcome> out = std::move(it->second);
            m_done.erase(it);
            m_taken = index + 1;
            lock.unlock();
            m_changed.notify_all();
            return out;
        }
        m_changed.wait_for(lock, std::chrono::milliseconds(20));
        if (m_done.count(index) > 0) {
            continue;
        }
        lock.unlock();
        const bool stop = poll();
        lock.lock();
        if (stop) {
            return nullptr;
        }
    }
}

}  // namespace pentad
