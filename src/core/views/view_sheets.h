// SPDX-License-Identifier: GPL-3.0-or-later
// The draw card and the layout as spreadsheet tables, each as its grid shows
// it: the header row first, the header column as the first column.
#pragma once

#include "shell/spreadsheet.h"

namespace pentad {

class DrawCard;
struct LayoutGrid;

// Columns "", "0".."9"; a row per draw, newest first: its number, then the
// digits drawn in their columns.
SheetTable cardSheet(const DrawCard& card);

// Columns "" and the draw numbers; a row per count: the count, then the cells.
SheetTable layoutSheet(const LayoutGrid& grid);

}  // namespace pentad
