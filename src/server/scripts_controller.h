// SPDX-License-Identifier: GPL-3.0-or-later
// The scenario requests of the catalogue: list, download, rate (and hide),
// title check, publish / replace / delete, and the list of ratings.
//
// Rules the server keeps:
// - ids count up from 1 and are never reused;
// - an entry is visible to everybody when public, otherwise only to its
//   publisher (same mail, ignoring case, and same installation);
// - a user's mark (-1 hidden, 1..5) is kept per installation (hwdid); the
//   average counts the marks 1..5 of all installations;
// - "new" means published or replaced during the last 24 hours;
// - every download counts, and sets the time of the last one.
#pragma once

#include "server/catalogue_store.h"
#include "server/form_request.h"
#include "server/script_list_cache.h"
#include "server/service_support.h"

namespace pentad::server {

class ScriptsController {
public:
    ScriptsController(CatalogueStore& store, const AppNames& apps, Clock clock);

    Handled list(const FormRequest& request);
    Handled download(const FormRequest& request);
    Handled rate(const FormRequest& request);
    Handled checkTitle(const FormRequest& request);
    Handled put(const FormRequest& request);
    Handled ratings(const FormRequest& request);

private:
    // The entry, when it exists and `who` may see it; else RequestError.
    ScriptRecord visibleEntry(int64_t id, const catalogue::Identity* who);
    Handled publish(const FormRequest& request, int64_t id, const catalogue::Identity& who);
    Handled remove(int64_t id, const catalogue::Identity& who);

    CatalogueStore& m_store;
    const AppNames& m_apps;
    Clock m_clock;
    ScriptListCache m_cache;
};

}  // namespace pentad::server
