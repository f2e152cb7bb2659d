// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/program_version.h"

#include <cstring>

namespace pentad {

// Neither const nor local to this file: the compiler must read the field
// from the loaded program file instead of folding the build's text into its
// users.
extern char gVersionStamp[64];
char gVersionStamp[64] = "PENTAD-FILE-VERSION:" PENTAD_VERSION_TEXT;

static_assert(sizeof("PENTAD-FILE-VERSION:") - 1 + kVersionStampRoom <= sizeof gVersionStamp);

std::string programVersion() {
    const size_t markerLength = std::strlen(kVersionStampMarker);
    const char* text = gVersionStamp + markerLength;
    return std::string(text, strnlen(text, kVersionStampRoom));
}

}  // namespace pentad
