// SPDX-License-Identifier: GPL-3.0-or-later
// The scenario list as the server sends it, kept ready between requests:
// every entry's row is written once (everything but the asking user's own
// mark), and rebuilt only when the store reports a change. A list request
// then only picks rows and appends "<rating_you>".
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "server/catalogue_store.h"
#include "server/service_support.h"

namespace pentad::server {

struct ListedScript {
    int64_t id = 0;
    bool isPublic = true;
    std::string mailKey;      // the author's mail, folded
    std::string ownerHwdid;
    int64_t created = 0;
    std::string fragment;     // "<row>" and every element but rating_you
};

struct ScriptListSnapshot {
    uint64_t version = 0;
    std::vector<ListedScript> entries;   // newest first
    size_t bytes = 0;                    // total size of the fragments
};

class ScriptListCache {
public:
    ScriptListCache(CatalogueStore& store, const AppNames& apps) : m_store(store), m_apps(apps) {}

    // The list as of now. Thread-safe; concurrent callers share one rebuild.
    std::shared_ptr<const ScriptListSnapshot> current();

private:
    CatalogueStore& m_store;
    const AppNames& m_apps;
    std::mutex m_mutex;
    std::shared_ptr<const ScriptListSnapshot> m_snapshot;
};

// The average of the ratings with three decimals and "." ("0" without any).
std::string ratingAverage(int64_t sum, int64_t count);

// The row fragment of one entry (see ListedScript::fragment).
std::string scriptRowFragment(const ScriptRecord& record, const std::string& appName);

}  // namespace pentad::server
