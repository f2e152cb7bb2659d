// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog "Элемент сценария" that edits one scenario line: the comment,
// the start list with its number of draws, the stake mode, the two flags and
// the seven filter fields. A filter field is edited in the filter dialog
// through its button or a double click; OK gives the line's text form.
#pragma once

#include <array>
#include <string>

#include <QDialog>

#include "scenarios/script_line.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace pentad {

class Shell;
class StatPage;
class TStatList;

class LineDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kFilterCount = 7;

    // Shows `line` under the caption `title` ("Создание новой строки" or
    // "Редактирование строки"). The filter dialog reads its statistics from
    // `list` and `page`; its error boxes go through `shell`.
    LineDialog(Shell& shell, const TStatList& list, const StatPage& page, const QString& title,
               const TScriptLine& line, QWidget* parent = nullptr);

    // The line written from the fields.
    TScriptLine line() const;
    std::string lineText() const { return LineToText(line()); }

    // Opens the filter dialog on filter field `slot` (0..6); on OK the field
    // takes the edited item's text.
    void editFilter(int slot);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Shell& m_shell;
    const TStatList& m_list;
    const StatPage& m_page;
    QLineEdit* m_comment;
    QComboBox* m_startList;
    QSpinBox* m_drawsExclude;
    QComboBox* m_stakeMode;
    QCheckBox* m_clearStakes;
    QCheckBox* m_newOnly;
    std::array<QLineEdit*, kFilterCount> m_filters{};
    std::array<QPushButton*, kFilterCount> m_filterButtons{};
};

}  // namespace pentad
