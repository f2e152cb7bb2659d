// SPDX-License-Identifier: GPL-3.0-or-later
// Pieces every request handler of the catalogue server shares: the clock,
// the names of the programs that publish, the result of one handled request
// and the ownership rule.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "online/catalogue_requests.h"

namespace pentad::server {

// Seconds since 1970 UTC; tests pass a fixed clock.
using Clock = std::function<int64_t()>;
Clock systemClock();

// Names shown as "<app_name>" for the program identifiers sent as appid.
// Pentad's own identifier is always known; an unknown identifier is shown as
// itself.
class AppNames {
public:
    AppNames();
    void add(std::string_view appId, std::string_view name);
    std::string nameOf(std::string_view appId) const;

private:
    std::map<std::string, std::string> m_names;   // by identifier in lower case
};

// True when two program identifiers are the same, ignoring case.
bool sameAppId(std::string_view a, std::string_view b);

// The reply to one request and a short note for the server's log (ids and
// counts only, never identities).
struct Handled {
    std::string body;
    std::string note;
};

class FormRequest;

// del_mode of a publishing request: false to publish or change, true to
// delete; RequestError for any other value.
bool readDeleteMode(const FormRequest& request);

// Refuses (RequestError) a publication whose identity lacks the
// installation, the mail or the author's name.
void requirePublisher(const catalogue::Identity& who);

// The publisher of an entry is recognised by the mail (ignoring case) and
// the installation it was published from; both must match.
bool isOwner(std::string_view ownerMail, std::string_view ownerHwdid,
             const catalogue::Identity& who);

}  // namespace pentad::server
