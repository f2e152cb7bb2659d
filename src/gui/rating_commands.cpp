// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of the menu "Рейтинг": rebuilding the ratings from the
// ledger, the CSV export, scenario lines made from rating rows, the
// efficiency mode of the E columns and the four graphs of stakes and
// ratings. The graphs of selected rating rows may be drawn while another
// operation runs.
#include <QAction>
#include <QTabWidget>

#include "charts/graph_window.h"
#include "command_set.h"
#include "game/game_texts.h"
#include "gui_texts.h"
#include "qt_text.h"
#include "ratings_pane.h"
#include "stakes/stake_texts.h"
#include "stats/stat_texts.h"
#include "template_main.h"

namespace pentad {
namespace {

enum GraphKind { kProfitByDraw, kMatchesOfRows, kProfitsOfRows, kMatchCounts };

constexpr const char* kScenarioPageName = "tabScenario";

// Dialog filter of the ratings export, from its "description|pattern" form.
QString csvFilter() {
    return uiText(texts::kRatingsCsvFilter).section(QLatin1Char('|'), 0, 0);
}

}  // namespace

void TTemplateMain::createRatingCommands() {
    StakeBook* book = &m_workspace.stakes();
    auto ledgerFilled = [book] { return book->ledger().isOpen() && !book->ledger().IsEmpty(); };
    auto rowsSelected = [this] { return m_ratingsPane->hasSelection(); };
    auto ratingsFilled = [book] { return !book->ratings().empty(); };

    m_commands->add({.name = "RatingsRefresh",
                     .caption = texts::kCmdRatingsRefresh,
                     .key = QKeySequence(Qt::Key_F5),
                     .enabled = [book] { return book->ledger().isOpen(); },
                     .execute = [book] { book->RatingsRefresh(); }});
    m_commands->add({.name = "RatingsExport",
                     .caption = texts::kCmdRatingsExport,
                     .enabled = ratingsFilled,
                     .execute = [this] { ratingsExport(); }});
    m_commands->add({.name = "RatingsToScript",
                     .caption = texts::kCmdRatingsToScript,
                     .enabled = rowsSelected,
                     .execute = [this] { ratingsToScript(); }});
    m_commands->add({.name = "StakesGraphDraws",
                     .caption = texts::kCmdStakesGraphDraws,
                     .key = QKeySequence(Qt::Key_F6),
                     .enabled = ledgerFilled,
                     .execute = [this] { ratingsGraph(kProfitByDraw); }});
    m_commands->add(
        {.name = "StakesGraphOverlap",
         .caption = texts::kCmdStakesGraphOverlap,
         .key = QKeySequence(Qt::CTRL | Qt::Key_F6),
         .enabled = [ledgerFilled, rowsSelected] { return ledgerFilled() && rowsSelected(); },
         .execute = [this] { ratingsGraph(kMatchesOfRows); },
         .idleTest = false});
    m_commands->add(
        {.name = "StakesGraphProfits",
         .caption = texts::kCmdStakesGraphProfits,
         .key = QKeySequence(Qt::ALT | Qt::Key_F6),
         .enabled = [ledgerFilled, rowsSelected] { return ledgerFilled() && rowsSelected(); },
         .execute = [this] { ratingsGraph(kProfitsOfRows); },
         .idleTest = false});
    m_commands->add({.name = "RatingsGraphOverlap",
                     .caption = texts::kCmdRatingsGraphOverlap,
                     .enabled = rowsSelected,
                     .execute = [this] { ratingsGraph(kMatchCounts); },
                     .idleTest = false});
    const char* const effModes[] = {"RatingsEffMode0", "RatingsEffMode1", "RatingsEffMode2"};
    for (int mode = 0; mode < 3; ++mode) {
        m_commands->add(
            {.name = effModes[mode],
             .caption = texts::kEffModeCaptions[mode],
             .execute =
                 [this, mode] {
                     BusyScope busy(shell());
                     m_workspace.setViewOption("RatingsEffMode", mode);
                     m_ratingsPane->repaint();
                 },
             .checked = [this, mode] { return m_workspace.form().RatingsEffMode == mode; }});
    }
}

void TTemplateMain::ratingsExport() {
    const QString path = chooseSaveFile(uiText(texts::kRatingsExportTitle), csvFilter(),
                                        uiText(texts::kCsvExtension));
    if (!path.isEmpty()) {
        m_workspace.stakes().ExportRatings(toStdString(path));
    }
}

void TTemplateMain::ratingsToScript() {
    if (m_workspace.ratingsToScript(m_ratingsPane->selectedRows()) == 0) {
        return;
    }
    for (int i = 0; i < m_rightTabs->count(); ++i) {
        if (m_rightTabs->widget(i)->objectName() == QLatin1String(kScenarioPageName)) {
            m_rightTabs->setCurrentIndex(i);
            break;
        }
    }
}

void TTemplateMain::ratingsGraph(int kind) {
    StakeBook& book = m_workspace.stakes();
    const TRatingsArray& ratings = book.ratings();
    std::vector<TRatingRec> rows;
    for (int r : m_ratingsPane->selectedRows()) {
        if (r >= 0 && r < static_cast<int>(ratings.size())) {
            rows.push_back(ratings[static_cast<size_t>(r)]);
        }
    }
    GraphData data;
    bool built = false;
    {
        StatusTextScope status(shell(), texts::kStatusCharts);
        built = shell().guard("%s", [&] {
            switch (kind) {
                case kProfitByDraw:
                    data = profitByDrawGraph(book.ledger().readAll(), texts::kCmdStakesGraphDraws);
                    break;
                case kMatchesOfRows:
                case kProfitsOfRows: {
                    std::vector<std::string> comments;
                    for (const TRatingRec& r : rows) {
                        comments.push_back(r.Comment);
                    }
                    const bool profit = kind == kProfitsOfRows;
                    data = stakesByDrawGraph(
                        book.ledger().readAll(), comments, profit,
                        profit ? texts::kCmdStakesGraphProfits : texts::kCmdStakesGraphOverlap);
                    break;
                }
                default:
                    data = matchCountGraph(rows, texts::kCmdRatingsGraphOverlap);
                    break;
            }
        });
    }
    if (built) {
        auto* window = new GraphWindow(data, &m_workspace.frm(), this);
        window->show();
    }
}

}  // namespace pentad
