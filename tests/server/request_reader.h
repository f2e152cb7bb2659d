// SPDX-License-Identifier: GPL-3.0-or-later
// The server's request handler as a reader of outside bytes: the first line
// of the input is the request path, the rest its form body. Used by the fuzz
// target and by the replay of its corpus.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "server/catalogue_service.h"
#include "server/sqlite_store.h"

namespace pentad::server::test {

class RequestReader {
public:
    explicit RequestReader(const std::string& databasePath)
        : m_store(databasePath), m_service(m_store, AppNames(), [] { return int64_t{1700000000}; }) {}

    // Handles the request; throws std::logic_error when the reply breaks the
    // handler's promise (an escaped exception is left to the caller).
    void read(std::string_view bytes) {
        const size_t eol = bytes.find('\n');
        const std::string_view path = bytes.substr(0, eol);
        const std::string_view body =
            eol == std::string_view::npos ? std::string_view() : bytes.substr(eol + 1);
        ServiceReply reply = m_service.handle(path, body);
        if (reply.body.find("<result>") == std::string::npos ||
            (reply.status != 200 && reply.status != 404)) {
            throw std::logic_error("reply without the tag shape");
        }
    }

private:
    SqliteCatalogueStore m_store;
    CatalogueService m_service;
};

}  // namespace pentad::server::test
