// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed vocabulary of the catalogue exchange, shared by the program and
// the catalogue server: request paths, form field names, reply element
// names, list filter modes, rating values, the program's own identifier and
// the date form of the replies. Every exchange is one form POST to a path
// answered by one tag-shaped reply (catalogue_reply.h).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pentad::catalogue {

// ---- request paths ----
inline constexpr std::string_view kScriptListPath = "/scripts/scr_getlist.php";
inline constexpr std::string_view kScriptDataPath = "/scripts/scr_getdata.php";
inline constexpr std::string_view kScriptRatePath = "/scripts/scr_setrate.php";
inline constexpr std::string_view kScriptTitlePath = "/scripts/scr_chktitle.php";
inline constexpr std::string_view kScriptPutPath = "/scripts/scr_putscript.php";
inline constexpr std::string_view kScriptRatesPath = "/scripts/scr_getrates.php";
inline constexpr std::string_view kSystemListPath = "/scripts/sys_getlist.php";
inline constexpr std::string_view kSystemDataPath = "/scripts/sys_getdata.php";
inline constexpr std::string_view kSystemPutPath = "/scripts/sys_putdata.php";
// Plain files (update descriptions and packages) are served below this path.
inline constexpr std::string_view kFilesPath = "/files/";

// ---- form field names ----
namespace field {
// identity, sent by most requests in this order
inline constexpr std::string_view kAppId = "appid";
inline constexpr std::string_view kAppVer = "appver";
inline constexpr std::string_view kHwdId = "hwdid";
inline constexpr std::string_view kName = "cl_name";    // escaped
inline constexpr std::string_view kMail = "cl_mail";    // escaped
inline constexpr std::string_view kLcid = "cl_lcid";
// scenarios
inline constexpr std::string_view kFilter = "fltid";
inline constexpr std::string_view kScriptId = "scr_id";
inline constexpr std::string_view kRateValue = "rate_value";
inline constexpr std::string_view kRateNotes = "rate_notes";      // escaped
inline constexpr std::string_view kScriptTitle = "scr_title";     // escaped
inline constexpr std::string_view kDeleteMode = "del_mode";
inline constexpr std::string_view kUniApps = "scr_uniapps";
inline constexpr std::string_view kPublic = "scr_publics";
inline constexpr std::string_view kScriptDescr = "scr_descr";     // escaped
inline constexpr std::string_view kScriptText = "scr_script";     // escaped
// systems
inline constexpr std::string_view kCombLen = "comblen";
inline constexpr std::string_view kMaxNums = "maxnums";
inline constexpr std::string_view kSystemId = "sys_id";
inline constexpr std::string_view kNums = "nums";
inline constexpr std::string_view kCLen = "clen";
inline constexpr std::string_view kOlap = "olap";
inline constexpr std::string_view kTitle = "title";   // escaped
inline constexpr std::string_view kDescr = "descr";   // escaped
inline constexpr std::string_view kCSize = "csize";
inline constexpr std::string_view kCList = "clist";   // escaped, then Base64
inline constexpr std::string_view kUrl = "url";       // plain
}  // namespace field

// ---- reply element names (without the angle brackets) ----
namespace element {
inline constexpr std::string_view kResult = "result";
inline constexpr std::string_view kRow = "row";
inline constexpr std::string_view kError = "error";   // plain UTF-8 text for the user
// scenario list rows
inline constexpr std::string_view kId = "id";
inline constexpr std::string_view kAuthorName = "key_cl_name";   // plain UTF-8
inline constexpr std::string_view kAuthorMail = "key_cl_mail";   // plain UTF-8
inline constexpr std::string_view kLcid = "key_cl_lcid";
inline constexpr std::string_view kAppName = "app_name";         // plain UTF-8
inline constexpr std::string_view kAppVer = "app_ver";           // plain UTF-8
inline constexpr std::string_view kAppGuid = "app_guid";         // plain UTF-8
inline constexpr std::string_view kUniApps = "uniapps";          // 0 or 1
inline constexpr std::string_view kPublic = "publics";           // 0 or 1
inline constexpr std::string_view kCreated = "created";          // UTC date
inline constexpr std::string_view kRatingAvg = "rating_avg";     // "4.333", "." decimal point
inline constexpr std::string_view kRatingCnt = "rating_cnt";
inline constexpr std::string_view kRatingYou = "rating_you";     // -1 hidden, 0 none, 1..5
inline constexpr std::string_view kDownloads = "downloads";
inline constexpr std::string_view kLastDownload = "last_download";   // UTC date, "" never
inline constexpr std::string_view kTitle = "title";              // Base64 of UTF-8
inline constexpr std::string_view kDescr = "descr";              // Base64 of UTF-8
// single answers
inline constexpr std::string_view kScript = "script";            // Base64 of UTF-8
inline constexpr std::string_view kResCode = "res_code";
inline constexpr std::string_view kRetCode = "ret_code";
inline constexpr std::string_view kScriptNumber = "id_scripts";
// rating rows (also key_cl_name, created, app_name, app_ver)
inline constexpr std::string_view kRate = "rate";
inline constexpr std::string_view kNotes = "notes";              // plain UTF-8
// system rows (also id, title, descr, created, downloads, last_download)
inline constexpr std::string_view kNums = "nums";
inline constexpr std::string_view kOlap = "olap";
inline constexpr std::string_view kCSize = "csize";
inline constexpr std::string_view kAuthor = "author";            // plain UTF-8
inline constexpr std::string_view kOwnerMail = "cl_mail";        // plain UTF-8
inline constexpr std::string_view kUrl = "url";                  // plain UTF-8
inline constexpr std::string_view kCList = "clist";              // Base64 of UTF-8
inline constexpr std::string_view kSystemNumber = "id_systems";
}  // namespace element

// The scenario list filter sent as fltid (the panel's item index minus one).
enum class ListFilter : int {
    Hidden = -1,        // only the entries the user has hidden
    All = 0,            // everything the user may see, hidden ones too
    AllButHidden = 1,   // the default
    Mine = 2,           // entries published with the user's cl_mail
    Public = 3,         // public entries only
    Rated = 4,          // entries the user has rated 1..5
    Unrated = 5,        // entries the user has neither rated nor hidden
    New = 6,            // published (or replaced) during the last 24 hours
};
inline constexpr int kFirstFilter = -1;
inline constexpr int kLastFilter = 6;

// rate_value: -1 hides the entry for the user, 0 removes the user's rating
// or hiding, 1..5 rates it.
inline constexpr int kRateHide = -1;
inline constexpr int kRateRemove = 0;
inline constexpr int kRateMax = 5;

// Longest title of a scenario or system, in characters.
inline constexpr size_t kMaxTitleChars = 64;
// Longest request body the server reads.
inline constexpr size_t kMaxRequestBytes = size_t{1024} * 1024;

// The identifier this program sends as appid; entries published with it and
// not marked universal can be downloaded only by this program.
inline constexpr std::string_view kPentadAppId = "{A5FC05DF-DED4-478D-ABCC-E6C460379FDB}";
// The program name the server shows for kPentadAppId.
inline constexpr std::string_view kPentadAppName = "Pentad";

// A whole decimal number with an optional sign, nothing else (at most 18
// digits); nullopt otherwise.
std::optional<long long> parseWholeNumber(std::string_view text);

// Seconds since 1970-01-01 00:00:00 UTC written as "yyyy-mm-dd hh:nn:ss".
std::string formatUtc(int64_t seconds);
// The inverse of formatUtc; nullopt when the text is not in that form or not
// a valid date and time.
std::optional<int64_t> parseUtc(std::string_view text);

}  // namespace pentad::catalogue
