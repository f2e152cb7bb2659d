// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of the menu "Комбинации" and the list's view option:
// generating, opening and saving the set, undo, excluding the last draws,
// deleting rows, the small questions about the set, the clipboard and the
// colouring of the list. Each one works through the workspace's combination
// set; the window redraws what changed once the command is over.
#include <QAction>
#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTableView>

#include "combs_pane.h"
#include "command_set.h"
#include "dialogs/draw_info_dialog.h"
#include "dialogs/generate_dialog.h"
#include "filters/combination_texts.h"
#include "gui_texts.h"
#include "info_rows.h"
#include "qt_text.h"
#include "shell/error.h"
#include "shell/messages.h"
#include "template_main.h"

namespace pentad {
namespace {

// The Qt form of a file filter written "description|pattern".
QString dialogFilter(const char* filter) {
    return uiText(filter).section(QLatin1Char('|'), 0, 0);
}

bool clipboardHoldsText() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data != nullptr && data->hasText();
}

}  // namespace

void TTemplateMain::createCombCommands() {
    CombinationSet* combs = &m_workspace.combs();
    auto notEmpty = [combs] { return !combs->empty(); };
    auto rowFocused = [this, combs] {
        const int row = m_combsPane->currentRow();
        return row >= 0 && row < combs->CombsCount();
    };
    m_commands->add({.name = "CombsGen",
                     .caption = texts::kCommandGenerate,
                     .key = QKeySequence(Qt::Key_F2),
                     .execute = [this] { combsGenerate(); }});
    m_commands->add({.name = "CombsOpen",
                     .caption = texts::kCommandOpen,
                     .key = QKeySequence(Qt::CTRL | Qt::Key_O),
                     .execute = [this] { combsOpen(); }});
    m_commands->add({.name = "CombsSave",
                     .caption = texts::kCommandSave,
                     .key = QKeySequence(Qt::CTRL | Qt::Key_S),
                     .enabled = [combs] { return combs->CanSave(); },
                     .execute = [this] { combsSave(); }});
    m_commands->add({.name = "CombsUndo",
                     .caption = texts::kCommandUndo,
                     .key = QKeySequence(Qt::CTRL | Qt::Key_Z),
                     .enabled = [combs] { return combs->CanUndo(); },
                     .execute = [combs] { combs->Undo(); }});
    m_commands->add(
        {.name = "CombsDelExists",
         .caption = texts::kCommandExclude,
         .key = QKeySequence(Qt::CTRL | Qt::Key_E),
         .hint = texts::kExcludeHint,
         .enabled = [this, combs] { return combs->CanExclude(m_workspace.form().DrawsExclude); },
         .execute = [this, combs] { combs->ExcludeLastDraws(m_workspace.form().DrawsExclude); }});
    m_commands->add(
        {.name = "CombsDelSelected",
         .caption = texts::kCommandDeleteSelected,
         .key = QKeySequence(Qt::CTRL | Qt::Key_Delete),
         // Other lists delete their rows with the same key.
         .keyContext = Qt::WidgetWithChildrenShortcut,
         .enabled = [this, notEmpty] { return notEmpty() && m_combsPane->hasSelection(); },
         .execute = [this, combs] { combs->DeleteRows(m_combsPane->selectedRows()); }});
    m_commands->add({.name = "CombsInfo",
                     .caption = texts::kCmdCombsInfo,
                     .enabled = rowFocused,
                     .execute = [this] { combsInfo(); }});
    m_commands->add({.name = "CombsCheckNums",
                     .caption = texts::kCommandUniqueNumbers,
                     .execute = [combs] { combs->ShowUniqueNumbers(); }});
    m_commands->add(
        {.name = "CombsFindInDraws",
         .caption = texts::kCommandFind,
         .key = QKeySequence(Qt::CTRL | Qt::Key_F),
         .enabled = rowFocused,
         .execute = [this, combs] { combs->ShowFindInArchive(m_combsPane->currentRow()); }});
    m_commands->add({.name = "CombsCopy",
                     .caption = texts::kCommandCopy,
                     .key = QKeySequence(Qt::CTRL | Qt::Key_C),
                     .enabled = notEmpty,
                     .execute = [this] { combsCopy(); }});
    m_commands->add({.name = "CombsPaste",
                     .caption = texts::kCommandPaste,
                     .key = QKeySequence(Qt::CTRL | Qt::Key_V),
                     .enabled = [] { return clipboardHoldsText(); },
                     .execute = [this] { combsPaste(); }});
    m_commands->add({.name = "CombsSelectAll",
                     .caption = texts::kCommandSelectAll,
                     .key = QKeySequence(Qt::CTRL | Qt::Key_A),
                     .enabled = notEmpty,
                     .execute = [this] { m_combsPane->view()->selectAll(); }});
    m_commands->add({.name = "ViewColorCombs",
                     .caption = texts::kCmdViewColorCombs,
                     .execute = [this] { viewColorCombs(); },
                     .checked = [this] { return m_workspace.form().ColorCombs; }});
}

void TTemplateMain::createCombMenu() {
    const char* names[] = {"CombsGen",      "CombsOpen",      "CombsSave",        "CombsUndo",
                           nullptr,         "CombsDelExists", "CombsDelSelected", nullptr,
                           "CombsInfo",     "CombsCheckNums", "CombsFindInDraws", nullptr,
                           "CombsCopy",     "CombsPaste",     "CombsSelectAll",   nullptr,
                           "CombsXlsExport"};
    QMenu* menu = menuBar()->addMenu(uiText(texts::kMenuCombs));
    const QList<QAction*> contextMenu = fillMenu(*menu, names);
    m_combsPane->bindCommands(action(QStringLiteral("CombsDelExists")), contextMenu);
}

void TTemplateMain::combsGenerate() {
    GenerateDialog dialog(
        loadGenerateParams(m_workspace.ini()),
        [this] {
            return chooseOpenFile(uiText(texts::kChooseCombsTitle),
                                  dialogFilter(texts::kLcvFilter),
                                  uiText(texts::kLcvExtension));
        },
        this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const GenerateParams params = dialog.params();
    if (dialog.saveAsDefaults()) {
        shell().guard(texts::kErrorWriteConfig,
                      [&] { saveGenerateParams(m_workspace.ini(), params); });
    }
    CombinationSet& combs = m_workspace.combs();
    combs.SaveUndo(true);
    const CombsReadResult result = combs.Generate(params, true);
    if (result.skipped > 0) {
        shell().attention(format(texts::kSkippedLines, result.skipped));
    }
}

void TTemplateMain::combsOpen() {
    const QString path =
        chooseOpenFile(uiText(texts::kOpenCombsTitle), dialogFilter(texts::kLcvFilter),
                       uiText(texts::kLcvExtension));
    if (!path.isEmpty()) {
        m_workspace.combs().OpenFile(toStdString(path));
    }
}

void TTemplateMain::combsSave() {
    const QString path =
        chooseSaveFile(uiText(texts::kSaveCombsTitle), dialogFilter(texts::kLcvFilter),
                       uiText(texts::kLcvExtension));
    if (!path.isEmpty()) {
        m_workspace.combs().SaveFile(toStdString(path));
    }
}

void TTemplateMain::combsInfo() {
    DrawInfo info = combinationInfo(m_workspace, m_combsPane->currentRow());
    if (info.columns > 0) {
        DrawInfoDialog dialog(info, m_workspace.config().ChannelSize, this);
        dialog.exec();
    }
}

void TTemplateMain::combsCopy() {
    const std::string text = m_workspace.combs().CopyText(m_combsPane->selectedRows());
    QGuiApplication::clipboard()->setText(toQString(text));
}

void TTemplateMain::combsPaste() {
    const std::string text = toStdString(QGuiApplication::clipboard()->text());
    m_workspace.combs().PasteText(text);
}

void TTemplateMain::viewColorCombs() {
    BusyScope busy(shell());
    MainFormSettings& form = m_workspace.form();
    form.ColorCombs = !form.ColorCombs;
    m_workspace.setViewOption("ColorCombs", form.ColorCombs);
}

}  // namespace pentad
