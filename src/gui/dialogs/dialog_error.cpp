// SPDX-License-Identifier: GPL-3.0-or-later
// Error boxes of dialogs: through the main window's shell, else a plain box.
#include "dialogs/dialog_error.h"

#include <QMessageBox>
#include <QWidget>

#include "button_texts.h"
#include "qt_text.h"
#include "qt_user_interface.h"
#include "template_main.h"

namespace pentad {

void showDialogError(QWidget* dialog, const std::string& text) {
    for (QWidget* w = dialog != nullptr ? dialog->parentWidget() : nullptr; w != nullptr;
         w = w->parentWidget()) {
        if (auto* main = qobject_cast<TTemplateMain*>(w)) {
            main->shell().error(text);
            return;
        }
    }
    QMessageBox box(QMessageBox::Critical, uiText(messageCaption(MessageKind::Error)),
                    displayText(text), QMessageBox::Ok, dialog);
    applyButtonTexts(box);
    box.exec();
}

}  // namespace pentad
