// SPDX-License-Identifier: GPL-3.0-or-later
// The combined-value members: which two, three or four digits come out
// together in one draw, chosen over any positions (Mix), neighbouring
// positions (Seq), the run from one start position (Pos) or neighbours after
// sorting (Sort). The shared pattern does the work; this file names them.
#pragma once

#include "stats/methods/bound_stat.h"
#include "stats/methods/combined_pattern.h"

namespace pentad {

// clang-format off
using TstCombValMix2  = TBoundStat<TCustomCombValuesStat, CombineKind::Mix, 2>;
using TstCombValMix3  = TBoundStat<TCustomCombValuesStat, CombineKind::Mix, 3>;
using TstCombValMix4  = TBoundStat<TCustomCombValuesStat, CombineKind::Mix, 4>;
using TstCombValSeq2  = TBoundStat<TCustomCombValuesStat, CombineKind::Seq, 2>;
using TstCombValSeq3  = TBoundStat<TCustomCombValuesStat, CombineKind::Seq, 3>;
using TstCombValSeq4  = TBoundStat<TCustomCombValuesStat, CombineKind::Seq, 4>;
// The variant is the start position.
using TstCombValPos2  = TBoundStat<TCustomCombValuesStat, CombineKind::Pos, 2>;
using TstCombValPos3  = TBoundStat<TCustomCombValuesStat, CombineKind::Pos, 3>;
using TstCombValPos4  = TBoundStat<TCustomCombValuesStat, CombineKind::Pos, 4>;
using TstCombValSort2 = TBoundStat<TCustomCombValuesStat, CombineKind::Sort, 2>;
using TstCombValSort3 = TBoundStat<TCustomCombValuesStat, CombineKind::Sort, 3>;
using TstCombValSort4 = TBoundStat<TCustomCombValuesStat, CombineKind::Sort, 4>;
template <> const StatClass TstCombValMix2::Class;
template <> const StatClass TstCombValMix3::Class;
template <> const StatClass TstCombValMix4::Class;
template <> const StatClass TstCombValSeq2::Class;
template <> const StatClass TstCombValSeq3::Class;
template <> const StatClass TstCombValSeq4::Class;
template <> const StatClass TstCombValPos2::Class;
template <> const StatClass TstCombValPos3::Class;
template <> const StatClass TstCombValPos4::Class;
template <> const StatClass TstCombValSort2::Class;
template <> const StatClass TstCombValSort3::Class;
template <> const StatClass TstCombValSort4::Class;
// clang-format on

}  // namespace pentad
