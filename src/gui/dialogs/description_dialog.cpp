// SPDX-License-Identifier: GPL-3.0-or-later
// The method description window: an HTML viewer over the help topic.
#include "dialogs/description_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "button_texts.h"
#include "filters/filter_texts.h"
#include "gui_texts.h"
#include "qt_text.h"

namespace pentad {

DescriptionDialog::DescriptionDialog(const std::string& url, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromUtf8(texts::kDescriptionCaption));
    setSizeGripEnabled(true);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("tbDescription"));
    m_browser->setOpenExternalLinks(false);
    m_browser->setFont(QApplication::font("QMenu"));
    const QString address = toQString(url);
    const QUrl topic(address);
    if (topic.isLocalFile() && QFileInfo::exists(topic.toLocalFile())) {
        m_browser->setSource(topic);
    } else {
        m_browser->setHtml(QStringLiteral("<p>%1</p><p><tt>%2</tt></p>")
                               .arg(QString::fromUtf8(texts::kHelpNotShown).toHtmlEscaped(),
                                    address.toHtmlEscaped()));
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    applyButtonTexts(*buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &DescriptionDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_browser, 1);
    layout->addWidget(buttons);
    resize(640, 480);
}

}  // namespace pentad
