// SPDX-License-Identifier: GPL-3.0-or-later
// The main window of the "Florida PICK 5" analyser: the generic main window
// with the game's own caption. Draw dates of this game are written and read
// by the core's draw date routines.
#pragma once

#include "template_main.h"

namespace pentad {

class TFormMain : public TTemplateMain {
    Q_OBJECT

public:
    TFormMain(Workspace& workspace, QtUserInterface& ui, QWidget* parent = nullptr);

protected:
    QString designedCaption() const override;
};

}  // namespace pentad
