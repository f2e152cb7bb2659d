// SPDX-License-Identifier: GPL-3.0-or-later
#include "online/proxy_search.h"

#include <algorithm>

#include "online/text_cut.h"
#include "online/catalogue_codecs.h"
#include "online/web_text.h"
#include "shell/error.h"
#include "shell/text_utils.h"

namespace pentad {
namespace {

// A service that keeps sending full pages is not asked for ever.
constexpr int kMaxPages = 100;

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// "\x4d\x43..." to the characters it codes; anything else is skipped.
std::string decodeHexEscapes(std::string_view text) {
    std::string out;
    for (size_t i = 0; i + 3 < text.size(); ++i) {
        if (text[i] == '\\' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
            int hi = hexValue(text[i + 2]);
            int lo = hexValue(text[i + 3]);
            if (hi >= 0 && lo >= 0) {
                out += static_cast<char>(hi * 16 + lo);
                i += 3;
            }
        }
    }
    return out;
}

int numberOf(const std::string& text) {
    return textToInt(trim(text));
}

}  // namespace

std::string proxySearchQuery(const ProxySearch& search, int page) {
    static constexpr const char* kProtocols[] = {"http", "https", "socks4", "socks5"};
    std::string query;
    for (int bit = 0; bit < 4; ++bit) {
        if ((search.protocols & (1 << bit)) != 0) {
            query = joinQuery(query, std::string("protocol=") + kProtocols[bit]);
        }
    }
    for (int bit = 0; bit < 4; ++bit) {
        if ((search.anonymity & (1 << bit)) != 0) {
            query = joinQuery(query, format("anonlvl=%d", bit + 1));
        }
    }
    for (const std::string& code : splitAny(search.countries, ",;")) {
        std::string c = trim(code);
        if (!c.empty()) {
            query = joinQuery(query, "country=" + c);
        }
    }
    if (search.minUptime > 0) {
        query = joinQuery(query, format("min_uptime=%d", search.minUptime));
    }
    if (search.maxResponseMs > 0) {
        query = joinQuery(query, format("max_response_time=%d", search.maxResponseMs / 1000));
    }
    if (page > 1) {
        query = joinQuery(query, format("offset=%d", (page - 1) * kProxyPageRows));
    }
    return query;
}

int readProxyListPage(std::string_view page, int portFilter, std::vector<std::string>& list) {
    const std::string body = cutBetween(page, "<tbody>", "</tbody>", CutMode::Strict);
    if (body.empty()) {
        return 0;
    }
    const std::string hidden =
        cutBetween(body, "<div style=\"display:none\" data-", "</div>", CutMode::Empty);
    const int base = numberOf(cutBetween(hidden, "=\"", "\"", CutMode::Empty));
    int rows = 0;
    std::string_view rest(body);
    while (findNoCase(rest, "<tr>") != std::string_view::npos) {
        const std::string row = cutToNext(rest, "<tr>");
        const std::string script = cutBetween(row, "<script>", "</script>", CutMode::Empty);
        if (script.empty()) {
            continue;
        }
        ++rows;
        const std::string declared = cutBetween(script, "var", "split", CutMode::Empty);
        std::string first = cutBetween(declared, "'", "'", CutMode::Empty);
        std::reverse(first.begin(), first.end());
        const std::string coded = cutBetween(script, "atob('", "'", CutMode::Empty);
        const std::string second = catalogue::base64Decode(decodeHexEscapes(coded));
        const std::string offsetText = cutBetween(script, "pp =", ";", CutMode::Empty);
        const int offset = numberOf(cutBetween(offsetText, "(", " ", CutMode::Empty));
        const int port = base + offset;
        if (portFilter == 0 || port == portFilter) {
            list.push_back(format("%s:%d", first + second, port));
        }
    }
    return rows;
}

void findProxies(const std::string& root, std::vector<std::string>& list, const ProxySearch& search,
                 const HttpOptions& options) {
    list.clear();
    if (trim(root).empty()) {
        return;
    }
    for (int page = 1; page <= kMaxPages; ++page) {
        const std::string query = proxySearchQuery(search, page);
        const std::string address = query.empty() ? root : root + "?" + query;
        const std::string text = httpGetText(address, true, options);
        const int rows = readProxyListPage(text, search.port, list);
        if (static_cast<int>(list.size()) >= search.wanted || rows < kProxyPageRows) {
            break;
        }
    }
}

}  // namespace pentad
