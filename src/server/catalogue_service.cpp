// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/catalogue_service.h"

#include <array>
#include <utility>

#include "online/catalogue_form.h"
#include "online/catalogue_protocol.h"
#include "online/catalogue_reply.h"
#include "server/server_texts.h"
#include "shell/error.h"

namespace pentad::server {

namespace {

struct RouteEntry {
    std::string_view path;
    Handled (ScriptsController::*scripts)(const FormRequest&);
    Handled (SystemsController::*systems)(const FormRequest&);
};

constexpr std::array<RouteEntry, 9> kRoutes = {{
    {catalogue::kScriptListPath, &ScriptsController::list, nullptr},
    {catalogue::kScriptDataPath, &ScriptsController::download, nullptr},
    {catalogue::kScriptRatePath, &ScriptsController::rate, nullptr},
    {catalogue::kScriptTitlePath, &ScriptsController::checkTitle, nullptr},
    {catalogue::kScriptPutPath, &ScriptsController::put, nullptr},
    {catalogue::kScriptRatesPath, &ScriptsController::ratings, nullptr},
    {catalogue::kSystemListPath, nullptr, &SystemsController::list},
    {catalogue::kSystemDataPath, nullptr, &SystemsController::download},
    {catalogue::kSystemPutPath, nullptr, &SystemsController::put},
}};

const RouteEntry* findRoute(std::string_view path) {
    for (const RouteEntry& route : kRoutes) {
        if (route.path == path) {
            return &route;
        }
    }
    return nullptr;
}

ServiceReply refusal(std::string_view message, std::string note, int status = 200) {
    return {status, catalogue::ReplyWriter::error(message), std::move(note)};
}

}  // namespace

CatalogueService::CatalogueService(CatalogueStore& store, AppNames apps, Clock clock)
    : m_apps(std::move(apps)), m_scripts(store, m_apps, clock), m_systems(store, clock) {}

ServiceReply CatalogueService::handle(std::string_view path, std::string_view body) {
    const RouteEntry* route = findRoute(path);
    if (route == nullptr) {
        return refusal(format(texts::kUnknownRequest, std::string(path)), "unknown path", 404);
    }
    if (body.size() > catalogue::kMaxRequestBytes) {
        return refusal(texts::kTooLarge, "refused: body too large");
    }
    auto form = catalogue::Form::parse(body);
    if (!form) {
        return refusal(texts::kBadForm, "refused: malformed form");
    }
    FormRequest request(*form);
    try {
        Handled handled = route->scripts != nullptr ? (m_scripts.*route->scripts)(request)
                                                    : (m_systems.*route->systems)(request);
        return {200, std::move(handled.body), std::move(handled.note)};
    } catch (const RequestError& e) {
        return refusal(e.what(), std::string("refused: ") + e.what());
    } catch (const StoreError& e) {
        return refusal(texts::kStoreFailed, std::string("store failure: ") + e.what());
    } catch (const std::exception& e) {
        return refusal(texts::kInternal, std::string("internal failure: ") + e.what());
    }
}

}  // namespace pentad::server
