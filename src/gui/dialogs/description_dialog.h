// SPDX-License-Identifier: GPL-3.0-or-later
// The window "Описание методики расчета": the help topic of one statistic
// method. A topic inside a compiled help file cannot be rendered here, so the
// window then names the topic's address instead.
#pragma once

#include <string>

#include <QDialog>

class QTextBrowser;

namespace pentad {

class DescriptionDialog : public QDialog {
    Q_OBJECT

public:
    // `url` is the method's help address (TStatList::HelpUrl).
    explicit DescriptionDialog(const std::string& url, QWidget* parent = nullptr);

    QTextBrowser* browser() const { return m_browser; }

private:
    QTextBrowser* m_browser;
};

}  // namespace pentad
