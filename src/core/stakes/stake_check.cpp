// SPDX-License-Identifier: GPL-3.0-or-later
#include "stakes/stake_check.h"

#include <cerrno>
#include <ctime>
#include <fstream>

#include "game/routines.h"
#include "shell/cp1251.h"
#include "shell/data_folder.h"
#include "shell/error.h"
#include "shell/file_io.h"
#include "shell/money.h"
#include "shell/operation.h"
#include "shell/shell.h"
#include "stakes/stake_texts.h"

namespace pentad {

std::string stakeLogText(const TStakeRec& s) {
    return format(texts::kStakeLogLine, std::to_string(s.DrawNumber), s.Comment,
                  numberSetToText(s.Stake, ";"), s.SampleSize, digitsToText(s.Result, ";"),
                  s.Matches.Count, moneyToText(s.Profit));
}

std::string logTimestamp() {
    std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return format("%04d.%02d.%02d %02d:%02d:%02d", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
}

std::string StakeLog::pathFor(int matches) const {
    return joinPath(m_folder, format("%s-%d.log", kBaseName, matches));
}

void StakeLog::LogStake(const TStakeRec& stake) {
    if (!enabled || stake.Checked == 0) {
        return;
    }
    std::string path = pathFor(stake.Matches.Count);
    if (fileSize(path) > kStakeLogLimit && !deleteFile(path)) {
        m_shell.error(format(texts::kErrorDeleteFile, path, systemErrorText(errno)));
    }
    std::ofstream out(path, std::ios::binary | std::ios::app);
    std::string line = utf8ToCp1251(logTimestamp() + ": " + stakeLogText(stake)) + "\r\n";
    out.write(line.data(), static_cast<std::streamsize>(line.size()));
    out.close();
    if (!out) {
        m_shell.error(format(texts::kErrorWriteFile, path, systemErrorText(errno)));
    }
}

void StakeLog::DeleteLogs() {
    deleteFilesByMask(m_shell, m_folder, std::string(kBaseName) + "-*.log",
                      texts::kDeleteStakeLogsTitle);
}

bool CheckStakes(Shell& shell, StakeLedger& ledger, const DrawArchive& archive,
                 const TConfigData& config, TRatingsArray& ratings, StakeLog& log,
                 int* scanFrom) {
    OperationScope op(shell, texts::kStatusChecking);
    if (ledger.IsEmpty()) {
        if (scanFrom != nullptr) {
            *scanFrom = 0;
        }
        return false;
    }
    bool scored = false;
    shell.guard(texts::kErrorChecking, [&] {
        int from = 0;
        if (scanFrom != nullptr && *scanFrom > 0 && *scanFrom <= ledger.RecordCount()) {
            from = *scanFrom;
        }
        std::vector<TStakeRec> recs = ledger.readFrom(from);
        int unresolved = -1;
        int total = static_cast<int>(recs.size());
        int step = std::max(1, total / 100);
        int first = -1;
        // Changed records are written back in runs of neighbours.
        int runStart = -1;
        std::vector<TStakeRec> run;
        auto flush = [&] {
            if (!run.empty()) {
                ledger.writeAt(runStart, run);
                run.clear();
            }
            runStart = -1;
        };
        for (int i = 0; i < static_cast<int>(recs.size()); ++i) {
            TStakeRec& r = recs[static_cast<size_t>(i)];
            bool changed = false;
            if (r.Checked == 0 && r.DrawNumber > 0 && r.Stake.Count >= 5) {
                if (first < 0) {
                    first = i + 1;
                    total = static_cast<int>(recs.size()) - i - 1;
                    step = std::max(1, total / 100);
                }
                int index = archive.findByNumber(r.DrawNumber);
                if (index >= 0) {
                    scoreStake(r, archive.draws()[static_cast<size_t>(index)], config);
                    MergeRating(ratings, r);
                    log.LogStake(r);
                    scored = true;
                    changed = true;
                } else if (unresolved < 0) {
                    unresolved = i;
                }
            }
            if (changed) {
                if (runStart < 0) {
                    runStart = from + i;
                }
                run.push_back(r);
            } else {
                flush();
            }
            int done = first < 0 ? 0 : i + 1 - first;
            if (total > 0 && done > 0 && done % step == 0) {
                shell.setStatus(format(texts::kStatusCheckingPercent, 100.0 * done / total));
                shell.processEvents();
            }
        }
        flush();
        if (scanFrom != nullptr) {
            *scanFrom = from + (unresolved >= 0 ? unresolved : static_cast<int>(recs.size()));
        }
    });
    return scored;
}

}  // namespace pentad
