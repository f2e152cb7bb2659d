// SPDX-License-Identifier: GPL-3.0-or-later
// pentad-cli download and proxy: the draw download from the results site and
// the proxy settings of the section PROXY.
#include <cstdio>
#include <memory>

#include "cli_context.h"
#include "game/date_time.h"
#include "online/proxy_settings.h"
#include "shell/error.h"

namespace pentad::cli {
namespace {

inline constexpr const char* kAdded = "Добавлено тиражей: %d";
inline constexpr const char* kPasswordSet = "(задан)";

struct DownloadArgs {
    std::optional<std::string> url;
    std::optional<int> today;
};

struct ProxyArgs {
    int mode = 0;
    std::optional<std::string> server;
    std::optional<int> port;
    std::optional<std::string> user;
    std::optional<std::string> password;
};

int runDownload(CliContext& ctx, const DownloadArgs& args) {
    if (args.today && YMDToDate(*args.today) <= 0) {
        throw UsageError("--today: a date written YYYYMMDD");
    }
    if (!ctx.loadArchive()) {
        return 1;
    }
    OnlineServices& online = ctx.workspace().online();
    // Nobody is there to answer the retry question: a failure ends the run.
    online.askRetry = false;
    if (args.url) {
        online.overrideResultsSite(*args.url);
    }
    if (args.today) {
        const int today = *args.today;
        online.today = [today] { return today; };
    }
    DownloadOutcome outcome = online.downloadDraws();
    std::string out = format(kAdded, outcome.added) + "\n";
    for (const std::string& text : ctx.workspace().archive().statusTexts()) {
        out += text + "\n";
    }
    CliContext::print(out);
    if (outcome.failed) {
        std::fflush(stdout);
        std::fprintf(stderr, "%s\n", consoleText(outcome.failure).c_str());
        return 1;
    }
    return 0;
}

int showProxy(CliContext& ctx) {
    const TProxy& p = ctx.workspace().online().proxy();
    std::string out;
    out += format("ProxyMode=%d\n", effectiveProxyMode(p));
    out += "ProxyServer=" + p.Server + "\n";
    out += format("ProxyPort=%d\n", p.Port);
    out += "ProxyUsername=" + p.Username + "\n";
    // The password itself is never shown.
    out += std::string("ProxyPassword=") + (p.Password.empty() ? "" : kPasswordSet) + "\n";
    CliContext::print(out);
    return 0;
}

int setProxy(CliContext& ctx, const ProxyArgs& args) {
    if (args.mode < kProxyNone || args.mode > kProxyManual) {
        throw UsageError("--mode: 0 (no proxy), 1 (automatic search) or 2 (manual)");
    }
    if (args.port && (*args.port < 1 || *args.port > 65535)) {
        throw UsageError("--port: 1..65535");
    }
    OnlineServices& online = ctx.workspace().online();
    const TProxy& current = online.proxy();
    ProxyEndpoint fields{args.server.value_or(current.Server),
                         args.port.value_or(current.Port != 0 ? current.Port : kDefaultProxyPort),
                         args.user.value_or(current.Username),
                         args.password.value_or(current.Password)};
    if (args.mode == kProxyManual && fields.server.empty()) {
        throw UsageError("--server is required for the manual mode");
    }
    return online.applyProxyDialog(args.mode, fields) ? 0 : 1;
}

}  // namespace

void addOnlineCommands(CLI::App& app, CliContext& ctx) {
    auto* download = app.add_subcommand("download", "Download the new draws from the results site");
    auto dargs = std::make_shared<DownloadArgs>();
    download->add_option("--url", dargs->url,
                         "Results site (scheme, host and port), instead of the configured one");
    download->add_option("--today", dargs->today,
                         "Take this date (YYYYMMDD) as today: download up to it");
    download->callback(
        [&ctx, dargs] { ctx.action = [&ctx, dargs] { return runDownload(ctx, *dargs); }; });

    CLI::App* proxy = app.add_subcommand("proxy", "The proxy settings");
    proxy->require_subcommand(1);
    auto* show = proxy->add_subcommand("show", "Show the proxy settings (not the password)");
    show->callback([&ctx] { ctx.action = [&ctx] { return showProxy(ctx); }; });
    auto* set = proxy->add_subcommand("set", "Change the proxy settings");
    auto pargs = std::make_shared<ProxyArgs>();
    set->add_option("--mode", pargs->mode, "0 no proxy, 1 automatic search, 2 manual")->required();
    set->add_option("--server", pargs->server, "Proxy host name or address");
    set->add_option("--port", pargs->port, "Proxy port (1..65535, default 80)");
    set->add_option("--user", pargs->user, "User name");
    set->add_option("--password", pargs->password, "Password");
    set->callback([&ctx, pargs] { ctx.action = [&ctx, pargs] { return setProxy(ctx, *pargs); }; });
}

}  // namespace pentad::cli
