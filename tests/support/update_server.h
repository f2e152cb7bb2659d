// SPDX-License-Identifier: GPL-3.0-or-later
// An update server on loopback for the self-update tests: files served by
// path, and how often each path was asked for.
#pragma once

#include <map>
#include <mutex>
#include <string>

#include "support/loopback_server.h"

namespace pentad::test {

class UpdateServer {
public:
    UpdateServer() {
        m_server.http().Get(R"(/(.*))",
                            [this](const httplib::Request& req, httplib::Response& res) {
                                std::lock_guard<std::mutex> lock(m_mutex);
                                ++m_hits[req.path];
                                auto it = m_files.find(req.path);
                                if (it == m_files.end()) {
                                    res.status = 404;
                                    return;
                                }
                                res.set_content(it->second, "application/octet-stream");
                            });
        m_server.start();
    }
    void put(const std::string& path, const std::string& bytes) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_files[path] = bytes;
    }
    int hits(const std::string& path) {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_hits[path];
    }
    std::string url(const std::string& path) const { return m_server.url() + path; }

private:
    LoopbackServer m_server;
    std::mutex m_mutex;
    std::map<std::string, std::string> m_files;
    std::map<std::string, int> m_hits;
};

}  // namespace pentad::test
