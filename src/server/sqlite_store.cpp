// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/sqlite_store.h"

#include "server/sqlite_db.h"

namespace pentad::server {

namespace {

constexpr int64_t kSchemaVersion = 1;

constexpr const char* kSchemaV1 = R"sql(
CREATE TABLE scripts(
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    title TEXT NOT NULL,
    title_key TEXT NOT NULL UNIQUE,
    descr TEXT NOT NULL,
    author_name TEXT NOT NULL,
    author_mail TEXT NOT NULL,
    owner_hwdid TEXT NOT NULL,
    lcid INTEGER NOT NULL,
    app_id TEXT NOT NULL,
    app_ver TEXT NOT NULL,
    uniapps INTEGER NOT NULL,
    publics INTEGER NOT NULL,
    created INTEGER NOT NULL,
    downloads INTEGER NOT NULL DEFAULT 0,
    last_download INTEGER NOT NULL DEFAULT 0,
    -- of the ratings 1..5 in script_rates, kept with every change of them
    rating_sum INTEGER NOT NULL DEFAULT 0,
    rating_count INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX scripts_by_created ON scripts(created DESC, id DESC);
-- the texts apart, so that listing the entries reads only their headers
CREATE TABLE script_texts(
    script_id INTEGER PRIMARY KEY REFERENCES scripts(id) ON DELETE CASCADE,
    body TEXT NOT NULL
);
CREATE TABLE script_rates(
    script_id INTEGER NOT NULL REFERENCES scripts(id) ON DELETE CASCADE,
    rater TEXT NOT NULL,
    rate INTEGER NOT NULL CHECK (rate BETWEEN -1 AND 5 AND rate <> 0),
    rater_name TEXT NOT NULL,
    app_id TEXT NOT NULL,
    app_ver TEXT NOT NULL,
    notes TEXT NOT NULL,
    created INTEGER NOT NULL,
    PRIMARY KEY (rater, script_id)
) WITHOUT ROWID;
CREATE INDEX script_rates_by_script ON script_rates(script_id, rate);
CREATE TABLE systems(
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    clen INTEGER NOT NULL,
    nums INTEGER NOT NULL,
    olap INTEGER NOT NULL,
    csize INTEGER NOT NULL,
    title TEXT NOT NULL,
    descr TEXT NOT NULL,
    clist TEXT NOT NULL,
    url TEXT NOT NULL,
    author_name TEXT NOT NULL,
    owner_mail TEXT NOT NULL,
    owner_hwdid TEXT NOT NULL,
    lcid INTEGER NOT NULL,
    app_id TEXT NOT NULL,
    app_ver TEXT NOT NULL,
    created INTEGER NOT NULL,
    downloads INTEGER NOT NULL DEFAULT 0,
    last_download INTEGER NOT NULL DEFAULT 0
);
)sql";

#define SCRIPT_COLUMNS                                                                     \
    "id, title, title_key, descr, author_name, author_mail, owner_hwdid, lcid, app_id, "   \
    "app_ver, uniapps, publics, created, downloads, last_download, rating_sum, rating_count"

#define SYSTEM_COLUMNS                                                                    \
    "id, clen, nums, olap, csize, title, descr, url, author_name, owner_mail, owner_hwdid, " \
    "lcid, app_id, app_ver, created, downloads, last_download"

ScriptRecord readScript(const Query& q) {
    ScriptRecord r;
    r.id = q.integer(0);
    r.title = q.text(1);
    r.titleKey = q.text(2);
    r.descr = q.text(3);
    r.authorName = q.text(4);
    r.authorMail = q.text(5);
    r.ownerHwdid = q.text(6);
    r.lcid = static_cast<int>(q.integer(7));
    r.appId = q.text(8);
    r.appVer = q.text(9);
    r.uniApps = q.integer(10) != 0;
    r.isPublic = q.integer(11) != 0;
    r.created = q.integer(12);
    r.downloads = q.integer(13);
    r.lastDownload = q.integer(14);
    r.ratingSum = q.integer(15);
    r.ratingCount = q.integer(16);
    return r;
}

// Binds the stored fields of an entry at positions 1..12.
void bindScript(Query& q, const ScriptRecord& r) {
    q.bind(1, r.title)
        .bind(2, r.titleKey)
        .bind(3, r.descr)
        .bind(4, r.authorName)
        .bind(5, r.authorMail)
        .bind(6, r.ownerHwdid)
        .bind(7, int64_t{r.lcid})
        .bind(8, r.appId)
        .bind(9, r.appVer)
        .bind(10, int64_t{r.uniApps ? 1 : 0})
        .bind(11, int64_t{r.isPublic ? 1 : 0})
        .bind(12, r.created);
}

// Every row of a query, or only the first, read by `read`.
template <typename Record>
std::vector<Record> readAll(Query& q, Record (*read)(const Query&)) {
    std::vector<Record> out;
    while (q.step()) {
        out.push_back(read(q));
    }
    return out;
}
template <typename Record>
std::optional<Record> readFirst(Query& q, Record (*read)(const Query&)) {
    if (!q.step()) {
        return std::nullopt;
    }
    return read(q);
}

SystemRecord readSystem(const Query& q) {
    SystemRecord r;
    r.id = q.integer(0);
    r.clen = static_cast<int>(q.integer(1));
    r.nums = static_cast<int>(q.integer(2));
    r.olap = static_cast<int>(q.integer(3));
    r.csize = q.integer(4);
    r.title = q.text(5);
    r.descr = q.text(6);
    r.url = q.text(7);
    r.authorName = q.text(8);
    r.ownerMail = q.text(9);
    r.ownerHwdid = q.text(10);
    r.lcid = static_cast<int>(q.integer(11));
    r.appId = q.text(12);
    r.appVer = q.text(13);
    r.created = q.integer(14);
    r.downloads = q.integer(15);
    r.lastDownload = q.integer(16);
    return r;
}

// Binds the stored fields of a system at positions 1..15.
void bindSystem(Query& q, const SystemRecord& r, std::string_view clist) {
    q.bind(1, int64_t{r.clen})
        .bind(2, int64_t{r.nums})
        .bind(3, int64_t{r.olap})
        .bind(4, r.csize)
        .bind(5, r.title)
        .bind(6, r.descr)
        .bind(7, clist)
        .bind(8, r.url)
        .bind(9, r.authorName)
        .bind(10, r.ownerMail)
        .bind(11, r.ownerHwdid)
        .bind(12, int64_t{r.lcid})
        .bind(13, r.appId)
        .bind(14, r.appVer)
        .bind(15, r.created);
}

// Sets the connection up and brings the schema to the current version.
SqliteDb& openDatabase(SqliteDb& db) {
    db.exec("PRAGMA journal_mode = WAL");
    db.exec("PRAGMA synchronous = NORMAL");
    db.exec("PRAGMA foreign_keys = ON");
    db.exec("PRAGMA busy_timeout = 5000");
    // the whole catalogue of a club fits in memory; keep it there
    db.exec("PRAGMA cache_size = -65536");
    db.exec("PRAGMA mmap_size = 268435456");
    int64_t version = db.queryInt("PRAGMA user_version");
    if (version > kSchemaVersion) {
        throw StoreError("the database was written by a newer server (schema " +
                         std::to_string(version) + ")");
    }
    if (version < 1) {
        Transaction t(db);
        db.exec(kSchemaV1);
        db.exec("PRAGMA user_version = 1");
        t.commit();
    }
    return db;
}

}  // namespace

struct SqliteCatalogueStore::Impl {
    explicit Impl(const std::string& path) : db(path), migrated(openDatabase(db)) {}

    SqliteDb db;
    SqliteDb& migrated;   // the schema is in place before the statements below are prepared
    uint64_t writes = 0;   // scenario writes through this connection

    Statement dataVersion{db, "PRAGMA data_version"};
    Statement allScripts{db, "SELECT " SCRIPT_COLUMNS
                             " FROM scripts ORDER BY created DESC, id DESC"};
    Statement findScript{db, "SELECT " SCRIPT_COLUMNS " FROM scripts WHERE id = ?1"};
    Statement titleHolder{db, "SELECT id FROM scripts WHERE title_key = ?1"};
    Statement insertScript{db,
                           "INSERT INTO scripts(title, title_key, descr, author_name, "
                           "author_mail, owner_hwdid, lcid, app_id, app_ver, uniapps, publics, "
                           "created) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12)"};
    Statement updateScript{db,
                           "UPDATE scripts SET title = ?1, title_key = ?2, descr = ?3, "
                           "author_name = ?4, author_mail = ?5, owner_hwdid = ?6, lcid = ?7, "
                           "app_id = ?8, app_ver = ?9, uniapps = ?10, publics = ?11, "
                           "created = ?12 WHERE id = ?13"};
    Statement writeText{db,
                        "INSERT INTO script_texts(script_id, body) VALUES(?1, ?2) "
                        "ON CONFLICT(script_id) DO UPDATE SET body = excluded.body"};
    Statement deleteScript{db, "DELETE FROM scripts WHERE id = ?1"};
    Statement scriptBody{db, "SELECT body FROM script_texts WHERE script_id = ?1"};
    Statement countScript{db,
                          "UPDATE scripts SET downloads = downloads + 1, last_download = ?2 "
                          "WHERE id = ?1"};
    Statement ratesOf{db, "SELECT script_id, rate FROM script_rates WHERE rater = ?1"};
    Statement scriptExists{db, "SELECT 1 FROM scripts WHERE id = ?1"};
    Statement setRate{db,
                      "INSERT INTO script_rates(script_id, rater, rate, rater_name, app_id, "
                      "app_ver, notes, created) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8) "
                      "ON CONFLICT(rater, script_id) DO UPDATE SET rate = excluded.rate, "
                      "rater_name = excluded.rater_name, app_id = excluded.app_id, "
                      "app_ver = excluded.app_ver, notes = excluded.notes, "
                      "created = excluded.created"};
    Statement removeRate{db, "DELETE FROM script_rates WHERE script_id = ?1 AND rater = ?2"};
    Statement rateOf{db, "SELECT rate FROM script_rates WHERE script_id = ?1 AND rater = ?2"};
    Statement adjustRatings{db,
                            "UPDATE scripts SET rating_sum = rating_sum + ?2, "
                            "rating_count = rating_count + ?3 WHERE id = ?1"};

    // The text `read` gives for `id`, counted by `count` as one download at
    // `now`; nullopt when there is no such row.
    std::optional<std::string> download(Statement& read, Statement& count, int64_t id,
                                        int64_t now) {
        Transaction t(db);
        std::string text;
        {
            Query q(read);
            q.bind(1, id);
            if (!q.step()) {
                return std::nullopt;
            }
            text = q.text(0);
        }
        Query(count).bind(1, id).bind(2, now).run();
        t.commit();
        return text;
    }

    // The rater's mark of an entry, 0 when none.
    int markOf(int64_t scriptId, std::string_view rater) {
        Query q(rateOf);
        q.bind(1, scriptId).bind(2, rater);
        return q.step() ? static_cast<int>(q.integer(0)) : 0;
    }
    // Keeps the entry's sum and count of ratings in step with a change of
    // one mark from `before` to `after` (marks below 1 do not count).
    void adjust(int64_t scriptId, int before, int after) {
        int64_t sum = (after > 0 ? after : 0) - (before > 0 ? before : 0);
        int64_t count = (after > 0 ? 1 : 0) - (before > 0 ? 1 : 0);
        if (sum != 0 || count != 0) {
            Query(adjustRatings).bind(1, scriptId).bind(2, sum).bind(3, count).run();
        }
    }
    Statement ratings{db,
                      "SELECT rater_name, rate, created, app_id, app_ver, notes FROM script_rates "
                      "WHERE script_id = ?1 AND rate > 0 ORDER BY created DESC, rater"};
    Statement systems{db, "SELECT " SYSTEM_COLUMNS
                          " FROM systems WHERE clen = ?1 AND nums <= ?2 ORDER BY nums, olap, id"};
    Statement findSystem{db, "SELECT " SYSTEM_COLUMNS " FROM systems WHERE id = ?1"};
    Statement insertSystem{db,
                           "INSERT INTO systems(clen, nums, olap, csize, title, descr, clist, url, "
                           "author_name, owner_mail, owner_hwdid, lcid, app_id, app_ver, created) "
                           "VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, "
                           "?15)"};
    Statement updateSystem{db,
                           "UPDATE systems SET clen = ?1, nums = ?2, olap = ?3, csize = ?4, "
                           "title = ?5, descr = ?6, clist = ?7, url = ?8, author_name = ?9, "
                           "owner_mail = ?10, owner_hwdid = ?11, lcid = ?12, app_id = ?13, "
                           "app_ver = ?14, created = ?15 WHERE id = ?16"};
    Statement deleteSystem{db, "DELETE FROM systems WHERE id = ?1"};
    Statement systemList{db, "SELECT clist FROM systems WHERE id = ?1"};
    Statement countSystem{db,
                          "UPDATE systems SET downloads = downloads + 1, last_download = ?2 "
                          "WHERE id = ?1"};
};

SqliteCatalogueStore::SqliteCatalogueStore(const std::string& path)
    : m_impl(std::make_unique<Impl>(path)) {}

SqliteCatalogueStore::~SqliteCatalogueStore() = default;

uint64_t SqliteCatalogueStore::scriptsVersion() {
    std::lock_guard lock(m_mutex);
    Query q(m_impl->dataVersion);
    uint64_t others = q.step() ? static_cast<uint64_t>(q.integer(0)) : 0;
    return (others << 32) + m_impl->writes;
}

std::vector<ScriptRecord> SqliteCatalogueStore::allScripts() {
    std::lock_guard lock(m_mutex);
    Query q(m_impl->allScripts);
    return readAll(q, readScript);
}

std::optional<ScriptRecord> SqliteCatalogueStore::findScript(int64_t id) {
    std::lock_guard lock(m_mutex);
    Query q(m_impl->findScript);
    q.bind(1, id);
    return readFirst(q, readScript);
}

int64_t SqliteCatalogueStore::scriptWithTitle(std::string_view titleKey) {
    std::lock_guard lock(m_mutex);
    Query q(m_impl->titleHolder);
    q.bind(1, titleKey);
    return q.step() ? q.integer(0) : 0;
}

int64_t SqliteCatalogueStore::insertScript(const ScriptRecord& record, std::string_view text) {
    std::lock_guard lock(m_mutex);
    Transaction t(m_impl->db);
    {
        Query q(m_impl->insertScript);
        bindScript(q, record);
        if (!q.run()) {
            return 0;
        }
    }
    int64_t id = m_impl->db.lastInsertId();
    Query(m_impl->writeText).bind(1, id).bind(2, text).run();
    t.commit();
    ++m_impl->writes;
    return id;
}

WriteResult SqliteCatalogueStore::updateScript(const ScriptRecord& record,
                                               std::string_view text) {
    std::lock_guard lock(m_mutex);
    Transaction t(m_impl->db);
    {
        Query q(m_impl->updateScript);
        bindScript(q, record);
        q.bind(13, record.id);
        if (!q.run()) {
            return WriteResult::TitleTaken;
        }
        if (m_impl->db.changes() == 0) {
            return WriteResult::Missing;
        }
    }
    Query(m_impl->writeText).bind(1, record.id).bind(2, text).run();
    t.commit();
    ++m_impl->writes;
    return WriteResult::Done;
}

bool SqliteCatalogueStore::deleteScript(int64_t id) {
    std::lock_guard lock(m_mutex);
    Query q(m_impl->deleteScript);
    q.bind(1, id).run();
    ++m_impl->writes;
    return m_impl->db.changes() > 0;
}

std::optional<std::string> SqliteCatalogueStore::downloadScript(int64_t id, int64_t now) {
    std::lock_guard lock(m_mutex);
    auto text = m_impl->download(m_impl->scriptBody, m_impl->countScript, id, now);
    if (text) {
        ++m_impl->writes;
    }
    return text;
}

std::unordered_map<int64_t, int> SqliteCatalogueStore::ratesOf(std::string_view rater) {
    std::lock_guard lock(m_mutex);
    std::unordered_map<int64_t, int> out;
    Query q(m_impl->ratesOf);
    q.bind(1, rater);
    while (q.step()) {
        out[q.integer(0)] = static_cast<int>(q.integer(1));
    }
    return out;
}

bool SqliteCatalogueStore::setRate(int64_t scriptId, std::string_view rater,
                                   const RatingRecord& rating) {
    std::lock_guard lock(m_mutex);
    Transaction t(m_impl->db);
    {
        Query exists(m_impl->scriptExists);
        exists.bind(1, scriptId);
        if (!exists.step()) {
            return false;
        }
    }
    int before = m_impl->markOf(scriptId, rater);
    Query(m_impl->setRate)
        .bind(1, scriptId)
        .bind(2, rater)
        .bind(3, int64_t{rating.rate})
        .bind(4, rating.raterName)
        .bind(5, rating.appId)
        .bind(6, rating.appVer)
        .bind(7, rating.notes)
        .bind(8, rating.created)
        .run();
    m_impl->adjust(scriptId, before, rating.rate);
    t.commit();
    ++m_impl->writes;
    return true;
}

void SqliteCatalogueStore::removeRate(int64_t scriptId, std::string_view rater) {
    std::lock_guard lock(m_mutex);
    Transaction t(m_impl->db);
    int before = m_impl->markOf(scriptId, rater);
    Query(m_impl->removeRate).bind(1, scriptId).bind(2, rater).run();
    m_impl->adjust(scriptId, before, 0);
    t.commit();
    ++m_impl->writes;
}

std::vector<RatingRecord> SqliteCatalogueStore::ratings(int64_t scriptId) {
    std::lock_guard lock(m_mutex);
    std::vector<RatingRecord> out;
    Query q(m_impl->ratings);
    q.bind(1, scriptId);
    while (q.step()) {
        RatingRecord r;
        r.raterName = q.text(0);
        r.rate = static_cast<int>(q.integer(1));
        r.created = q.integer(2);
        r.appId = q.text(3);
        r.appVer = q.text(4);
        r.notes = q.text(5);
        out.push_back(std::move(r));
    }
    return out;
}

std::vector<SystemRecord> SqliteCatalogueStore::systems(int clen, int maxNums) {
    std::lock_guard lock(m_mutex);
    Query q(m_impl->systems);
    q.bind(1, int64_t{clen}).bind(2, int64_t{maxNums});
    return readAll(q, readSystem);
}

std::optional<SystemRecord> SqliteCatalogueStore::findSystem(int64_t id) {
    std::lock_guard lock(m_mutex);
    Query q(m_impl->findSystem);
    q.bind(1, id);
    return readFirst(q, readSystem);
}

int64_t SqliteCatalogueStore::insertSystem(const SystemRecord& record, std::string_view clist) {
    std::lock_guard lock(m_mutex);
    Query q(m_impl->insertSystem);
    bindSystem(q, record, clist);
    q.run();
    return m_impl->db.lastInsertId();
}

bool SqliteCatalogueStore::updateSystem(const SystemRecord& record, std::string_view clist) {
    std::lock_guard lock(m_mutex);
    Query q(m_impl->updateSystem);
    bindSystem(q, record, clist);
    q.bind(16, record.id).run();
    return m_impl->db.changes() > 0;
}

bool SqliteCatalogueStore::deleteSystem(int64_t id) {
    std::lock_guard lock(m_mutex);
    Query(m_impl->deleteSystem).bind(1, id).run();
    return m_impl->db.changes() > 0;
}

std::optional<std::string> SqliteCatalogueStore::downloadSystem(int64_t id, int64_t now) {
    std::lock_guard lock(m_mutex);
    return m_impl->download(m_impl->systemList, m_impl->countSystem, id, now);
}

}  // namespace pentad::server
