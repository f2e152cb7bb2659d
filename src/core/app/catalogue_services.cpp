// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/catalogue_services.h"

#include <sys/stat.h>

#include <cmath>
#include <random>

#include "app/workspace.h"
#include "online/catalogue_protocol.h"
#include "online/catalogue_texts.h"
#include "online/http_client.h"
#include "online/proxy_settings.h"
#include "shell/error.h"
#include "shell/file_io.h"
#include "shell/interface_language.h"
#include "shell/program_version.h"
#include "shell/text_utils.h"

namespace pentad {
namespace {

std::string randomInstallationId() {
    std::random_device device;
    std::string hex;
    for (int i = 0; i < 4; ++i) {
        hex += format("%.8x", static_cast<unsigned>(device()));
    }
    return "{" + hex.substr(0, 8) + "-" + hex.substr(8, 4) + "-" + hex.substr(12, 4) + "-" +
           hex.substr(16, 4) + "-" + hex.substr(20) + "}";
}

bool sameMail(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

CatalogueServices::CatalogueServices(Workspace& workspace)
    : lcid(kBuiltInLanguage), m_ws(workspace), m_shell(workspace.shell()) {}

std::string CatalogueServices::address() const {
    if (m_addressOverride) {
        return *m_addressOverride;
    }
    return trim(m_ws.ini().readString(kOnlineSection, texts::kCatalogueKey, ""));
}

std::string CatalogueServices::userName() const {
    return m_ws.ini().readString(kOnlineSection, texts::kUserNameKey, "");
}

std::string CatalogueServices::userMail() const {
    return m_ws.ini().readString(kOnlineSection, texts::kUserMailKey, "");
}

std::string CatalogueServices::installationId() {
    std::string id = trim(m_ws.ini().readString(kOnlineSection, texts::kHwdIdKey, ""));
    if (id.empty()) {
        id = randomInstallationId();
        m_ws.ini().writeString(kOnlineSection, texts::kHwdIdKey, id);
    }
    return id;
}

void CatalogueServices::setIdentity(const std::string& name, const std::string& mail) {
    IniFile::Batch batch(m_ws.ini());
    m_ws.ini().writeString(kOnlineSection, texts::kUserNameKey, trim(name));
    m_ws.ini().writeString(kOnlineSection, texts::kUserMailKey, trim(mail));
}

catalogue::Identity CatalogueServices::identity() {
    catalogue::Identity id;
    id.appId = std::string(catalogue::kPentadAppId);
    // The version of the program file, which an update stamps anew.
    id.appVer = programVersion();
    id.hwdid = installationId();
    id.name = userName();
    id.mail = userMail();
    id.lcid = lcid;
    return id;
}

CatalogueClient CatalogueServices::client() {
    const std::string root = address();
    if (root.empty()) {
        throw Error(texts::kNoCatalogueAddress);
    }
    HttpOptions options = m_ws.online().oneShotOptions();
    return CatalogueClient(root, identity(),
                           [options](const std::string& address, const std::string& body) {
                               return httpPostBody(address, body, options);
                           });
}

std::optional<std::vector<tScriptInfo>> CatalogueServices::loadScriptList(int filter) {
    OperationScope op(m_shell, texts::kCatalogueLoading);
    std::optional<std::vector<tScriptInfo>> out;
    m_shell.guard(texts::kCatalogueListFailed, [&] { out = client().scriptList(filter); });
    return out;
}

bool CatalogueServices::downloadScript(int id) {
    OperationScope op(m_shell, texts::kScriptDownloading);
    std::string text;
    if (!m_shell.guard(texts::kScriptDownloadFailed, [&] { text = client().scriptText(id); })) {
        return false;
    }
    if (trim(text).empty()) {
        return false;
    }
    return m_ws.scenario().ReplaceAll(splitLines(text));
}

bool CatalogueServices::rateScript(int id, int value, const std::string& notes) {
    OperationScope op(m_shell, texts::kRateSending);
    return m_shell.guard(texts::kRateFailed, [&] { client().rate(id, value, notes); });
}

std::optional<bool> CatalogueServices::titleFree(int id, const std::string& title) {
    std::optional<bool> out;
    m_shell.guard(texts::kTitleCheckFailed, [&] { out = client().titleFree(id, trim(title)); });
    return out;
}

bool CatalogueServices::acceptScriptData(const tScriptData& data, std::string& problem) {
    problem.clear();
    if (trim(data.Title).empty()) {
        problem = texts::kTitleRequired;
        return false;
    }
    std::optional<bool> free = titleFree(data.Id, data.Title);
    if (!free) {
        return false;
    }
    if (!*free) {
        problem = texts::kTitleTaken;
        return false;
    }
    if (trim(data.AuthorName).empty()) {
        problem = texts::kAuthorRequired;
        return false;
    }
    return true;
}

int CatalogueServices::putScript(const tScriptData& data) {
    OperationScope op(m_shell, texts::kScriptSaving);
    int id = -1;
    m_shell.guard(texts::kScriptPutFailed, [&] {
        id = client().putScript(data, join(m_ws.scenario().lines(), "\r\n"));
    });
    return id;
}

bool CatalogueServices::deleteScript(const tScriptData& data) {
    OperationScope op(m_shell, texts::kScriptDeleting);
    int answer = -1;
    m_shell.guard(texts::kScriptDeleteFailed, [&] { answer = client().deleteScript(data); });
    return answer == 0;
}

std::optional<std::vector<tScriptRate>> CatalogueServices::loadRates(int id) {
    OperationScope op(m_shell, texts::kRatesLoading);
    std::optional<std::vector<tScriptRate>> out;
    m_shell.guard(texts::kRatesFailed, [&] { out = client().scriptRates(id); });
    return out;
}

bool CatalogueServices::systemDownloaded(const tSystemInfo& system) const {
    return system.Id > 0 && fileExists(SystemFileName(m_ws.folder(), system));
}

bool CatalogueServices::systemCurrent(const tSystemInfo& system) const {
    struct stat st {};
    if (system.Id <= 0 || ::stat(SystemFileName(m_ws.folder(), system).c_str(), &st) != 0) {
        return false;
    }
    // the file's time is written from Created as storeLocalSystem does
    const long long expected = std::llround((system.Created - 25569.0) * 86400.0);
    return std::llabs(static_cast<long long>(st.st_mtime) - expected) <= 1;
}

bool CatalogueServices::ownSystem(const tSystemInfo& system) const {
    return !system.OwnerMail.empty() && sameMail(system.OwnerMail, userMail());
}

std::optional<std::vector<tSystemInfo>> CatalogueServices::LoadSystemList() {
    std::optional<std::vector<tSystemInfo>> out;
    if (!m_shell.guard(texts::kSystemListFailed, [&] { out = client().systemList(); })) {
        return std::nullopt;
    }
    if (out->empty()) {
        tSystemInfo placeholder;
        placeholder.Id = -1;
        placeholder.Title = texts::kSystemListEmpty;
        out->push_back(placeholder);
        return out;
    }
    for (const tSystemInfo& system : *out) {
        if (systemDownloaded(system) && !systemCurrent(system)) {
            DownloadSystem(system);
        }
    }
    return out;
}

std::optional<std::string> CatalogueServices::FetchSystemList(const tSystemInfo& system) {
    StatusTextScope status(m_shell, format(texts::kSystemLoading, system.Title));
    std::optional<std::string> out;
    m_shell.guard(format(texts::kSystemFetchFailed, system.Id, std::string("%s")).c_str(),
                  [&] { out = client().systemCList(system.Id); });
    return out;
}

bool CatalogueServices::DownloadSystem(const tSystemInfo& system) {
    std::optional<std::string> list = FetchSystemList(system);
    if (!list) {
        return false;
    }
    return m_shell.guard(format(texts::kSystemFetchFailed, system.Id, std::string("%s")).c_str(),
                         [&] {
                             std::vector<std::string> lines = splitLines(*list);
                             while (!lines.empty() && trim(lines.back()).empty()) {
                                 lines.pop_back();
                             }
                             if (static_cast<int>(lines.size()) != system.CSize) {
                                 throw Error(format(texts::kSystemCountMismatch,
                                                    static_cast<int>(lines.size()), system.CSize));
                             }
                             tSystemData data;
                             data.Info = system;
                             data.CList = join(lines, "\r\n");
                             storeLocalSystem(m_ws.folder(), data);
                         }) &&
           systemDownloaded(system);
}

int CatalogueServices::PutSystem(const tSystemData& data, bool remove) {
    StatusTextScope status(
        m_shell, format(remove ? texts::kSystemDeleting : texts::kSystemSaving, data.Info.Title));
    int answer = -1;
    if (!m_shell.guard(
            format(texts::kSystemPutFailed, data.Info.Id, std::string("%s")).c_str(),
            [&] { answer = client().putSystem(data, remove); })) {
        return -1;
    }
    return answer;
}

}  // namespace pentad
