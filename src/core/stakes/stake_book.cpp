// SPDX-License-Identifier: GPL-3.0-or-later
#include "stakes/stake_book.h"

#include <algorithm>
#include <functional>

#include "shell/error.h"
#include "shell/file_io.h"
#include "shell/shell.h"
#include "stakes/stake_texts.h"
#include "stats/stat_list.h"

namespace pentad {

StakeBook::StakeBook(Shell& shell, std::string folder, DrawArchive& archive,
                     const TStatList& stats, const CombinationSet& combs)
    : m_shell(shell),
      m_folder(std::move(folder)),
      m_archive(archive),
      m_stats(stats),
      m_combs(combs),
      m_ledger(shell, joinPath(m_folder, texts::kLedgerFileName)),
      m_log(shell, m_folder) {}

std::string StakeBook::path(const char* name) const {
    return joinPath(m_folder, name);
}

StakeLedger::OpenResult StakeBook::LoadLedger() {
    StakeLedger::OpenResult r = m_ledger.Load();
    m_changes |= 1;
    return r;
}

int StakeBook::nextDraw() const {
    int n = m_archive.nextDrawNumber(m_archive.offset());
    return n < 1 ? 1 : n;
}

TStakeRec StakeBook::newStake(StakeKind kind, const TCombRec& comb,
                              const std::string& comment) const {
    return makeStake(m_stats.config, kind, comb, nextDraw(), m_combs.CombsCount(), comment);
}

bool StakeBook::CheckAndRefresh() {
    bool scored = CheckStakes(m_shell, m_ledger, m_archive, m_stats.config, m_ratings, m_log,
                              m_batch ? &m_scanFrom : nullptr);
    if (scored) {
        // Reopening flushes the ledger to the disk; a batch does it once.
        if (m_batch) {
            m_reopenPending = true;
        } else {
            m_ledger.Reopen();
        }
        SortRatings(ratingsSortColumn, ratingsDescending);
    }
    m_changes |= 1;
    return scored;
}

void StakeBook::BeginBatch() {
    m_batch = true;
    m_ratingsPending = false;
    m_reopenPending = false;
    m_scanFrom = 0;
}

bool StakeBook::FlushBatch() {
    if (m_reopenPending) {
        m_reopenPending = false;
        m_ledger.Reopen();
    }
    if (!m_ratingsPending) {
        return true;
    }
    m_ratingsPending = false;
    const bool batch = m_batch;
    m_batch = false;
    bool ok = SaveRatings();
    m_batch = batch;
    return ok;
}

void StakeBook::EndBatch() {
    FlushBatch();
    m_batch = false;
    m_scanFrom = 0;
}

bool StakeBook::CreateStake(const TStakeRec& rec, int drawsCount) {
    bool ok;
    {
        OperationScope op(m_shell, texts::kStatusCreatingStake);
        ok = m_ledger.AppendStake(rec, drawsCount);
    }
    if (ok) {
        CheckAndRefresh();
    }
    m_changes |= 1;
    return ok;
}

bool StakeBook::CreateStakesFor(const std::vector<int>& rows, int32_t drawNumber, int drawsCount,
                                const std::string& comment) {
    bool ok = true;
    {
        OperationScope op(m_shell, texts::kStatusCreatingStakes);
        for (size_t i = 0; i < rows.size(); ++i) {
            int row = rows[i];
            if (row < 0 || row >= m_combs.CombsCount()) {
                continue;
            }
            TStakeRec rec = makeStake(m_stats.config, kStakeManual, m_combs.at(row), drawNumber,
                                      m_combs.CombsCount(), comment);
            if (!m_ledger.AppendStake(rec, drawsCount)) {
                ok = false;
                break;
            }
            if (i % 1024 == 1023) {
                m_shell.processEvents();
            }
        }
    }
    m_changes |= 1;
    if (ok) {
        CheckAndRefresh();
    }
    return ok;
}

bool StakeBook::DeleteStakes(int first, int last, bool confirmed) {
    if (first < 1 || last < first) {
        return false;
    }
    last = std::min(last, m_ledger.RecordCount());
    if (!confirmed && !m_shell.confirmDelete(last - first + 1)) {
        return false;
    }
    bool ok;
    {
        OperationScope op(m_shell, texts::kStatusDeletingStakes);
        ok = m_ledger.DeleteRows(first, last);
    }
    m_changes |= 1;
    if (ok) {
        CheckAndRefresh();
    }
    return ok;
}

bool StakeBook::DeleteByCondition(int mode, int value) {
    bool ok;
    {
        OperationScope op(m_shell, texts::kStatusDeletingStakes);
        ok = m_ledger.DeleteByCondition(mode, value);
    }
    m_changes |= 1;
    if (ok) {
        CheckAndRefresh();
    }
    return ok;
}

bool StakeBook::ClearStakes(bool confirmed) {
    if (!confirmed && !m_shell.confirmDelete(m_ledger.RecordCount())) {
        return false;
    }
    bool ok;
    {
        OperationScope op(m_shell, texts::kStatusDeletingStakes);
        ok = m_ledger.Clear();
    }
    m_changes |= 1;
    if (ok) {
        RatingsRefresh(true);
    }
    return ok;
}

bool StakeBook::LoadRatings() {
    std::string file = path(texts::kRatingsFileName);
    if (!fileExists(file)) {
        return true;
    }
    bool ok;
    {
        OperationScope op(m_shell, texts::kStatusLoadingRatings);
        ok = m_shell.guard(texts::kErrorReadRatings,
                           [&] { m_ratings = decodeRatings(readFileBytes(file)); });
    }
    m_changes |= 2;
    return ok && SortRatings(ratingsSortColumn, ratingsDescending);
}

bool StakeBook::SaveRatings() {
    m_changes |= 2;
    if (m_batch) {
        m_ratingsPending = true;
        return true;
    }
    OperationScope op(m_shell, texts::kStatusSavingRatings);
    return m_shell.guard(texts::kErrorWriteRatings, [&] {
        writeFileAtomic(path(texts::kRatingsFileName), encodeRatings(m_ratings));
    });
}

bool StakeBook::SortRatings(int column, bool descending) {
    ratingsSortColumn = column;
    ratingsDescending = descending;
    {
        OperationScope op(m_shell, texts::kStatusSortingRatings);
        sortRatings(m_ratings, column, descending);
    }
    return SaveRatings();
}

bool StakeBook::RatingsRefresh(bool confirmed) {
    if (!m_ratings.empty() && !confirmed && !m_shell.confirm(texts::kConfirmRatingsRefresh)) {
        return false;
    }
    bool ok;
    {
        OperationScope op(m_shell, texts::kStatusRefreshingRatings);
        ok = m_shell.guard(texts::kErrorRefreshRatings, [&] {
            TRatingsArray fresh;
            if (m_ledger.isOpen()) {
                for (const TStakeRec& r : m_ledger.readAll()) {
                    if (r.DrawNumber >= 0 && r.Checked != 0) {
                        MergeRating(fresh, r);
                    }
                }
            }
            m_ratings = std::move(fresh);
        });
    }
    m_changes |= 2;
    return ok && SortRatings(ratingsSortColumn, ratingsDescending);
}

bool StakeBook::ExportRatings(const std::string& file) {
    OperationScope op(m_shell, texts::kStatusExportCsv);
    return m_shell.guard(texts::kErrorWriteRatings,
                         [&] { writeFileAtomic(file, ratingsCsv(m_ratings)); });
}

bool StakeBook::LoadRules() {
    std::string file = path(texts::kRulesFileName);
    if (!fileExists(file)) {
        return true;
    }
    OperationScope op(m_shell, texts::kStatusLoadingRules);
    m_changes |= 4;
    return m_shell.guard(texts::kErrorReadRules,
                         [&] { m_rules = decodeRules(readFileBytes(file)); });
}

bool StakeBook::SaveRules() {
    OperationScope op(m_shell, texts::kStatusSavingRules);
    m_changes |= 4;
    return m_shell.guard(texts::kErrorWriteRules, [&] {
        writeFileAtomic(path(texts::kRulesFileName), encodeRules(m_rules));
    });
}

bool StakeBook::AddRules(const TTableRec& dialogRule, const std::vector<int>& selectedRows) {
    std::vector<int> rows;
    for (int r : selectedRows) {
        // One selected row stands for the dialog's own start combination.
        if (selectedRows.size() == 1 || (r >= 0 && r < m_combs.CombsCount())) {
            rows.push_back(r);
        }
    }
    TTableArray added;
    {
        OperationScope op(m_shell, texts::kStatusCreatingRules);
        TCombsArray combs(m_combs.combs().begin(), m_combs.combs().end());
        added = rulesToAdd(dialogRule, rows, combs);
        m_rules.insert(m_rules.end(), added.begin(), added.end());
    }
    return !added.empty() && SaveRules();
}

bool StakeBook::DeleteRules(std::vector<int> indices, bool confirmed) {
    std::sort(indices.begin(), indices.end(), std::greater<>());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    if (indices.empty() ||
        (!confirmed && !m_shell.confirmDelete(static_cast<int>(indices.size())))) {
        return false;
    }
    for (int i : indices) {
        if (i >= 0 && i < static_cast<int>(m_rules.size())) {
            m_rules.erase(m_rules.begin() + i);
        }
    }
    return SaveRules();
}

std::pair<TStakeRec, TTableRec> StakeBook::RuleStake(int index) const {
    TTableRec rule = m_rules.at(static_cast<size_t>(index));
    NextCombination(rule, m_archive);
    TCombRec comb;
    comb.Digits = rule.Last;
    return {newStake(kStakeRegular, comb, rule.Comment), rule};
}

bool StakeBook::CommitRuleStake(int index, const TTableRec& advanced, const TStakeRec& stake,
                                int drawsCount) {
    m_rules.at(static_cast<size_t>(index)) = advanced;
    SaveRules();
    return CreateStake(stake, drawsCount);
}

bool StakeBook::TestRules(const std::vector<int>& indices, int tests) {
    if (tests < 1) {
        return false;
    }
    const int savedOffset = m_archive.offset();
    bool ok = true;
    m_suspended = true;
    {
        OperationScope op(m_shell, texts::kStatusRuleTest);
        for (int t = tests; t >= 1 && ok; --t) {
            m_archive.setOffset(t);
            for (int i : indices) {
                if (i < 0 || i >= static_cast<int>(m_rules.size())) {
                    continue;
                }
                TTableRec& rule = m_rules[static_cast<size_t>(i)];
                NextCombination(rule, m_archive);
                TCombRec comb;
                comb.Digits = rule.Last;
                if (!m_ledger.AppendStake(newStake(kStakeRegular, comb, rule.Comment), 1)) {
                    ok = false;
                    break;
                }
            }
            m_shell.processEvents();
        }
        m_archive.setOffset(savedOffset);
    }
    m_suspended = false;
    SaveRules();
    m_changes |= 1 | 8;
    if (ok) {
        CheckAndRefresh();
    }
    return ok;
}

std::string StakeBook::stakesPanelText() const {
    return format(texts::kPanelStakes, m_ledger.RecordCount());
}

std::string StakeBook::ratingsPanelText() const {
    return format(texts::kPanelRatings, static_cast<int>(m_ratings.size()));
}

}  // namespace pentad
