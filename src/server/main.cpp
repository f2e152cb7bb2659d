// SPDX-License-Identifier: GPL-3.0-or-later
// pentad-server: the catalogue server of the online scenario catalogue and
// the systems exchange, optionally serving update files too. It runs until
// interrupted (Ctrl+C or SIGTERM).
#include <pthread.h>
#include <signal.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include <CLI/CLI.hpp>

#include "server/catalogue_service.h"
#include "server/http_front_end.h"
#include "server/sqlite_store.h"

int main(int argc, char** argv) {
    using namespace pentad::server;

    std::string dbFile = "catalogue.sqlite";
    FrontEndOptions front;
    std::vector<std::string> appNames;
    CLI::App app{"Pentad catalogue server: shares scenarios and systems between installations",
                 "pentad-server"};
    app.add_option("--db", dbFile, "Database file, created on first start")
        ->capture_default_str();
    app.add_option("--bind", front.bind, "Address to listen on (0.0.0.0: every interface)")
        ->capture_default_str();
    app.add_option("--port", front.port, "Port to listen on (0: any free port)")
        ->capture_default_str()
        ->check(CLI::Range(0, 65535));
    app.add_option("--files", front.filesDir, "Folder served at /files/ (update files)")
        ->check(CLI::ExistingDirectory);
    auto* cert = app.add_option("--cert", front.certFile, "TLS certificate chain (PEM)")
                     ->check(CLI::ExistingFile);
    auto* key = app.add_option("--key", front.keyFile, "TLS private key (PEM)")
                    ->check(CLI::ExistingFile);
    cert->needs(key);
    key->needs(cert);
    app.add_option("--app-name", appNames,
                   "Program name shown for a program identifier, as ID=NAME (repeatable)");
    CLI11_PARSE(app, argc, argv);

    AppNames apps;
    for (const std::string& pair : appNames) {
        size_t eq = pair.find('=');
        if (eq == std::string::npos || eq == 0) {
            std::cerr << "pentad-server: --app-name needs ID=NAME, not \"" << pair << "\"\n";
            return 2;
        }
        apps.add(pair.substr(0, eq), pair.substr(eq + 1));
    }

    // Signals are taken by one thread, so the server stops in an orderly way.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    signal(SIGPIPE, SIG_IGN);

    try {
        SqliteCatalogueStore store(dbFile);
        CatalogueService service(store, std::move(apps));
        HttpFrontEnd server(service, front, &std::cerr);
        int port = server.bind();
        std::printf("pentad-server: serving %s://%s:%d/ from %s\n",
                    server.usesTls() ? "https" : "http", front.bind.c_str(), port,
                    dbFile.c_str());
        std::fflush(stdout);

        std::thread waiter([&] {
            int signal = 0;
            sigwait(&stopSignals, &signal);
            server.stop();
        });
        server.run();
        // run() may also end on its own; wake the waiter in that case
        pthread_kill(waiter.native_handle(), SIGTERM);
        waiter.join();
        std::cerr << "pentad-server: stopped\n";
    } catch (const std::exception& e) {
        std::cerr << "pentad-server: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
