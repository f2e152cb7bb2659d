// SPDX-License-Identifier: GPL-3.0-or-later
#include "online/http_client.h"

#include <chrono>
#include <mutex>
#include <string_view>

#include <curl/curl.h>

#include "online/online_texts.h"
#include "online/catalogue_form.h"
#include "online/web_text.h"
#include "shell/cp1251.h"
#include "shell/error.h"
#include "shell/file_io.h"
#include "shell/text_utils.h"

namespace pentad {
namespace {

using Clock = std::chrono::steady_clock;

// How often a waiting request hands control to the caller's pump.
constexpr int kPumpIntervalMs = 50;
constexpr long kMaxRedirects = 20;

void initCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// What one request collects.
struct Transfer {
    std::string body;
    size_t maxBytes = kMaxReplyBytes;
    bool tooLarge = false;
    std::string statusLine;
    curl_off_t uploaded = 0;
    Clock::time_point lastActivity = Clock::now();
};

size_t onBody(char* data, size_t size, size_t count, void* user) {
    auto* t = static_cast<Transfer*>(user);
    const size_t length = size * count;
    t->lastActivity = Clock::now();
    if (length > t->maxBytes - t->body.size()) {
        t->tooLarge = true;
        return 0;  // makes curl stop with a write error
    }
    t->body.append(data, length);
    return length;
}

size_t onHeader(char* data, size_t size, size_t count, void* user) {
    auto* t = static_cast<Transfer*>(user);
    const size_t length = size * count;
    t->lastActivity = Clock::now();
    std::string_view line(data, length);
    if (line.substr(0, 5) == "HTTP/") {
        // A new response (after a redirect or an interim reply) starts over.
        t->statusLine = trim(line);
        t->body.clear();
    }
    return length;
}

int onProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t uploaded) {
    auto* t = static_cast<Transfer*>(user);
    if (uploaded != t->uploaded) {
        t->uploaded = uploaded;
        t->lastActivity = Clock::now();
    }
    return 0;
}

struct EasyDeleter {
    void operator()(CURL* h) const { curl_easy_cleanup(h); }
};
struct MultiDeleter {
    void operator()(CURLM* m) const { curl_multi_cleanup(m); }
};
struct SlistDeleter {
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};
using EasyHandle = std::unique_ptr<CURL, EasyDeleter>;
using MultiHandle = std::unique_ptr<CURLM, MultiDeleter>;
using HeaderList = std::unique_ptr<curl_slist, SlistDeleter>;

HeaderList profileHeaders() {
    std::string accept = std::string("Accept: ") + kHttpAccept;
    return HeaderList(curl_slist_append(nullptr, accept.c_str()));
}

// Sets everything a request of either kind carries. `errors` must outlive
// the request.
void configure(CURL* h, const std::string& address, const HttpOptions& o, Transfer& t,
               curl_slist* headers, char* errors) {
    curl_easy_setopt(h, CURLOPT_URL, encodeAddress(address).c_str());
    curl_easy_setopt(h, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(h, CURLOPT_ACCEPT_ENCODING, kHttpAcceptEncoding);
    curl_easy_setopt(h, CURLOPT_USERAGENT, kHttpUserAgent);
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, o.followRedirects ? 1L : 0L);
    curl_easy_setopt(h, CURLOPT_MAXREDIRS, kMaxRedirects);
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, o.connectTimeoutMs);
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(o.maxBytes));
    // Certificates and host names are always checked.
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYHOST, 2L);
    curl_easy_setopt(h, CURLOPT_CAINFO, o.caFile.empty() ? nullptr : o.caFile.c_str());
    if (o.proxy && o.proxy->usable()) {
        curl_easy_setopt(h, CURLOPT_PROXY, o.proxy->server.c_str());
        curl_easy_setopt(h, CURLOPT_PROXYPORT, static_cast<long>(o.proxy->port));
        curl_easy_setopt(h, CURLOPT_PROXYTYPE, static_cast<long>(CURLPROXY_HTTP));
        // The proxy carries every address, whatever the environment exempts.
        curl_easy_setopt(h, CURLOPT_NOPROXY, "");
        const bool login = !o.proxy->username.empty();
        curl_easy_setopt(h, CURLOPT_PROXYUSERNAME, login ? o.proxy->username.c_str() : nullptr);
        curl_easy_setopt(h, CURLOPT_PROXYPASSWORD, login ? o.proxy->password.c_str() : nullptr);
    } else {
        // An empty proxy also keeps proxies of the environment out.
        curl_easy_setopt(h, CURLOPT_PROXY, "");
    }
    curl_easy_setopt(h, CURLOPT_ERRORBUFFER, errors);
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, onBody);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, &t);
    curl_easy_setopt(h, CURLOPT_HEADERFUNCTION, onHeader);
    curl_easy_setopt(h, CURLOPT_HEADERDATA, &t);
    curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, onProgress);
    curl_easy_setopt(h, CURLOPT_XFERINFODATA, &t);
    curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);
    t.maxBytes = o.maxBytes;
}

// Runs the configured request on `multi`, handing control to the pump while
// it waits. Throws pentad::Error on every failure, HTTP errors included.
void perform(CURLM* multi, CURL* easy, Transfer& t, const HttpOptions& o, const char* errors) {
    enum class Stop { None, Cancelled, TimedOut };
    Stop stop = Stop::None;
    CURLcode result = CURLE_OK;
    t.lastActivity = Clock::now();
    curl_multi_add_handle(multi, easy);
    for (;;) {
        int running = 0;
        CURLMcode mc = curl_multi_perform(multi, &running);
        if (mc != CURLM_OK) {
            curl_multi_remove_handle(multi, easy);
            throw Error(curl_multi_strerror(mc));
        }
        if (running == 0) {
            break;
        }
        curl_multi_poll(multi, nullptr, 0, kPumpIntervalMs, nullptr);
        if (o.pump && o.pump()) {
            stop = Stop::Cancelled;
            break;
        }
        if (o.readTimeoutMs > 0 &&
            Clock::now() - t.lastActivity > std::chrono::milliseconds(o.readTimeoutMs)) {
            stop = Stop::TimedOut;
            break;
        }
    }
    if (stop == Stop::None) {
        int left = 0;
        while (CURLMsg* msg = curl_multi_info_read(multi, &left)) {
            if (msg->msg == CURLMSG_DONE && msg->easy_handle == easy) {
                result = msg->data.result;
            }
        }
    }
    curl_multi_remove_handle(multi, easy);

    if (stop == Stop::Cancelled) {
        throw Error(texts::kRequestCancelled);
    }
    if (stop == Stop::TimedOut) {
        throw Error(format(texts::kReadTimeout, static_cast<int>(o.readTimeoutMs)));
    }
    if (t.tooLarge || result == CURLE_FILESIZE_EXCEEDED) {
        constexpr size_t kMegabyte = 1024 * 1024;
        const std::string size =
            o.maxBytes >= kMegabyte
                ? format(texts::kSizeMegabytes, static_cast<int>(o.maxBytes / kMegabyte))
                : format(texts::kSizeBytes, static_cast<int>(o.maxBytes));
        throw Error(format(texts::kReplyTooLarge, size));
    }
    if (result != CURLE_OK) {
        throw Error(errors[0] != '\0' ? std::string(errors) : curl_easy_strerror(result));
    }
    long code = 0;
    curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &code);
    if (code >= 400) {
        throw Error(t.statusLine.empty() ? format("HTTP %d", static_cast<int>(code))
                                         : t.statusLine);
    }
}

// A one-shot request: fresh handles, discarded afterwards. `post` is the
// form body, or null for a GET.
std::string oneShot(const std::string& address, const HttpOptions& o, const std::string* post) {
    initCurlOnce();
    EasyHandle easy(curl_easy_init());
    MultiHandle multi(curl_multi_init());
    if (!easy || !multi) {
        throw Error(curl_easy_strerror(CURLE_FAILED_INIT));
    }
    HeaderList headers = profileHeaders();
    char errors[CURL_ERROR_SIZE] = {};
    Transfer t;
    configure(easy.get(), address, o, t, headers.get(), errors);
    // Cookies live for this request only (kept across its redirects).
    curl_easy_setopt(easy.get(), CURLOPT_COOKIEFILE, "");
    if (post != nullptr) {
        curl_easy_setopt(easy.get(), CURLOPT_POSTFIELDSIZE_LARGE,
                         static_cast<curl_off_t>(post->size()));
        curl_easy_setopt(easy.get(), CURLOPT_COPYPOSTFIELDS, post->c_str());
    }
    perform(multi.get(), easy.get(), t, o, errors);
    return std::move(t.body);
}

}  // namespace

std::string encodeAddress(const std::string& address) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(address.size());
    for (char c : address) {
        auto b = static_cast<unsigned char>(c);
        if (b <= 0x20 || b >= 0x7F || c == '"' || c == '<' || c == '>' || c == '\\' || c == '^' ||
            c == '`' || c == '{' || c == '|' || c == '}') {
            out += '%';
            out += kHex[b >> 4];
            out += kHex[b & 15];
        } else {
            out += c;
        }
    }
    return out;
}

std::string formBody(const std::vector<std::string>& lines) {
    std::string body;
    for (const std::string& line : lines) {
        size_t eq = line.find('=');
        std::string_view name(line);
        std::string_view value;
        if (eq != std::string::npos) {
            name = std::string_view(line).substr(0, eq);
            value = std::string_view(line).substr(eq + 1);
        }
        if (!body.empty()) {
            body += '&';
        }
        body += catalogue::formEncodeValue(name);
        body += '=';
        body += catalogue::formEncodeValue(value);
    }
    return body;
}

std::string httpGetText(const std::string& address, bool followRedirects,
                        const HttpOptions& options) {
    HttpOptions o = options;
    o.followRedirects = followRedirects;
    return oneShot(address, o, nullptr);
}

void httpGetToFile(const std::string& address, const std::string& path,
                   const HttpOptions& options) {
    HttpOptions o = options;
    o.followRedirects = true;
    std::string body = oneShot(address, o, nullptr);
    writeFileAtomic(path, body);
}

std::string httpPostForm(const std::string& address, const std::vector<std::string>& lines,
                         bool followRedirects, const HttpOptions& options) {
    HttpOptions o = options;
    o.followRedirects = followRedirects;
    std::string body = formBody(lines);
    return oneShot(address, o, &body);
}

std::string httpPostBody(const std::string& address, const std::string& body,
                         const HttpOptions& options) {
    return oneShot(address, options, &body);
}

struct HttpClient::Handles {
    EasyHandle easy;
    MultiHandle multi;
    HeaderList headers;
    // The handle keeps a pointer to it between requests.
    char errors[CURL_ERROR_SIZE] = {};
};

HttpClient::HttpClient() : m_handles(std::make_unique<Handles>()) {
    initCurlOnce();
    m_handles->easy.reset(curl_easy_init());
    m_handles->multi.reset(curl_multi_init());
    m_handles->headers = profileHeaders();
    if (m_handles->easy) {
        // Cookies are kept in this handle for the life of the client.
        curl_easy_setopt(m_handles->easy.get(), CURLOPT_COOKIEFILE, "");
    }
}

HttpClient::~HttpClient() = default;

std::string HttpClient::get(const std::string& address, bool decodeUtf8) {
    if (!m_handles->easy || !m_handles->multi) {
        throw Error(curl_easy_strerror(CURLE_FAILED_INIT));
    }
    HttpOptions o;
    o.followRedirects = true;
    o.connectTimeoutMs = connectTimeoutMs;
    o.readTimeoutMs = readTimeoutMs;
    o.proxy = m_proxy;
    o.caFile = caFile;
    o.pump = pump;
    char* errors = m_handles->errors;
    errors[0] = '\0';
    Transfer t;
    CURL* easy = m_handles->easy.get();
    configure(easy, address, o, t, m_handles->headers.get(), errors);
    curl_easy_setopt(easy, CURLOPT_HTTPGET, 1L);
    perform(m_handles->multi.get(), easy, t, o, errors);
    if (decodeUtf8) {
        return utf8ToCp1251(t.body);
    }
    return std::move(t.body);
}

void HttpClient::clearCookies() {
    if (m_handles->easy) {
        curl_easy_setopt(m_handles->easy.get(), CURLOPT_COOKIELIST, "ALL");
    }
}

}  // namespace pentad
