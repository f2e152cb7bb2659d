// SPDX-License-Identifier: GPL-3.0-or-later
// What the catalogue server keeps, behind one small interface: scenario
// entries with their texts, the users' ratings and hidden marks, and the
// published systems. Request handling sees only this interface, so the
// catalogue can move from the embedded SQLite file to a client-server SQL
// engine without touching it. Implementations must be safe to call from
// several threads at once.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace pentad::server {

// A failure of the storage itself (disk, database, schema), as opposed to a
// refused request. The text is for the server's log, not for users.
class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One scenario entry without its text. Times are seconds since 1970 UTC.
struct ScriptRecord {
    int64_t id = 0;
    std::string title;
    std::string titleKey;       // the title folded for the uniqueness check
    std::string descr;
    std::string authorName;
    std::string authorMail;
    std::string ownerHwdid;     // the installation that published it
    int lcid = 0;
    std::string appId;
    std::string appVer;
    bool uniApps = false;
    bool isPublic = true;
    int64_t created = 0;
    // kept by the store
    int64_t ratingSum = 0;      // of the ratings 1..5
    int64_t ratingCount = 0;
    int64_t downloads = 0;
    int64_t lastDownload = 0;   // 0: never downloaded
};

// One user's rating of an entry, as listed.
struct RatingRecord {
    std::string raterName;
    int rate = 0;
    int64_t created = 0;
    std::string appId;
    std::string appVer;
    std::string notes;
};

// One published system without its combination list.
struct SystemRecord {
    int64_t id = 0;
    int clen = 5;
    int nums = 0;
    int olap = 0;
    int64_t csize = 0;
    std::string title;
    std::string descr;
    std::string url;
    std::string authorName;
    std::string ownerMail;
    std::string ownerHwdid;
    int lcid = 0;
    std::string appId;
    std::string appVer;
    int64_t created = 0;
    int64_t downloads = 0;
    int64_t lastDownload = 0;
};

enum class WriteResult { Done, Missing, TitleTaken };

class CatalogueStore {
public:
    virtual ~CatalogueStore() = default;

    // ---- scenarios ----
    // A number that changes whenever anything of allScripts() may have
    // changed (including through other connections to the same database).
    virtual uint64_t scriptsVersion() = 0;
    // Every entry, newest first (created, then id, descending).
    virtual std::vector<ScriptRecord> allScripts() = 0;
    virtual std::optional<ScriptRecord> findScript(int64_t id) = 0;
    // Id of the entry whose title key is `titleKey`, 0 when none.
    virtual int64_t scriptWithTitle(std::string_view titleKey) = 0;
    // Stores a new entry (record.id is ignored); its id, or 0 when another
    // entry holds the title key.
    virtual int64_t insertScript(const ScriptRecord& record, std::string_view text) = 0;
    // Rewrites entry record.id, keeping its ratings and counters.
    virtual WriteResult updateScript(const ScriptRecord& record, std::string_view text) = 0;
    // Removes the entry and its ratings; false when it did not exist.
    virtual bool deleteScript(int64_t id) = 0;
    // The entry's text, counted as one download at `now`; nullopt when the
    // entry does not exist.
    virtual std::optional<std::string> downloadScript(int64_t id, int64_t now) = 0;

    // ---- ratings, keyed by the rater's installation id ----
    // The rater's marks (-1 hidden, 1..5) by entry id.
    virtual std::unordered_map<int64_t, int> ratesOf(std::string_view rater) = 0;
    // Sets the rater's mark of an entry (-1 or 1..5), replacing an earlier
    // one. False when the entry does not exist.
    virtual bool setRate(int64_t scriptId, std::string_view rater, const RatingRecord& rating) = 0;
    virtual void removeRate(int64_t scriptId, std::string_view rater) = 0;
    // The ratings 1..5 of an entry, newest first.
    virtual std::vector<RatingRecord> ratings(int64_t scriptId) = 0;

    // ---- systems ----
    // Systems of combination length `clen` over at most `maxNums` numbers,
    // ordered by numbers, block and id.
    virtual std::vector<SystemRecord> systems(int clen, int maxNums) = 0;
    virtual std::optional<SystemRecord> findSystem(int64_t id) = 0;
    virtual int64_t insertSystem(const SystemRecord& record, std::string_view clist) = 0;
    // Rewrites system record.id, keeping its counters; false when missing.
    virtual bool updateSystem(const SystemRecord& record, std::string_view clist) = 0;
    virtual bool deleteSystem(int64_t id) = 0;
    // The combination list, counted as one download at `now`.
    virtual std::optional<std::string> downloadSystem(int64_t id, int64_t now) = 0;
};

}  // namespace pentad::server
