// SPDX-License-Identifier: GPL-3.0-or-later
#include "stakes/ratings.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

#include "game/routines.h"
#include "shell/cp1251.h"
#include "shell/error.h"
#include "shell/money.h"
#include "stakes/stake_texts.h"
#include "stats/stat_texts.h"

namespace pentad {

void TRatingRec::encode(uint8_t* out) const {
    encodeShortString(Comment, out, 256);
    putInt32(out + 256, Stakes);
    putInt32(out + 260, Matched);
    for (size_t m = 0; m < 6; ++m) {
        putInt32(out + 264 + 4 * m, MatchCounts[m]);
    }
    putInt64(out + 288, Profit);
}

TRatingRec TRatingRec::decode(const uint8_t* in) {
    TRatingRec r;
    r.Comment = decodeShortString(in, 256);
    r.Stakes = getInt32(in + 256);
    r.Matched = getInt32(in + 260);
    for (size_t m = 0; m < 6; ++m) {
        r.MatchCounts[m] = getInt32(in + 264 + 4 * m);
    }
    r.Profit = getInt64(in + 288);
    return r;
}

namespace {

// Sums of a row read from a damaged file may already stand at their limit;
// they stay there instead of overflowing.
template <typename T>
void addClamped(T& total, T amount) {
    if (__builtin_add_overflow(total, amount, &total)) {
        total = amount < 0 ? std::numeric_limits<T>::min() : std::numeric_limits<T>::max();
    }
}

}  // namespace

void MergeRating(TRatingsArray& ratings, const TStakeRec& stake) {
    int m = stake.Matches.Count;
    if (m < 0) {
        return;
    }
    size_t slot = static_cast<size_t>(std::min(m, 5));
    for (TRatingRec& r : ratings) {
        if (sameTextNoCase(r.Comment, stake.Comment)) {
            addClamped(r.Stakes, int32_t{1});
            addClamped(r.Matched, int32_t{m});
            addClamped(r.Profit, stake.Profit);
            addClamped(r.MatchCounts[slot], int32_t{1});
            return;
        }
    }
    TRatingRec r;
    r.Comment = stake.Comment;
    r.Stakes = 1;
    r.Matched = m;
    r.Profit = stake.Profit;
    r.MatchCounts[slot] = 1;
    ratings.push_back(std::move(r));
}

long double matchChance(int m) {
    return static_cast<long double>(matchCount(10, 5, m)) / 100000.0L;
}

std::array<std::string, kRatingColumns> ratingCells(const TRatingRec& r, int effMode) {
    std::array<std::string, kRatingColumns> c;
    c[0] = r.Comment;
    c[1] = std::to_string(r.Stakes);
    c[2] = std::to_string(r.Matched);
    c[4] = moneyToText(r.Profit);
    for (size_t m = 0; m < 6; ++m) {
        c[6 + m] = std::to_string(r.MatchCounts[m]);
    }
    if (r.Stakes != 0) {
        long double stakes = r.Stakes;
        c[3] = format("%.3f", static_cast<double>(r.Matched / stakes));
        c[5] = moneyToText(roundHalfEven(static_cast<long double>(r.Profit) / stakes));
        for (int m = 0; m < 6; ++m) {
            long double p = matchChance(m);
            long double count = r.MatchCounts[static_cast<size_t>(m)];
            std::string& cell = c[12 + static_cast<size_t>(m)];
            if (effMode == 0) {
                cell = std::to_string(roundHalfEven(stakes * p));
            } else if (effMode == 1) {
                cell = format("%.3f%%", static_cast<double>(count * 100 / stakes - p * 100));
            } else {
                cell = format("%.3f%%", static_cast<double>(count * 100 / (stakes * p)));
            }
        }
    }
    return c;
}

int compareRatings(const TRatingRec& a, const TRatingRec& b, int column) {
    if (a.Stakes == 0 || b.Stakes == 0) {
        return 0;
    }
    auto sign = [](long double v) { return v < 0 ? -1 : (v > 0 ? 1 : 0); };
    switch (column) {
        case 0:
            return a.Comment < b.Comment ? -1 : (a.Comment > b.Comment ? 1 : 0);
        case 1:
            return sign(static_cast<long double>(a.Stakes) - b.Stakes);
        case 2:
            return sign(static_cast<long double>(a.Matched) - b.Matched);
        case 3:
            return sign(roundHalfEven((static_cast<long double>(a.Matched) / a.Stakes -
                                       static_cast<long double>(b.Matched) / b.Stakes) *
                                      100));
        case 4:
            return sign(roundHalfEven((static_cast<long double>(a.Profit) - b.Profit) / 100));
        case 5:
            return sign(roundHalfEven((static_cast<long double>(a.Profit) / a.Stakes -
                                       static_cast<long double>(b.Profit) / b.Stakes) /
                                      100));
        default:
            if (column >= 6 && column <= 11) {
                size_t m = static_cast<size_t>(column - 6);
                return sign(static_cast<long double>(a.MatchCounts[m]) - b.MatchCounts[m]);
            }
            return 0;
    }
}

void sortRatings(TRatingsArray& ratings, int column, bool descending) {
    if (column < 0 || ratings.size() < 2) {
        return;
    }
    std::stable_sort(ratings.begin(), ratings.end(), [&](const TRatingRec& a, const TRatingRec& b) {
        int c = compareRatings(a, b, column);
        return descending ? c > 0 : c < 0;
    });
}

std::string encodeRatings(const TRatingsArray& ratings) {
    std::string bytes(ratings.size() * TRatingRec::kSize, '\0');
    for (size_t i = 0; i < ratings.size(); ++i) {
        ratings[i].encode(reinterpret_cast<uint8_t*>(bytes.data()) + i * TRatingRec::kSize);
    }
    return bytes;
}

TRatingsArray decodeRatings(const std::string& bytes) {
    if (bytes.size() % TRatingRec::kSize != 0) {
        throw Error(format(texts::kBadRecordSize, static_cast<long long>(bytes.size()),
                           static_cast<int>(TRatingRec::kSize)));
    }
    TRatingsArray ratings;
    for (size_t i = 0; i < bytes.size(); i += TRatingRec::kSize) {
        ratings.push_back(TRatingRec::decode(reinterpret_cast<const uint8_t*>(bytes.data()) + i));
    }
    return ratings;
}

namespace {

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    return out + "\"";
}

}  // namespace

std::string ratingsCsv(const TRatingsArray& ratings) {
    std::string text;
    for (int c = 0; c < kRatingColumns; ++c) {
        text += (c > 0 ? ";" : "") + quoted(texts::kRatingColumns[c]);
    }
    text += "\r\n";
    for (const TRatingRec& r : ratings) {
        auto cells = ratingCells(r, 1);
        text += quoted(r.Comment);
        for (size_t c = 1; c <= 11; ++c) {
            text += ";" + cells[c];
        }
        text += "\r\n";
    }
    return utf8ToCp1251(text);
}

GraphData profitByDrawGraph(const std::vector<TStakeRec>& ledger, const std::string& title) {
    std::vector<std::pair<int, int64_t>> sums;  // in order of first appearance
    std::map<int, size_t> at;
    for (const TStakeRec& s : ledger) {
        if (s.DrawNumber < 0) {
            continue;
        }
        auto it = at.find(s.DrawNumber);
        if (it == at.end()) {
            at[s.DrawNumber] = sums.size();
            sums.emplace_back(s.DrawNumber, s.Profit);
        } else {
            sums[it->second].second += s.Profit;
        }
    }
    if (sums.empty()) {
        throw Error(texts::kGraphNeedsDraws);
    }
    long double total = 0;
    for (const auto& s : sums) {
        total += moneyToReal(s.second);
    }
    GraphData g;
    g.title = title;
    g.series = {GraphSeries{texts::kSeriesDrawProfit, 0x008000, false, true, true, {}},
                GraphSeries{texts::kSeriesMean, 0x0000FF, false, false, false, {}},
                GraphSeries{texts::kSeriesAccumulated, 0xFF0000, false, true, true, {}}};
    long double running = 0;
    const double mean = static_cast<double>(total / static_cast<long double>(sums.size()));
    for (const auto& [draw, sum] : sums) {
        running += moneyToReal(sum);
        g.series[0].points.push_back({draw, static_cast<double>(moneyToReal(sum))});
        g.series[1].points.push_back({draw, mean});
        g.series[2].points.push_back({draw, static_cast<double>(running)});
    }
    return g;
}

GraphData stakesByDrawGraph(const std::vector<TStakeRec>& ledger,
                            const std::vector<std::string>& comments, bool profit,
                            const std::string& title) {
    if (comments.empty()) {
        throw Error(texts::kGraphNeedsDraws);
    }
    auto scored = [](const TStakeRec& s) {
        return s.DrawNumber > 0 && s.Checked != 0 && s.Matches.Count >= 0;
    };
    // The newest 100 scored draws.
    size_t start = 0;
    int draws = 0;
    int lastDraw = 0;
    for (size_t i = ledger.size(); i-- > 0;) {
        if (!scored(ledger[i])) {
            continue;
        }
        if (draws == 0 || ledger[i].DrawNumber != lastDraw) {
            ++draws;
            lastDraw = ledger[i].DrawNumber;
            if (draws > 100) {
                start = i + 1;
                break;
            }
        }
        start = i;
    }
    if (draws < 2) {
        throw Error(texts::kGraphNeedsDraws);
    }
    GraphData g;
    g.title = title;
    for (const std::string& c : comments) {
        g.series.push_back(GraphSeries{c, 0, true, true, true, {}});
    }
    for (size_t i = start; i < ledger.size(); ++i) {
        const TStakeRec& s = ledger[i];
        if (!scored(s)) {
            continue;
        }
        for (GraphSeries& series : g.series) {
            if (sameTextNoCase(series.title, s.Comment)) {
                double y = profit ? static_cast<double>(moneyToReal(s.Profit))
                                  : static_cast<double>(s.Matches.Count);
                series.points.push_back({s.DrawNumber, y});
            }
        }
    }
    return g;
}

GraphData matchCountGraph(const std::vector<TRatingRec>& rows, const std::string& title) {
    GraphData g;
    g.title = title;
    int32_t most = 0;
    for (const TRatingRec& r : rows) {
        most = std::max(most, r.Stakes);
    }
    GraphSeries normal{texts::kSeriesNormal, 0x808080, false, true, false, {}};
    for (int m = 0; m <= 5; ++m) {
        normal.points.push_back({m, static_cast<double>(matchChance(m) * most)});
    }
    g.series.push_back(std::move(normal));
    for (const TRatingRec& r : rows) {
        GraphSeries s{r.Comment, 0, true, true, false, {}};
        for (int m = 0; m <= 5; ++m) {
            s.points.push_back({m, static_cast<double>(r.MatchCounts[static_cast<size_t>(m)])});
        }
        g.series.push_back(std::move(s));
    }
    return g;
}

}  // namespace pentad
