// SPDX-License-Identifier: GPL-3.0-or-later
// A catalogue service on a fresh database with a clock the test moves, and
// the users the tests play: two installations of one person, another
// person, and a program of the family other than Pentad.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "online/catalogue_protocol.h"
#include "online/catalogue_reply.h"
#include "online/catalogue_requests.h"
#include "server/catalogue_service.h"
#include "server/sqlite_store.h"
#include "support/temp_dir.h"

namespace pentad::server::test {

using catalogue::Form;
using catalogue::Identity;
using catalogue::ReplyRow;

inline Identity alice() {
    return {std::string(catalogue::kPentadAppId), "1.0.0.0", "hw-alice", "Алиса",
            "alice@example.org", 1049};
}
// Alice on her second computer.
inline Identity aliceElsewhere() {
    Identity id = alice();
    id.hwdid = "hw-alice-laptop";
    return id;
}
inline Identity bob() {
    return {std::string(catalogue::kPentadAppId), "1.0.0.0", "hw-bob", "Bob", "bob@example.org",
            1033};
}
inline Identity otherProgram() {
    return {"{0D1C2B3A-0000-4000-8000-000000000001}", "5.3.0.120", "hw-carol", "Carol",
            "carol@example.org", 1049};
}

class CatalogueFixture : public ::testing::Test {
protected:
    static constexpr int64_t kStart = 1700000000;   // 2023-11-14 22:13:20 UTC

    CatalogueFixture() { open(); }

    void open() {
        service.reset();
        store = std::make_unique<SqliteCatalogueStore>(dir.file("catalogue.sqlite"));
        service = std::make_unique<CatalogueService>(*store, AppNames(), [this] { return now; });
    }

    // The rows of a request that must succeed (no "<error>" row).
    std::vector<ReplyRow> post(std::string_view path, const Form& form) {
        ServiceReply reply = service->handle(path, form.body());
        EXPECT_EQ(reply.status, 200);
        auto rows = catalogue::readReply(reply.body);
        for (const auto& row : rows) {
            EXPECT_EQ(row.error(), "") << path;
        }
        return rows;
    }

    // The refusal text of a request that must be refused.
    std::string refusal(std::string_view path, std::string_view body) {
        ServiceReply reply = service->handle(path, body);
        EXPECT_EQ(reply.status, 200);
        auto rows = catalogue::readReply(reply.body);
        EXPECT_EQ(rows.size(), 1u) << path;
        return rows.empty() ? std::string() : rows[0].error();
    }
    std::string refusal(std::string_view path, const Form& form) {
        return refusal(path, form.body());
    }

    // The one number a single-answer request gives.
    long long answer(std::string_view path, const Form& form, std::string_view element) {
        auto rows = post(path, form);
        EXPECT_EQ(rows.size(), 1u);
        return rows.empty() ? -999 : rows[0].intField(element).value_or(-999);
    }

    int publish(const Identity& who, const std::string& title, bool isPublic = true,
                bool uniApps = false, const std::string& text = "1;2;3\r\n4;5;6") {
        catalogue::ScriptPublication p;
        p.title = title;
        p.descr = "Описание: " + title;
        p.script = text;
        p.isPublic = isPublic;
        p.uniApps = uniApps;
        return static_cast<int>(answer(catalogue::kScriptPutPath,
                                       catalogue::scriptPutForm(p, who),
                                       catalogue::element::kScriptNumber));
    }

    std::vector<ReplyRow> list(const Identity& who, catalogue::ListFilter filter =
                                                        catalogue::ListFilter::AllButHidden) {
        return post(catalogue::kScriptListPath,
                    catalogue::scriptListForm(static_cast<int>(filter), who));
    }

    // The ids of a list, in reply order.
    std::vector<long long> ids(const Identity& who, catalogue::ListFilter filter =
                                                         catalogue::ListFilter::AllButHidden) {
        std::vector<long long> out;
        for (const auto& row : list(who, filter)) {
            out.push_back(row.intField(catalogue::element::kId).value_or(-1));
        }
        return out;
    }

    // The list row of entry `id` as `who` sees it (empty row when absent).
    ReplyRow rowOf(const Identity& who, int id) {
        for (auto& row : list(who, catalogue::ListFilter::All)) {
            if (row.intField(catalogue::element::kId) == id) {
                return row;
            }
        }
        ADD_FAILURE() << "entry " << id << " not listed";
        return ReplyRow("");
    }

    long long rate(const Identity& who, int id, int value, const std::string& notes = "") {
        return answer(catalogue::kScriptRatePath, catalogue::scriptRateForm(id, value, notes, who),
                      catalogue::element::kResCode);
    }

    pentad::test::TempDir dir;
    int64_t now = kStart;
    std::unique_ptr<SqliteCatalogueStore> store;
    std::unique_ptr<CatalogueService> service;
};

}  // namespace pentad::server::test
