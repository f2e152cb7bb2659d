// SPDX-License-Identifier: GPL-3.0-or-later
// The game's main window: the generic window with the caption of this game.
#include "form_main.h"

#include "qt_text.h"
#include "shell/messages.h"

namespace pentad {

TFormMain::TFormMain(Workspace& workspace, QtUserInterface& ui, QWidget* parent)
    : TTemplateMain(workspace, ui, parent) {
    setObjectName(QStringLiteral("FormMain"));
    // The version joins the caption once the start-up has run.
    setWindowTitle(designedCaption());
}

QString TFormMain::designedCaption() const {
    return uiText(texts::kMainCaption);
}

}  // namespace pentad
