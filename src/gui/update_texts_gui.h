// SPDX-License-Identifier: GPL-3.0-or-later
// Texts of the update commands and their menu, kept in one place so a
// language module can replace them. The texts of the search, the offer
// window and the installation live with the self-update itself.
#pragma once

namespace pentad::texts {

inline constexpr const char* kMenuUpdate = "Автообновление";
inline constexpr const char* kCmdCheckUpdate = "Поиск обновлений";
inline constexpr const char* kCmdAutoSelfUpdate = "Автоматическое обновление";

}  // namespace pentad::texts
