// SPDX-License-Identifier: GPL-3.0-or-later
// The small dialog that asks how many tests to run backwards through the
// archive, for regular stakes and systems alike.
#pragma once

#include <optional>

#include <QDialog>

class QSpinBox;

namespace pentad {

class TestCountDialog : public QDialog {
    Q_OBJECT

public:
    // The number offered is 10, kept within 1..`maximum`.
    TestCountDialog(int maximum, QWidget* parent = nullptr);

    // Shows the dialog modally ("Количество тестов"); nothing when it was
    // cancelled or when `maximum` is below 1.
    static std::optional<int> ask(QWidget* parent, int maximum);

    int count() const;

private:
    QSpinBox* m_count;
};

}  // namespace pentad
