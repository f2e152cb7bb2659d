// SPDX-License-Identifier: GPL-3.0-or-later
// What the workspace holds for the network: the proxy settings with their
// candidate list, the long-lived HTTP client of the main window (cookies,
// time-outs, attempt counter), and the draw download that brings the archive
// up to date from the operator's results page range by range.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/catalogue_services.h"
#include "game/records.h"
#include "online/http_client.h"

namespace pentad {

class Shell;
class Workspace;

// How a download run ended.
struct DownloadOutcome {
    int added = 0;        // draws added (and saved)
    bool failed = false;  // it ended on a failure the user did not retry
    std::string failure;  // the text of that failure
};

class OnlineServices {
public:
    explicit OnlineServices(Workspace& workspace);

    TProxy& proxy() { return m_proxy; }
    const TProxy& proxy() const { return m_proxy; }
    HttpClient& client() { return m_client; }
    // The catalogue server: scenarios, systems and the user's identity.
    CatalogueServices& catalogue() { return m_catalogue; }

    // Options for a one-shot request made while the program waits for it:
    // the window keeps repainting, no proxy.
    HttpOptions oneShotOptions() const;

    // ---- settings ----
    // Reads the section PROXY (error box "Ошибка чтения файла конфигурации!").
    void loadProxy();
    // Writes the section PROXY; with `showBusy` the busy state and the status
    // "Сохранение файла конфигурации..." are shown. False when the file could
    // not be written (the error box was shown; the values in memory stay).
    bool saveProxy(bool showBusy);
    // The proxy dialog's OK: mode 0, 1 or 2 and the manual fields; the
    // automatic mode clears the fields. Saved with the busy state shown.
    bool applyProxyDialog(int mode, const ProxyEndpoint& manual);

    // The results site (scheme, host, port): the override when set, else the
    // key ResultsSite of section ONLINE, else the operator's host.
    std::string resultsSite() const;
    void overrideResultsSite(std::string site) { m_siteOverride = std::move(site); }
    // Root address of the proxy-list service (key ProxyListService; "" when none).
    std::string proxyListService() const;
    // Address (or file path) of the update description: the override when
    // set, else the key UpdateAddress of section ONLINE, else the maker's
    // update server.
    std::string updateAddress() const;
    void overrideUpdateAddress(std::string address) { m_updateOverride = std::move(address); }

    // Writes DownloadDrawsOnStart (0 ask, 1 automatic, 2 off).
    void setDownloadOnStart(int mode);

    // ---- requests ----
    // The main window's GET: applies the proxy settings first (in automatic
    // mode the candidate search runs when needed and the first candidate is
    // taken); when no proxy can be had the result is "" and no request is
    // made. Updates the wait window with the attempt text. Throws
    // pentad::Error when the request fails.
    std::string mainGet(const std::string& address, bool decodeUtf8 = false);

    // ---- the draw download ----
    // Today as YYYYMMDD; replaceable (tests, the command line's --today).
    std::function<int()> today;
    // When false a failed range ends the run instead of asking whether to
    // retry (the command-line tool never asks).
    bool askRetry = true;
    // Called after every range whose draws were saved, so views can follow.
    std::function<void()> onDrawsSaved;

    // One range of days: fetches the page and appends the new draws (not yet
    // written to the file). Returns their number.
    int downloadRange(int fromYmd, int toYmd);
    // Ranges of up to 100 days from the newest stored draw to today, each
    // saved at once; failures lead to the next proxy candidate or to the
    // retry question.
    DownloadOutcome downloadLoop();
    // The command: busy state, wait window, the loop, then the stakes checked
    // against the new draws.
    DownloadOutcome downloadDraws();

    // ---- start-up ----
    // With "loadonly" among the words: runs the download; true when the
    // program should end then (unless "fullrecreate" or "fullrefresh" is given).
    bool startupLoadOnly(const std::vector<std::string>& commandWords);
    // The download of the start by DownloadDrawsOnStart: 0 asks, 1 runs it,
    // 2 does nothing.
    void startupDownload();

private:
    // The automatic choice of a proxy; false when none could be had (the
    // error box was shown).
    bool chooseAutomaticProxy(const std::string& address);
    void showAttempt();
    // After a failed request in automatic mode: drops the proxy in use and
    // its candidate; true when another candidate is left.
    bool dropFailedProxy();

    Workspace& m_ws;
    Shell& m_shell;
    TProxy m_proxy;
    HttpClient m_client;
    CatalogueServices m_catalogue;
    std::optional<std::string> m_siteOverride;
    std::optional<std::string> m_updateOverride;
};

}  // namespace pentad
