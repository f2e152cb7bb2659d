// SPDX-License-Identifier: GPL-3.0-or-later
// Small text helpers of the network requests: query joining and address
// parts. Base64, escaping, form encoding and the catalogue reply reader are
// in catalogue_codecs.h, catalogue_form.h and catalogue_reply.h.
#pragma once

#include <string>
#include <string_view>

namespace pentad {

// a + "&" + b when both are non-empty, else the non-empty one.
std::string joinQuery(std::string_view a, std::string_view b);

// Everything up to and including the last "/" ("" when there is none).
std::string addressBase(std::string_view address);

// True when the address starts with "https://", any case.
bool isHttps(std::string_view address);

}  // namespace pentad
