// SPDX-License-Identifier: GPL-3.0-or-later
// The window "Описание методики расчета": the help topic of one statistic
// method, read from the compiled help file. When the topic cannot be read the
// window says why and names the topic's address.
#pragma once

#include <string>

#include <QDialog>

namespace pentad {

class HelpBrowser;

class DescriptionDialog : public QDialog {
    Q_OBJECT

public:
    // `url` is the method's help address (TStatList::HelpUrl).
    explicit DescriptionDialog(const std::string& url, QWidget* parent = nullptr);

    HelpBrowser* browser() const { return m_browser; }

private:
    HelpBrowser* m_browser;
};

}  // namespace pentad
