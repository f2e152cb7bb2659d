// SPDX-License-Identifier: GPL-3.0-or-later
#include "online/proxy_search.h"

#include <atomic>

#include <gtest/gtest.h>

#include "support/loopback_server.h"
#include "support/proxy_list_page.h"

namespace pentad {
namespace {

TEST(ProxySearch, QueryOfAPage) {
    ProxySearch s;
    s.protocols = kProxyProtocolHttp | kProxyProtocolHttps;
    s.minUptime = 75;
    s.maxResponseMs = 10;
    EXPECT_EQ(proxySearchQuery(s, 3),
              "protocol=http&protocol=https&min_uptime=75&max_response_time=0&offset=30");
    EXPECT_EQ(proxySearchQuery(s, 1),
              "protocol=http&protocol=https&min_uptime=75&max_response_time=0");

    ProxySearch all;
    all.protocols = kProxyProtocolSocks4 | kProxyProtocolSocks5;
    all.anonymity = 1 | 8;
    all.countries = " US, de;FR ";
    all.maxResponseMs = 2500;
    EXPECT_EQ(proxySearchQuery(all, 2),
              "protocol=socks4&protocol=socks5&anonlvl=1&anonlvl=4&country=US&country=de&"
              "country=FR&max_response_time=2&offset=15");
    EXPECT_EQ(proxySearchQuery(ProxySearch{0, 0, 30, 0, 0, 0, ""}, 1), "");
}

TEST(ProxySearch, ReadsHiddenAddressesAndPorts) {
    const std::string page = test::proxyListPage(
        {{"10.1.2.3", 8080}, {"proxy.example.net", 3128}, {"127.0.0.1", 8000}}, 8000);
    std::vector<std::string> list{"kept"};
    EXPECT_EQ(readProxyListPage(page, 0, list), 3);
    EXPECT_EQ(list, (std::vector<std::string>{"kept", "10.1.2.3:8080", "proxy.example.net:3128",
                                              "127.0.0.1:8000"}));
    list.clear();
    EXPECT_EQ(readProxyListPage(page, 3128, list), 3);
    EXPECT_EQ(list, (std::vector<std::string>{"proxy.example.net:3128"}));
    list.clear();
    EXPECT_EQ(readProxyListPage("<html>no table</html>", 0, list), 0);
    EXPECT_TRUE(list.empty());
}

TEST(ProxySearch, FetchesPagesUntilEnoughOrAShortPage) {
    test::LoopbackServer server;
    std::atomic<int> pages{0};
    std::vector<std::string> queries;
    std::mutex mutex;
    server.http().Get("/list", [&](const httplib::Request& req, httplib::Response& res) {
        {
            std::lock_guard<std::mutex> lock(mutex);
            queries.push_back(req.target);
        }
        const int page = ++pages;
        // Two full pages of 15, then a short one of 4.
        const int rows = page <= 2 ? kProxyPageRows : 4;
        std::vector<test::ListedProxy> proxies;
        for (int i = 0; i < rows; ++i) {
            proxies.push_back({"10.0." + std::to_string(page) + "." + std::to_string(i), 9000 + i});
        }
        res.set_content(test::proxyListPage(proxies), "text/html");
    });
    ASSERT_GT(server.start(), 0);

    ProxySearch search;
    search.wanted = 100;
    std::vector<std::string> list{"old"};
    findProxies(server.url() + "/list", list, search);
    EXPECT_EQ(list.size(), 34u);
    EXPECT_EQ(list.front(), "10.0.1.0:9000");
    ASSERT_EQ(queries.size(), 3u);
    EXPECT_EQ(queries[0], "/list?protocol=http&protocol=https");
    EXPECT_EQ(queries[2], "/list?protocol=http&protocol=https&offset=30");

    pages = 0;
    search.wanted = 20;
    findProxies(server.url() + "/list", list, search);
    EXPECT_EQ(list.size(), 30u);  // two full pages: enough after the second

    findProxies("", list, search);
    EXPECT_TRUE(list.empty());
}

}  // namespace
}  // namespace pentad
