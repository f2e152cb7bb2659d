// SPDX-License-Identifier: GPL-3.0-or-later
// Russian captions for the standard buttons of dialogs and message boxes, so
// they match the rest of the program even where Qt's own translations are not
// installed.
#pragma once

class QDialogButtonBox;
class QMessageBox;

namespace pentad {

void applyButtonTexts(QDialogButtonBox& box);
void applyButtonTexts(QMessageBox& box);

}  // namespace pentad
