// SPDX-License-Identifier: GPL-3.0-or-later
// The web addresses the Help menu and the first-run dialog open: the
// lottery's own page of the game and the project's resources. They are
// settings of "Pentad.ini" (section LINKS, one key per command); a link whose
// address is empty is not offered.
#pragma once

#include <array>
#include <string>

namespace pentad {

class IniFile;

inline constexpr const char* kLinksSection = "LINKS";

struct WebLink {
    const char* key;      // the command's name and the key in LINKS
    const char* address;  // default address, "" for none
};

// Every link in menu order. The project's own resources have no address
// until one is configured.
inline constexpr std::array<WebLink, 9> kWebLinks = {{
    {"OpenLotoSite", "https://floridalottery.com/games/draw-games/pick-5"},
    {"urlMainSite", ""},
    {"urlAuthSite", ""},
    {"urlAuthText", ""},
    {"urlBlog", ""},
    {"urlYT", ""},
    {"urlVK", ""},
    {"urlOK", ""},
    {"urlTG", ""},
}};

// The address configured for a link of kWebLinks (its default when the key
// is missing; an empty value switches the link off). Spaces around it are
// dropped.
std::string webLinkAddress(const IniFile& ini, const char* key);

}  // namespace pentad
