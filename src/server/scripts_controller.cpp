// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/scripts_controller.h"

#include "online/catalogue_protocol.h"
#include "online/catalogue_reply.h"
#include "server/server_texts.h"
#include "server/text_keys.h"
#include "shell/error.h"

namespace pentad::server {

namespace field = catalogue::field;
namespace element = catalogue::element;
using catalogue::ListFilter;
using catalogue::ReplyWriter;

namespace {

constexpr int64_t kNewSeconds = 24 * 60 * 60;

[[noreturn]] void notFound(int64_t id) {
    throw RequestError(format(texts::kScriptNotFound, static_cast<long long>(id)));
}

std::string singleNumber(std::string_view name, long long value) {
    ReplyWriter w;
    w.beginRow();
    w.number(name, value);
    return w.finish();
}

// Whether the list under `filter` shows an entry the user may see and has
// marked with `mark` (0 none).
bool shownUnder(ListFilter filter, const ListedScript& e, int mark, const std::string& mailKey,
                int64_t newSince) {
    bool hidden = mark == catalogue::kRateHide;
    switch (filter) {
        case ListFilter::Hidden:
            return hidden;
        case ListFilter::All:
            return true;
        case ListFilter::AllButHidden:
            return !hidden;
        case ListFilter::Mine:
            return !mailKey.empty() && e.mailKey == mailKey;
        case ListFilter::Public:
            return e.isPublic && !hidden;
        case ListFilter::Rated:
            return mark > 0;
        case ListFilter::Unrated:
            return mark == 0;
        case ListFilter::New:
            return e.created >= newSince && !hidden;
    }
    return false;
}

}  // namespace

ScriptsController::ScriptsController(CatalogueStore& store, const AppNames& apps, Clock clock)
    : m_store(store), m_apps(apps), m_clock(std::move(clock)), m_cache(store, apps) {}

ScriptRecord ScriptsController::visibleEntry(int64_t id, const catalogue::Identity* who) {
    auto record = m_store.findScript(id);
    if (!record ||
        (!record->isPublic && (who == nullptr || !isOwner(record->authorMail,
                                                          record->ownerHwdid, *who)))) {
        notFound(id);
    }
    return *record;
}

Handled ScriptsController::list(const FormRequest& request) {
    long long filterValue = request.integer(field::kFilter);
    if (filterValue < catalogue::kFirstFilter || filterValue > catalogue::kLastFilter) {
        throw RequestError(format(texts::kBadFilter, filterValue));
    }
    auto filter = static_cast<ListFilter>(filterValue);
    catalogue::Identity who = request.identity();
    std::unordered_map<int64_t, int> marks;
    if (!who.hwdid.empty()) {
        marks = m_store.ratesOf(who.hwdid);
    }
    std::string mailKey = foldKey(who.mail);
    int64_t newSince = m_clock() - kNewSeconds;

    auto snapshot = m_cache.current();
    ReplyWriter w;
    w.reserve(snapshot->bytes + snapshot->entries.size() * 32 + 64);
    size_t rows = 0;
    for (const ListedScript& e : snapshot->entries) {
        bool own = !who.hwdid.empty() && e.ownerHwdid == who.hwdid && e.mailKey == mailKey;
        if (!e.isPublic && !own) {
            continue;
        }
        auto it = marks.find(e.id);
        int mark = it != marks.end() ? it->second : 0;
        if (!shownUnder(filter, e, mark, mailKey, newSince)) {
            continue;
        }
        w.rawRow(e.fragment);
        w.number(element::kRatingYou, mark);
        ++rows;
    }
    return {w.finish(), "filter=" + std::to_string(filterValue) + " rows=" + std::to_string(rows)};
}

Handled ScriptsController::download(const FormRequest& request) {
    int64_t id = request.integer(field::kScriptId);
    auto who = request.optionalIdentity();
    ScriptRecord record = visibleEntry(id, who ? &*who : nullptr);
    if (who && !record.uniApps && !sameAppId(who->appId, record.appId)) {
        throw RequestError(format(texts::kScriptOtherProgram, m_apps.nameOf(record.appId)));
    }
    auto text = m_store.downloadScript(id, m_clock());
    if (!text) {
        notFound(id);
    }
    ReplyWriter w;
    w.beginRow();
    w.base64(element::kScript, *text);
    return {w.finish(), "id=" + std::to_string(id)};
}

Handled ScriptsController::rate(const FormRequest& request) {
    int64_t id = request.integer(field::kScriptId);
    long long value = request.integer(field::kRateValue);
    if (value < catalogue::kRateHide || value > catalogue::kRateMax) {
        throw RequestError(format(texts::kBadRate, value));
    }
    std::string notes = request.escaped(field::kRateNotes);
    catalogue::Identity who = request.identity();
    if (who.hwdid.empty()) {
        throw RequestError(texts::kNoInstallation);
    }
    visibleEntry(id, &who);
    if (value == catalogue::kRateRemove) {
        m_store.removeRate(id, who.hwdid);
    } else {
        RatingRecord rating;
        rating.raterName = who.name;
        rating.rate = static_cast<int>(value);
        rating.created = m_clock();
        rating.appId = who.appId;
        rating.appVer = who.appVer;
        rating.notes = value == catalogue::kRateHide ? std::string() : std::string(trimBlanks(notes));
        if (!m_store.setRate(id, who.hwdid, rating)) {
            notFound(id);
        }
    }
    return {singleNumber(element::kResCode, 0),
            "id=" + std::to_string(id) + " rate=" + std::to_string(value)};
}

Handled ScriptsController::checkTitle(const FormRequest& request) {
    int64_t id = request.integer(field::kScriptId);
    std::string title(trimBlanks(request.escaped(field::kScriptTitle)));
    if (title.empty()) {
        throw RequestError(texts::kScriptNoTitle);
    }
    requireMaxChars(field::kScriptTitle, title, catalogue::kMaxTitleChars);
    int64_t holder = m_store.scriptWithTitle(foldKey(title));
    int code = holder == 0 || holder == id ? 0 : 1;
    return {singleNumber(element::kRetCode, code), "free=" + std::string(code == 0 ? "yes" : "no")};
}

Handled ScriptsController::put(const FormRequest& request) {
    bool removing = readDeleteMode(request);
    int64_t id = request.integer(field::kScriptId);
    catalogue::Identity who = request.identity();
    return removing ? remove(id, who) : publish(request, id, who);
}

Handled ScriptsController::remove(int64_t id, const catalogue::Identity& who) {
    auto record = m_store.findScript(id);
    if (!record) {
        notFound(id);
    }
    if (!isOwner(record->authorMail, record->ownerHwdid, who)) {
        throw RequestError(texts::kScriptNotOwner);
    }
    if (!m_store.deleteScript(id)) {
        notFound(id);
    }
    return {singleNumber(element::kScriptNumber, 0), "deleted id=" + std::to_string(id)};
}

Handled ScriptsController::publish(const FormRequest& request, int64_t id,
                                   const catalogue::Identity& who) {
    ScriptRecord record;
    record.title = std::string(trimBlanks(request.escaped(field::kScriptTitle)));
    if (record.title.empty()) {
        throw RequestError(texts::kScriptNoTitle);
    }
    requireMaxChars(field::kScriptTitle, record.title, catalogue::kMaxTitleChars);
    record.titleKey = foldKey(record.title);
    record.descr = request.escaped(field::kScriptDescr);
    std::string text = request.escaped(field::kScriptText);
    if (trimBlanks(text).empty()) {
        throw RequestError(texts::kScriptEmpty);
    }
    record.uniApps = request.flag(field::kUniApps);
    record.isPublic = request.flag(field::kPublic);
    requirePublisher(who);
    record.authorName = who.name;
    record.authorMail = who.mail;
    record.ownerHwdid = who.hwdid;
    record.lcid = who.lcid;
    record.appId = who.appId;
    record.appVer = who.appVer;
    record.created = m_clock();

    if (id <= 0) {
        int64_t newId = m_store.insertScript(record, text);
        if (newId == 0) {
            throw RequestError(texts::kScriptTitleTaken);
        }
        return {singleNumber(element::kScriptNumber, newId),
                "published id=" + std::to_string(newId)};
    }
    auto old = m_store.findScript(id);
    if (!old) {
        notFound(id);
    }
    if (!isOwner(old->authorMail, old->ownerHwdid, who)) {
        throw RequestError(texts::kScriptNotOwner);
    }
    record.id = id;
    switch (m_store.updateScript(record, text)) {
        case WriteResult::Missing:
            notFound(id);
        case WriteResult::TitleTaken:
            throw RequestError(texts::kScriptTitleTaken);
        case WriteResult::Done:
            break;
    }
    return {singleNumber(element::kScriptNumber, id), "replaced id=" + std::to_string(id)};
}

Handled ScriptsController::ratings(const FormRequest& request) {
    int64_t id = request.integer(field::kScriptId);
    auto who = request.optionalIdentity();
    visibleEntry(id, who ? &*who : nullptr);
    std::vector<RatingRecord> list = m_store.ratings(id);
    ReplyWriter w;
    for (const RatingRecord& r : list) {
        w.beginRow();
        w.text(element::kAuthorName, r.raterName);
        w.number(element::kRate, r.rate);
        w.text(element::kCreated, catalogue::formatUtc(r.created));
        w.text(element::kAppName, m_apps.nameOf(r.appId));
        w.text(element::kAppVer, r.appVer);
        w.text(element::kNotes, r.notes);
    }
    return {w.finish(), "id=" + std::to_string(id) + " rows=" + std::to_string(list.size())};
}

}  // namespace pentad::server
