// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/web_links.h"

#include <string_view>

#include "shell/ini_file.h"
#include "shell/text_utils.h"

namespace pentad {

std::string webLinkAddress(const IniFile& ini, const char* key) {
    for (const WebLink& link : kWebLinks) {
        if (std::string_view(link.key) == key) {
            return trim(ini.readString(kLinksSection, key, link.address));
        }
    }
    return std::string();
}

}  // namespace pentad
