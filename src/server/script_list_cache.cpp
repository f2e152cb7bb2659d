// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/script_list_cache.h"

#include <cstdio>

#include "online/catalogue_codecs.h"
#include "online/catalogue_protocol.h"
#include "online/catalogue_reply.h"
#include "server/text_keys.h"

namespace pentad::server {

namespace element = catalogue::element;

std::string ratingAverage(int64_t sum, int64_t count) {
    if (count <= 0) {
        return "0";
    }
    // thousandths, rounded half up (sum and count are small and positive)
    int64_t milli = (sum * 2000 + count) / (2 * count);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%lld.%03lld", static_cast<long long>(milli / 1000),
                  static_cast<long long>(milli % 1000));
    return buf;
}

std::string scriptRowFragment(const ScriptRecord& r, const std::string& appName) {
    std::string out = "<row>";
    catalogue::appendElement(out, element::kId, std::to_string(r.id));
    catalogue::appendElement(out, element::kAuthorName, catalogue::plainValue(r.authorName));
    catalogue::appendElement(out, element::kAuthorMail, catalogue::plainValue(r.authorMail));
    catalogue::appendElement(out, element::kLcid, std::to_string(r.lcid));
    catalogue::appendElement(out, element::kAppName, catalogue::plainValue(appName));
    catalogue::appendElement(out, element::kAppVer, catalogue::plainValue(r.appVer));
    catalogue::appendElement(out, element::kAppGuid, catalogue::plainValue(r.appId));
    catalogue::appendElement(out, element::kUniApps, r.uniApps ? "1" : "0");
    catalogue::appendElement(out, element::kPublic, r.isPublic ? "1" : "0");
    catalogue::appendElement(out, element::kCreated, catalogue::formatUtc(r.created));
    catalogue::appendElement(out, element::kRatingAvg, ratingAverage(r.ratingSum, r.ratingCount));
    catalogue::appendElement(out, element::kRatingCnt, std::to_string(r.ratingCount));
    catalogue::appendElement(out, element::kDownloads, std::to_string(r.downloads));
    catalogue::appendElement(out, element::kLastDownload,
                             r.lastDownload > 0 ? catalogue::formatUtc(r.lastDownload) : "");
    catalogue::appendElement(out, element::kTitle, catalogue::base64Encode(r.title));
    catalogue::appendElement(out, element::kDescr, catalogue::base64Encode(r.descr));
    return out;
}

std::shared_ptr<const ScriptListSnapshot> ScriptListCache::current() {
    // Read the version before the rows: a write in between makes the next
    // request rebuild again rather than keep a stale list.
    uint64_t version = m_store.scriptsVersion();
    std::lock_guard lock(m_mutex);
    if (m_snapshot && m_snapshot->version == version) {
        return m_snapshot;
    }
    auto snapshot = std::make_shared<ScriptListSnapshot>();
    snapshot->version = version;
    std::vector<ScriptRecord> records = m_store.allScripts();
    snapshot->entries.reserve(records.size());
    for (const ScriptRecord& r : records) {
        ListedScript e;
        e.id = r.id;
        e.isPublic = r.isPublic;
        e.mailKey = foldKey(r.authorMail);
        e.ownerHwdid = r.ownerHwdid;
        e.created = r.created;
        e.fragment = scriptRowFragment(r, m_apps.nameOf(r.appId));
        snapshot->bytes += e.fragment.size();
        snapshot->entries.push_back(std::move(e));
    }
    m_snapshot = std::move(snapshot);
    return m_snapshot;
}

}  // namespace pentad::server
