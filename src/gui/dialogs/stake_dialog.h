// SPDX-License-Identifier: GPL-3.0-or-later
// The manual stake dialog: the first draw, the five digits typed as text,
// the comment and the number of draws, with the sum of the typed numbers
// kept up to date. It refuses to close on digits that are not a combination
// or on an empty comment.
#pragma once

#include <QDialog>

#include "stakes/stake_record.h"

class QLineEdit;
class QSpinBox;

namespace pentad {

class Shell;

class StakeDialog : public QDialog {
    Q_OBJECT

public:
    // `stake` prefills the fields (no digits when its Count is 0). Error
    // boxes go through `shell`.
    StakeDialog(Shell& shell, const TStakeRec& stake, QWidget* parent = nullptr);

    // The stake with the confirmed draw number, digits and comment (every
    // other field as it came in); valid once the dialog was accepted.
    const TStakeRec& stake() const { return m_stake; }
    // Number of draws the stake is for, 1..65535.
    int draws() const;

    // OK: refuses text that does not split on ";" and "," into five numbers
    // 0..9 ("Введена некорректная комбинация!"), then an empty comment
    // ("Необходимо ввести комментарий!"), keeping the dialog open.
    void accept() override;

private:
    void updateSum();

    Shell& m_shell;
    TStakeRec m_stake;
    QSpinBox* m_drawNumber;
    QLineEdit* m_digits;
    QLineEdit* m_comment;
    QSpinBox* m_draws;
    QLineEdit* m_sum;
};

}  // namespace pentad
