// SPDX-License-Identifier: GPL-3.0-or-later
#include "online/catalogue_client.h"

#include <charconv>
#include <cmath>
#include <ctime>
#include <limits>
#include <optional>

#include "online/catalogue_codecs.h"
#include "online/catalogue_protocol.h"
#include "online/catalogue_reply.h"
#include "online/catalogue_texts.h"
#include "online/text_cut.h"
#include "shell/error.h"
#include "shell/text_utils.h"

namespace pentad {
namespace {

namespace element = catalogue::element;
using catalogue::ReplyRow;

constexpr double kUnixEpochDay = 25569.0;   // 1970-01-01 as a DateTime
constexpr double kSecondsPerDay = 86400.0;

// The rows of a reply; the first refusal fails the request.
std::vector<ReplyRow> rowsOf(std::string_view reply) {
    std::vector<ReplyRow> rows = catalogue::readReply(reply);
    for (const ReplyRow& row : rows) {
        std::string refusal = row.error();
        if (!refusal.empty()) {
            throw Error(refusal);
        }
    }
    return rows;
}

// An integer element that fits the 32 bits of the catalogue's fields; a
// larger one would otherwise wrap around into another id or count.
std::optional<int32_t> int32Field(const ReplyRow& row, std::string_view name) {
    std::optional<long long> v = row.intField(name);
    if (!v || *v < std::numeric_limits<int32_t>::min() ||
        *v > std::numeric_limits<int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<int32_t>(*v);
}

int32_t intOr(const ReplyRow& row, std::string_view name, int32_t fallback) {
    return int32Field(row, name).value_or(fallback);
}

// An element that must hold an integer.
int32_t requiredInt(const ReplyRow& row, std::string_view name) {
    std::optional<int32_t> v = int32Field(row, name);
    if (!v) {
        throw Error(format(texts::kNotInteger, row.field(name), std::string(name)));
    }
    return *v;
}

// "<rating_avg>": only "-", digits and one decimal point ("." or ",") count.
double ratingOf(const std::string& text) {
    std::string kept;
    for (char c : text) {
        if (c == '-' || (c >= '0' && c <= '9')) {
            kept += c;
        } else if (c == '.' || c == ',') {
            kept += '.';
        }
    }
    double value = 0;
    auto [end, ec] = std::from_chars(kept.data(), kept.data() + kept.size(), value);
    (void)end;
    return ec == std::errc() ? value : 0.0;
}

bool sameNoCaseText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && findNoCase(a, b) == 0;
}

}  // namespace

DateTime unixSecondsToLocal(int64_t seconds) {
    std::time_t t = static_cast<std::time_t>(seconds);
    std::tm local{};
    localtime_r(&t, &local);
    std::optional<DateTime> d = encodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    return (d ? *d : 0) + encodeTime(local.tm_hour, local.tm_min, local.tm_sec);
}

int64_t localToUnixSeconds(DateTime value) {
    int year = 0;
    int month = 0;
    int day = 0;
    decodeDate(value, year, month, day);
    const long long daySeconds =
        std::llround((value - std::floor(value)) * kSecondsPerDay);
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = static_cast<int>(daySeconds / 3600);
    local.tm_min = static_cast<int>(daySeconds / 60 % 60);
    local.tm_sec = static_cast<int>(daySeconds % 60);
    local.tm_isdst = -1;
    std::time_t t = std::mktime(&local);
    if (t == static_cast<std::time_t>(-1)) {
        return static_cast<int64_t>(std::llround((value - kUnixEpochDay) * kSecondsPerDay));
    }
    return static_cast<int64_t>(t);
}

DateTime replyDateToLocal(std::string_view text) {
    std::optional<int64_t> seconds = catalogue::parseUtc(trim(text));
    return seconds ? unixSecondsToLocal(*seconds) : 0;
}

std::string catalogueDateText(DateTime value) {
    if (value <= 0) {
        return std::string();
    }
    int year = 0;
    int month = 0;
    int day = 0;
    decodeDate(value, year, month, day);
    const long long daySeconds = std::llround((value - std::floor(value)) * kSecondsPerDay);
    return format("%.4d-%.2d-%.2d %.2d:%.2d:%.2d", year, month, day,
                  static_cast<int>(daySeconds / 3600), static_cast<int>(daySeconds / 60 % 60),
                  static_cast<int>(daySeconds % 60));
}

std::vector<tScriptInfo> readScriptList(std::string_view reply, const std::string& myMail,
                                        const std::string& myAppId, int myLcid) {
    std::vector<ReplyRow> rows = rowsOf(reply);
    std::vector<tScriptInfo> out;
    out.reserve(rows.size());
    for (const ReplyRow& row : rows) {
        tScriptInfo s;
        s.Id = intOr(row, element::kId, 0);
        s.AuthorName = row.field(element::kAuthorName);
        s.AuthorMail = row.field(element::kAuthorMail);
        s.Lcid = intOr(row, element::kLcid, myLcid);
        s.AppName = row.field(element::kAppName);
        s.AppVer = row.field(element::kAppVer);
        s.UniApps = intOr(row, element::kUniApps, 0) > 0;
        s.Public = intOr(row, element::kPublic, 0) > 0;
        s.Created = replyDateToLocal(row.field(element::kCreated));
        s.RatingAvg = ratingOf(row.field(element::kRatingAvg));
        s.RatingCnt = intOr(row, element::kRatingCnt, 0);
        s.RatingYou = intOr(row, element::kRatingYou, 0);
        s.Downloads = intOr(row, element::kDownloads, 0);
        s.LastDownload = replyDateToLocal(row.field(element::kLastDownload));
        s.Title = row.base64Field(element::kTitle);
        s.Descr = row.base64Field(element::kDescr);
        s.Mine = !myMail.empty() && sameNoCaseText(s.AuthorMail, myMail);
        s.Compatible = s.UniApps || sameNoCaseText(row.field(element::kAppGuid), myAppId);
        s.MineCompatible = s.Mine && s.Compatible;
        out.push_back(std::move(s));
    }
    return out;
}

std::string readScriptText(std::string_view reply) {
    for (const ReplyRow& row : rowsOf(reply)) {
        if (findNoCase(row.text(), "<script>") == 0) {
            return row.base64Field(element::kScript);
        }
    }
    return std::string();
}

long long readAnswer(std::string_view reply, std::string_view name) {
    std::vector<ReplyRow> rows = rowsOf(reply);
    if (rows.empty()) {
        throw Error(texts::kNoAnswer);
    }
    return requiredInt(rows.front(), name);
}

std::vector<tScriptRate> readScriptRates(std::string_view reply) {
    std::vector<tScriptRate> out;
    for (const ReplyRow& row : rowsOf(reply)) {
        tScriptRate r;
        r.Name = row.field(element::kAuthorName);
        r.Rate = intOr(row, element::kRate, 0);
        r.Created = replyDateToLocal(row.field(element::kCreated));
        r.AppName = row.field(element::kAppName);
        r.AppVer = row.field(element::kAppVer);
        r.Notes = row.field(element::kNotes);
        out.push_back(std::move(r));
    }
    return out;
}

std::vector<tSystemInfo> readSystemList(std::string_view reply) {
    std::vector<tSystemInfo> out;
    for (const ReplyRow& row : rowsOf(reply)) {
        tSystemInfo s;
        s.Id = requiredInt(row, element::kId);
        s.Nums = static_cast<uint8_t>(requiredInt(row, element::kNums));
        s.Olap = static_cast<uint8_t>(requiredInt(row, element::kOlap));
        s.CSize = requiredInt(row, element::kCSize);
        s.Title = row.base64Field(element::kTitle);
        s.Descr = row.base64Field(element::kDescr);
        s.Author = row.field(element::kAuthor);
        s.OwnerMail = row.field(element::kOwnerMail);
        s.URL = row.field(element::kUrl);
        s.Created = replyDateToLocal(row.field(element::kCreated));
        s.Downloads = intOr(row, element::kDownloads, 0);
        s.LastDownload = replyDateToLocal(row.field(element::kLastDownload));
        out.push_back(std::move(s));
    }
    return out;
}

std::string readSystemCList(std::string_view reply) {
    for (const ReplyRow& row : rowsOf(reply)) {
        std::string list = row.base64Field(element::kCList);
        if (!list.empty()) {
            return list;
        }
    }
    return std::string();
}

int readSystemNumber(std::string_view reply) {
    for (const ReplyRow& row : rowsOf(reply)) {
        std::optional<int32_t> v = int32Field(row, element::kSystemNumber);
        if (v && *v >= 0) {
            return *v;
        }
    }
    return -1;
}

CatalogueClient::CatalogueClient(std::string address, catalogue::Identity identity, Poster poster)
    : m_address(std::move(address)), m_identity(std::move(identity)), m_poster(std::move(poster)) {
    while (!m_address.empty() && m_address.back() == '/') {
        m_address.pop_back();
    }
}

std::string CatalogueClient::post(std::string_view path, const catalogue::Form& form) const {
    return m_poster(m_address + std::string(path), form.body());
}

catalogue::Identity CatalogueClient::authorIdentity(const std::string& name, int lcid) const {
    catalogue::Identity id = m_identity;
    id.name = name;
    id.lcid = lcid;
    return id;
}

std::vector<tScriptInfo> CatalogueClient::scriptList(int filter) const {
    return readScriptList(post(catalogue::kScriptListPath,
                               catalogue::scriptListForm(filter, m_identity)),
                          m_identity.mail, m_identity.appId, m_identity.lcid);
}

std::string CatalogueClient::scriptText(int id) const {
    return readScriptText(
        post(catalogue::kScriptDataPath, catalogue::scriptDataForm(id, &m_identity)));
}

int CatalogueClient::rate(int id, int value, const std::string& notes) const {
    const long long code =
        readAnswer(post(catalogue::kScriptRatePath,
                        catalogue::scriptRateForm(id, value, notes, m_identity)),
                   element::kResCode);
    if (code < 0) {
        throw Error(format(texts::kReturnCode, static_cast<int>(code)));
    }
    return static_cast<int>(code);
}

bool CatalogueClient::titleFree(int id, const std::string& title) const {
    return readAnswer(post(catalogue::kScriptTitlePath, catalogue::scriptTitleForm(id, title)),
                      element::kRetCode) == 0;
}

namespace {

catalogue::ScriptPublication publicationOf(const tScriptData& data) {
    catalogue::ScriptPublication p;
    p.id = data.Id;
    p.uniApps = data.UniApps;
    p.isPublic = data.Public;
    p.title = data.Title;
    p.descr = data.Descr;
    return p;
}

}  // namespace

int CatalogueClient::putScript(const tScriptData& data, const std::string& scriptText) const {
    catalogue::ScriptPublication p = publicationOf(data);
    p.script = scriptText;
    return static_cast<int>(
        readAnswer(post(catalogue::kScriptPutPath,
                        catalogue::scriptPutForm(p, authorIdentity(data.AuthorName, data.Lcid))),
                   element::kScriptNumber));
}

int CatalogueClient::deleteScript(const tScriptData& data) const {
    return static_cast<int>(readAnswer(
        post(catalogue::kScriptPutPath,
             catalogue::scriptDeleteForm(publicationOf(data),
                                         authorIdentity(data.AuthorName, data.Lcid))),
        element::kScriptNumber));
}

std::vector<tScriptRate> CatalogueClient::scriptRates(int id) const {
    return readScriptRates(
        post(catalogue::kScriptRatesPath, catalogue::scriptRatesForm(id, &m_identity)));
}

std::vector<tSystemInfo> CatalogueClient::systemList() const {
    return readSystemList(post(catalogue::kSystemListPath, catalogue::systemListForm(m_identity)));
}

std::string CatalogueClient::systemCList(int id) const {
    return readSystemCList(
        post(catalogue::kSystemDataPath, catalogue::systemDataForm(id, &m_identity)));
}

int CatalogueClient::putSystem(const tSystemData& data, bool remove) const {
    catalogue::SystemPublication p;
    p.id = data.Info.Id < 0 ? 0 : data.Info.Id;
    p.nums = data.Info.Nums;
    p.olap = data.Info.Olap;
    p.title = data.Info.Title;
    p.descr = data.Info.Descr;
    p.csize = data.Info.CSize;
    p.clist = data.CList;
    p.url = data.Info.URL;
    catalogue::Identity who = m_identity;
    who.name = data.Info.Author;
    if (!data.Info.OwnerMail.empty()) {
        who.mail = data.Info.OwnerMail;
    }
    return readSystemNumber(
        post(catalogue::kSystemPutPath, catalogue::systemPutForm(p, who, remove)));
}

tScriptData scriptDataOf(const tScriptInfo& s) {
    tScriptData d;
    d.Id = s.Id;
    d.AuthorName = s.AuthorName;
    d.Lcid = s.Lcid;
    d.UniApps = s.UniApps;
    d.Public = s.Public;
    d.Title = s.Title;
    d.Descr = s.Descr;
    return d;
}

}  // namespace pentad
