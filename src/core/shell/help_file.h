// SPDX-License-Identifier: GPL-3.0-or-later
// The help file "Kestrel_<language>.chm" delivered beside the program.
#pragma once

#include <string>

namespace pentad {

// The first existing of: <program folder>/Kestrel_<lang>.chm, its "help"
// subfolder, the "help" folder beside the program folder, and for an
// installed copy the "help" folder of its shared files. Empty when none.
std::string locateHelpFile(const std::string& programDir, const std::string& language);

}  // namespace pentad
