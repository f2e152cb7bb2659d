// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/stat_table.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>

#include "game/routines.h"
#include "shell/error.h"
#include "shell/money.h"

namespace pentad {

namespace {

// FindNextOccurrence of every row from its start index (-1: none). Unless the
// method keeps run state, one pass counts each draw once for all rows.
std::vector<int32_t> nextOccurrences(TCustomStat& stat, const TStatDrawArray& rows,
                                     const std::vector<int>& from, int lastIndex, bool sorted) {
    std::vector<int32_t> facts(rows.size(), -1);
    if (stat.UsesRunContext()) {
        for (size_t i = 0; i < rows.size(); ++i) {
            if (from[i] >= 0) {
                facts[i] = stat.FindNextOccurrence(rows[i], from[i], lastIndex, sorted);
            }
        }
        return facts;
    }
    int start = INT_MAX;
    size_t pending = 0;
    for (int f : from) {
        if (f >= 0) {
            start = std::min(start, f);
            ++pending;
        }
    }
    const int end = stat.Draws != nullptr ? static_cast<int>(stat.Draws->size()) : 0;
    StatContext context;
    TStatDrawArray produced;
    TLastValueArray lastValues;
    for (int d = start; d < end && pending > 0; ++d) {
        produced.clear();
        lastValues.clear();
        stat.CountDraw(d, lastIndex, sorted, produced, context, lastValues);
        for (const TStatRow& p : produced) {
            int i = rows.find(p.keyValue());
            if (i >= 0 && facts[static_cast<size_t>(i)] < 0 && from[static_cast<size_t>(i)] >= 0 &&
                from[static_cast<size_t>(i)] <= d) {
                facts[static_cast<size_t>(i)] = p.LastDraw;
                --pending;
            }
        }
    }
    return facts;
}

}  // namespace

StatComputation computeStatistic(const TStatList& list, int entry, const DrawArchive& archive,
                                 int windowLength, bool sorted, const PrefetchData* prefetch,
                                 bool showTotalLine, bool withChart) {
    StatComputation c;
    c.entry = entry;
    c.lastIndex = archive.lastIndex() - archive.offset();
    long long first = static_cast<long long>(c.lastIndex) - std::max(windowLength, 1) + 1;
    c.firstIndex = static_cast<int>(std::max(0LL, first));
    c.N = std::max(0, c.lastIndex - c.firstIndex + 1);

    std::unique_ptr<TCustomStat> stat = list.CreateStat(entry);
    if (c.lastIndex >= c.firstIndex) {
        StatContext context;
        TLastValueArray lastValues;
        stat->PrepareRows(c.lastIndex, c.rows);
        for (int i = c.firstIndex; i <= c.lastIndex; ++i) {
            stat->CountDraw(i, c.lastIndex, sorted, c.rows, context, lastValues);
        }
    }
    for (const TStatRow& r : c.rows) {
        c.Total += r.Count;
        c.MinCount = std::min(c.MinCount, r.Count);
        c.MaxCount = std::max(c.MaxCount, r.Count);
        c.MaxDepth = std::max(c.MaxDepth, r.Depth);
    }

    if (prefetch != nullptr && prefetch->MaxCount > 0) {
        if (prefetch->MinCount == prefetch->MaxCount) {
            c.Scale = (static_cast<long double>(c.MaxCount) + c.MinCount) / 2 / prefetch->MaxCount;
        } else {
            c.Scale = static_cast<long double>(c.MaxCount) / prefetch->MaxCount;
        }
        c.HaveNorm = true;
    }
    if (c.HaveNorm && !c.rows.empty()) {
        for (const PrefetchRecord& rec : prefetch->records) {
            TStatRow key;
            key.Key = rec.Key;
            int i = c.rows.find(key.keyValue());
            if (i >= 0) {
                // Counts of a damaged file may scale beyond the cell's range.
                const long double norm =
                    roundHalfEven(static_cast<long double>(rec.FullCount) * c.Scale);
                c.rows[static_cast<size_t>(i)].Norm = static_cast<int32_t>(std::clamp<long double>(
                    norm, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
            }
        }
    }

    c.valueTexts.reserve(c.rows.size());
    std::vector<int> from(c.rows.size(), -1);
    for (size_t i = 0; i < c.rows.size(); ++i) {
        const TStatRow& r = c.rows[i];
        c.valueTexts.push_back(stat->ValueText(r));
        if (r.Count >= 1 && r.Depth > 0) {
            int index = archive.findByNumber(r.LastDraw);
            from[i] = index >= 0 ? index + 1 : -1;
        }
    }
    c.facts = nextOccurrences(*stat, c.rows, from, c.lastIndex, sorted);

    if (withChart && c.rows.size() > 1) {
        if (c.HaveNorm) {
            double k = 0;
            for (const PrefetchRecord& rec : prefetch->records) {
                k += 1;
                TStatRow key;
                key.Key = rec.Key;
                if (showTotalLine) {
                    c.chart.ideal.push_back(
                        {k, static_cast<double>(rec.FullCount * c.Scale), stat->ValueText(key)});
                }
                int i = c.rows.find(key.keyValue());
                if (i >= 0) {
                    c.chart.actual.push_back({k, static_cast<double>(c.rows[static_cast<size_t>(i)].Count),
                                              c.valueTexts[static_cast<size_t>(i)]});
                }
            }
        } else {
            std::vector<size_t> order(c.rows.size());
            for (size_t i = 0; i < order.size(); ++i) {
                order[i] = i;
            }
            std::stable_sort(order.begin(), order.end(),
                             [&](size_t a, size_t b) { return keyLess(c.rows[a], c.rows[b]); });
            double k = 0;
            for (size_t i : order) {
                k += 1;
                c.chart.actual.push_back({k, static_cast<double>(c.rows[i].Count), c.valueTexts[i]});
            }
        }
    }
    return c;
}

long double rowWeight(const StatComputation& c, const TStatRow& r, const CdlWeights& w) {
    long double count = r.Count;
    long double dev = c.HaveNorm ? static_cast<long double>(r.Count) - r.Norm : 0;
    long double depth = r.Depth;
    long double a = count, b = dev, d = depth;
    if (w.UsePercents) {
        a = c.Total != 0 ? count * 100 / static_cast<long double>(c.Total) : 0;
        b = (c.HaveNorm && r.Norm != 0) ? dev * 100 / r.Norm : 0;
        d = c.MaxDepth != 0 ? depth * 100 / c.MaxDepth : 0;
    }
    if (w.UseAbsValues) {
        a = std::fabs(a);
        b = std::fabs(b);
        d = std::fabs(d);
    }
    return w.CoefCount * a + w.CoefDeviation * b + w.CoefLevel * d;
}

namespace {

std::string real(const char* pattern, long double v) {
    return format(pattern, static_cast<double>(v));
}

}  // namespace

std::array<std::string, kStatColumns> statCells(const StatComputation& c, size_t i,
                                                const CdlWeights& w) {
    std::array<std::string, kStatColumns> cells;
    const TStatRow& r = c.rows[i];
    const long long count = r.Count;
    cells[0] = c.valueTexts[i];
    cells[1] = std::to_string(count);
    cells[2] = c.Total != 0 ? real("%.5f", count * 100.0L / static_cast<long double>(c.Total)) : "-";
    if (c.HaveNorm) {
        cells[3] = std::to_string(r.Norm);
        cells[4] = std::to_string(count - r.Norm);
        long double pct = r.Norm != 0 ? static_cast<long double>(count - r.Norm) * 100 / r.Norm
                          : count != 0 ? 100
                                       : 0;
        cells[5] = real("%.5f", pct);
    } else {
        cells[3] = cells[4] = cells[5] = "-";
    }
    if (r.Depth == 0) {
        for (int k = 6; k < kStatColumns; ++k) {
            cells[static_cast<size_t>(k)] = "-";
        }
        return cells;
    }
    cells[6] = std::to_string(r.Depth);
    cells[7] = real("%.2f", c.MaxDepth != 0 ? static_cast<long double>(r.Depth) * 100 / c.MaxDepth : 0);
    cells[8] = real("%.2f", rowWeight(c, r, w));
    cells[9] = std::to_string(r.LastDraw);
    const long double l = r.LastDraw;
    if (count >= 2) {
        cells[10] = std::to_string(r.PeriodMin);
        cells[11] = real("%.4f", static_cast<long double>(c.N) / count);
        cells[12] = std::to_string(r.PeriodMax);
        cells[13] = std::to_string(roundHalfEven(static_cast<long double>(c.N) / count + l));
    } else {
        cells[10] = cells[11] = cells[12] = cells[13] = "-";
    }
    if (count >= 1) {
        cells[14] = std::to_string(roundHalfEven((count + 1) * l / count));
        cells[15] = std::to_string(roundHalfEven((count + 2) * (l + 1) / (count + 1)));
    } else {
        cells[14] = cells[15] = "-";
    }
    int32_t fact = count >= 1 ? c.facts[i] : -1;
    cells[16] = fact >= 0 ? std::to_string(fact) : "-";
    for (int k = 0; k < 3; ++k) {
        cells[static_cast<size_t>(17 + k)] =
            fact >= 0 ? differenceText(cells[static_cast<size_t>(13 + k)], fact) : "-";
    }
    return cells;
}

TStatValues rowSnapshot(const std::array<std::string, kStatColumns>& cells) {
    return TStatValues{cells[0], cells[1], cells[2],  cells[4],  cells[5], cells[6],
                       cells[7], cells[8], cells[10], cells[11], cells[12]};
}

bool isRealColumn(int column) {
    return column == 2 || column == 5 || column == 7 || column == 8 || column == 11;
}

}  // namespace pentad
