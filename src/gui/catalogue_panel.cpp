// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue_panel.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/workspace.h"
#include "catalogue_texts_gui.h"
#include "command_set.h"
#include "dialogs/catalogue_dialogs.h"
#include "list_view.h"
#include "online/catalogue_protocol.h"
#include "online/catalogue_texts.h"
#include "qt_text.h"
#include "shell/error.h"
#include "shell/interface_language.h"

namespace pentad {

// The entries of the panel as list rows.
class CatalogueModel : public QAbstractTableModel {
public:
    enum Column {
        Kind, Title, Author, Program, Version, Language, Created, Rating, Ratings, YourRating,
        Downloads, LastDownload, Comments, kColumnCount
    };

    CatalogueModel(const std::vector<tScriptInfo>& entries, QObject* parent)
        : QAbstractTableModel(parent), m_entries(entries) {}

    void beginChange() { beginResetModel(); }
    void endChange() { endResetModel(); }
    void rowChanged(int row) {
        emit dataChanged(index(row, 0), index(row, kColumnCount - 1));
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : static_cast<int>(m_entries.size());
    }
    int columnCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : kColumnCount;
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
            section < kColumnCount) {
            return uiText(texts::kLibraryColumns[section]);
        }
        return QVariant();
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= rowCount()) {
            return QVariant();
        }
        const tScriptInfo& s = m_entries[static_cast<size_t>(index.row())];
        if (role == Qt::ToolTipRole && index.column() == Kind) {
            return s.Public ? QStringLiteral("public") : QStringLiteral("private");
        }
        if (role != Qt::DisplayRole) {
            return QVariant();
        }
        switch (index.column()) {
            case Kind:
                return uiText(s.Mine ? texts::kKindMine : texts::kKindShared);
            case Title:
                return toQString(s.Title);
            case Author:
                return toQString(s.AuthorName);
            case Program:
                return s.UniApps ? uiText(texts::kUniversal) : toQString(s.AppName);
            case Version:
                return toQString(s.AppVer);
            case Language:
                return toQString(languageAbbreviation(s.Lcid));
            case Created:
                return toQString(catalogueDateText(s.Created));
            case Rating:
                return QLocale().toString(s.RatingAvg, 'f', 3);
            case Ratings:
                return s.RatingCnt;
            case YourRating:
                if (s.RatingYou == catalogue::kRateHide) {
                    return uiText(texts::kRatingHidden);
                }
                return s.RatingYou > 0 ? QString::number(s.RatingYou) : QString();
            case Downloads:
                return s.Downloads;
            case LastDownload:
                return toQString(catalogueDateText(s.LastDownload));
            case Comments:
                return toQString(s.Descr).replace(QLatin1Char('\r'), QString()).replace(
                    QLatin1Char('\n'), QLatin1Char(' '));
            default:
                return QVariant();
        }
    }

private:
    const std::vector<tScriptInfo>& m_entries;
};

namespace {

constexpr int kColumnWidths[CatalogueModel::kColumnCount] = {60, 200, 120, 100, 70,  50, 130,
                                                             70, 60,  90,  70,  130, 300};

}  // namespace

CataloguePanel::CataloguePanel(Workspace& workspace, QWidget* parent)
    : QWidget(parent), m_ws(workspace) {
    setObjectName(QStringLiteral("pnLibrary"));
    m_model = new CatalogueModel(m_entries, this);
    m_view = makeListView("lvLibrary", m_model, QAbstractItemView::SingleSelection, this);
    for (int c = 0; c < CatalogueModel::kColumnCount; ++c) {
        m_view->setColumnWidth(c, kColumnWidths[c]);
    }
    m_filter = new QComboBox(this);
    m_filter->setObjectName(QStringLiteral("cbLibraryFilter"));
    for (const char* caption : texts::kLibraryFilters) {
        m_filter->addItem(uiText(caption));
    }
    const int item = m_ws.form().ScriptLibraryFilter;
    m_filter->setCurrentIndex(item >= 0 && item < m_filter->count() ? item : 2);
    m_identity = new QToolButton(this);
    m_identity->setObjectName(QStringLiteral("btLibraryIdentity"));
    m_identity->setText(uiText(texts::kIdentityCaption));
    m_hint = new QLabel(uiText(texts::kNoCatalogueAddress), this);
    m_hint->setObjectName(QStringLiteral("lbLibraryHint"));

    auto* top = new QHBoxLayout;
    top->addWidget(m_filter, 1);
    top->addWidget(m_identity);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addWidget(m_hint);
    layout->addWidget(m_view, 1);

    editProperties = [this](const tScriptData& data, bool editable) {
        return runPropertiesDialog(data, editable);
    };
    connect(m_filter, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_ws.form().ScriptLibraryFilter = index;
        reload();
    });
    connect(m_identity, &QToolButton::clicked, this, [this] { editIdentity(); });
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &CataloguePanel::selectionChanged);
    connect(m_view, &QAbstractItemView::doubleClicked, this, [this] { viewProperties(); });
    applyShown();
}

bool CataloguePanel::shown() const { return m_ws.form().ScriptLibraryOn; }

void CataloguePanel::applyShown() {
    setVisible(shown());
    const bool address = m_ws.online().catalogue().hasAddress();
    m_hint->setVisible(!address);
    m_view->setVisible(address);
}

const tScriptInfo* CataloguePanel::focused() const {
    if (!shown()) {
        return nullptr;
    }
    const QModelIndex current = m_view->selectionModel()->currentIndex();
    if (!current.isValid() || current.row() >= static_cast<int>(m_entries.size())) {
        return nullptr;
    }
    return &m_entries[static_cast<size_t>(current.row())];
}

int CataloguePanel::rowOfId(int id) const {
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].Id == id) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void CataloguePanel::focusEntry(int id) {
    const int row = rowOfId(id);
    if (row < 0) {
        return;
    }
    const QModelIndex index = m_model->index(row, 0);
    m_view->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_view->scrollTo(index);
}

void CataloguePanel::setEntries(std::vector<tScriptInfo> entries) {
    m_model->beginChange();
    m_entries = std::move(entries);
    m_model->endChange();
}

void CataloguePanel::reload() {
    applyShown();
    const tScriptInfo* current = focused();
    const int remembered = current != nullptr ? current->Id : -1;
    setEntries({});
    CatalogueServices& cat = m_ws.online().catalogue();
    if (shown() && cat.hasAddress()) {
        if (auto list = cat.loadScriptList(m_filter->currentIndex() - 1)) {
            setEntries(std::move(*list));
        }
    }
    focusEntry(remembered);
    emit selectionChanged();
}

void CataloguePanel::toggle() {
    m_ws.setViewOption("ScriptLibraryOn", !m_ws.form().ScriptLibraryOn);
    reload();
}

void CataloguePanel::download() {
    const tScriptInfo* entry = focused();
    if (entry != nullptr && m_ws.online().catalogue().downloadScript(entry->Id)) {
        emit scenarioReplaced();
    }
}

void CataloguePanel::rate(int value) {
    const tScriptInfo* entry = focused();
    if (entry == nullptr) {
        return;
    }
    std::string notes;
    if (value > 0) {
        std::optional<std::string> typed = m_ws.shell().ui().askText(
            texts::kCommentCaption, texts::kCommentPrompt, std::string());
        if (!typed) {
            return;
        }
        notes = *typed;
    }
    if (m_ws.online().catalogue().rateScript(entry->Id, value, notes)) {
        reload();
    }
}

std::optional<tScriptData> CataloguePanel::runPropertiesDialog(const tScriptData& data,
                                                               bool editable) {
    CatalogueServices& cat = m_ws.online().catalogue();
    ScriptPropertiesDialog dialog(
        data, editable,
        [&cat](const tScriptData& d) -> std::optional<std::string> {
            std::string problem;
            if (cat.acceptScriptData(d, problem)) {
                return std::string();
            }
            if (problem.empty()) {
                return std::nullopt;
            }
            return problem;
        },
        this);
    if (dialog.exec() != QDialog::Accepted || !editable) {
        return std::nullopt;
    }
    return dialog.data();
}

void CataloguePanel::publish() {
    CatalogueServices& cat = m_ws.online().catalogue();
    tScriptData start;
    start.Id = -1;
    start.AuthorName = cat.userName();
    start.Lcid = cat.lcid;
    start.UniApps = false;
    start.Public = true;
    std::optional<tScriptData> data = editProperties(start, true);
    if (!data) {
        return;
    }
    const int id = cat.putScript(*data);
    if (id <= 0) {
        return;
    }
    tScriptInfo added;
    added.Id = id;
    added.AppName = std::string(catalogue::kPentadAppName);
    added.AppVer = PENTAD_VERSION_TEXT;
    added.AuthorName = data->AuthorName;
    added.AuthorMail = cat.userMail();
    added.Lcid = data->Lcid;
    added.UniApps = data->UniApps;
    added.Public = data->Public;
    added.Title = data->Title;
    added.Descr = data->Descr;
    added.Created = nowDateTime();
    added.Mine = added.Compatible = added.MineCompatible = true;
    std::vector<tScriptInfo> entries = m_entries;
    entries.push_back(added);
    setEntries(std::move(entries));
    focusEntry(id);
}

void CataloguePanel::replace() {
    const tScriptInfo* entry = focused();
    if (entry == nullptr) {
        return;
    }
    const int row = rowOfId(entry->Id);
    std::optional<tScriptData> data = editProperties(scriptDataOf(*entry), true);
    if (!data) {
        return;
    }
    const int id = m_ws.online().catalogue().putScript(*data);
    if (id <= 0 || row < 0) {
        return;
    }
    tScriptInfo& s = m_entries[static_cast<size_t>(row)];
    s.Id = id;
    s.AppVer = PENTAD_VERSION_TEXT;
    s.Created = nowDateTime();
    s.AuthorName = data->AuthorName;
    s.Lcid = data->Lcid;
    s.UniApps = data->UniApps;
    s.Public = data->Public;
    s.Title = data->Title;
    s.Descr = data->Descr;
    m_model->rowChanged(row);
}

void CataloguePanel::remove() {
    const tScriptInfo* entry = focused();
    if (entry == nullptr ||
        !m_ws.shell().confirmNo(format(texts::kDeleteScriptQuestion, entry->Title))) {
        return;
    }
    const int id = entry->Id;
    if (!m_ws.online().catalogue().deleteScript(scriptDataOf(*entry))) {
        return;
    }
    std::vector<tScriptInfo> entries = m_entries;
    entries.erase(entries.begin() + rowOfId(id));
    setEntries(std::move(entries));
    emit selectionChanged();
}

void CataloguePanel::viewProperties() {
    if (const tScriptInfo* entry = focused()) {
        editProperties(scriptDataOf(*entry), false);
    }
}

void CataloguePanel::showRates() {
    const tScriptInfo* entry = focused();
    if (entry == nullptr) {
        return;
    }
    if (auto rates = m_ws.online().catalogue().loadRates(entry->Id)) {
        ScriptRatesDialog dialog(*rates, this);
        dialog.exec();
    }
}

void CataloguePanel::editIdentity() {
    CatalogueServices& cat = m_ws.online().catalogue();
    IdentityDialog dialog(cat.userName(), cat.userMail(), this);
    if (dialog.exec() == QDialog::Accepted) {
        m_ws.shell().guard(texts::kPublishFailed,
                           [&] { cat.setIdentity(dialog.name(), dialog.mail()); });
        reload();
    }
}

void CataloguePanel::createCommands(CommandSet& commands) {
    auto entry = [this] { return focused() != nullptr; };
    auto shownNow = [this] { return shown(); };
    commands.add({.name = "ScriptLibrary",
                  .caption = texts::kCmdLibrary,
                  .key = QKeySequence(Qt::CTRL | Qt::Key_L),
                  .execute = [this] { toggle(); },
                  .checked = shownNow});
    commands.add({.name = "ScriptLibraryRefresh",
                  .caption = texts::kCmdLibraryRefresh,
                  .enabled = shownNow,
                  .execute = [this] { reload(); }});
    commands.add({.name = "ScriptLibraryDownload",
                  .caption = texts::kCmdLibraryDownload,
                  .enabled = [this] { return focused() != nullptr && focused()->Compatible; },
                  .execute = [this] { download(); }});
    commands.add({.name = "ScriptLibraryUpload",
                  .caption = texts::kCmdLibraryUpload,
                  .enabled = [this] { return shown() && !m_ws.scenario().empty(); },
                  .execute = [this] { publish(); }});
    commands.add({.name = "ScriptLibraryReplace",
                  .caption = texts::kCmdLibraryReplace,
                  .enabled =
                      [this] {
                          return focused() != nullptr && focused()->MineCompatible &&
                                 !m_ws.scenario().empty();
                      },
                  .execute = [this] { replace(); }});
    commands.add({.name = "ScriptLibraryDelete",
                  .caption = texts::kCmdLibraryDelete,
                  .enabled = [this] { return focused() != nullptr && focused()->MineCompatible; },
                  .execute = [this] { remove(); }});
    commands.add({.name = "ScriptLibraryView",
                  .caption = texts::kCmdLibraryView,
                  .enabled = entry,
                  .execute = [this] { viewProperties(); }});
    commands.add({.name = "ScriptLibraryRates",
                  .caption = texts::kCmdLibraryRates,
                  .enabled = entry,
                  .execute = [this] { showRates(); }});
    commands.add({.name = "ScriptLibraryRate0",
                  .caption = texts::kCmdLibraryRate0,
                  .enabled = [this] { return focused() != nullptr && focused()->RatingYou != 0; },
                  .execute = [this] { rate(catalogue::kRateRemove); }});
    static const char* const kRateNames[5] = {"ScriptLibraryRate1", "ScriptLibraryRate2",
                                              "ScriptLibraryRate3", "ScriptLibraryRate4",
                                              "ScriptLibraryRate5"};
    for (int value = 1; value <= 5; ++value) {
        commands.add({.name = kRateNames[value - 1],
                      .caption = texts::kCmdLibraryRates1to5[value - 1],
                      .enabled = entry,
                      .execute = [this, value] { rate(value); },
                      .checked =
                          [this, value] {
                              return focused() != nullptr && focused()->RatingYou == value;
                          }});
    }
    commands.add({.name = "ScriptLibraryHide",
                  .caption = texts::kCmdLibraryHide,
                  .enabled = entry,
                  .execute = [this] { rate(catalogue::kRateHide); },
                  .checked = [this] {
                      return focused() != nullptr && focused()->RatingYou == catalogue::kRateHide;
                  }});
}

QMenu* CataloguePanel::createMenu(CommandSet& commands, QWidget* parent) {
    static const char* const kNames[] = {
        "ScriptLibrary",      "ScriptLibraryRefresh", nullptr,
        "ScriptLibraryDownload", "ScriptLibraryUpload", "ScriptLibraryReplace",
        "ScriptLibraryDelete", nullptr,               "ScriptLibraryView",
        "ScriptLibraryRates", nullptr,                "ScriptLibraryRate0",
        "ScriptLibraryRate1", "ScriptLibraryRate2",   "ScriptLibraryRate3",
        "ScriptLibraryRate4", "ScriptLibraryRate5",   "ScriptLibraryHide"};
    auto* menu = new QMenu(uiText(texts::kMenuLibrary), parent);
    for (const char* name : kNames) {
        if (name == nullptr) {
            menu->addSeparator();
            auto* separator = new QAction(this);
            separator->setSeparator(true);
            m_view->addAction(separator);
            continue;
        }
        QAction* a = commands.action(QString::fromUtf8(name));
        menu->addAction(a);
        m_view->addAction(a);
    }
    return menu;
}

}  // namespace pentad
