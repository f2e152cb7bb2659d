// SPDX-License-Identifier: GPL-3.0-or-later
// Pages of the help file are shown under the address scheme "chm:", so that
// the links between them resolve to other pages of the same file.
#include "help_browser.h"

#include <QUrl>

#include "gui_texts.h"
#include "qt_text.h"
#include "shell/chm_file.h"
#include "shell/error.h"
#include "shell/help_file.h"
#include "shell/help_texts.h"

namespace pentad {
namespace {

constexpr const char* kScheme = "chm";

}  // namespace

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
    setOpenExternalLinks(true);
}

HelpBrowser::~HelpBrowser() = default;

bool HelpBrowser::showTopic(const std::string& address) {
    m_file.reset();
    const std::optional<HelpAddress> topic = splitHelpAddress(address);
    if (!topic) {
        showNotice(uiText(format(texts::kHelpAddressInvalid, address)), toQString(address));
        return false;
    }
    try {
        m_file = std::make_unique<ChmFile>(topic->file);
    } catch (const Error& e) {
        showNotice(displayText(e.what()), toQString(address));
        return false;
    }
    if (!m_file->contains(topic->page)) {
        showNotice(uiText(format(texts::kHelpTopicNotFound, topic->page, topic->file)),
                   toQString(address));
        return false;
    }
    QUrl url;
    url.setScheme(QString::fromLatin1(kScheme));
    url.setPath(toQString(topic->page));
    setSource(url, QTextDocument::HtmlResource);
    return true;
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (name.scheme() != QLatin1String(kScheme)) {
        return QTextBrowser::loadResource(type, name);
    }
    if (!m_file) {
        return {};
    }
    const std::optional<std::string> bytes = m_file->read(toStdString(name.path()));
    if (!bytes) {
        return {};
    }
    switch (type) {
        case QTextDocument::HtmlResource:
            return toQString(helpPageToUtf8(*bytes));
        case QTextDocument::StyleSheetResource:
            return QString::fromUtf8(bytes->data(), static_cast<qsizetype>(bytes->size()));
        default:
            return QByteArray(bytes->data(), static_cast<qsizetype>(bytes->size()));
    }
}

void HelpBrowser::showNotice(const QString& reason, const QString& address) {
    clearHistory();
    setHtml(QStringLiteral("<p><b>%1</b></p><p>%2</p><p><tt>%3</tt></p>")
                .arg(uiText(texts::kHelpNotShown).toHtmlEscaped(),
                     reason.toHtmlEscaped(), address.toHtmlEscaped()));
}

}  // namespace pentad
