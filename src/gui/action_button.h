// SPDX-License-Identifier: GPL-3.0-or-later
// Push buttons that mirror a command of the main window: the command's
// caption (unless the button has its own), its enabled state and hint, and a
// click runs it.
#pragma once

class QAction;
class QPushButton;

namespace pentad {

// With `keepText` the button keeps the caption it was built with.
void bindButton(QPushButton* button, QAction* action, bool keepText = false);

}  // namespace pentad
