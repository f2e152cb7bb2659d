// SPDX-License-Identifier: GPL-3.0-or-later
// An HTTP(S) server on 127.0.0.1 for network tests: it takes a free port,
// answers on its own thread while the test runs and stops at the end.
#pragma once

#include <arpa/inet.h>
#include <httplib.h>
#include <memory>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace pentad::test {

class LoopbackServer {
public:
    LoopbackServer() : m_server(std::make_unique<httplib::Server>()) {}
    // An HTTPS server with the given PEM files.
    LoopbackServer(const std::string& certFile, const std::string& keyFile)
        : m_server(std::make_unique<httplib::SSLServer>(certFile.c_str(), keyFile.c_str())),
          m_scheme("https") {}
    ~LoopbackServer() { stop(); }
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    httplib::Server& http() { return *m_server; }

    // Binds a free port and starts answering; returns the port (0 on failure).
    int start() {
        // Replies go out at once instead of waiting for the client's
        // delayed acknowledgement.
        m_server->set_tcp_nodelay(true);
        m_port = m_server->bind_to_any_port("127.0.0.1");
        if (m_port <= 0) {
            return 0;
        }
        m_thread = std::thread([this] { m_server->listen_after_bind(); });
        // The socket listens already; this only lets the accept loop start.
        while (!m_server->is_running()) {
            std::this_thread::yield();
        }
        return m_port;
    }
    void stop() {
        if (m_thread.joinable()) {
            m_server->stop();
            m_thread.join();
        }
    }

    int port() const { return m_port; }
    // "http://127.0.0.1:PORT" (or https).
    std::string url() const { return m_scheme + "://127.0.0.1:" + std::to_string(m_port); }

private:
    std::unique_ptr<httplib::Server> m_server;
    std::string m_scheme = "http";
    int m_port = 0;
    std::thread m_thread;
};

// A port on 127.0.0.1 where nothing listens: one the system handed out and
// that was closed again at once.
inline int closedPort() {
    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    socklen_t length = sizeof addr;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &length) == 0) {
        port = ntohs(addr.sin_port);
    }
    ::close(fd);
    return port;
}

}  // namespace pentad::test
