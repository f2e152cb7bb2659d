// SPDX-License-Identifier: GPL-3.0-or-later
// The frame of the main window: panes, status bar, menus, the start-up stage
// and the layout kept in "Pentad.frm".
#include "template_main.h"

#include <algorithm>

#include <QAction>
#include <QCloseEvent>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

#include "command_set.h"
#include "draws_pane.h"
#include "gui_texts.h"
#include "qt_text.h"
#include "qt_user_interface.h"
#include "shell/error.h"
#include "shell/messages.h"
#include "shell/view_state.h"
#include "window_placement.h"

namespace pentad {
namespace {

constexpr const char* kDrawListName = "lvDraws";
constexpr int kStartTimerMs = 100;
constexpr int kStatusLinePanel = 6;
// Minimum widths of status panels 1..6; the status line takes the rest.
constexpr std::array<int, 6> kPanelWidths = {130, 140, 90, 120, 90, 90};

QString fromUtf8(const char* text) {
    return QString::fromUtf8(text);
}

// The open or save dialog of a command; empty when cancelled.
QString runFileDialog(QWidget* parent, const QString& folder, QFileDialog::AcceptMode mode,
                      const QString& title, const QString& filter, const QString& suffix) {
    const bool open = mode == QFileDialog::AcceptOpen;
    QFileDialog dialog(parent, title, folder, filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    dialog.setLabelText(QFileDialog::Accept,
                        fromUtf8(open ? texts::kFileDialogOpen : texts::kFileDialogSave));
    dialog.setLabelText(QFileDialog::Reject, fromUtf8(texts::kButtonCancel));
    dialog.setLabelText(QFileDialog::FileName, fromUtf8(texts::kFileDialogFileName));
    dialog.setLabelText(QFileDialog::FileType, fromUtf8(texts::kFileDialogFileType));
    dialog.setLabelText(QFileDialog::LookIn, fromUtf8(texts::kFileDialogLookIn));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().first();
}

}  // namespace

TTemplateMain::TTemplateMain(Workspace& workspace, QtUserInterface& ui, QWidget* parent)
    : QMainWindow(parent),
      m_workspace(workspace),
      m_ui(ui),
      m_commands(new CommandSet(workspace.shell(), this)) {
    m_ui.setWindow(this);
    resize(1100, 720);
    createPanes();
    createStatusBar();
    createCommands();
    createMenus();
    restoreLayout();

    m_commands->setAfterCommand([this] { applyChanges(); });
    connect(&m_ui, &QtUserInterface::busyStateChanged, this, [this] { updateActions(); });
    connect(m_drawsPane, &DrawsPane::selectionChanged, this, &TTemplateMain::updateActions);
    connect(m_drawsPane, &DrawsPane::offsetEdited, this, &TTemplateMain::offsetEdited);
    connect(m_drawsPane, &DrawsPane::rowActivated, this, [this] {
        QAction* info = action(QStringLiteral("DrawsInfo"));
        if (info != nullptr && info->isEnabled()) {
            info->trigger();
        }
    });
    applyChanges();
}

TTemplateMain::~TTemplateMain() {
    m_ui.setStatusPanel(nullptr);
    m_ui.setWindow(nullptr);
}

void TTemplateMain::createPanes() {
    m_drawsPane = new DrawsPane(m_workspace, this);
    m_leftTabs = new QTabWidget(this);
    m_leftTabs->setObjectName(QStringLiteral("pcLeft"));
    m_leftTabs->addTab(m_drawsPane, fromUtf8(texts::kTabDraws));

    // The analysis pages are added here as they come.
    m_rightTabs = new QTabWidget(this);
    m_rightTabs->setObjectName(QStringLiteral("pcRight"));

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("spMain"));
    m_splitter->setChildrenCollapsible(false);
    m_splitter->addWidget(m_leftTabs);
    m_splitter->addWidget(m_rightTabs);
    // Extra width goes to the analysis pages; the draw list keeps its width.
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    setCentralWidget(m_splitter);
}

void TTemplateMain::createStatusBar() {
    for (size_t i = 0; i < m_panels.size(); ++i) {
        auto* panel = new QLabel(this);
        panel->setObjectName(QStringLiteral("sbPanel%1").arg(i + 1));
        panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        panel->setContentsMargins(2, 0, 2, 0);
        if (i < kPanelWidths.size()) {
            panel->setMinimumWidth(kPanelWidths[i]);
            statusBar()->addWidget(panel);
        } else {
            statusBar()->addWidget(panel, 1);
        }
        m_panels[i] = panel;
    }
    m_ui.setStatusPanel(m_panels[kStatusLinePanel]);
}

void TTemplateMain::createCommands() {
    m_commands->add({.name = "ExitProgram",
                     .caption = texts::kCmdExitProgram,
                     .key = QKeySequence(Qt::ALT | Qt::Key_F4),
                     .execute = [this] { close(); }});
    createDrawCommands();
}

void TTemplateMain::createMenus() {
    QMenu* file = menuBar()->addMenu(fromUtf8(texts::kMenuFile));
    file->addAction(action(QStringLiteral("ExitProgram")));

    const char* drawCommands[] = {"DrawsAdd",    "DrawsEdit", "DrawsDel",  nullptr, "DrawsImport",
                                  "DrawsExport", nullptr,     "DrawsInfo", nullptr, "DrawsSorted"};
    QMenu* draws = menuBar()->addMenu(fromUtf8(texts::kMenuDraws));
    QList<QAction*> contextMenu;
    for (const char* name : drawCommands) {
        QAction* item = nullptr;
        if (name == nullptr) {
            item = draws->addSeparator();
        } else {
            item = action(fromUtf8(name));
            draws->addAction(item);
        }
        contextMenu.append(item);
    }
    m_drawsPane->bindCommands(action(QStringLiteral("DrawsAdd")),
                              action(QStringLiteral("DrawsDel")), contextMenu);

    QMenu* view = menuBar()->addMenu(fromUtf8(texts::kMenuView));
    view->addAction(action(QStringLiteral("ViewColorDraws")));
}

void TTemplateMain::restoreLayout() {
    shell().guard(texts::kErrorLoadParameters, [&] {
        IniFile& frm = m_workspace.frm();
        m_startMaximised = restoreWindowPlacement(*this, frm, kMainFormSection);
        const int left = std::max(50, m_workspace.form().LeftPanelWidth);
        m_splitter->setSizes({left, std::max(1, width() - left)});
        std::vector<int> widths = m_drawsPane->columnWidths();
        readColumnWidths(frm, kMainFormSection, kDrawListName, widths);
        m_drawsPane->setColumnWidths(widths);
    });
}

void TTemplateMain::saveLayout() {
    if (m_layoutSaved) {
        return;
    }
    m_layoutSaved = true;
    shell().guard(texts::kErrorWriteConfig, [&] {
        IniFile& frm = m_workspace.frm();
        saveWindowPlacement(*this, frm, kMainFormSection);
        const QList<int> sizes = m_splitter->sizes();
        if (!sizes.isEmpty() && sizes.first() > 0) {
            m_workspace.form().LeftPanelWidth = sizes.first();
        }
        m_workspace.form().saveLayout(frm);
        writeColumnWidths(frm, kMainFormSection, kDrawListName, m_drawsPane->columnWidths());
    });
}

void TTemplateMain::showRestored() {
    if (m_startMaximised) {
        showMaximized();
    } else {
        show();
    }
}

void TTemplateMain::startInitialisation() {
    QTimer::singleShot(kStartTimerMs, this, &TTemplateMain::initialise);
}

void TTemplateMain::initialise() {
    if (m_initialised) {
        return;
    }
    m_initialised = true;
    {
        BusyScope busy(shell());
        shell().setStatus(texts::kStatusInit);
        shell().guard(texts::kErrorInit, [&] {
            setWindowTitle(designedCaption() + fromUtf8(texts::kVersionWord) +
                           QStringLiteral(PENTAD_VERSION_TEXT));
            m_workspace.setOffset(0);
            m_workspace.loadArchive();
        });
        shell().setStatus(std::string());
    }
    applyChanges();
    emit initialised();
}

QAction* TTemplateMain::action(const QString& name) const {
    return m_commands->action(name);
}

void TTemplateMain::updateActions() {
    m_commands->update();
    m_drawsPane->setIdle(m_workspace.shell().isIdle());
}

void TTemplateMain::applyChanges() {
    const unsigned changes = m_workspace.takeChanges();
    m_drawsPane->refresh((changes & kChangeDraws) != 0);
    updateStatusPanels();
    updateActions();
}

void TTemplateMain::updateStatusPanels() {
    const std::array<std::string, 3> archive = m_workspace.archive().statusTexts();
    for (size_t i = 0; i < archive.size(); ++i) {
        m_panels[i]->setText(toQString(archive[i]));
    }
    // Combination set, stakes and ratings are not held by this build yet.
    m_panels[3]->setText(toQString(format(texts::kPanelCombinations, 0)));
    m_panels[4]->setText(toQString(format(texts::kPanelStakes, 0)));
    m_panels[5]->setText(toQString(format(texts::kPanelRatings, 0)));
}

void TTemplateMain::offsetEdited(int value) {
    if (shell().isIdle()) {
        m_workspace.setOffset(value);
    }
    // A value refused while busy snaps back to the current offset.
    applyChanges();
}

QString TTemplateMain::chooseOpenFile(const QString& title, const QString& filter,
                                      const QString& suffix) {
    return runFileDialog(this, toQString(m_workspace.folder()), QFileDialog::AcceptOpen, title,
                         filter, suffix);
}

QString TTemplateMain::chooseSaveFile(const QString& title, const QString& filter,
                                      const QString& suffix) {
    return runFileDialog(this, toQString(m_workspace.folder()), QFileDialog::AcceptSave, title,
                         filter, suffix);
}

void TTemplateMain::closeEvent(QCloseEvent* event) {
    // An operation still running owns the state the window would save.
    if (!shell().isIdle()) {
        event->ignore();
        return;
    }
    saveLayout();
    event->accept();
}

}  // namespace pentad
