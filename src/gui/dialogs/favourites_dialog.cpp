// SPDX-License-Identifier: GPL-3.0-or-later
// The favourites manager: the method tree, its eight commands, the display
// options and the write-back on OK.
#include "dialogs/favourites_dialog.h"

#include <map>
#include <optional>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "button_texts.h"
#include "dialogs/description_dialog.h"
#include "filters/filter_texts.h"
#include "gui_texts.h"
#include "qt_text.h"
#include "shell/error.h"
#include "shell/shell.h"
#include "stats/stat_list.h"

namespace pentad {
namespace {

constexpr int kEntryRole = Qt::UserRole;
constexpr int kNoEntry = -1;

int entryOfNode(const QTreeWidgetItem* node) {
    return node != nullptr ? node->data(0, kEntryRole).toInt() : kNoEntry;
}

bool isTicked(const QTreeWidgetItem* node) {
    return node->data(0, Qt::CheckStateRole).toInt() == Qt::Checked;
}

QPushButton* commandButton(const char* caption, const char* hint, const char* name,
                           QWidget* parent) {
    auto* button = new QPushButton(uiText(caption), parent);
    button->setToolTip(uiText(hint));
    button->setObjectName(QString::fromUtf8(name));
    return button;
}

QString classCaption(const TStatMethod& method) {
    return toQString(method.Class->caption(method.Variant));
}

}  // namespace

FavouritesDialog::FavouritesDialog(Shell& shell, TStatList& list, std::string favouritesPath,
                                   FileChooser chooseImport, FileChooser chooseExport,
                                   QWidget* parent)
    : QDialog(parent),
      m_shell(shell),
      m_list(list),
      m_favouritesPath(std::move(favouritesPath)),
      m_chooseImport(std::move(chooseImport)),
      m_chooseExport(std::move(chooseExport)) {
    setWindowTitle(uiText(texts::kFavouritesCaption));
    setSizeGripEnabled(true);

    auto* prompt = new QLabel(uiText(texts::kFavouritesPrompt), this);
    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("tvMethods"));
    m_tree->setHeaderHidden(true);
    m_tree->setColumnCount(1);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->installEventFilter(this);
    m_total = new QLabel(this);
    m_total->setObjectName(QStringLiteral("lbTotal"));
    prompt->setBuddy(m_tree);

    m_checkAll = commandButton(texts::kFavCheckAll, texts::kFavHintCheckAll, "btnCheckAll", this);
    m_checkNone =
        commandButton(texts::kFavCheckNone, texts::kFavHintCheckNone, "btnCheckNone", this);
    m_groupAll = commandButton(texts::kFavGroupAll, texts::kFavHintGroupAll, "btnGroupAll", this);
    m_groupNone =
        commandButton(texts::kFavGroupNone, texts::kFavHintGroupNone, "btnGroupNone", this);
    m_rename = commandButton(texts::kFavRename, texts::kFavHintRename, "btnRename", this);
    m_resetName =
        commandButton(texts::kFavResetName, texts::kFavHintResetName, "btnResetName", this);
    m_info = commandButton(texts::kFavInfo, texts::kFavHintInfo, "btnInfo", this);
    QPushButton* namesImport =
        commandButton(texts::kFavNamesImport, texts::kFavHintNamesImport, "btnNamesImport", this);
    QPushButton* namesExport =
        commandButton(texts::kFavNamesExport, texts::kFavHintNamesExport, "btnNamesExport", this);

    auto* options = new QGroupBox(uiText(texts::kFavOptionsGroup), this);
    m_ordered = new QCheckBox(uiText(texts::kFavOrdered), options);
    m_ordered->setObjectName(QStringLiteral("cbOrdered"));
    m_ordered->setChecked(list.Ordered);
    m_showGroupName = new QCheckBox(uiText(texts::kFavShowGroupName), options);
    m_showGroupName->setObjectName(QStringLiteral("cbShowGroupName"));
    m_showGroupName->setChecked(list.ShowGroupName);
    m_showMethodFlags = new QCheckBox(uiText(texts::kFavShowMethodFlags), options);
    m_showMethodFlags->setObjectName(QStringLiteral("cbShowMethodFlags"));
    m_showMethodFlags->setChecked(list.ShowMethodFlags);
    auto* optionsLayout = new QVBoxLayout(options);
    optionsLayout->addWidget(m_ordered);
    optionsLayout->addWidget(m_showGroupName);
    optionsLayout->addWidget(m_showMethodFlags);

    QDialogButtonBox* buttons = dialogButtons(*this);

    auto* commands = new QVBoxLayout;
    for (QPushButton* b : {m_checkAll, m_checkNone, m_groupAll, m_groupNone}) {
        commands->addWidget(b);
    }
    commands->addSpacing(8);
    for (QPushButton* b : {m_rename, m_resetName, m_info}) {
        commands->addWidget(b);
    }
    commands->addSpacing(8);
    commands->addWidget(namesImport);
    commands->addWidget(namesExport);
    commands->addStretch(1);

    auto* body = new QHBoxLayout;
    body->addWidget(m_tree, 1);
    body->addLayout(commands);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addLayout(body, 1);
    layout->addWidget(m_total);
    layout->addWidget(options);
    layout->addWidget(buttons);

    connect(m_checkAll, &QPushButton::clicked, this, [this] { setTicks(methodNodes(), true); });
    connect(m_checkNone, &QPushButton::clicked, this, [this] { setTicks(methodNodes(), false); });
    auto groupMembers = [this] {
        std::vector<QTreeWidgetItem*> nodes;
        if (QTreeWidgetItem* group = selectedGroup()) {
            for (int i = 0; i < group->childCount(); ++i) {
                nodes.push_back(group->child(i));
            }
        }
        return nodes;
    };
    connect(m_groupAll, &QPushButton::clicked, this,
            [this, groupMembers] { setTicks(groupMembers(), true); });
    connect(m_groupNone, &QPushButton::clicked, this,
            [this, groupMembers] { setTicks(groupMembers(), false); });
    connect(m_rename, &QPushButton::clicked, this, &FavouritesDialog::rename);
    connect(m_resetName, &QPushButton::clicked, this, &FavouritesDialog::resetName);
    connect(m_info, &QPushButton::clicked, this, &FavouritesDialog::showInfo);
    connect(namesImport, &QPushButton::clicked, this, &FavouritesDialog::importNames);
    connect(namesExport, &QPushButton::clicked, this, &FavouritesDialog::exportNames);
    connect(m_tree, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* node) { toggle(node); });
    connect(m_tree, &QTreeWidget::itemSelectionChanged, this, &FavouritesDialog::updateButtons);

    fillTree(nullptr);
    resize(620, 620);
}

void FavouritesDialog::fillTree(const std::vector<int>* ticks) {
    m_tree->clear();
    // Groups in the order they first occur in the registry.
    std::map<int, QTreeWidgetItem*> groups;
    int methods = 0;
    for (int i = 0; i < m_list.Count(); ++i) {
        const TStatMethod& method = m_list.Item(i);
        if (!method.Class->visible) {
            continue;
        }
        QTreeWidgetItem*& group = groups[method.Class->group];
        if (group == nullptr) {
            group = new QTreeWidgetItem(m_tree);
            group->setText(0, uiText(groupHeading(method.Class->group)));
            group->setData(0, kEntryRole, kNoEntry);
            group->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        }
        auto* node = new QTreeWidgetItem(group);
        node->setText(0, toQString(method.BaseCaption()));
        node->setData(0, kEntryRole, i);
        // Ticks are toggled by a click anywhere on the node, not by the
        // check box alone, so the node is not user-checkable.
        node->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        const bool ticked = ticks != nullptr ? (*ticks)[static_cast<size_t>(i)] != 0
                                             : (m_list.AllFavourites || method.Favourite);
        node->setData(0, Qt::CheckStateRole, ticked ? Qt::Checked : Qt::Unchecked);
        ++methods;
    }
    m_tree->expandAll();
    m_total->setText(uiText(format(texts::kFavouritesTotal, methods)));
    updateButtons();
}

std::vector<QTreeWidgetItem*> FavouritesDialog::methodNodes() const {
    std::vector<QTreeWidgetItem*> nodes;
    for (int g = 0; g < m_tree->topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = m_tree->topLevelItem(g);
        for (int i = 0; i < group->childCount(); ++i) {
            nodes.push_back(group->child(i));
        }
    }
    return nodes;
}

QTreeWidgetItem* FavouritesDialog::selectedNode() const {
    const QList<QTreeWidgetItem*> selected = m_tree->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

QTreeWidgetItem* FavouritesDialog::selectedMethod() const {
    QTreeWidgetItem* node = selectedNode();
    return entryOfNode(node) != kNoEntry ? node : nullptr;
}

QTreeWidgetItem* FavouritesDialog::selectedGroup() const {
    QTreeWidgetItem* node = selectedNode();
    if (node == nullptr) {
        return nullptr;
    }
    return entryOfNode(node) == kNoEntry ? node : node->parent();
}

void FavouritesDialog::setTicks(const std::vector<QTreeWidgetItem*>& nodes, bool ticked) {
    for (QTreeWidgetItem* node : nodes) {
        node->setData(0, Qt::CheckStateRole, ticked ? Qt::Checked : Qt::Unchecked);
    }
}

void FavouritesDialog::toggle(QTreeWidgetItem* node) {
    if (entryOfNode(node) != kNoEntry) {
        setTicks({node}, !isTicked(node));
    }
}

void FavouritesDialog::updateButtons() {
    const bool notEmpty = m_tree->topLevelItemCount() > 0;
    m_checkAll->setEnabled(notEmpty);
    m_checkNone->setEnabled(notEmpty);
    const bool node = selectedNode() != nullptr;
    m_groupAll->setEnabled(node);
    m_groupNone->setEnabled(node);
    const bool method = selectedMethod() != nullptr;
    m_rename->setEnabled(method);
    m_resetName->setEnabled(method);
    m_info->setEnabled(method && !m_list.HelpFile.empty());
}

void FavouritesDialog::applyCaptions() {
    for (QTreeWidgetItem* node : methodNodes()) {
        TStatMethod& method = m_list.Item(entryOfNode(node));
        const QString text = node->text(0);
        const bool standard = text.compare(classCaption(method), Qt::CaseInsensitive) == 0;
        method.OwnCaption = standard ? std::string() : toStdString(text);
    }
}

void FavouritesDialog::rename() {
    QTreeWidgetItem* node = selectedMethod();
    if (node == nullptr) {
        return;
    }
    std::optional<std::string> text = m_shell.ui().askText(
        texts::kFavRenameCaption, texts::kFavRenamePrompt, toStdString(node->text(0)));
    if (text) {
        node->setText(0, toQString(*text));
    }
}

void FavouritesDialog::resetName() {
    if (QTreeWidgetItem* node = selectedMethod()) {
        node->setText(0, classCaption(m_list.Item(entryOfNode(node))));
    }
}

void FavouritesDialog::showInfo() {
    if (QTreeWidgetItem* node = selectedMethod()) {
        DescriptionDialog dialog(m_list.HelpUrl(entryOfNode(node)), this);
        dialog.exec();
    }
}

void FavouritesDialog::importNames() {
    const QString path = m_chooseImport ? m_chooseImport() : QString();
    if (path.isEmpty()) {
        return;
    }
    std::vector<int> ticks(static_cast<size_t>(m_list.Count()), 0);
    for (int i = 0; i < m_list.Count(); ++i) {
        ticks[static_cast<size_t>(i)] = m_list.AllFavourites || m_list.Item(i).Favourite;
    }
    for (QTreeWidgetItem* node : methodNodes()) {
        ticks[static_cast<size_t>(entryOfNode(node))] = isTicked(node);
    }
    m_list.LoadFavourites(m_shell, toStdString(path), false);
    fillTree(&ticks);
}

void FavouritesDialog::exportNames() {
    const QString path = m_chooseExport ? m_chooseExport() : QString();
    if (path.isEmpty()) {
        return;
    }
    applyCaptions();
    m_list.SaveFavourites(m_shell, toStdString(path), false, true);
    // The export leaves the list's own captions as the program's file has them.
    m_list.LoadFavourites(m_shell, m_favouritesPath, false);
}

bool FavouritesDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_tree && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        toggle(m_tree->currentItem());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void FavouritesDialog::accept() {
    applyCaptions();
    for (QTreeWidgetItem* node : methodNodes()) {
        m_list.Item(entryOfNode(node)).Favourite = isTicked(node);
    }
    m_list.NormalizeFavourites();
    m_list.Ordered = m_ordered->isChecked();
    m_list.ShowGroupName = m_showGroupName->isChecked();
    m_list.ShowMethodFlags = m_showMethodFlags->isChecked();
    QDialog::accept();
}

}  // namespace pentad
