// SPDX-License-Identifier: GPL-3.0-or-later
// The search for free proxies through a public proxy-list service: the
// query of one result page, the reader of such a page (its addresses are
// hidden in small scripts: a reversed text, hexadecimal Base64 and a port
// offset from a hidden base port), and the page-by-page search.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "online/http_client.h"

namespace pentad {

// Protocol bits of a search.
inline constexpr int kProxyProtocolHttp = 1;
inline constexpr int kProxyProtocolHttps = 2;
inline constexpr int kProxyProtocolSocks4 = 4;
inline constexpr int kProxyProtocolSocks5 = 8;

// Rows of one full page of the service; a page with fewer is the last.
inline constexpr int kProxyPageRows = 15;

struct ProxySearch {
    int protocols = kProxyProtocolHttp | kProxyProtocolHttps;
    int anonymity = 0;      // bits 0..3 for the levels 1..4; 0: any
    int wanted = 30;        // stop once the list holds this many
    int maxResponseMs = 0;  // 0: no limit (sent in whole seconds)
    int minUptime = 0;      // percent; 0: no limit
    int port = 0;           // only this port; 0: any
    std::string countries;  // codes separated by "," or ";"; empty: any
};

// The query of result page `page` (1, 2, ...): protocol, anonlvl, country,
// min_uptime, max_response_time and offset parts joined by "&".
std::string proxySearchQuery(const ProxySearch& search, int page);

// Adds "host:port" of every row of one page to `list` (rows of another port
// are skipped when `portFilter` is non-zero). Returns the number of rows
// read (every row with a script). Throws pentad::Error (the pair message)
// when the page's table is broken.
int readProxyListPage(std::string_view page, int portFilter, std::vector<std::string>& list);

// Clears `list` and fills it from the service at `root` page by page, until
// it holds `search.wanted` entries or a page holds fewer than a full page of
// rows. An empty root finds nothing. Pages are fetched with httpGetText and
// `options` (redirects followed). Throws pentad::Error when a request fails.
void findProxies(const std::string& root, std::vector<std::string>& list, const ProxySearch& search,
                 const HttpOptions& options = {});

}  // namespace pentad
