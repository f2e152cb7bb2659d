// SPDX-License-Identifier: GPL-3.0-or-later
// Pages of a public proxy-list service as the proxy search reads them: each
// row hides its address in a small script (a reversed first part, the
// second part as hexadecimal escapes of Base64) and its port as an offset
// from a base port kept in a hidden block.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "online/catalogue_codecs.h"
#include "shell/error.h"

namespace pentad::test {

struct ListedProxy {
    std::string host;
    int port = 0;
};

inline std::string proxyListRow(const ListedProxy& p, int basePort) {
    const size_t cut = p.host.size() / 2;
    std::string first = p.host.substr(0, cut);
    std::reverse(first.begin(), first.end());
    std::string hex;
    for (char c : catalogue::base64Encode(p.host.substr(cut))) {
        hex += format("\\x%02x", static_cast<unsigned>(static_cast<unsigned char>(c)));
    }
    return "<tr><td><script>var h = '" + first + "'.split('').reverse().join(''); var s = atob('" +
           hex + "'); var pp = (" + std::to_string(p.port - basePort) +
           " - 0); document.write(h + s + ':' + (b + pp));</script></td><td>HTTP</td>"
           "<td>98%</td></tr>\n";
}

inline std::string proxyListPage(const std::vector<ListedProxy>& proxies, int basePort = 8000) {
    std::string page =
        "<html><body><table class=\"list\"><thead><tr><th>IP</th></tr></thead><tbody>\n"
        "<div style=\"display:none\" data-base=\"" +
        std::to_string(basePort) + "\"></div>\n";
    for (const ListedProxy& p : proxies) {
        page += proxyListRow(p, basePort);
    }
    page += "</tbody></table></body></html>";
    return page;
}

}  // namespace pentad::test
