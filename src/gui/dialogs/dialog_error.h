// SPDX-License-Identifier: GPL-3.0-or-later
// The error box of a dialog that refuses its input. It goes through the
// program's shell when the dialog belongs to the main window, so that the
// box looks like every other one (and tests see it as a recorded message).
#pragma once

#include <string>

class QWidget;

namespace pentad {

// Shows `text` as an error box over `dialog`.
void showDialogError(QWidget* dialog, const std::string& text);

}  // namespace pentad
