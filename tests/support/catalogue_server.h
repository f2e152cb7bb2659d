// SPDX-License-Identifier: GPL-3.0-or-later
// A catalogue server on a free loopback port with a fresh database, for the
// tests that drive the program's catalogue client over real HTTP. Needs
// pentad_server_lib.
#pragma once

#include <memory>
#include <string>
#include <thread>

#include "server/catalogue_service.h"
#include "server/http_front_end.h"
#include "server/sqlite_store.h"
#include "support/temp_dir.h"

namespace pentad::test {

class LoopbackCatalogue {
public:
    LoopbackCatalogue()
        : m_store(m_dir.file("catalogue.sqlite")),
          m_service(m_store),
          m_front(m_service, options(), nullptr) {
        m_port = m_front.bind();
        m_thread = std::thread([this] { m_front.run(); });
    }
    ~LoopbackCatalogue() {
        m_front.stop();
        m_thread.join();
    }
    LoopbackCatalogue(const LoopbackCatalogue&) = delete;
    LoopbackCatalogue& operator=(const LoopbackCatalogue&) = delete;

    std::string address() const { return "http://127.0.0.1:" + std::to_string(m_port); }
    server::CatalogueService& service() { return m_service; }

private:
    static server::FrontEndOptions options() {
        server::FrontEndOptions o;
        o.port = 0;
        return o;
    }

    TempDir m_dir;
    server::SqliteCatalogueStore m_store;
    server::CatalogueService m_service;
    server::HttpFrontEnd m_front;
    int m_port = 0;
    std::thread m_thread;
};

}  // namespace pentad::test
