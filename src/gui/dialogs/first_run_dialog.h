// SPDX-License-Identifier: GPL-3.0-or-later
// The window "Справочная информация" shown at start while the option
// FirstRun is on: the way to the help file and to the project's web pages,
// and a box to stop showing it.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include <QDialog>

class QCheckBox;

namespace pentad {

class Shell;

class FirstRunDialog : public QDialog {
    Q_OBJECT

public:
    struct Link {
        const char* name;     // "urlBlog", ...: object name "btn" + name
        const char* caption;  // the button's text
        std::string address;  // empty: no button
    };

    // `helpFile` is empty when no help file was found (its button is then
    // disabled). Buttons open the help file and the addresses through `shell`.
    FirstRunDialog(Shell& shell, const std::string& helpFile, const std::vector<Link>& links,
                   QWidget* parent = nullptr);

    // "Больше не показывать данный диалог" is checked.
    bool dontShowAgain() const;

private:
    QCheckBox* m_noMore;
};

}  // namespace pentad
