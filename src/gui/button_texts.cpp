// SPDX-License-Identifier: GPL-3.0-or-later
// Russian captions of the standard buttons, applied to button boxes and
// message boxes after they are built.
#include "button_texts.h"

#include <QAbstractButton>
#include <QDialog>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>

#include "gui_texts.h"
#include "qt_text.h"

namespace pentad {
namespace {

const char* textOf(QDialogButtonBox::StandardButton which) {
    switch (which) {
        case QDialogButtonBox::Ok:
            return texts::kButtonOk;
        case QDialogButtonBox::Cancel:
            return texts::kButtonCancel;
        case QDialogButtonBox::Yes:
            return texts::kButtonYes;
        case QDialogButtonBox::No:
            return texts::kButtonNo;
        case QDialogButtonBox::Close:
            return texts::kButtonClose;
        default:
            return nullptr;
    }
}

}  // namespace

void applyButtonTexts(QDialogButtonBox& box) {
    for (QAbstractButton* button : box.buttons()) {
        if (const char* text = textOf(box.standardButton(button))) {
            button->setText(uiText(text));
        }
    }
}

void applyButtonTexts(QMessageBox& box) {
    for (QAbstractButton* button : box.buttons()) {
        auto which = static_cast<QDialogButtonBox::StandardButton>(box.standardButton(button));
        if (const char* text = textOf(which)) {
            button->setText(uiText(text));
        }
    }
}

QDialogButtonBox* dialogButtons(QDialog& dialog, QDialogButtonBox::StandardButtons which) {
    auto* box = new QDialogButtonBox(which, &dialog);
    applyButtonTexts(*box);
    QObject::connect(box, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return box;
}

}  // namespace pentad
