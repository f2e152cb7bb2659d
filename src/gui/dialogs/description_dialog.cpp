// SPDX-License-Identifier: GPL-3.0-or-later
// The method description window: an HTML viewer over the help topic.
#include "dialogs/description_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "button_texts.h"
#include "filters/filter_texts.h"
#include "help_browser.h"
#include "qt_text.h"

namespace pentad {

DescriptionDialog::DescriptionDialog(const std::string& url, QWidget* parent) : QDialog(parent) {
    setWindowTitle(uiText(texts::kDescriptionCaption));
    setSizeGripEnabled(true);

    m_browser = new HelpBrowser(this);
    m_browser->setObjectName(QStringLiteral("tbDescription"));
    m_browser->setFont(QApplication::font("QMenu"));
    m_browser->showTopic(url);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    applyButtonTexts(*buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &DescriptionDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser, 1);
    layout->addWidget(buttons);
    resize(720, 560);
}

}  // namespace pentad
