// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of the menu "Сценарий": scenario files, the lines of the
// current scenario, the forecast and test runs with their Stop, and the run
// log. The runner reports its progress to the scenario status bar and the
// line it runs to the list; while it runs, the pages it works on are locked.
#include <QAction>
#include <QDesktopServices>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTableView>
#include <QUrl>

#include "catalogue_panel.h"
#include "combs_pane.h"
#include "command_set.h"
#include "dialogs/line_dialog.h"
#include "dialogs/test_count_dialog.h"
#include "draws_pane.h"
#include "gui_texts.h"
#include "qt_text.h"
#include "scenario_pane.h"
#include "scenarios/scenario_texts.h"
#include "stat_pane.h"
#include "systems/system_texts.h"
#include "systems_pane.h"
#include "template_main.h"

namespace pentad {
namespace {

// The Qt form of a file filter written "description|pattern".
QString dialogFilter(const char* filter) {
    return uiText(filter).section(QLatin1Char('|'), 0, 0);
}

// Disables widgets for the life of the scope, whatever way it is left.
class DisabledScope {
public:
    explicit DisabledScope(std::initializer_list<QWidget*> widgets) : m_widgets(widgets) {
        for (QWidget* w : m_widgets) {
            w->setEnabled(false);
        }
    }
    ~DisabledScope() {
        for (QWidget* w : m_widgets) {
            w->setEnabled(true);
        }
    }
    DisabledScope(const DisabledScope&) = delete;
    DisabledScope& operator=(const DisabledScope&) = delete;

private:
    std::vector<QWidget*> m_widgets;
};

}  // namespace

void TTemplateMain::createScenarioPages() {
    m_systemsPane = new SystemsPane(m_workspace.folder(), this);
    m_scenarioPane = new ScenarioPane(m_workspace, this);
    m_cataloguePanel = new CataloguePanel(m_workspace, m_scenarioPane);
    m_scenarioPane->addLowerPanel(m_cataloguePanel, m_workspace.form().ScriptLibraryHeight);
    connect(m_cataloguePanel, &CataloguePanel::selectionChanged, this,
            &TTemplateMain::updateActions);
    connect(m_cataloguePanel, &CataloguePanel::scenarioReplaced, this, [this] {
        m_scenarioPane->refresh();
        updateActions();
    });
    const int systems = m_rightTabs->addTab(m_systemsPane, uiText(texts::kSystemsTab));
    m_systemsPane->setObjectName(QStringLiteral("tabSystems"));
    // The systems page waits for "Системная игра".
    m_rightTabs->setTabVisible(systems, false);
    m_rightTabs->addTab(m_scenarioPane, uiText(texts::kTabScenario));
    m_scenarioPane->setObjectName(QStringLiteral("tabScenario"));

    connect(m_scenarioPane, &ScenarioPane::selectionChanged, this, &TTemplateMain::updateActions);
    connect(m_scenarioPane, &ScenarioPane::rowActivated, this, [this] {
        QAction* edit = action(QStringLiteral("ScriptEdit"));
        if (edit != nullptr && edit->isEnabled()) {
            edit->trigger();
        }
    });
    connect(m_systemsPane, &SystemsPane::selectionChanged, this, &TTemplateMain::updateActions);
    connect(m_systemsPane, &SystemsPane::rowActivated, this, [this] {
        QAction* prop = action(QStringLiteral("SystemsProp"));
        if (prop != nullptr && prop->isEnabled()) {
            prop->trigger();
        }
    });
}

void TTemplateMain::bindScenarioRunner() {
    ScenarioRunner& runner = m_workspace.runner();
    runner.onStatus = [this] { updateRunState(); };
    runner.onLine = [this](int index) { m_scenarioPane->selectRow(index); };
    m_workspace.scriptLog().openDocument = [](const std::string& path) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(toQString(path)));
    };
}

void TTemplateMain::createScenarioCommands() {
    bindScenarioRunner();
    Scenario* scenario = &m_workspace.scenario();
    ScenarioRunner* runner = &m_workspace.runner();
    auto notEmpty = [scenario] { return !scenario->empty(); };
    auto filterLine = [this, scenario] {
        const int row = m_scenarioPane->currentRow();
        return row >= 0 && row < scenario->count() && !isSeparatorLine(scenario->lines()[row]);
    };
    auto listKey = Qt::WidgetWithChildrenShortcut;
    m_commands->add({.name = "ScriptOpen",
                     .caption = texts::kCmdScriptOpen,
                     .key = QKeySequence(Qt::CTRL | Qt::Key_J),
                     .execute = [this] { scriptOpen(); }});
    m_commands->add({.name = "ScriptSave",
                     .caption = texts::kCmdScriptSave,
                     .key = QKeySequence(Qt::CTRL | Qt::Key_I),
                     .enabled = notEmpty,
                     .execute = [this] { scriptSave(); }});
    m_commands->add(
        {.name = "ScriptRun",
         .caption = texts::kCmdScriptRun,
         .key = QKeySequence(Qt::Key_F10),
         .enabled = [runner] { return runner->CanRun(); },
         .execute = [this, runner] { runScenario([runner] { runner->ScriptRun(); }); }});
    m_commands->add({.name = "ScriptTest",
                     .caption = texts::kCmdScriptTest,
                     .key = QKeySequence(Qt::CTRL | Qt::Key_F10),
                     .enabled = [runner] { return runner->CanRun(); },
                     .execute = [this] { scriptTest(); }});
    m_commands->add({.name = "ScriptStop",
                     .caption = texts::kCmdScriptStop,
                     .key = QKeySequence(Qt::CTRL | Qt::Key_X),
                     .enabled = [runner] { return runner->CanStop(); },
                     .execute = [runner] { runner->ScriptStop(); },
                     .idleTest = false});
    m_commands->add({.name = "ScriptAdd",
                     .caption = texts::kCmdScriptAdd,
                     .key = QKeySequence(Qt::CTRL | Qt::Key_Insert),
                     .execute = [this] { scriptLineDialog(-1, false); }});
    m_commands->add({.name = "ScriptEmpty",
                     .caption = texts::kCmdScriptEmpty,
                     .key = QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Insert),
                     .enabled = notEmpty,
                     .execute = [this] { scriptEmpty(); }});
    m_commands->add({.name = "ScriptLoad", .caption = texts::kCmdScriptLoad, .execute = [this] {
                         scriptLoad();
                     }});
    m_commands->add({.name = "ScriptClone",
                     .caption = texts::kCmdScriptClone,
                     .key = QKeySequence(Qt::CTRL | Qt::Key_K),
                     .enabled = filterLine,
                     .execute = [this] { scriptLineDialog(m_scenarioPane->currentRow(), false); }});
    QAction* edit = m_commands->add(
        {.name = "ScriptEdit",
         .caption = texts::kCmdScriptEdit,
         .key = QKeySequence(Qt::CTRL | Qt::Key_Enter),
         .enabled = filterLine,
         .execute = [this] { scriptLineDialog(m_scenarioPane->currentRow(), true); }});
    // Either Enter key of the keyboard.
    edit->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Enter), QKeySequence(Qt::CTRL | Qt::Key_Return)});
    // The keys that other lists use too work only in the scenario list.
    m_commands->add({.name = "ScriptDel",
                     .caption = texts::kCmdScriptDel,
                     .key = QKeySequence(Qt::CTRL | Qt::Key_Delete),
                     .keyContext = listKey,
                     .enabled = [this] { return !m_scenarioPane->selectedRows().empty(); },
                     .execute = [this] { scriptDelete(); }});
    m_commands->add({.name = "ScriptClr",
                     .caption = texts::kCmdScriptClr,
                     .enabled = notEmpty,
                     .execute = [this] { scriptClear(); }});
    m_commands->add({.name = "ScriptUp",
                     .caption = texts::kCmdScriptUp,
                     .key = QKeySequence(Qt::CTRL | Qt::Key_Up),
                     .keyContext = listKey,
                     .enabled =
                         [this, scenario] {
                             const int row = m_scenarioPane->currentRow();
                             return row > 0 && row < scenario->count();
                         },
                     .execute = [this] { scriptMove(true); }});
    m_commands->add({.name = "ScriptDown",
                     .caption = texts::kCmdScriptDown,
                     .key = QKeySequence(Qt::CTRL | Qt::Key_Down),
                     .keyContext = listKey,
                     .enabled =
                         [this, scenario] {
                             const int row = m_scenarioPane->currentRow();
                             return row >= 0 && row + 1 < scenario->count();
                         },
                     .execute = [this] { scriptMove(false); }});
    m_commands->add({.name = "LogToggle",
                     .caption = texts::kCmdLogToggle,
                     .enabled = [runner] { return !runner->running(); },
                     .execute =
                         [this] {
                             BusyScope busy(shell());
                             m_workspace.setViewOption("ScriptLogEnabled",
                                                       !m_workspace.form().ScriptLogEnabled);
                         },
                     .checked = [this] { return m_workspace.form().ScriptLogEnabled; }});
    m_commands->add({.name = "LogsDelete",
                     .caption = texts::kCmdLogsDelete,
                     .enabled = [runner] { return !runner->running(); },
                     .execute = [this] { m_workspace.scriptLog().DeleteLogs(); }});
    m_cataloguePanel->createCommands(*m_commands);
}

void TTemplateMain::createScenarioMenu(QMenu* view) {
    const char* names[] = {"ScriptOpen",  "ScriptSave", nullptr,     "ScriptRun",   "ScriptTest",
                           "ScriptStop",  nullptr,      "ScriptAdd", "ScriptEmpty", "ScriptLoad",
                           "ScriptClone", "ScriptEdit", "ScriptDel", "ScriptClr",   nullptr,
                           "ScriptUp",    "ScriptDown", nullptr,     "LogToggle",   "LogsDelete"};
    auto* menu = new QMenu(uiText(texts::kMenuScenario), this);
    menuBar()->insertMenu(view->menuAction(), menu);
    const QList<QAction*> contextMenu = fillMenu(*menu, names);
    m_scenarioPane->bindCommands(contextMenu);
    menu->addSeparator();
    menu->addMenu(m_cataloguePanel->createMenu(*m_commands, menu));
}

void TTemplateMain::updateRunState() {
    m_scenarioPane->showStatus();
    // Stop becomes available once the run is under way.
    m_commands->update();
}

void TTemplateMain::runScenario(const std::function<void()>& run) {
    // The keyboard must reach Stop during the run: the window takes the
    // activation back from the dialog that may just have closed, which a
    // window manager does not always hand back by itself.
    activateWindow();
    {
        DisabledScope locked({m_drawsPane, m_combsPane, m_statPane, m_scenarioPane->view()});
        run();
    }
    m_scenarioPane->showStatus();
}

void TTemplateMain::scriptOpen() {
    const QString path = chooseOpenFile(uiText(texts::kOpenScenarioTitle),
                                        dialogFilter(texts::kScenarioFilter),
                                        uiText(texts::kScenarioExtension));
    if (!path.isEmpty() && m_workspace.scenario().Open(toStdString(path))) {
        m_scenarioPane->refresh();
        m_scenarioPane->selectRow(0);
    }
}

void TTemplateMain::scriptSave() {
    const QString path = chooseSaveFile(uiText(texts::kSaveScenarioTitle),
                                        dialogFilter(texts::kScenarioFilter),
                                        uiText(texts::kScenarioExtension));
    if (!path.isEmpty()) {
        m_workspace.scenario().SaveScenario(toStdString(path));
    }
}

void TTemplateMain::scriptLoad() {
    const QString path = chooseOpenFile(uiText(texts::kAddScenarioTitle),
                                        dialogFilter(texts::kScenarioFilter),
                                        uiText(texts::kScenarioExtension));
    if (path.isEmpty()) {
        return;
    }
    const int before = m_workspace.scenario().count();
    if (m_workspace.scenario().AddScenario(toStdString(path))) {
        m_scenarioPane->refresh();
        m_scenarioPane->selectRow(std::min(before, m_workspace.scenario().count() - 1));
    }
}

void TTemplateMain::scriptLineDialog(int index, bool replace) {
    Scenario& scenario = m_workspace.scenario();
    TScriptLine line;
    if (index >= 0) {
        line = TextToLine(scenario.GetLine(index));
    } else {
        line.Options.DrawsExclude = std::max(0, m_workspace.form().DrawsExclude);
    }
    LineDialog dialog(shell(), m_workspace.stats(), m_workspace.statPage(),
                      uiText(replace ? texts::kEditLineCaption : texts::kNewLineCaption),
                      line, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    int row = index;
    if (replace) {
        scenario.Edit(index, dialog.lineText());
    } else {
        row = scenario.AddLine(dialog.lineText());
    }
    m_scenarioPane->refresh();
    m_scenarioPane->selectRow(row);
}

void TTemplateMain::scriptEmpty() {
    const int row = m_workspace.scenario().AddSeparator();
    m_scenarioPane->refresh();
    m_scenarioPane->selectRow(row);
}

void TTemplateMain::scriptDelete() {
    const std::vector<int> rows = m_scenarioPane->selectedRows();
    if (m_workspace.scenario().Delete(rows)) {
        m_scenarioPane->refresh();
        m_scenarioPane->view()->clearSelection();
    }
}

void TTemplateMain::scriptClear() {
    if (m_workspace.scenario().Clear()) {
        m_scenarioPane->refresh();
    }
}

void TTemplateMain::scriptMove(bool up) {
    const int row = m_scenarioPane->currentRow();
    Scenario& scenario = m_workspace.scenario();
    if (up ? scenario.MoveUp(row) : scenario.MoveDown(row)) {
        m_scenarioPane->refresh();
        m_scenarioPane->selectRow(up ? row - 1 : row + 1);
    }
}

void TTemplateMain::scriptTest() {
    const std::optional<int> tests = TestCountDialog::ask(this, m_workspace.archive().count() - 1);
    if (!tests) {
        return;
    }
    ScenarioRunner& runner = m_workspace.runner();
    runScenario([&runner, count = *tests] { runner.ScriptTest(count); });
}

}  // namespace pentad
