// SPDX-License-Identifier: GPL-3.0-or-later
// Strict reading of scenario text typed by a user. The readers of scenario
// files are lenient: a word they do not know falls back to a default. Text
// typed on a command line is checked here first, so a typing error is named
// instead of turning silently into some other line.
#pragma once

#include <string>
#include <vector>

namespace pentad {

class TStatList;

// Words of an options field ("FULL:0#RAND#CLR#NEX") that the reader would
// pass over or read as something else. An empty field means the defaults.
std::vector<std::string> unreadOptionWords(const std::string& text);

// Words of a filter item ("TSD1#NUMS:10-30;10#LMV:2#ST:3#1:0.5:-1:0:0")
// that the reader would pass over or read as something else: direction and
// sort order, a method code of `list`, a level mode, a stop mode with a whole
// number, at most one word of weights, nothing after it.
std::vector<std::string> unreadFilterWords(const std::string& text, const TStatList& list);

// Unread words of a whole line (options, seven filter items, comment), and
// every field past the comment.
std::vector<std::string> unreadLineWords(const std::string& text, const TStatList& list);

}  // namespace pentad
