// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue server's request handling without sockets: a request path
// and its form body in, the reply text out. The HTTP front end only passes
// requests through; tests and fuzzers call handle() directly.
#pragma once

#include <string>
#include <string_view>

#include "server/catalogue_store.h"
#include "server/scripts_controller.h"
#include "server/service_support.h"
#include "server/systems_controller.h"

namespace pentad::server {

struct ServiceReply {
    int status = 200;      // 404 for an unknown path, 200 otherwise
    std::string body;      // always in the tag shape
    std::string note;      // for the log: outcome, ids and counts
};

class CatalogueService {
public:
    CatalogueService(CatalogueStore& store, AppNames apps = {}, Clock clock = systemClock());

    // Handles one request. Never throws: a refused or malformed request, and
    // a failure of the store, give a reply with one "<error>" row.
    ServiceReply handle(std::string_view path, std::string_view body);

private:
    AppNames m_apps;
    ScriptsController m_scripts;
    SystemsController m_systems;
};

}  // namespace pentad::server
