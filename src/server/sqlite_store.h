// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue kept in one SQLite file: created with its schema on first
// use, migrated by its user_version at open, written through prepared
// statements only. One connection serves every thread in turn.
#pragma once

#include <memory>
#include <mutex>
#include <string>

#include "server/catalogue_store.h"

namespace pentad::server {

class SqliteCatalogueStore : public CatalogueStore {
public:
    // Opens or creates the database file. Throws StoreError when it cannot be
    // opened or was written by a newer server.
    explicit SqliteCatalogueStore(const std::string& path);
    ~SqliteCatalogueStore() override;

    uint64_t scriptsVersion() override;
    std::vector<ScriptRecord> allScripts() override;
    std::optional<ScriptRecord> findScript(int64_t id) override;
    int64_t scriptWithTitle(std::string_view titleKey) override;
    int64_t insertScript(const ScriptRecord& record, std::string_view text) override;
    WriteResult updateScript(const ScriptRecord& record, std::string_view text) override;
    bool deleteScript(int64_t id) override;
    std::optional<std::string> downloadScript(int64_t id, int64_t now) override;

    std::unordered_map<int64_t, int> ratesOf(std::string_view rater) override;
    bool setRate(int64_t scriptId, std::string_view rater, const RatingRecord& rating) override;
    void removeRate(int64_t scriptId, std::string_view rater) override;
    std::vector<RatingRecord> ratings(int64_t scriptId) override;

    std::vector<SystemRecord> systems(int clen, int maxNums) override;
    std::optional<SystemRecord> findSystem(int64_t id) override;
    int64_t insertSystem(const SystemRecord& record, std::string_view clist) override;
    bool updateSystem(const SystemRecord& record, std::string_view clist) override;
    bool deleteSystem(int64_t id) override;
    std::optional<std::string> downloadSystem(int64_t id, int64_t now) override;

private:
    struct Impl;
    std::mutex m_mutex;
    std::unique_ptr<Impl> m_impl;
};

}  // namespace pentad::server
