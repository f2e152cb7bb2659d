// SPDX-License-Identifier: GPL-3.0-or-later
// The HTTP(S) layer of the program on libcurl. Every request carries the
// same profile (Accept, Accept-Encoding, User-Agent), takes gzip and deflate
// replies decoded, and returns the body as 8-bit bytes. Two ways to make a
// request: the one-shot functions (a fresh connection, no cookies kept) used
// by the proxy search, the catalogue and the self-update; and HttpClient, the
// main window's long-lived client with cookies, time-outs and a proxy.
//
// While a request runs, the caller's pump is called about every 50 ms on the
// calling thread, so a window can keep repainting. HTTPS servers are always
// verified (certificate and host name). A reply body larger than 64 MB is
// refused. Failures throw pentad::Error with the reason in the text; a proxy
// password is never part of any text.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace pentad {

inline constexpr const char* kHttpAccept =
    "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8";
inline constexpr const char* kHttpAcceptEncoding = "gzip, deflate, sdch";
inline constexpr const char* kHttpUserAgent =
    "Mozilla/5.0 (Windows NT 6.1; WOW64) AppleWebKit/537.36 (KHTML, like Gecko) "
    "Chrome/47.0.2526.80 Safari/537.36";

// The largest reply body accepted (decoded bytes).
inline constexpr size_t kMaxReplyBytes = size_t{64} * 1024 * 1024;

// An HTTP proxy; used only when the server is non-empty and the port non-zero.
struct ProxyEndpoint {
    std::string server;
    int port = 0;
    std::string username;  // empty: no authentication
    std::string password;

    bool usable() const { return !server.empty() && port != 0; }
};

// Settings of one request beyond the address.
struct HttpOptions {
    bool followRedirects = true;
    long connectTimeoutMs = 0;  // 0: the system's default
    long readTimeoutMs = 0;     // longest silence of the server; 0: no limit
    std::optional<ProxyEndpoint> proxy;
    std::string caFile;  // PEM file of trusted certificates; empty: the system's
    size_t maxBytes = kMaxReplyBytes;
    // Called while the request waits for the network; returning true cancels
    // the request (it then fails with "Запрос прерван").
    std::function<bool()> pump;
};

// ---- one-shot requests ----

// GET; the body as bytes. Throws pentad::Error.
std::string httpGetText(const std::string& address, bool followRedirects = true,
                        const HttpOptions& options = {});

// GET with redirects followed, the body written to `path`. The file is
// replaced only once the whole body has arrived (through a temporary file
// beside it); on failure an existing file stays as it was. Throws pentad::Error.
void httpGetToFile(const std::string& address, const std::string& path,
                   const HttpOptions& options = {});

// POST of `lines` ("name=value" each; a line without "=" is a name with an
// empty value) as an application/x-www-form-urlencoded body. Names and values
// are percent-encoded here. Throws pentad::Error.
std::string httpPostForm(const std::string& address, const std::vector<std::string>& lines,
                         bool followRedirects = true, const HttpOptions& options = {});

// POST of a form body that is already percent-encoded (catalogue::Form).
// Throws pentad::Error.
std::string httpPostBody(const std::string& address, const std::string& body,
                         const HttpOptions& options = {});

// The form body of `lines` as httpPostForm sends it.
std::string formBody(const std::vector<std::string>& lines);

// The address with every byte that may not stand in an address (blanks,
// control characters, bytes above 127, quotes and angle brackets, ...)
// percent-encoded; "%" escapes already present stay as they are.
std::string encodeAddress(const std::string& address);

// ---- the long-lived client ----

class HttpClient {
public:
    HttpClient();
    ~HttpClient();
    HttpClient(const HttpClient&) = delete;
    HttpClient& operator=(const HttpClient&) = delete;

    // Time-outs applied to every request of this client.
    long connectTimeoutMs = 5000;
    long readTimeoutMs = 10000;
    // Extra trusted certificates for https:// addresses (PEM); empty: the system's.
    std::string caFile;
    // Called while a request waits; see HttpOptions::pump.
    std::function<bool()> pump;
    // Attempt counter of the running download: 1 at its start, raised after
    // every failed request.
    int attempt = 1;

    // The proxy of the next requests (none when empty or not usable).
    void setProxy(std::optional<ProxyEndpoint> proxy) { m_proxy = std::move(proxy); }
    const std::optional<ProxyEndpoint>& proxy() const { return m_proxy; }

    // GET with redirects followed and the cookies of this client sent and
    // kept. With `decodeUtf8` the body is read as UTF-8 and returned in code
    // page 1251. Throws pentad::Error.
    std::string get(const std::string& address, bool decodeUtf8 = false);

    // Forgets every cookie.
    void clearCookies();

private:
    struct Handles;
    std::unique_ptr<Handles> m_handles;
    std::optional<ProxyEndpoint> m_proxy;
};

}  // namespace pentad
