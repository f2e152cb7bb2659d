// SPDX-License-Identifier: GPL-3.0-or-later
// The menu "Язык интерфейса": one radio item per language the program can
// use, the built-in Russian and every language whose module lies beside the
// program, captioned with the language's name. Choosing another language
// checks that its module is there, writes `Language` and restarts the
// program; the new copy starts in that language.
#pragma once

#include <functional>
#include <string>

#include <QObject>

class QAction;
class QActionGroup;
class QMenu;

namespace pentad {

class Workspace;

class LanguageMenu : public QObject {
    Q_OBJECT

public:
    // Adds the menu to `parent` before the item `before` (at the end when
    // null). `restart` starts the program again.
    LanguageMenu(Workspace& workspace, QMenu& parent, QAction* before,
                 std::function<void()> restart);

    QMenu* menu() const { return m_menu; }

    // The folder whose modules are offered (the program's); the items are
    // built again for it.
    void setProgramFolder(std::string folder);

    // What choosing the item of `lcid` does.
    void choose(int lcid);

private:
    void rebuild();

    Workspace& m_workspace;
    QMenu* m_menu;
    QActionGroup* m_group;
    std::function<void()> m_restart;
    std::string m_programFolder;
};

}  // namespace pentad
