// SPDX-License-Identifier: GPL-3.0-or-later
// Russian captions for the standard buttons of dialogs and message boxes, so
// they match the rest of the program even where Qt's own translations are not
// installed.
#pragma once

#include <QDialogButtonBox>

class QDialog;
class QMessageBox;

namespace pentad {

void applyButtonTexts(QDialogButtonBox& box);
void applyButtonTexts(QMessageBox& box);

// The button box of a dialog: `which` with the Russian captions, accepting
// and rejecting the dialog. The caller places it in its layout.
QDialogButtonBox* dialogButtons(QDialog& dialog,
                                QDialogButtonBox::StandardButtons which = QDialogButtonBox::Ok |
                                                                          QDialogButtonBox::Cancel);

}  // namespace pentad
