// SPDX-License-Identifier: GPL-3.0-or-later
// The help file "Kestrel_<language>.chm" delivered beside the program: where
// it is looked for, the topic addresses of the statistic methods, and the
// reading of one topic as text for the program's own viewers.
#pragma once

#include <optional>
#include <string>

namespace pentad {

// The first existing of: <program folder>/Kestrel_<lang>.chm, its "help"
// subfolder, the "help" folder beside the program folder, and for an
// installed copy the "help" folder of its shared files. Empty when none.
std::string locateHelpFile(const std::string& programDir, const std::string& language);

// A topic address "ms-its:<help file>::<page>" taken apart; the page keeps
// its leading "/". Nothing for any other form.
struct HelpAddress {
    std::string file;
    std::string page;
};
std::optional<HelpAddress> splitHelpAddress(const std::string& address);

// A stored help page as UTF-8: a page that declares the charset
// windows-1251 is converted (and its declaration changed to utf-8); any
// other page is taken as it is.
std::string helpPageToUtf8(const std::string& bytes);

// The page of a topic address, as UTF-8 HTML. Throws pentad::Error when the
// address is not a topic address, the help file cannot be opened or it has
// no such page.
std::string readHelpTopic(const std::string& address);

// Plain text of an HTML page for a console: tags dropped, headings,
// paragraphs, list items and table rows on lines of their own, table cells
// separated by tabs, character references decoded, runs of blanks joined.
std::string htmlToText(const std::string& html);

}  // namespace pentad
