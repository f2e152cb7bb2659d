// SPDX-License-Identifier: GPL-3.0-or-later
#include "view_controls.h"

#include <algorithm>
#include <climits>

#include <QAction>
#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>

#include "app/workspace.h"
#include "command_set.h"
#include "filters/filter_texts.h"
#include "qt_text.h"
#include "view_pane_texts.h"

namespace pentad {
namespace {

constexpr int kRowPadding = 4;

// Runs a function when Enter is pressed in the watched field.
class EnterWatcher : public QObject {
public:
    EnterWatcher(QObject* parent, std::function<void()> entered)
        : QObject(parent), m_entered(std::move(entered)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                m_entered();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_entered;
};

}  // namespace

QSpinBox* makeLengthField(const char* name, int* target, int* setting, QWidget* parent,
                          std::function<void()> entered) {
    auto* field = new QSpinBox(parent);
    field->setObjectName(QString::fromUtf8(name));
    field->setRange(1, INT_MAX);
    field->setValue(std::max(1, *target));
    *target = field->value();
    field->setMinimumWidth(80);
    QObject::connect(field, &QSpinBox::valueChanged, field, [target, setting](int v) {
        *target = v;
        if (setting != nullptr) {
            *setting = v;
        }
    });
    field->installEventFilter(new EnterWatcher(field, [field, entered = std::move(entered)] {
        field->interpretText();
        entered();
    }));
    return field;
}

QLabel* makeLengthLabel(QSpinBox* field, QWidget* parent) {
    auto* label = new QLabel(uiText(texts::kViewLengthLabel), parent);
    label->setBuddy(field);
    return label;
}

QPushButton* makeButton(const char* name, QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromUtf8(name));
    return button;
}

std::function<void()> whenEnabled(QAction* const* action, std::function<void()> work) {
    return [action, work = std::move(work)] {
        if (*action != nullptr && (*action)->isEnabled()) {
            work();
        }
    };
}

QTableView* makeGridView(const char* name, QAbstractItemModel* model, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setObjectName(QString::fromUtf8(name));
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectItems);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
    view->setWordWrap(false);
    view->setCornerButtonEnabled(false);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + kRowPadding);
    view->horizontalHeader()->setHighlightSections(false);
    view->verticalHeader()->setHighlightSections(false);
    return view;
}

LowerPartHeight::LowerPartHeight(QSplitter* splitter) : QObject(splitter), m_splitter(splitter) {
    splitter->installEventFilter(this);
}

int LowerPartHeight::height() const {
    if (m_pending > 0) {
        return m_pending;
    }
    const QList<int> sizes = m_splitter->sizes();
    return sizes.size() == 2 ? sizes[1] : 0;
}

void LowerPartHeight::setHeight(int height) {
    m_pending = std::max(1, height);
    if (m_splitter->height() > m_pending) {
        const int upper = m_splitter->height() - m_splitter->handleWidth() - m_pending;
        m_splitter->setSizes({upper, m_pending});
        m_pending = 0;
    }
}

bool LowerPartHeight::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_splitter && event->type() == QEvent::Resize && m_pending > 0) {
        setHeight(m_pending);
    }
    return QObject::eventFilter(watched, event);
}

QAction* makeSeparator(QObject* parent, const char* caption) {
    auto* separator = new QAction(parent);
    if (caption != nullptr) {
        separator->setText(uiText(caption));
    }
    separator->setSeparator(true);
    return separator;
}

std::vector<CellRange> selectionRanges(const QItemSelectionModel& selection) {
    std::vector<CellRange> ranges;
    for (const QItemSelectionRange& r : selection.selection()) {
        ranges.push_back({r.top(), r.left(), r.bottom(), r.right()});
    }
    return ranges;
}

ViewFilterCommands addViewFilterCommands(CommandSet& commands, Workspace& workspace,
                                         const char* includeName, const char* excludeName,
                                         const char* caption, std::function<bool()> enabled,
                                         std::function<ViewValues()> values) {
    auto canFilter = [&workspace, enabled] { return !workspace.combs().empty() && enabled(); };
    auto run = [&workspace, values, caption](bool exclude) {
        filterByView(workspace.shell(), workspace.combs(), workspace.filters(), values(), caption,
                     exclude);
    };
    ViewFilterCommands pair;
    pair.include = commands.add({.name = includeName,
                                 .caption = texts::kKeepSelected,
                                 .hint = texts::kHintViewInclude,
                                 .enabled = canFilter,
                                 .execute = [run] { run(false); }});
    pair.exclude = commands.add({.name = excludeName,
                                 .caption = texts::kDeleteSelected,
                                 .hint = texts::kHintViewExclude,
                                 .enabled = canFilter,
                                 .execute = [run] { run(true); }});
    return pair;
}

}  // namespace pentad
