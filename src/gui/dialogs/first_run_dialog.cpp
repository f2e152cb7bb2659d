// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/first_run_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "button_texts.h"
#include "gui_texts.h"
#include "qt_text.h"
#include "shell/shell.h"

namespace pentad {

FirstRunDialog::FirstRunDialog(Shell& shell, const std::string& helpFile,
                               const std::vector<Link>& links, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(uiText(texts::kFirstRunCaption));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(uiText(texts::kFirstRunText), this);
    text->setWordWrap(true);
    layout->addWidget(text);

    auto* help = new QPushButton(uiText(texts::kFirstRunHelp), this);
    help->setObjectName(QStringLiteral("btnHelp"));
    help->setEnabled(!helpFile.empty());
    connect(help, &QPushButton::clicked, this, [&shell, helpFile] { shell.openDocument(helpFile); });
    layout->addWidget(help);
    for (const Link& link : links) {
        if (link.address.empty()) {
            continue;
        }
        auto* button = new QPushButton(uiText(link.caption), this);
        button->setObjectName(QStringLiteral("btn") + QString::fromUtf8(link.name));
        button->setToolTip(toQString(link.address));
        connect(button, &QPushButton::clicked, this,
                [&shell, address = link.address] { shell.openAddress(address); });
        layout->addWidget(button);
    }

    layout->addSpacing(8);
    m_noMore = new QCheckBox(uiText(texts::kFirstRunNoMore), this);
    m_noMore->setObjectName(QStringLiteral("cbNoMore"));
    layout->addWidget(m_noMore);
    layout->addWidget(dialogButtons(*this, QDialogButtonBox::Close));
    setMinimumWidth(420);
}

bool FirstRunDialog::dontShowAgain() const {
    return m_noMore->isChecked();
}

}  // namespace pentad
