// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/http_front_end.h"

#include <httplib.h>
#include <sys/socket.h>

#include <atomic>
#include <chrono>
#include <ctime>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <thread>

#include "online/catalogue_protocol.h"
#include "online/catalogue_reply.h"
#include "server/server_texts.h"
#include "server/static_files.h"

namespace pentad::server {

namespace {

// Replies are never compressed by the server: a catalogue list is large but
// cheap to send on a local network, and compressing every list would cost
// more processor time than the lists themselves (a reverse proxy in front
// can compress when the link is slow).
constexpr const char* kReplyType = "application/octet-stream";
constexpr size_t kFileChunk = 64 * 1024;

// What the handler of the current request leaves for its log line; the
// logger runs on the same thread right after the handler.
struct RequestTrace {
    bool handled = false;
    double millis = 0;
    size_t bytes = 0;
    std::string note;
};
thread_local RequestTrace t_trace;

// The library listens with a backlog of five connections. A burst of
// clients then overflows the queue and the kernel drops their connections
// until the client gives up on a request it has already sent; the server
// widens the queue to the system's limit once the socket is bound.
template <typename Base>
class WideBacklog : public Base {
public:
    using Base::Base;
    bool widenBacklog() { return ::listen(this->svr_sock_, SOMAXCONN) == 0; }
};

std::string printable(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (static_cast<unsigned char>(c) < 32) {
            c = ' ';
        }
    }
    return out;
}

}  // namespace

struct HttpFrontEnd::Impl {
    CatalogueService& service;
    std::ostream* log;
    std::mutex logMutex;
    std::unique_ptr<httplib::Server> server;
    std::atomic<bool> stopping{false};
    std::atomic<bool> inRun{false};

    Impl(CatalogueService& s, std::ostream* l) : service(s), log(l) {}

    void writeLog(const httplib::Request& req, const httplib::Response& res) {
        RequestTrace trace = std::move(t_trace);
        t_trace = RequestTrace();
        if (log == nullptr) {
            return;
        }
        char millis[32] = "-";
        if (trace.handled) {
            std::snprintf(millis, sizeof millis, "%.1fms", trace.millis);
        }
        std::string line = catalogue::formatUtc(static_cast<int64_t>(std::time(nullptr))) + " " +
                           req.remote_addr + " " + req.method + " " + printable(req.path) + " " +
                           std::to_string(res.status) + " " +
                           std::to_string(trace.handled ? trace.bytes : res.body.size()) + "B " +
                           millis;
        if (!trace.note.empty()) {
            line += " " + printable(trace.note);
        }
        std::lock_guard lock(logMutex);
        *log << line << '\n' << std::flush;
    }

    // The body is read here rather than by the library: the library refuses
    // every application/x-www-form-urlencoded body over 8 KB (it would parse
    // it into parameters the server never uses), and the program sends every
    // request with that type, long scenarios and systems too.
    void post(const httplib::Request& req, httplib::Response& res,
              const httplib::ContentReader& reader) {
        std::string form;
        bool complete = reader([&form](const char* data, size_t length) {
            form.append(data, length);
            return true;
        });
        if (!complete) {
            // over the length limit (413, answered by the error handler), or
            // the client went away in the middle of its body
            if (res.status != 413) {
                res.status = 400;
            }
            return;
        }
        auto start = std::chrono::steady_clock::now();
        ServiceReply reply = service.handle(req.path, form);
        res.status = reply.status;
        // handed over without a copy: a list reply can run to megabytes
        auto body = std::make_shared<std::string>(std::move(reply.body));
        t_trace.bytes = body->size();
        res.set_content_provider(
            body->size(), kReplyType,
            [body](size_t offset, size_t length, httplib::DataSink& sink) {
                return sink.write(body->data() + offset, length);
            });
        t_trace.handled = true;
        t_trace.note = std::move(reply.note);
        t_trace.millis = std::chrono::duration<double, std::milli>(
                             std::chrono::steady_clock::now() - start)
                             .count();
    }

    void serveFile(const std::string& root, const httplib::Request& req,
                   httplib::Response& res) {
        t_trace.handled = true;
        auto file = resolveServedFile(
            root, std::string_view(req.path).substr(catalogue::kFilesPath.size()));
        std::error_code ec;
        uintmax_t size = file ? std::filesystem::file_size(*file, ec) : 0;
        auto in = file && !ec ? std::make_shared<std::ifstream>(*file, std::ios::binary) : nullptr;
        if (!in || !*in) {
            res.status = 404;
            t_trace.note = "no such file";
            return;
        }
        t_trace.note = "file";
        if (size == 0) {
            res.set_content(std::string(), kReplyType);
            return;
        }
        res.set_content_provider(
            static_cast<size_t>(size), kReplyType,
            [in](size_t offset, size_t length, httplib::DataSink& sink) {
                std::string chunk(std::min(length, kFileChunk), '\0');
                in->seekg(static_cast<std::streamoff>(offset));
                in->read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
                if (in->gcount() <= 0) {
                    return false;
                }
                sink.write(chunk.data(), static_cast<size_t>(in->gcount()));
                return true;
            });
        t_trace.bytes = static_cast<size_t>(size);
    }
};

HttpFrontEnd::HttpFrontEnd(CatalogueService& service, FrontEndOptions options, std::ostream* log)
    : m_options(std::move(options)), m_impl(std::make_unique<Impl>(service, log)) {}

HttpFrontEnd::~HttpFrontEnd() = default;

int HttpFrontEnd::bind() {
    if (m_options.certFile.empty() != m_options.keyFile.empty()) {
        throw std::runtime_error("TLS needs both a certificate (--cert) and a key (--key)");
    }
    std::function<bool()> widenBacklog;
    if (usesTls()) {
        auto tls = std::make_unique<WideBacklog<httplib::SSLServer>>(m_options.certFile.c_str(),
                                                                    m_options.keyFile.c_str());
        widenBacklog = [server = tls.get()] { return server->widenBacklog(); };
        m_impl->server = std::move(tls);
    } else {
        auto plain = std::make_unique<WideBacklog<httplib::Server>>();
        widenBacklog = [server = plain.get()] { return server->widenBacklog(); };
        m_impl->server = std::move(plain);
    }
    httplib::Server& server = *m_impl->server;
    if (!server.is_valid()) {
        throw std::runtime_error("cannot load the certificate \"" + m_options.certFile +
                                 "\" or the key \"" + m_options.keyFile + "\"");
    }
    Impl* impl = m_impl.get();
    // a little above the cap, so that the handler itself refuses an oversized
    // form with a catalogue reply; larger bodies are cut off by the library
    server.set_payload_max_length(catalogue::kMaxRequestBytes + 1);
    server.Post(".*", [impl](const httplib::Request& req, httplib::Response& res,
                             const httplib::ContentReader& reader) {
        impl->post(req, res, reader);
    });
    if (!m_options.filesDir.empty()) {
        std::string root = m_options.filesDir;
        server.Get("/files/.*", [impl, root](const httplib::Request& req, httplib::Response& res) {
            impl->serveFile(root, req, res);
        });
    }
    server.set_error_handler([](const httplib::Request&, httplib::Response& res) {
        if (res.status == 413) {
            res.set_content(catalogue::ReplyWriter::error(texts::kTooLarge), kReplyType);
        }
    });
    server.set_logger([impl](const httplib::Request& req, const httplib::Response& res) {
        impl->writeLog(req, res);
    });
    int port = m_options.port == 0 ? server.bind_to_any_port(m_options.bind)
                                   : (server.bind_to_port(m_options.bind, m_options.port)
                                          ? m_options.port
                                          : -1);
    if (port <= 0 || !widenBacklog()) {
        throw std::runtime_error("cannot listen on " + m_options.bind + ":" +
                                 std::to_string(m_options.port));
    }
    return port;
}

void HttpFrontEnd::run() {
    if (!m_impl->server) {
        return;
    }
    m_impl->inRun = true;
    if (!m_impl->stopping) {
        m_impl->server->listen_after_bind();
    }
    m_impl->inRun = false;
}

void HttpFrontEnd::stop() {
    m_impl->stopping = true;
    if (!m_impl->server) {
        return;
    }
    // a run() that has begun but not yet started listening would miss the
    // stop; wait for it to listen (or to notice the flag and return)
    while (m_impl->inRun && !m_impl->server->is_running()) {
        std::this_thread::yield();
    }
    m_impl->server->stop();
}

}  // namespace pentad::server
