// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/service_support.h"

#include <ctime>

#include "online/catalogue_protocol.h"
#include "server/form_request.h"
#include "server/server_texts.h"
#include "server/text_keys.h"
#include "shell/error.h"

namespace pentad::server {

namespace {

std::string lowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

}  // namespace

Clock systemClock() {
    return [] { return static_cast<int64_t>(std::time(nullptr)); };
}

AppNames::AppNames() { add(catalogue::kPentadAppId, catalogue::kPentadAppName); }

void AppNames::add(std::string_view appId, std::string_view name) {
    m_names[lowerAscii(trimBlanks(appId))] = std::string(name);
}

std::string AppNames::nameOf(std::string_view appId) const {
    auto it = m_names.find(lowerAscii(trimBlanks(appId)));
    return it != m_names.end() ? it->second : std::string(appId);
}

bool sameAppId(std::string_view a, std::string_view b) {
    return lowerAscii(trimBlanks(a)) == lowerAscii(trimBlanks(b));
}

bool readDeleteMode(const FormRequest& request) {
    long long mode = request.integer(catalogue::field::kDeleteMode);
    if (mode != 0 && mode != 1) {
        throw RequestError(format(texts::kBadDeleteMode, mode));
    }
    return mode == 1;
}

void requirePublisher(const catalogue::Identity& who) {
    if (who.hwdid.empty()) {
        throw RequestError(texts::kNoInstallation);
    }
    if (who.mail.empty()) {
        throw RequestError(texts::kNoMail);
    }
    if (who.name.empty()) {
        throw RequestError(texts::kNoAuthor);
    }
}

bool isOwner(std::string_view ownerMail, std::string_view ownerHwdid,
             const catalogue::Identity& who) {
    return !who.hwdid.empty() && !who.mail.empty() && who.hwdid == ownerHwdid &&
           foldKey(who.mail) == foldKey(ownerMail);
}

}  // namespace pentad::server
