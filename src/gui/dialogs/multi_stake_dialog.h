// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog that asks for the common part of a batch of stakes: the first
// draw, how many draws each stake covers and the comment every stake of the
// batch carries.
#pragma once

#include <optional>
#include <string>

#include <QDialog>

class QLineEdit;
class QSpinBox;

namespace pentad {

// What the dialog returns: the first draw (>= 1), the number of draws
// (1..65535) and the non-empty comment (at most 64 characters).
struct MultiStakeInput {
    int drawNumber;
    int draws;
    std::string comment;
};

class MultiStakeDialog : public QDialog {
    Q_OBJECT

public:
    MultiStakeDialog(int drawNumber, const std::string& comment, QWidget* parent = nullptr);

    // Shows the dialog modally; nothing when it was cancelled.
    static std::optional<MultiStakeInput> ask(QWidget* parent, int drawNumber,
                                              const std::string& comment);

    MultiStakeInput input() const;

    // OK: refuses an empty comment with "Необходимо ввести комментарий!".
    void accept() override;

private:
    QSpinBox* m_drawNumber;
    QLineEdit* m_comment;
    QSpinBox* m_draws;
};

}  // namespace pentad
