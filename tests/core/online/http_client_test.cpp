// SPDX-License-Identifier: GPL-3.0-or-later
#include "online/http_client.h"

#include <chrono>
#include <mutex>
#include <thread>

#include <gtest/gtest.h>
#include <zlib.h>

#include "shell/error.h"
#include "support/loopback_server.h"
#include "support/temp_dir.h"
#include "support/test_certificates.h"

namespace pentad {
namespace {

// `text` compressed as gzip (windowBits 31), zlib deflate (15) or raw deflate (-15).
std::string compressed(const std::string& text, int windowBits) {
    z_stream z{};
    deflateInit2(&z, Z_BEST_COMPRESSION, Z_DEFLATED, windowBits, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&z, text.size()) + 32, '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    z.avail_in = static_cast<uInt>(text.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

std::string failureOf(const std::function<void()>& request) {
    try {
        request();
    } catch (const Error& e) {
        return e.what();
    }
    return "(no failure)";
}

// An origin server with the routes the tests below ask for.
class HttpClientTest : public ::testing::Test {
protected:
    void SetUp() override {
        httplib::Server& s = origin.http();
        s.Get("/profile", [this](const httplib::Request& req, httplib::Response& res) {
            std::lock_guard<std::mutex> lock(mutex);
            seen = req.headers;
            res.set_content("ok", "text/plain");
        });
        s.Get("/text", [](const httplib::Request&, httplib::Response& res) {
            res.set_content("Привет, мир", "text/html; charset=utf-8");
        });
        for (auto [path, bits, encoding] :
             {std::tuple{"/gzip", 31, "gzip"}, std::tuple{"/deflate", 15, "deflate"},
              std::tuple{"/raw-deflate", -15, "deflate"}}) {
            const int windowBits = bits;
            const std::string name = encoding;
            s.Get(path, [windowBits, name](const httplib::Request&, httplib::Response& res) {
                res.set_header("Content-Encoding", name);
                res.set_content(compressed(std::string(5000, 'z') + name, windowBits),
                                "application/octet-stream");
            });
        }
        s.Get("/login", [](const httplib::Request&, httplib::Response& res) {
            res.set_header("Set-Cookie", "sid=42; Path=/");
            res.set_redirect("/home");
        });
        s.Get("/home", [](const httplib::Request& req, httplib::Response& res) {
            res.set_content("home:" + req.get_header_value("Cookie"), "text/plain");
        });
        s.Get("/cookie", [](const httplib::Request& req, httplib::Response& res) {
            res.set_content("cookie:" + req.get_header_value("Cookie"), "text/plain");
        });
        s.Get("/fail", [](const httplib::Request&, httplib::Response& res) {
            res.status = 500;
            res.set_content("broken", "text/plain");
        });
        s.Get("/stall", [](const httplib::Request&, httplib::Response& res) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1500));
            res.set_content("late", "text/plain");
        });
        s.Get("/big", [](const httplib::Request&, httplib::Response& res) {
            res.set_content(std::string(5000, 'b'), "application/octet-stream");
        });
        s.Get("/big-chunked", [](const httplib::Request&, httplib::Response& res) {
            res.set_chunked_content_provider("application/octet-stream",
                                             [](size_t offset, httplib::DataSink& sink) {
                                                 if (offset >= 5000) {
                                                     sink.done();
                                                     return true;
                                                 }
                                                 std::string chunk(500, 'c');
                                                 return sink.write(chunk.data(), chunk.size());
                                             });
        });
        s.Get("/huge", [](const httplib::Request&, httplib::Response& res) {
            res.set_content_provider(size_t{100} * 1024 * 1024, "application/octet-stream",
                                     [](size_t, size_t length, httplib::DataSink& sink) {
                                         std::string chunk(std::min<size_t>(length, 65536), 'h');
                                         return sink.write(chunk.data(), chunk.size());
                                     });
        });
        s.Get(R"(/echo.*)", [](const httplib::Request& req, httplib::Response& res) {
            res.set_content(req.target, "text/plain");
        });
        s.Post("/form", [](const httplib::Request& req, httplib::Response& res) {
            res.set_content(req.get_header_value("Content-Type") + "|" + req.body, "text/plain");
        });
        ASSERT_GT(origin.start(), 0);
    }

    test::LoopbackServer origin;
    std::mutex mutex;
    httplib::Headers seen;
};

TEST_F(HttpClientTest, EveryRequestCarriesTheProfile) {
    EXPECT_EQ(httpGetText(origin.url() + "/profile"), "ok");
    HttpClient client;
    EXPECT_EQ(client.get(origin.url() + "/profile"), "ok");
    std::lock_guard<std::mutex> lock(mutex);
    auto header = [&](const char* name) {
        auto it = seen.find(name);
        return it == seen.end() ? std::string() : it->second;
    };
    EXPECT_EQ(header("Accept"), kHttpAccept);
    EXPECT_EQ(header("Accept-Encoding"), "gzip, deflate, sdch");
    EXPECT_EQ(header("User-Agent"), kHttpUserAgent);
}

TEST_F(HttpClientTest, CompressedRepliesAreDecodedAndTextStaysBytes) {
    for (auto [path, ending] : {std::pair{"/gzip", "gzip"}, std::pair{"/deflate", "deflate"},
                                std::pair{"/raw-deflate", "deflate"}}) {
        EXPECT_EQ(httpGetText(origin.url() + path), std::string(5000, 'z') + ending) << path;
    }
    // The body comes as it was sent (UTF-8 here); the client can decode it to cp1251.
    EXPECT_EQ(httpGetText(origin.url() + "/text"), "Привет, мир");
    HttpClient client;
    EXPECT_EQ(client.get(origin.url() + "/text", true), "\xcf\xf0\xe8\xe2\xe5\xf2, \xec\xe8\xf0");
}

TEST_F(HttpClientTest, TheLongLivedClientKeepsCookiesAcrossRedirectsAndRequests) {
    HttpClient client;
    EXPECT_EQ(client.get(origin.url() + "/login"), "home:sid=42");
    EXPECT_EQ(client.get(origin.url() + "/cookie"), "cookie:sid=42");
    client.clearCookies();
    EXPECT_EQ(client.get(origin.url() + "/cookie"), "cookie:");
    // A one-shot request keeps cookies for its own redirects only.
    EXPECT_EQ(httpGetText(origin.url() + "/login"), "home:sid=42");
    EXPECT_EQ(httpGetText(origin.url() + "/cookie"), "cookie:");
    // Without following, the redirect's own body comes back.
    EXPECT_EQ(httpGetText(origin.url() + "/login", false).find("home:"), std::string::npos);
}

TEST_F(HttpClientTest, FailuresCarryTheirReason) {
    EXPECT_EQ(failureOf([&] { httpGetText(origin.url() + "/fail"); }),
              "HTTP/1.1 500 Internal Server Error");
    HttpClient client;
    EXPECT_EQ(failureOf([&] { client.get(origin.url() + "/fail"); }),
              "HTTP/1.1 500 Internal Server Error");
    const int closed = test::closedPort();
    EXPECT_NE(failureOf([&] {
                  client.get("http://127.0.0.1:" + std::to_string(closed) + "/");
              }).find("Couldn't connect to server"),
              std::string::npos);
    EXPECT_NE(failureOf([&] { httpGetText("ftp://127.0.0.1/"); }), "(no failure)");
}

TEST_F(HttpClientTest, AServerThatStallsPastTheReadTimeOutFails) {
    HttpClient client;
    client.readTimeoutMs = 200;
    int pumped = 0;
    client.pump = [&] {
        ++pumped;
        return false;
    };
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(failureOf([&] { client.get(origin.url() + "/stall"); }),
              "Превышено время ожидания ответа сервера (200 мс)");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1400));
    // The caller could repaint while it waited.
    EXPECT_GE(pumped, 2);
    // The pump can also cancel.
    client.readTimeoutMs = 0;
    client.pump = [] { return true; };
    EXPECT_EQ(failureOf([&] { client.get(origin.url() + "/stall"); }), "Запрос прерван");
}

TEST_F(HttpClientTest, RepliesOverTheLimitAreRefused) {
    HttpOptions small;
    small.maxBytes = 1000;
    const std::string refused = "Ответ сервера больше 1000 байт и не может быть принят";
    EXPECT_EQ(failureOf([&] { httpGetText(origin.url() + "/big", true, small); }), refused);
    EXPECT_EQ(failureOf([&] { httpGetText(origin.url() + "/big-chunked", true, small); }), refused);
    EXPECT_EQ(httpGetText(origin.url() + "/big-chunked").size(), 5000u);
    // The announced size alone is enough to refuse 100 MB.
    HttpClient client;
    EXPECT_EQ(failureOf([&] { client.get(origin.url() + "/huge"); }),
              "Ответ сервера больше 64 Мб и не может быть принят");
}

TEST_F(HttpClientTest, AddressesAreEncodedAndFormsPosted) {
    EXPECT_EQ(httpGetText(origin.url() + "/echo path?q=a b&d=%2F"), "/echo%20path?q=a%20b&d=%2F");
    EXPECT_EQ(httpPostForm(origin.url() + "/form", {"a=1 2", "b=д=е", "c"}),
              "application/x-www-form-urlencoded|a=1+2&b=%D0%B4%3D%D0%B5&c=");
}

TEST_F(HttpClientTest, GetToFileReplacesTheWholeFileOnlyOnSuccess) {
    test::TempDir dir;
    dir.write("f.bin", std::string(20000, 'o'));
    httpGetToFile(origin.url() + "/gzip", dir.file("f.bin"));
    EXPECT_EQ(dir.read("f.bin"), std::string(5000, 'z') + "gzip");
    EXPECT_THROW(httpGetToFile(origin.url() + "/fail", dir.file("f.bin")), Error);
    EXPECT_EQ(dir.read("f.bin"), std::string(5000, 'z') + "gzip");
    httpGetToFile(origin.url() + "/text", dir.file("new.txt"));
    EXPECT_EQ(dir.read("new.txt"), "Привет, мир");
}

TEST_F(HttpClientTest, ManualProxyCarriesTheRequestWithItsLogin) {
    test::LoopbackServer proxy;
    std::string target;
    std::string login;
    proxy.http().Get(R"(.*)", [&](const httplib::Request& req, httplib::Response& res) {
        {
            std::lock_guard<std::mutex> lock(mutex);
            target = req.target;
            login = req.get_header_value("Proxy-Authorization");
        }
        // A forward proxy: fetch the absolute address from the origin.
        httplib::Client upstream("127.0.0.1", origin.port());
        auto reply = upstream.Get(req.path.substr(req.path.find('/', 7)).c_str());
        res.set_content(reply ? "via proxy: " + reply->body : std::string("no origin"),
                        "text/plain");
    });
    ASSERT_GT(proxy.start(), 0);

    HttpClient client;
    client.setProxy(ProxyEndpoint{"127.0.0.1", proxy.port(), "user", "secret"});
    EXPECT_EQ(client.get(origin.url() + "/text"), "via proxy: Привет, мир");
    {
        std::lock_guard<std::mutex> lock(mutex);
        EXPECT_EQ(target, origin.url() + "/text");
        EXPECT_EQ(login, "Basic dXNlcjpzZWNyZXQ=");
    }
    // Without a usable proxy the request goes straight to the origin.
    client.setProxy(ProxyEndpoint{"", 0, "", ""});
    EXPECT_EQ(client.get(origin.url() + "/text"), "Привет, мир");
    // A proxy that cannot be reached fails the request; the password is not in the text.
    client.setProxy(ProxyEndpoint{"127.0.0.1", test::closedPort(), "user", "secret"});
    std::string failure = failureOf([&] { client.get(origin.url() + "/text"); });
    EXPECT_NE(failure, "(no failure)");
    EXPECT_EQ(failure.find("secret"), std::string::npos);
}

TEST(HttpsRequests, ServerCertificateAndHostNameAreVerified) {
    test::TempDir dir;
    test::TestCertificates certs = test::makeTestCertificates(dir.path());
    ASSERT_TRUE(certs.ok);
    test::LoopbackServer server(certs.serverCertFile, certs.serverKeyFile);
    server.http().Get("/hello", [](const httplib::Request&, httplib::Response& res) {
        res.set_content("secure", "text/plain");
    });
    ASSERT_GT(server.start(), 0);
    const std::string address = server.url() + "/hello";

    // Signed by an authority the system does not know: refused.
    std::string refused = failureOf([&] { httpGetText(address); });
    EXPECT_NE(refused.find("certificate"), std::string::npos) << refused;
    HttpClient client;
    EXPECT_NE(failureOf([&] { client.get(address); }).find("certificate"), std::string::npos);

    // Accepted once the authority is trusted.
    HttpOptions trusted;
    trusted.caFile = certs.caFile;
    EXPECT_EQ(httpGetText(address, true, trusted), "secure");
    client.caFile = certs.caFile;
    EXPECT_EQ(client.get(address), "secure");

    // A trusted certificate for another host name is refused.
    test::LoopbackServer other(certs.otherCertFile, certs.otherKeyFile);
    other.http().Get("/hello", [](const httplib::Request&, httplib::Response& res) {
        res.set_content("wrong host", "text/plain");
    });
    ASSERT_GT(other.start(), 0);
    std::string wrongHost = failureOf([&] { httpGetText(other.url() + "/hello", true, trusted); });
    EXPECT_NE(wrongHost.find("127.0.0.1"), std::string::npos) << wrongHost;
}

}  // namespace
}  // namespace pentad
