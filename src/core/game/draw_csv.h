// SPDX-License-Identifier: GPL-3.0-or-later
// Exchange of draws with semicolon-separated text files (cp1251, CR LF):
// export writes Number;"DateText";d1;d2;d3;d4;d5 per draw, import adds the
// draws whose numbers are not stored yet and never changes stored draws.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "game/draw_archive.h"

namespace pentad {

// Splits one line into fields: blanks and control characters around fields
// are skipped, a field starting with a double quote runs to its closing quote
// (doubled quotes stand for one), any other field ends at ";", a blank or a
// control character; a ";" at the very end adds one empty field.
std::vector<std::string> splitDrawFields(std::string_view line);

// The export file's bytes (cp1251) for the draws in archive order.
std::string exportDrawsText(const TDrawsArray& draws);

// Adds the draws of a file's bytes (cp1251) to the archive; returns how many
// were added. Lines that do not fit are skipped, and so are lines whose digits
// fall outside 0..9.
int importDrawsText(DrawArchive& archive, std::string_view bytes);

}  // namespace pentad
