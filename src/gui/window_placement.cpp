// SPDX-License-Identifier: GPL-3.0-or-later
// Window position and state to and from the placement entries of a window's
// section in "Pentad.frm".
#include "window_placement.h"

#include <algorithm>
#include <vector>

#include <QAbstractItemModel>
#include <QGuiApplication>
#include <QScreen>
#include <QTableView>
#include <QWidget>

#include "column_fit.h"
#include "shell/view_state.h"

namespace pentad {
namespace {

QScreen* screenOf(const QWidget& window) {
    QScreen* screen = window.screen();
    return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

}  // namespace

bool restoreWindowPlacement(QWidget& window, const IniFile& frm, const std::string& section,
                            double firstStartShare) {
    QScreen* screen = screenOf(window);
    if (screen == nullptr) {
        return false;
    }
    const QSize size = screen->size();
    const int dpi = static_cast<int>(screen->logicalDotsPerInchY() + 0.5);
    std::optional<WindowPlacement> p =
        readWindowPlacement(frm, section, size.width(), size.height(), dpi);
    if (!p) {
        if (firstStartShare <= 0) {
            return false;
        }
        // First start: centred, never smaller than the window needs.
        const QRect available = screen->availableGeometry();
        QRect rect(QPoint(0, 0), (QSizeF(available.size()) * firstStartShare).toSize());
        rect.setSize(rect.size().expandedTo(window.minimumSizeHint()));
        rect.moveCenter(available.center());
        window.setGeometry(rect);
        return false;
    }
    const auto& [left, top, right, bottom] = p->NormPos;
    QRect rect(QPoint(left, top), QPoint(right - 1, bottom - 1));
    if (rect.width() >= 100 && rect.height() >= 100) {
        const QRect available = screen->availableGeometry();
        if (!available.intersects(rect)) {
            rect.moveCenter(available.center());
        }
        window.setGeometry(rect);
    }
    return p->maximised();
}

void saveWindowPlacement(const QWidget& window, IniFile& frm, const std::string& section) {
    QScreen* screen = screenOf(window);
    WindowPlacement p;
    if (window.isMaximized()) {
        p.ShowCmd = 3;
    } else if (window.isMinimized()) {
        p.ShowCmd = 2;
    }
    p.PixelsPerInch =
        screen != nullptr ? static_cast<int>(screen->logicalDotsPerInchY() + 0.5) : 96;
    QRect rect = window.normalGeometry();
    if (!rect.isValid()) {
        rect = window.geometry();
    }
    p.NormPos = {rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1};
    const QSize size = screen != nullptr ? screen->size() : QSize(0, 0);
    writeWindowPlacement(frm, section, p, size.width(), size.height());
}

std::vector<int> columnWidths(const QTableView& view) {
    const int columns = view.model() != nullptr ? view.model()->columnCount() : 0;
    std::vector<int> widths;
    for (int c = 0; c < columns; ++c) {
        widths.push_back(view.columnWidth(c));
    }
    return widths;
}

void setColumnWidths(QTableView& view, const std::vector<int>& widths) {
    const int columns = view.model() != nullptr ? view.model()->columnCount() : 0;
    for (int c = 0; c < columns && c < static_cast<int>(widths.size()); ++c) {
        view.setColumnWidth(c, std::max(0, widths[static_cast<size_t>(c)]));
    }
}

void restoreColumnWidths(QTableView& view, const IniFile& frm, const std::string& section) {
    ColumnFit* fit = ColumnFit::install(view);
    std::vector<int> widths(columnWidths(view).size(), 0);
    readColumnWidths(frm, section, view.objectName().toStdString(), widths);
    fit->applySaved(widths);
}

void saveColumnWidths(const QTableView& view, IniFile& frm, const std::string& section) {
    const ColumnFit* fit = ColumnFit::of(view);
    writeColumnWidths(frm, section, view.objectName().toStdString(),
                      fit != nullptr ? fit->widthsToSave() : columnWidths(view));
}

}  // namespace pentad
