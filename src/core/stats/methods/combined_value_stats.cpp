// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/methods/combined_value_stats.h"

namespace pentad {
namespace {

template <int Last>
std::pair<int, int> startPositions(const TStatList&) {
    return {1, Last};
}

}  // namespace

// Value lists cannot be typed for these rows: a group of digits is no number.
// clang-format off
template <> const StatClass TstCombValMix2::Class = {
    .name = "TstCombValMix2", .codeFormat = "KNM2",
    .captionFormat = "Сочетания из 2 чисел по всем числам тиража", .group = 0,
    .baseFlags = kFlagS, .hasNumericValue = false, .create = &createStat<TstCombValMix2>};
template <> const StatClass TstCombValMix3::Class = {
    .name = "TstCombValMix3", .codeFormat = "KNM3",
    .captionFormat = "Сочетания из 3 чисел по всем числам тиража", .group = 0,
    .baseFlags = kFlagS, .hasNumericValue = false, .create = &createStat<TstCombValMix3>};
template <> const StatClass TstCombValMix4::Class = {
    .name = "TstCombValMix4", .codeFormat = "KNM4",
    .captionFormat = "Сочетания из 4 чисел по всем числам тиража", .group = 0,
    .baseFlags = kFlagS, .hasNumericValue = false, .create = &createStat<TstCombValMix4>};
template <> const StatClass TstCombValSeq2::Class = {
    .name = "TstCombValSeq2", .codeFormat = "KNS2",
    .captionFormat = "Сочетания из 2 соседних чисел тиража", .group = 0,
    .baseFlags = kFlagS, .hasNumericValue = false, .create = &createStat<TstCombValSeq2>};
template <> const StatClass TstCombValSeq3::Class = {
    .name = "TstCombValSeq3", .codeFormat = "KNS3",
    .captionFormat = "Сочетания из 3 соседних чисел тиража", .group = 0,
    .baseFlags = kFlagS, .hasNumericValue = false, .create = &createStat<TstCombValSeq3>};
template <> const StatClass TstCombValSeq4::Class = {
    .name = "TstCombValSeq4", .codeFormat = "KNS4",
    .captionFormat = "Сочетания из 4 соседних чисел тиража", .group = 0,
    .baseFlags = kFlagS, .hasNumericValue = false, .create = &createStat<TstCombValSeq4>};
template <> const StatClass TstCombValPos2::Class = {
    .name = "TstCombValPos2", .codeFormat = "KNP2%d",
    .captionFormat = "Сочетания из 2-х чисел тиража начиная с %0:d позиции",
    .helpCodeFormat = "KNP2", .group = 0, .baseFlags = kFlagS, .hasNumericValue = false,
    .hasVariants = true, .variantRange = &startPositions<4>,
    .create = &createStat<TstCombValPos2>};
template <> const StatClass TstCombValPos3::Class = {
    .name = "TstCombValPos3", .codeFormat = "KNP3%d",
    .captionFormat = "Сочетания из 3-х чисел тиража начиная с %0:d позиции",
    .helpCodeFormat = "KNP3", .group = 0, .baseFlags = kFlagS, .hasNumericValue = false,
    .hasVariants = true, .variantRange = &startPositions<3>,
    .create = &createStat<TstCombValPos3>};
template <> const StatClass TstCombValPos4::Class = {
    .name = "TstCombValPos4", .codeFormat = "KNP4%d",
    .captionFormat = "Сочетания из 4-х чисел тиража начиная с %0:d позиции",
    .helpCodeFormat = "KNP4", .group = 0, .baseFlags = kFlagS, .hasNumericValue = false,
    .hasVariants = true, .variantRange = &startPositions<2>,
    .create = &createStat<TstCombValPos4>};
template <> const StatClass TstCombValSort2::Class = {
    .name = "TstCombValSort2", .codeFormat = "KNO2",
    .captionFormat = "Сочетания из 2 чисел тиража по возрастанию", .group = 0,
    .baseFlags = 0, .hasNumericValue = false, .create = &createStat<TstCombValSort2>};
template <> const StatClass TstCombValSort3::Class = {
    .name = "TstCombValSort3", .codeFormat = "KNO3",
    .captionFormat = "Сочетания из 3 чисел тиража по возрастанию", .group = 0,
    .baseFlags = 0, .hasNumericValue = false, .create = &createStat<TstCombValSort3>};
template <> const StatClass TstCombValSort4::Class = {
    .name = "TstCombValSort4", .codeFormat = "KNO4",
    .captionFormat = "Сочетания из 4 чисел тиража по возрастанию", .group = 0,
    .baseFlags = 0, .hasNumericValue = false, .create = &createStat<TstCombValSort4>};
// clang-format on

}  // namespace pentad
