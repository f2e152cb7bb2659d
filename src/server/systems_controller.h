// SPDX-License-Identifier: GPL-3.0-or-later
// The system requests of the catalogue: list, download, and publish /
// change / delete. Systems are visible to everybody; only the publisher
// (same mail and installation) may change or delete one. A system is
// accepted only when its combination list has exactly `csize` lines of
// `clen` numbers from 1 to `nums`, so every download of it can succeed.
#pragma once

#include "server/catalogue_store.h"
#include "server/form_request.h"
#include "server/service_support.h"

namespace pentad::server {

class SystemsController {
public:
    SystemsController(CatalogueStore& store, Clock clock);

    Handled list(const FormRequest& request);
    Handled download(const FormRequest& request);
    Handled put(const FormRequest& request);

private:
    Handled publish(const FormRequest& request, int64_t id, const catalogue::Identity& who);
    Handled remove(int64_t id, const catalogue::Identity& who);

    CatalogueStore& m_store;
    Clock m_clock;
};

// The combination list as stored: lines trimmed, empty lines at the end
// dropped, joined by CR LF. Throws RequestError when a line does not hold
// exactly `clen` numbers from 1 to `nums` (separated as the program's
// system dialog separates them) or the count differs from `csize`.
std::string checkedCombinationList(std::string_view clist, int clen, int nums, int64_t csize);

}  // namespace pentad::server
