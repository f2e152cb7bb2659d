// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fuzz_readers.h"

#include <stdexcept>

#include "game/draw_archive.h"
#include "game/draw_csv.h"
#include "game/results_page.h"
#include "online/catalogue_codecs.h"
#include "online/catalogue_reply.h"
#include "online/proxy_search.h"
#include "shell/error.h"

namespace pentad::test {
namespace {

void readArchive(std::string_view bytes) {
    DrawArchive archive;
    archive.decode(std::string(bytes));
    // What was kept must write back to the same records.
    DrawArchive again;
    if (!again.decode(archive.encode()).empty() || again.count() != archive.count()) {
        throw std::logic_error("archive records do not survive a write");
    }
}

void readCsvImport(std::string_view bytes) {
    DrawArchive archive;
    importDrawsText(archive, bytes);
    exportDrawsText(archive.draws());
}

void readResults(std::string_view bytes) {
    TDrawsArray stored;
    TDrawsArray collected;
    readResultsPage(bytes, stored, collected);
}

void readProxyList(std::string_view bytes) {
    std::vector<std::string> list;
    readProxyListPage(bytes, 0, list);
    readProxyListPage(bytes, 8080, list);
}

void readCatalogueReply(std::string_view bytes) {
    for (const catalogue::ReplyRow& row : catalogue::readReply(bytes)) {
        row.error();
        row.field("id");
        row.field("title");
        row.base64Field("body");
        row.intField("rating");
        row.has("error");
    }
    catalogue::base64Decode(bytes);
    catalogue::base64DecodeStrict(bytes);
}

}  // namespace

const std::vector<std::string>& coreFuzzTargets() {
    static const std::vector<std::string> names = {"archive", "csv_import", "results_page",
                                                   "proxy_list", "catalogue_reply"};
    return names;
}

void readAsTarget(std::string_view target, std::string_view bytes) {
    try {
        if (target == "archive") {
            readArchive(bytes);
        } else if (target == "csv_import") {
            readCsvImport(bytes);
        } else if (target == "results_page") {
            readResults(bytes);
        } else if (target == "proxy_list") {
            readProxyList(bytes);
        } else if (target == "catalogue_reply") {
            readCatalogueReply(bytes);
        } else {
            throw std::invalid_argument("no reader named " + std::string(target));
        }
    } catch (const Error&) {
        // A refusal with the program's own message is a sound answer.
    }
}

}  // namespace pentad::test
