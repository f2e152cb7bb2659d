// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/online_services.h"

#include <exception>

#include "app/workspace.h"
#include "game/date_time.h"
#include "game/game_texts.h"
#include "game/results_page.h"
#include "online/online_texts.h"
#include "online/proxy_search.h"
#include "online/proxy_settings.h"
#include "online/self_update.h"
#include "online/web_text.h"
#include "shell/startup_words.h"
#include "shell/data_folder.h"
#include "shell/error.h"
#include "shell/messages.h"
#include "shell/text_utils.h"

namespace pentad {
namespace {

// Candidates the automatic search asks the service for.
constexpr int kWantedCandidates = 30;
constexpr int kCandidateMaxResponseMs = 10;
constexpr int kCandidateMinUptime = 75;
// Days of one range: the newest stored date and 99 more.
constexpr int kRangeDays = 99;

// Frees the candidate list when a download run ends, whatever way it ends.
class CandidatesScope {
public:
    explicit CandidatesScope(TProxy& proxy) : m_proxy(proxy) {}
    ~CandidatesScope() { m_proxy.Candidates.clear(); }
    CandidatesScope(const CandidatesScope&) = delete;
    CandidatesScope& operator=(const CandidatesScope&) = delete;

private:
    TProxy& m_proxy;
};

// "host:port" of a candidate.
void takeCandidate(const std::string& candidate, TProxy& proxy) {
    const size_t colon = candidate.rfind(':');
    int port = 0;
    if (colon == std::string::npos ||
        !parseInt32(trim(std::string_view(candidate).substr(colon + 1)), port) || port <= 0 ||
        port > 65535 || trim(std::string_view(candidate).substr(0, colon)).empty()) {
        throw Error(format(texts::kBadProxyCandidate, candidate));
    }
    proxy.Server = trim(std::string_view(candidate).substr(0, colon));
    proxy.Port = port;
    proxy.Username.clear();
    proxy.Password.clear();
    proxy.Saved = false;
}

}  // namespace

OnlineServices::OnlineServices(Workspace& workspace)
    : m_ws(workspace), m_shell(workspace.shell()), m_catalogue(workspace) {
    today = [] { return DateToYMD(nowDateTime()); };
    m_client.pump = [this] {
        m_shell.processEvents();
        return false;
    };
}

HttpOptions OnlineServices::oneShotOptions() const {
    HttpOptions o;
    o.pump = m_client.pump;
    o.caFile = m_client.caFile;
    return o;
}

void OnlineServices::loadProxy() {
    m_shell.guard(texts::kErrorReadConfig, [&] { loadProxySettings(m_ws.ini(), m_proxy); });
}

bool OnlineServices::saveProxy(bool showBusy) {
    auto save = [&] {
        return m_shell.guard(texts::kErrorWriteConfig,
                             [&] { saveProxySettings(m_ws.ini(), m_proxy); });
    };
    if (!showBusy) {
        return save();
    }
    OperationScope op(m_shell, texts::kStatusSavingConfig);
    return save();
}

bool OnlineServices::applyProxyDialog(int mode, const ProxyEndpoint& manual) {
    m_proxy.Server = manual.server;
    m_proxy.Port = manual.port;
    m_proxy.Username = manual.username;
    m_proxy.Password = manual.password;
    m_proxy.Saved = false;
    m_proxy.Candidates.clear();
    if (mode == kProxyManual) {
        m_proxy.Mode = kProxyManual;
    } else if (mode == kProxyAutomatic) {
        m_proxy.Mode = kProxyAutomatic;
        clearChosenProxy(m_proxy);
    } else {
        m_proxy.Mode = kProxyNone;
    }
    return saveProxy(true);
}

std::string OnlineServices::resultsSite() const {
    if (m_siteOverride) {
        return *m_siteOverride;
    }
    std::string site = trim(m_ws.ini().readString(kOnlineSection, kResultsSiteKey, ""));
    return site.empty() ? std::string(kDefaultResultsSite) : site;
}

std::string OnlineServices::proxyListService() const {
    return trim(m_ws.ini().readString(kOnlineSection, kProxyListKey, ""));
}

std::string OnlineServices::updateAddress() const {
    if (m_updateOverride) {
        return *m_updateOverride;
    }
    std::string address = trim(m_ws.ini().readString(kOnlineSection, kUpdateAddressKey, ""));
    return address.empty() ? std::string(kUpdateAddress) : address;
}

void OnlineServices::setDownloadOnStart(int mode) {
    m_ws.setViewOption("DownloadDrawsOnStart", mode);
}

bool OnlineServices::chooseAutomaticProxy(const std::string& address) {
    if (m_proxy.Candidates.empty()) {
        m_shell.setWaitText(format(texts::kDownloadingDrawsWith, texts::kProxySearching));
        const bool found = m_shell.guard(texts::kProxyListFailed, [&] {
            ProxySearch search;
            search.protocols =
                isHttps(address) ? kProxyProtocolHttps : kProxyProtocolHttp | kProxyProtocolHttps;
            search.wanted = kWantedCandidates;
            search.maxResponseMs = kCandidateMaxResponseMs;
            search.minUptime = kCandidateMinUptime;
            findProxies(proxyListService(), m_proxy.Candidates, search, oneShotOptions());
            if (m_proxy.Candidates.empty()) {
                throw Error(texts::kNoProxyFound);
            }
        });
        if (!found) {
            m_proxy.Candidates.clear();
            return false;
        }
    }
    return m_shell.guard(texts::kProxyChoiceFailed,
                         [&] { takeCandidate(m_proxy.Candidates.front(), m_proxy); });
}

void OnlineServices::showAttempt() {
    if (std::optional<ProxyEndpoint> p = proxyEndpoint(m_proxy)) {
        m_shell.setWaitText(
            format(texts::kDownloadingDrawsWith,
                   format(texts::kProxyAttempt, m_client.attempt, p->server, p->port)));
    } else {
        m_shell.setWaitText(texts::kDownloadingDraws);
    }
}

std::string OnlineServices::mainGet(const std::string& address, bool decodeUtf8) {
    if (effectiveProxyMode(m_proxy) == kProxyAutomatic && m_proxy.Server.empty() &&
        !chooseAutomaticProxy(address)) {
        return std::string();
    }
    m_client.setProxy(proxyEndpoint(m_proxy));
    showAttempt();
    return m_client.get(address, decodeUtf8);
}

int OnlineServices::downloadRange(int fromYmd, int toYmd) {
    m_shell.setStatus(format(texts::kDownloadRange, DrawDateText(YMDToDate(fromYmd)),
                             DrawDateText(YMDToDate(toYmd))));
    const std::string page = mainGet(resultsRangeAddress(resultsSite(), fromYmd, toYmd), false);
    TDrawsArray collected;
    const int added = readResultsPage(page, m_ws.archive().draws(), collected);
    if (added > 0) {
        m_shell.setStatus(texts::kStatusSavingDraws);
        m_ws.appendDraws(collected);
    }
    return added;
}

bool OnlineServices::dropFailedProxy() {
    clearChosenProxy(m_proxy);
    if (!m_proxy.Candidates.empty()) {
        m_proxy.Candidates.erase(m_proxy.Candidates.begin());
    }
    return !m_proxy.Candidates.empty();
}

DownloadOutcome OnlineServices::downloadLoop() {
    DownloadOutcome outcome;
    CandidatesScope freeCandidates(m_proxy);
    m_client.attempt = 1;
    for (;;) {
        try {
            const int from = m_ws.archive().dateOfRow(0, 0);
            const int last = today();
            if (last < from) {
                break;
            }
            int to = IncYMD(from, kRangeDays);
            if (to > last) {
                to = last;
            }
            if (to < from) {
                to = from;
            }
            const int added = downloadRange(from, to);
            if (!m_proxy.Saved) {
                saveProxy(false);
            }
            if (added <= 0) {
                break;
            }
            outcome.added += added;
            m_ws.writeArchive();
            if (onDrawsSaved) {
                onDrawsSaved();
            }
            if (to >= last) {
                break;
            }
        } catch (const std::exception& e) {
            ++m_client.attempt;
            if (effectiveProxyMode(m_proxy) == kProxyAutomatic && dropFailedProxy()) {
                continue;
            }
            if (askRetry && m_shell.ui().confirm(
                                texts::kCaptionError,
                                format(texts::kDownloadFailedRetry, std::string(e.what())), true)) {
                continue;
            }
            outcome.failed = true;
            outcome.failure = e.what();
            break;
        }
    }
    return outcome;
}

DownloadOutcome OnlineServices::downloadDraws() {
    BusyScope busy(m_shell);
    WaitScope wait(m_shell, texts::kDownloadingDraws);
    StatusTextScope status(m_shell, texts::kDownloadingDraws);
    DownloadOutcome outcome = downloadLoop();
    m_ws.stakes().CheckAndRefresh();
    return outcome;
}

bool OnlineServices::startupLoadOnly(const std::vector<std::string>& commandWords) {
    const StartupWords words = StartupWords::of(commandWords);
    if (!words.loadOnly) {
        return false;
    }
    downloadDraws();
    return words.endsAfterDownload();
}

void OnlineServices::startupDownload() {
    switch (m_ws.form().DownloadDrawsOnStart) {
        case 0:
            if (m_shell.confirm(texts::kDownloadOnStartQuestion)) {
                downloadDraws();
            }
            break;
        case 1:
            downloadDraws();
            break;
        default:
            break;
    }
}

}  // namespace pentad
