// SPDX-License-Identifier: GPL-3.0-or-later
// Window placement kept in "Pentad.frm": the normal position and size of a
// window and whether it was maximised, stored per screen size and applied
// only on a screen of the same pixel density; and the column widths of the
// lists inside it.
#pragma once

#include <string>
#include <vector>

class QTableView;
class QWidget;

namespace pentad {

class IniFile;

// Moves and sizes `window` as saved in `section`; returns true when it was
// saved maximised. A position that falls outside every screen is moved
// back onto the primary one. Without a saved placement (the first start) the
// window takes `firstStartShare` of the screen's width and height, centred,
// or keeps its size when that is 0.
bool restoreWindowPlacement(QWidget& window, const IniFile& frm, const std::string& section,
                            double firstStartShare = 0);

// Writes the window's normal position and state to `section`. Throws
// pentad::Error when the file cannot be written.
void saveWindowPlacement(const QWidget& window, IniFile& frm, const std::string& section);

// Widths of every column of a list, and setting them from such a list of
// widths (missing entries leave their columns as they are).
std::vector<int> columnWidths(const QTableView& view);
void setColumnWidths(QTableView& view, const std::vector<int>& widths);

// Column widths of a list, kept under the list's object name ("lvScript").
// Restoring also makes the list's columns follow their contents (ColumnFit),
// the widths set before it taken as designed; a saved width that differs
// from the designed one is the user's and wins.
void restoreColumnWidths(QTableView& view, const IniFile& frm, const std::string& section);
void saveColumnWidths(const QTableView& view, IniFile& frm, const std::string& section);

}  // namespace pentad
