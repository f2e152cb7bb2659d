// SPDX-License-Identifier: GPL-3.0-or-later
// The online scenario catalogue panel under the scenario list: the filter
// list, the entries of the catalogue server and the commands of the menu
// "Библиотека" (ScriptLibrary...), which this panel owns. With no server
// address configured it shows a one-line hint instead of the list.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <QWidget>

#include "online/catalogue_client.h"

class QComboBox;
class QLabel;
class QMenu;
class QTableView;
class QToolButton;

namespace pentad {

class CatalogueModel;
class CommandSet;
class Workspace;

class CataloguePanel : public QWidget {
    Q_OBJECT

public:
    explicit CataloguePanel(Workspace& workspace, QWidget* parent = nullptr);

    // Adds the ScriptLibrary... commands to the window's command set.
    void createCommands(CommandSet& commands);
    // The menu "Библиотека" with those commands; fills the list's context
    // menu with them too.
    QMenu* createMenu(CommandSet& commands, QWidget* parent);

    QTableView* view() const { return m_view; }
    QComboBox* filterBox() const { return m_filter; }
    QLabel* hint() const { return m_hint; }
    const std::vector<tScriptInfo>& entries() const { return m_entries; }
    // The focused entry, or nullptr.
    const tScriptInfo* focused() const;
    // Focuses the entry with that Id (when listed) and scrolls to it.
    void focusEntry(int id);

    // Shown according to ScriptLibraryOn.
    bool shown() const;
    // Reload: remembers the focused entry, lists anew under the chosen filter
    // while the panel is shown and focuses that entry again.
    void reload();

    // The properties dialog; replaceable by tests. Returns the accepted data.
    std::function<std::optional<tScriptData>(const tScriptData&, bool editable)> editProperties;

signals:
    // The current scenario was replaced by a downloaded one.
    void scenarioReplaced();
    void selectionChanged();

private:
    void toggle();
    void download();
    void rate(int value);
    void publish();
    void replace();
    void remove();
    void viewProperties();
    void showRates();
    void editIdentity();
    void applyShown();
    std::optional<tScriptData> runPropertiesDialog(const tScriptData& data, bool editable);
    // The entry's number in m_entries, or -1.
    int rowOfId(int id) const;
    void setEntries(std::vector<tScriptInfo> entries);

    Workspace& m_ws;
    CatalogueModel* m_model;
    QTableView* m_view;
    QComboBox* m_filter;
    QLabel* m_hint;
    QToolButton* m_identity;
    std::vector<tScriptInfo> m_entries;
};

}  // namespace pentad
