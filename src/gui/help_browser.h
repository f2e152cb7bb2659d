// SPDX-License-Identifier: GPL-3.0-or-later
// An HTML view of the pages of the compiled help file: a topic is read from
// the file, and so are the pages it links to, its style sheet and its
// pictures; links to web addresses open in the browser.
#pragma once

#include <memory>
#include <string>

#include <QTextBrowser>

namespace pentad {

class ChmFile;

class HelpBrowser : public QTextBrowser {
    Q_OBJECT

public:
    explicit HelpBrowser(QWidget* parent = nullptr);
    ~HelpBrowser() override;

    // Shows the page of a topic address ("ms-its:<file>::<page>"). When the
    // file or the page cannot be read, a notice with the reason and the
    // address is shown instead and the answer is false.
    bool showTopic(const std::string& address);

    QVariant loadResource(int type, const QUrl& name) override;

private:
    void showNotice(const QString& reason, const QString& address);

    std::unique_ptr<ChmFile> m_file;
};

}  // namespace pentad
