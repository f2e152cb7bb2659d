// SPDX-License-Identifier: GPL-3.0-or-later
// Ratings: scored stakes summarised by comment, kept in "Pentad.lrt" as
// 296-byte records, with the view's texts in three efficiency modes, the
// sort by column, the CSV export and the data of the rating graphs.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "stakes/stake_record.h"

namespace pentad {

class Shell;

struct TRatingRec {
    static constexpr size_t kSize = 296;
    std::string Comment;  // UTF-8
    int32_t Stakes = 0;
    int32_t Matched = 0;
    std::array<int32_t, 6> MatchCounts{};
    int64_t Profit = 0;

    void encode(uint8_t* out) const;
    static TRatingRec decode(const uint8_t* in);
    bool operator==(const TRatingRec&) const = default;
};

using TRatingsArray = std::vector<TRatingRec>;

// Adds a scored stake (match count >= 0) to the row of its comment
// (compared without regard to case), or appends a row.
void MergeRating(TRatingsArray& ratings, const TStakeRec& stake);

// Chance of m positional matches, C(5, m) * 9^(5-m) / 10^5.
long double matchChance(int m);

inline constexpr int kRatingColumns = 18;

// Texts of one row in efficiency mode 0, 1 or 2 ("." decimal point).
std::array<std::string, kRatingColumns> ratingCells(const TRatingRec& r, int effMode);

// Sort comparison of a column (negative puts a first).
int compareRatings(const TRatingRec& a, const TRatingRec& b, int column);
void sortRatings(TRatingsArray& ratings, int column, bool descending);

// File bytes and back; decode throws pentad::Error on a size that is not a
// multiple of 296.
std::string encodeRatings(const TRatingsArray& ratings);
TRatingsArray decodeRatings(const std::string& bytes);

// The CSV export (cp1251, CR LF).
std::string ratingsCsv(const TRatingsArray& ratings);

// ---- graph data ----
struct GraphPoint {
    int x = 0;
    double y = 0;
};
struct GraphSeries {
    std::string title;
    uint32_t rgb = 0;  // 0 with autoColour
    bool autoColour = false;
    bool markers = true;
    bool labels = true;
    std::vector<GraphPoint> points;
};
struct GraphData {
    std::string title;
    std::vector<GraphSeries> series;
};

// Throws pentad::Error with the "needs more than one draw" text when there
// is nothing to draw.
GraphData profitByDrawGraph(const std::vector<TStakeRec>& ledger, const std::string& title);
GraphData stakesByDrawGraph(const std::vector<TStakeRec>& ledger,
                            const std::vector<std::string>& comments, bool profit,
                            const std::string& title);
GraphData matchCountGraph(const std::vector<TRatingRec>& rows, const std::string& title);

}  // namespace pentad
