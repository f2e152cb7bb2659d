// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/systems_controller.h"

#include <vector>

#include "online/catalogue_protocol.h"
#include "online/catalogue_reply.h"
#include "server/server_texts.h"
#include "server/text_keys.h"
#include "shell/error.h"

namespace pentad::server {

namespace field = catalogue::field;
namespace element = catalogue::element;
using catalogue::ReplyWriter;

namespace {

constexpr size_t kMaxUrlChars = 1024;
constexpr int kMaxCombLen = 10;
constexpr int kMaxNums = 99;
constexpr const char* kEmptyList = "Содержимое системы должно быть указано обязательно!";

[[noreturn]] void notFound(int64_t id) {
    throw RequestError(format(texts::kSystemNotFound, static_cast<long long>(id)));
}

std::string singleNumber(std::string_view name, long long value) {
    ReplyWriter w;
    w.beginRow();
    w.number(name, value);
    return w.finish();
}

bool isSeparator(char c) {
    static constexpr std::string_view kSeparators = " *+,-./:;=\\_|~\t";
    return kSeparators.find(c) != std::string_view::npos;
}

// True when the line holds exactly `clen` numbers from 1 to `nums`.
bool validLine(std::string_view line, int clen, int nums) {
    int words = 0;
    size_t i = 0;
    while (i < line.size()) {
        if (isSeparator(line[i])) {
            ++i;
            continue;
        }
        int value = 0;
        size_t start = i;
        while (i < line.size() && !isSeparator(line[i])) {
            if (line[i] < '0' || line[i] > '9' || i - start >= 3) {
                return false;
            }
            value = value * 10 + (line[i] - '0');
            ++i;
        }
        if (value < 1 || value > nums) {
            return false;
        }
        ++words;
    }
    return words == clen;
}

}  // namespace

std::string checkedCombinationList(std::string_view clist, int clen, int nums, int64_t csize) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start <= clist.size()) {
        size_t end = clist.find('\n', start);
        if (end == std::string_view::npos) {
            end = clist.size();
        }
        lines.push_back(trimBlanks(clist.substr(start, end - start)));
        start = end + 1;
    }
    while (!lines.empty() && lines.back().empty()) {
        lines.pop_back();
    }
    if (lines.empty()) {
        throw RequestError(kEmptyList);
    }
    std::string out;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!validLine(lines[i], clen, nums)) {
            throw RequestError(format(texts::kSystemBadLine, static_cast<long long>(i + 1),
                                      static_cast<long long>(clen),
                                      static_cast<long long>(nums)));
        }
        if (i > 0) {
            out += "\r\n";
        }
        out += lines[i];
    }
    if (static_cast<int64_t>(lines.size()) != csize) {
        throw RequestError(format(texts::kSystemCount, static_cast<long long>(csize),
                                  static_cast<long long>(lines.size())));
    }
    return out;
}

SystemsController::SystemsController(CatalogueStore& store, Clock clock)
    : m_store(store), m_clock(std::move(clock)) {}

Handled SystemsController::list(const FormRequest& request) {
    auto clen = static_cast<int>(request.integer(field::kCombLen, 1, kMaxCombLen));
    auto maxNums = static_cast<int>(request.integer(field::kMaxNums, 1, kMaxNums));
    request.identity();   // required as for every list, though systems are open to everybody
    std::vector<SystemRecord> list = m_store.systems(clen, maxNums);
    ReplyWriter w;
    for (const SystemRecord& r : list) {
        w.beginRow();
        w.number(element::kId, r.id);
        w.number(element::kNums, r.nums);
        w.number(element::kOlap, r.olap);
        w.number(element::kCSize, r.csize);
        w.base64(element::kTitle, r.title);
        w.base64(element::kDescr, r.descr);
        w.text(element::kAuthor, r.authorName);
        w.text(element::kOwnerMail, r.ownerMail);
        w.text(element::kUrl, r.url);
        w.text(element::kCreated, catalogue::formatUtc(r.created));
        w.number(element::kDownloads, r.downloads);
        w.text(element::kLastDownload,
               r.lastDownload > 0 ? catalogue::formatUtc(r.lastDownload) : std::string());
    }
    return {w.finish(), "rows=" + std::to_string(list.size())};
}

Handled SystemsController::download(const FormRequest& request) {
    int64_t id = request.integer(field::kSystemId);
    request.optionalIdentity();   // checked when sent; systems are open to everybody
    auto clist = m_store.downloadSystem(id, m_clock());
    if (!clist) {
        notFound(id);
    }
    ReplyWriter w;
    w.beginRow();
    w.base64(element::kCList, *clist);
    return {w.finish(), "id=" + std::to_string(id)};
}

Handled SystemsController::put(const FormRequest& request) {
    bool removing = readDeleteMode(request);
    int64_t id = request.integer(field::kSystemId);
    catalogue::Identity who = request.identity();
    return removing ? remove(id, who) : publish(request, id, who);
}

Handled SystemsController::remove(int64_t id, const catalogue::Identity& who) {
    auto record = m_store.findSystem(id);
    if (!record) {
        notFound(id);
    }
    if (!isOwner(record->ownerMail, record->ownerHwdid, who)) {
        throw RequestError(texts::kSystemNotOwner);
    }
    if (!m_store.deleteSystem(id)) {
        notFound(id);
    }
    return {singleNumber(element::kSystemNumber, 0), "deleted id=" + std::to_string(id)};
}

Handled SystemsController::publish(const FormRequest& request, int64_t id,
                                   const catalogue::Identity& who) {
    // checked as sent, before they are narrowed: 4294967301 is no length 5
    long long clen = request.integer(field::kCLen);
    long long nums = request.integer(field::kNums);
    long long olap = request.integer(field::kOlap);
    if (clen < 1 || clen > kMaxCombLen || nums < clen || nums > kMaxNums || olap < 0 ||
        olap > clen) {
        throw RequestError(format(texts::kSystemBadShape, clen, nums, olap));
    }
    SystemRecord record;
    record.clen = static_cast<int>(clen);
    record.nums = static_cast<int>(nums);
    record.olap = static_cast<int>(olap);
    record.csize = request.integer(field::kCSize);
    record.title = std::string(trimBlanks(request.escaped(field::kTitle)));
    if (record.title.empty()) {
        throw RequestError(texts::kSystemNoTitle);
    }
    requireMaxChars(field::kTitle, record.title, catalogue::kMaxTitleChars);
    record.descr = request.escaped(field::kDescr);
    std::string clist = checkedCombinationList(request.escapedBase64(field::kCList), record.clen,
                                               record.nums, record.csize);
    record.url = std::string(trimBlanks(request.plain(field::kUrl)));
    requireMaxChars(field::kUrl, record.url, kMaxUrlChars);
    requirePublisher(who);
    record.authorName = who.name;
    record.ownerMail = who.mail;
    record.ownerHwdid = who.hwdid;
    record.lcid = who.lcid;
    record.appId = who.appId;
    record.appVer = who.appVer;
    record.created = m_clock();

    if (id <= 0) {
        int64_t newId = m_store.insertSystem(record, clist);
        return {singleNumber(element::kSystemNumber, newId),
                "published id=" + std::to_string(newId)};
    }
    auto old = m_store.findSystem(id);
    if (!old) {
        notFound(id);
    }
    if (!isOwner(old->ownerMail, old->ownerHwdid, who)) {
        throw RequestError(texts::kSystemNotOwner);
    }
    record.id = id;
    if (!m_store.updateSystem(record, clist)) {
        notFound(id);
    }
    return {singleNumber(element::kSystemNumber, id), "changed id=" + std::to_string(id)};
}

}  // namespace pentad::server
