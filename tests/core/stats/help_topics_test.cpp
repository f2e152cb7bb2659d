// SPDX-License-Identifier: GPL-3.0-or-later
// The compiled help files against the method registry: every help code has
// its topic, each topic names the flags of its method, every worked example
// shows what the statistics table computes for the draws it lists, and the
// links between pages lead to stored pages.
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "shell/chm_file.h"
#include "shell/help_file.h"
#include "shell/text_utils.h"
#include "stats/stat_list.h"
#include "stats/stat_table.h"

#ifdef PENTAD_HELP_DIR

namespace pentad {
namespace {

using Attributes = std::map<std::string, std::string>;

Attributes attributesOf(const std::string& tag) {
    static const std::regex kAttribute(R"re(([\w-]+)="([^"]*)")re");
    Attributes out;
    for (std::sregex_iterator it(tag.begin(), tag.end(), kAttribute), end; it != end; ++it) {
        out[(*it)[1]] = (*it)[2];
    }
    return out;
}

std::string cellText(const std::string& html) {
    return trim(htmlToText(html));
}

// The cells of every row of a table; `header` receives the header cells'
// attributes.
std::vector<std::vector<std::string>> tableRows(const std::string& body,
                                                std::vector<Attributes>* header) {
    static const std::regex kRow(R"re(<tr[^>]*>([\s\S]*?)</tr>)re");
    static const std::regex kCell(R"re(<(td|th)([^>]*)>([\s\S]*?)</t[dh]>)re");
    std::vector<std::vector<std::string>> rows;
    for (std::sregex_iterator r(body.begin(), body.end(), kRow), end; r != end; ++r) {
        const std::string row = (*r)[1];
        std::vector<std::string> cells;
        bool isHeader = false;
        for (std::sregex_iterator c(row.begin(), row.end(), kCell); c != end; ++c) {
            if ((*c)[1] == "th") {
                isHeader = true;
                if (header != nullptr) {
                    header->push_back(attributesOf((*c)[2]));
                }
            }
            cells.push_back(cellText((*c)[3]));
        }
        if (!isHeader) {
            rows.push_back(cells);
        }
    }
    return rows;
}

class HelpTopicsTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        path = std::string(PENTAD_HELP_DIR) + "/Kestrel_" + GetParam() + ".chm";
        file = std::make_unique<ChmFile>(path);
    }
    std::string page(const std::string& name) const {
        std::optional<std::string> bytes = file->read(name);
        return bytes ? helpPageToUtf8(*bytes) : std::string();
    }
    std::vector<std::string> topics() const {
        std::vector<std::string> out;
        for (const std::string& name : file->names()) {
            if (name.rfind("/Filters_1049_", 0) == 0) {
                out.push_back(name);
            }
        }
        return out;
    }

    std::string path;
    std::unique_ptr<ChmFile> file;
};

TEST_P(HelpTopicsTest, EveryHelpCodeOfTheRegistryHasItsTopic) {
    TDrawsArray draws;
    TStatList list(draws);
    std::set<std::string> codes;
    for (const StatClass* c : statRegistry()) {
        const std::string code = c->helpCode(c->range(list).first);
        codes.insert(code);
        const std::string text = page("/Filters_1049_" + code + ".htm");
        ASSERT_FALSE(text.empty())
            << path << " has no topic for " << c->name << " (" << code << ")";
        EXPECT_NE(text.find("<h1>"), std::string::npos) << code;
        EXPECT_NE(text.find("<div class=\"example\">"), std::string::npos)
            << "the topic " << code << " has no worked example";
    }
    EXPECT_EQ(codes.size(), 142u);
    EXPECT_EQ(topics().size(), codes.size()) << "topics that no method opens";

    // The topic a method of the list opens is the one stored.
    list.Fill();
    list.HelpFile = path;
    for (int i = 0; i < list.Count(); ++i) {
        const std::optional<HelpAddress> topic = splitHelpAddress(list.HelpUrl(i));
        ASSERT_TRUE(topic) << list.Item(i).Code();
        EXPECT_EQ(topic->file, path);
        EXPECT_TRUE(file->contains(topic->page)) << topic->page;
    }
}

TEST_P(HelpTopicsTest, TopicsShowTheFlagsOfTheirMethods) {
    static const std::regex kFlags(R"re(<span class="flags">([^<]*)</span>)re");
    TDrawsArray draws;
    TStatList list(draws);
    for (const StatClass* c : statRegistry()) {
        const auto [lo, hi] = c->range(list);
        if (hi < lo) {
            continue;  // contributes no method (the extra number of other games)
        }
        const std::string code = c->helpCode(lo);
        const std::string text = page("/Filters_1049_" + code + ".htm");
        std::smatch m;
        ASSERT_TRUE(std::regex_search(text, m, kFlags)) << code;
        const std::string shown = c->flags() == 0 ? std::string() : flagLetters(c->flags());
        if (!shown.empty()) {
            EXPECT_EQ(m[1].str(), shown) << code;
        }
    }
}

// Recomputes the example tables of every topic: a table of class "draws"
// lists the archive (newest first, with the settings it needs), and each
// following table of class "rows" shows cells of the statistics table of
// its method over that archive.
TEST_P(HelpTopicsTest, WorkedExamplesShowWhatTheTableComputes) {
    static const std::regex kTable(R"re(<table class="(draws|rows)"([^>]*)>([\s\S]*?)</table>)re");
    int checked = 0;
    for (const std::string& name : topics()) {
        const std::string text = page(name);
        DrawArchive archive;
        TConfigData config;
        bool haveDraws = false;
        for (std::sregex_iterator t(text.begin(), text.end(), kTable), end; t != end; ++t) {
            const Attributes attrs = attributesOf((*t)[2]);
            const std::string body = (*t)[3];
            if ((*t)[1] == "draws") {
                archive = DrawArchive();
                config = TConfigData();
                const auto rows = tableRows(body, nullptr);
                for (auto r = rows.rbegin(); r != rows.rend(); ++r) {
                    ASSERT_EQ(r->size(), 6u) << name;
                    TDrawRec d;
                    d.Number = textToInt((*r)[0]);
                    for (size_t i = 0; i < 5; ++i) {
                        d.Digits[i] = static_cast<uint8_t>(textToInt((*r)[i + 1]));
                    }
                    archive.append(d);
                }
                if (attrs.count("data-channel") != 0) {
                    config.ChannelSize = textToInt(attrs.at("data-channel"));
                }
                if (attrs.count("data-segments") != 0) {
                    const std::string& s = attrs.at("data-segments");
                    ASSERT_EQ(s.size(), 50u) << name;
                    for (size_t i = 0; i < 50; ++i) {
                        config.MatrixSegments[i] = static_cast<uint8_t>(s[i] - '0');
                    }
                }
                archive.setOffset(
                    attrs.count("data-offset") != 0 ? textToInt(attrs.at("data-offset")) : 0);
                haveDraws = true;
                continue;
            }
            ASSERT_TRUE(haveDraws) << name << ": example rows without draws";
            TStatList list(archive.draws());
            list.config = config;
            list.Fill();
            const std::string method = attrs.at("data-method");
            const int entry = list.IndexOfCode(method);
            ASSERT_GE(entry, 0) << name << ": " << method;
            const int length =
                attrs.count("data-len") != 0 ? textToInt(attrs.at("data-len")) : 1000;
            const StatComputation c =
                computeStatistic(list, entry, archive, length, false, nullptr, false, false);
            std::vector<std::array<std::string, kStatColumns>> computed;
            for (size_t i = 0; i < c.rows.size(); ++i) {
                computed.push_back(statCells(c, i, list.weights()));
            }
            std::vector<Attributes> header;
            const auto rows = tableRows(body, &header);
            std::vector<int> columns;
            for (const Attributes& h : header) {
                columns.push_back(textToInt(h.at("data-col")));
            }
            ASSERT_FALSE(columns.empty()) << name;
            ASSERT_EQ(columns.front(), 0) << name << ": the first column must be the value";
            if (attrs.count("data-all") != 0) {
                EXPECT_EQ(rows.size(), computed.size()) << name << " " << method;
            }
            for (size_t r = 0; r < rows.size(); ++r) {
                ASSERT_EQ(rows[r].size(), columns.size()) << name;
                size_t found = computed.size();
                for (size_t i = 0; i < computed.size(); ++i) {
                    if (computed[i][0] == rows[r][0]) {
                        found = i;
                        break;
                    }
                }
                ASSERT_LT(found, computed.size())
                    << name << " " << method << ": no row \"" << rows[r][0] << "\"";
                if (attrs.count("data-all") != 0) {
                    EXPECT_EQ(found, r) << name << " " << method << ": row order";
                }
                for (size_t k = 1; k < columns.size(); ++k) {
                    EXPECT_EQ(rows[r][k], computed[found][static_cast<size_t>(columns[k])])
                        << name << " " << method << ", row \"" << rows[r][0] << "\", column "
                        << columns[k];
                }
            }
            ++checked;
        }
    }
    EXPECT_GT(checked, 120);
}

TEST_P(HelpTopicsTest, LinksLeadToStoredPages) {
    static const std::regex kLink(R"re((?:href|src)="([^"#:]+)(?:#[^"]*)?")re");
    int pages = 0;
    for (const std::string& name : file->names()) {
        if (name.size() < 4 || name.compare(name.size() - 4, 4, ".htm") != 0) {
            continue;
        }
        ++pages;
        const std::string text = page(name);
        for (std::sregex_iterator l(text.begin(), text.end(), kLink), end; l != end; ++l) {
            EXPECT_TRUE(file->contains("/" + (*l)[1].str())) << name << " -> " << (*l)[1];
        }
    }
    EXPECT_GT(pages, 150);
}

INSTANTIATE_TEST_SUITE_P(Languages, HelpTopicsTest, ::testing::Values("RUS", "ENU"));

}  // namespace
}  // namespace pentad

#endif  // PENTAD_HELP_DIR
