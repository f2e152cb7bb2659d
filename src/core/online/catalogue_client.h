// SPDX-License-Identifier: GPL-3.0-or-later
// The program's side of the catalogue server: the records of the scenario
// catalogue and the systems exchange, the readers of every reply, and the
// client that sends each request and reads its answer. Texts come in as
// UTF-8 (Base64 where the reply says so) and stay UTF-8; dates come in as
// UTC and are turned into local time.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "game/date_time.h"
#include "online/catalogue_requests.h"
#include "systems/system_store.h"

namespace pentad {

// One catalogue entry as listed.
struct tScriptInfo {
    int32_t Id = -1;
    std::string AuthorName;
    std::string AuthorMail;
    int32_t Lcid = 0;
    std::string AppName;
    std::string AppVer;
    bool UniApps = false;
    bool Public = true;
    DateTime Created = 0;
    double RatingAvg = 0;
    int32_t RatingCnt = 0;
    int32_t RatingYou = 0;   // -1 hidden, 0 none, 1..5
    int32_t Downloads = 0;
    DateTime LastDownload = 0;
    std::string Title;
    std::string Descr;
    bool Mine = false;
    bool Compatible = false;
    bool MineCompatible = false;
};

// The editable properties of a publication.
struct tScriptData {
    int32_t Id = -1;
    std::string AuthorName;
    int32_t Lcid = 0;
    bool UniApps = false;
    bool Public = true;
    std::string Title;
    std::string Descr;
};

// The editable part of a catalogue entry, as the properties dialog and the
// replace and delete requests take it.
tScriptData scriptDataOf(const tScriptInfo& s);

// One user's rating of an entry.
struct tScriptRate {
    std::string Name;
    int32_t Rate = 0;
    DateTime Created = 0;
    std::string AppName;
    std::string AppVer;
    std::string Notes;
};

// "yyyy-mm-dd hh:nn:ss" UTC of a reply as local time; 0 when the text is
// empty or not a date.
DateTime replyDateToLocal(std::string_view text);
// A local date and time as "yyyy-mm-dd hh:mm:ss"; "" for 0.
std::string catalogueDateText(DateTime value);
// A local time as seconds since 1970 UTC and back (file times of systems).
int64_t localToUnixSeconds(DateTime value);
DateTime unixSecondsToLocal(int64_t seconds);

// ---- reply readers; each throws pentad::Error with the refusal text when a
// row carries "<error>", and with the pair message when the shape is broken.

// The entries of scr_getlist. `myMail` and `myAppId` decide Mine and
// Compatible; `myLcid` stands for a language that is not a number.
std::vector<tScriptInfo> readScriptList(std::string_view reply, const std::string& myMail,
                                        const std::string& myAppId, int myLcid);
// The scenario text of scr_getdata ("" when no row begins with "<script>").
std::string readScriptText(std::string_view reply);
// The first row's element as a whole number; throws when there is no row or
// the value is not a number.
long long readAnswer(std::string_view reply, std::string_view element);
// The rows of scr_getrates.
std::vector<tScriptRate> readScriptRates(std::string_view reply);
// The rows of sys_getlist; a "<csize>", "<nums>", "<olap>" or "<id>" that
// is not an integer fails the whole list.
std::vector<tSystemInfo> readSystemList(std::string_view reply);
// The combination list of sys_getdata: the first row whose "<clist>"
// decodes to a non-empty text ("" when none does).
std::string readSystemCList(std::string_view reply);
// sys_putdata: the first row with an "<id_systems>" >= 0; -1 when none.
int readSystemNumber(std::string_view reply);

// Sends requests to one catalogue server as one user.
class CatalogueClient {
public:
    // POSTs a form body to an address and returns the reply; throws
    // pentad::Error on a network failure.
    using Poster = std::function<std::string(const std::string& address, const std::string& body)>;

    // `address` is the server's root ("http://host:port"); a trailing "/" is
    // dropped.
    CatalogueClient(std::string address, catalogue::Identity identity, Poster poster);

    const catalogue::Identity& identity() const { return m_identity; }

    // ---- scenarios ----
    std::vector<tScriptInfo> scriptList(int filter) const;
    std::string scriptText(int id) const;
    // rate -1 hides, 0 removes, 1..5 rates; the server's result code (>= 0).
    // Throws "Код возврата: %d" when the code is negative.
    int rate(int id, int value, const std::string& notes) const;
    // True when the title is free for the entry `id`.
    bool titleFree(int id, const std::string& title) const;
    // Publishes (data.Id <= 0) or replaces; the entry's number (> 0 on
    // success). The author's name and language of `data` go with it.
    int putScript(const tScriptData& data, const std::string& scriptText) const;
    // Deletes; 0 when deleted.
    int deleteScript(const tScriptData& data) const;
    std::vector<tScriptRate> scriptRates(int id) const;

    // ---- systems ----
    std::vector<tSystemInfo> systemList() const;
    std::string systemCList(int id) const;
    // sys_putdata; the returned number, -1 when none.
    int putSystem(const tSystemData& data, bool remove) const;

private:
    std::string post(std::string_view path, const catalogue::Form& form) const;
    catalogue::Identity authorIdentity(const std::string& name, int lcid) const;

    std::string m_address;
    catalogue::Identity m_identity;
    Poster m_poster;
};

}  // namespace pentad
