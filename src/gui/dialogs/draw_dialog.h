// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog that adds or edits one draw: its number, the five digits typed
// as text and, unless hidden, the date and time of the draw. It refuses to
// close with digits that do not make a draw.
#pragma once

#include <QDialog>

#include "game/records.h"

class QDateEdit;
class QLineEdit;
class QSpinBox;
class QTimeEdit;

namespace pentad {

class Shell;

class DrawDialog : public QDialog {
    Q_OBJECT

public:
    // `draw` prefills the fields; with `showDate` false the date fields are
    // hidden and the result keeps the draw's date text. Error boxes go
    // through `shell`.
    DrawDialog(Shell& shell, const TDrawRec& draw, bool showDate, QWidget* parent = nullptr);

    // The draw as confirmed; valid once the dialog was accepted.
    const TDrawRec& draw() const { return m_draw; }

    // OK: refuses digits that do not read as five digits 0..9 with the error
    // box "Введена некорректная комбинация!", keeping the dialog open and
    // putting the focus into the digits field.
    void accept() override;

private:
    Shell& m_shell;
    TDrawRec m_draw;
    bool m_showDate;
    QSpinBox* m_number;
    QLineEdit* m_digits;
    QDateEdit* m_date = nullptr;
    QTimeEdit* m_time = nullptr;
};

}  // namespace pentad
