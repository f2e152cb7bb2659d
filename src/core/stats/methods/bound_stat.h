// SPDX-License-Identifier: GPL-3.0-or-later
// A registry class made from a family base whose constructor takes a few
// fixed arguments (size and kind of a combined member, column or row of a
// matrix member). Each such class still has its own StatClass, defined by
// explicit specialisation next to the family.
#pragma once

#include "stats/custom_stat.h"

namespace pentad {

template <typename Family, auto... Args>
class TBoundStat final : public Family {
public:
    TBoundStat(const TStatList& list, int variant) : Family(list, variant, Args...) {}
    static const StatClass Class;
    const StatClass& statClass() const override { return Class; }
};

}  // namespace pentad
