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

#include "shell/view_state.h"

namespace pentad {
namespace {

QScreen* screenOf(const QWidget& window) {
    QScreen* screen = window.screen();
    return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

}  // namespace

bool restoreWindowPlacement(QWidget& window, const IniFile& frm, const std::string& section) {
    QScreen* screen = screenOf(window);
    if (screen == nullptr) {
        return false;
    }
    const QSize size = screen->size();
    const int dpi = static_cast<int>(screen->logicalDotsPerInchY() + 0.5);
    std::optional<WindowPlacement> p =
        readWindowPlacement(frm, section, size.width(), size.height(), dpi);
    if (!p) {
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
    std::vector<int> widths = columnWidths(view);
    readColumnWidths(frm, section, view.objectName().toStdString(), widths);
    setColumnWidths(view, widths);
}

void saveColumnWidths(const QTableView& view, IniFile& frm, const std::string& section) {
    writeColumnWidths(frm, section, view.objectName().toStdString(), columnWidths(view));
}

}  // namespace pentad
