// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue server on the network (cpp-httplib): form POSTs to the
// catalogue paths go to CatalogueService, GET "/files/..." serves the files
// folder, over plain HTTP or TLS. One line per request goes to the log:
// time, client address, method, path, status, reply size, handling time and
// the handler's note - never a form value.
#pragma once

#include <memory>
#include <mutex>
#include <ostream>
#include <string>

#include "server/catalogue_service.h"

namespace pentad::server {

struct FrontEndOptions {
    std::string bind = "127.0.0.1";
    int port = 8080;          // 0: any free port
    std::string filesDir;     // empty: no "/files/"
    std::string certFile;     // both set: TLS
    std::string keyFile;
};

class HttpFrontEnd {
public:
    // `log` may be null (no log).
    HttpFrontEnd(CatalogueService& service, FrontEndOptions options, std::ostream* log);
    ~HttpFrontEnd();
    HttpFrontEnd(const HttpFrontEnd&) = delete;
    HttpFrontEnd& operator=(const HttpFrontEnd&) = delete;

    // Binds the listening socket; returns the port. Throws std::runtime_error
    // when the certificate or key cannot be loaded or the address not bound.
    int bind();
    // Serves until stop(); call after bind().
    void run();
    // Ends run() from any thread, also when run() is only about to start.
    void stop();

    bool usesTls() const { return !m_options.certFile.empty(); }

private:
    struct Impl;
    FrontEndOptions m_options;
    std::unique_ptr<Impl> m_impl;
};

}  // namespace pentad::server
